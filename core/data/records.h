// The records of the phone's data: what the phone-data program keeps and
// exchanges with the phone. Text is code page 949 in fixed-width fields.
#pragma once

#include "core/base/bytes.h"
#include "core/base/fixed_text.h"
#include "core/base/user_text.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace pdx::core {

inline constexpr uint16_t kNoPhoneSlot = 65535;
inline constexpr int kPhoneSlots = 200;
inline constexpr int kNumberKinds = 4;

// Where an entry stands with respect to the phone.
enum PhoneState : uint16_t {
  kStoredOnPhone = 0,
  kNotOnPhone = 1,
  kUnconfirmed = 2, // changed while no phone was connected
};

// Labels of the four number kinds, in their fixed order (UTF-8): the names
// files and scripts use.
inline constexpr std::array<std::string_view, kNumberKinds> kNumberLabels = {
    QT_TRANSLATE_NOOP("pdx::data", "집"), QT_TRANSLATE_NOOP("pdx::data", "회사"),
    QT_TRANSLATE_NOOP("pdx::data", "휴대폰"), QT_TRANSLATE_NOOP("pdx::data", "삐삐")};
// The label as the user reads it, in the user's language.
std::string numberLabel(size_t kind);

struct PhoneBookEntry {
  static constexpr size_t kFileSize = 157;

  uint16_t group = 0;
  uint16_t flags = 0; // bit 0: slot in use; bit n (1..4): number n present
  FixedText<16> name;
  std::array<FixedText<32>, kNumberKinds> numbers; // home, office, mobile, pager
  uint16_t phoneSlot = kNoPhoneSlot;
  uint16_t phoneState = kNotOnPhone;

  void clear() { *this = PhoneBookEntry(); }
  bool isEmpty() const;
  // Cuts the texts at their widths and drops dangling lead bytes.
  void normalise();

  void writeTo(ByteWriter &out) const;
  void readFrom(ByteReader &in);
};

// Orders by phone state, group, name and the four numbers (texts byte-wise
// as unsigned bytes): negative, zero or positive.
int compareBySortKey(const PhoneBookEntry &a, const PhoneBookEntry &b);

// Only the digits and "-", "#", "*", "p", "P", at most 32 characters.
bool isValidPhoneNumber(std::string_view number);
// Equal after every '-' is skipped in both.
bool numbersEqual(std::string_view a, std::string_view b);

struct PhoneGroup {
  static constexpr size_t kFileSize = 21;
  static constexpr uint16_t kNewId = 65535;
  static constexpr size_t kNameBytes = 12;

  uint16_t id = kNewId; // 0..19, the group's slot on the phone
  uint16_t secret = 0;  // 0 normal, otherwise secret
  uint16_t melody = 0;  // index into the bell name table; 0 no bell
  FixedText<kNameBytes> name;
  uint16_t phoneId = 0; // working field of the group merge

  void clear() { *this = PhoneGroup(); }
  bool isEmpty() const { return name.empty(); }
  bool isSecret() const { return secret != 0; }

  void writeTo(ByteWriter &out) const;
  void readFrom(ByteReader &in);
};

// A local date and time, as the phone and the user see it.
struct CivilTime {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

struct SmsMessage {
  uint16_t slot = 0; // bit 7 set: saved-message box
  uint16_t readState = 0;
  uint16_t kind = 0;
  uint16_t attributes = 0;
  uint16_t year = 0;
  uint8_t month = 0;
  uint8_t day = 0;
  uint8_t hour = 0;
  uint8_t minute = 0;
  uint8_t second = 0;
  FixedText<32> number;
  FixedText<85> text;

  void clear() { *this = SmsMessage(); }
  // Sets the time stamp; the caller keeps the fields within their ranges.
  void setTime(const CivilTime &time);
  bool inSavedBox() const { return (slot & 0x80) != 0; }
  void normalise();
};

// Orders time stamps: negative when `a` is older than `b`.
int compareTimeStamps(const SmsMessage &a, const SmsMessage &b);

struct SpeedDialKey {
  int32_t slot = -1;
  int32_t kind = -1;

  void clear() { *this = SpeedDialKey(); }
  bool isUnused() const { return slot < 0 || slot >= kPhoneSlots || kind < 0 || kind >= kNumberKinds; }
};

inline constexpr int kSpeedDialKeys = 99;
using SpeedDialTable = std::array<SpeedDialKey, kSpeedDialKeys>;

// The first unused key (0..98), or -1.
int firstUnusedKey(const SpeedDialTable &table);

enum AlarmRepeat : uint16_t { kOnce = 4, kDaily = 5, kWeekly = 6, kMonthly = 7, kYearly = 8 };

struct AlarmEntry {
  uint16_t slot = 0;
  uint16_t year = 0;
  uint8_t month = 1;
  uint8_t day = 1;
  uint8_t hour = 0;
  uint8_t minute = 0;
  uint8_t weekday = 0; // 0 Sunday .. 6 Saturday
  uint16_t repeat = kOnce;
  uint16_t notifyType = 0;
  FixedText<32> number;
  FixedText<12> title;

  void normalise() { title.dropDanglingLead(); }
};

// The phone's option settings; the meaning of each value belongs to the
// options page. Choice settings hold the index of their choice.
struct PhoneOptions {
  std::array<int32_t, 14> head{};  // option bytes 0..13
  std::array<int32_t, 9> middle{}; // option bytes 27..35
  int32_t pcOnly = 0;              // kept on the PC, never exchanged
  std::array<int32_t, 2> tail{};   // option bytes 38 and 39
  FixedText<7> digitsB;
  FixedText<4> password;
  FixedText<16> text;
  FixedText<3> number3;
  FixedText<4> digitsA;
};

// The 51 bell names as the user reads them (UTF-8, in the user's
// language), index = a group's melody value.
inline constexpr int kBellNameCount = 51;
std::string bellName(int index);

} // namespace pdx::core
