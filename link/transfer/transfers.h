// The exchanges of every kind of data with the phone: the reads that fill
// the store's phone mirror, the writes that count only when the phone
// answers PC_OK, and the frame handling behind them.
#pragma once

#include "core/data/alarm_list.h"
#include "core/data/phone_mirror.h"
#include "link/connection/phone_link.h"
#include "link/wire/sms_wire.h"

#include <array>
#include <bitset>
#include <functional>
#include <initializer_list>
#include <optional>

namespace pdx::link {

// How an exchange ended.
enum class [[nodiscard]] Outcome : int{
    Ok,
    NotFound,      // no phone answered on any port
    PortClosed,    // the port could not be opened
    NoAnswer,      // the phone did not answer in time
    WrongPassword, // the phone refused the password
    Refused,       // the phone answered PC_NG to the request
    Disconnected,  // the device went away during the exchange
    Cancelled,     // the user stopped a read (cancel())
};

// A Korean sentence for the user.
const char *describe(Outcome outcome);

inline constexpr Millis kReadWait{60000};

class PhoneTransfers : public FrameClient {
public:
  // Attaches itself to `link` as its frame client; what is read goes to
  // `mirror`.
  PhoneTransfers(CPhoneLink &link, core::PhoneMirror &mirror);
  ~PhoneTransfers() override;

  Outcome readSms();
  Outcome readPhonebook();
  Outcome readAlarms();
  // Asks for the option record and waits up to `wait` for it; without an
  // answer the record as last received stays.
  Outcome readOptions(Millis wait = kAnswerWait);

  Outcome writeSms(const core::SmsMessage &message, wire::SmsOperation operation);
  Outcome sendSms(const core::SmsMessage &message, std::string_view callback, std::string_view recipient);
  // When the phone's answer is lost, the slot is read back: the write
  // succeeds when the phone holds the entry, and lastReadBack() tells what
  // it holds either way.
  Outcome writePhonebookSlot(uint8_t slot, const core::PhoneBookEntry &entry);
  Outcome writeGroups(const core::GroupTable &table, int id, const core::PhoneGroup &group);
  Outcome writeSpeedDial(const core::SpeedDialTable &table, int key, const core::SpeedDialKey &value);
  Outcome writeAlarm(size_t position, const core::AlarmEntry &alarm);
  Outcome deleteAlarm(size_t position);
  Outcome writeOptions(const core::PhoneOptions &options);
  // `payload`: the melody or animation library's set payload.
  Outcome downloadMelody(std::span<const uint8_t> payload);
  Outcome downloadAnimation(std::span<const uint8_t> payload);

  // Told as the records of a phonebook or message read arrive: how many
  // came and how many the phone announced (its occupancy table).
  void setProgress(std::function<void(int done, int total)> progress) { progress_ = std::move(progress); }
  // Stops the running phonebook or message read between two frames: no
  // further record is asked for, the read ends with Cancelled, and records
  // still on their way are dropped instead of stored, so that the caller
  // can put its mirror back as it was.
  void cancel() { cancelled_ = true; }

  // What the phone held when the last write's slot was read back (none
  // when no write needed it, or the read-back got no answer).
  const std::optional<core::PhoneBookEntry> &lastReadBack() const { return readBack_; }

  bool receive(const Frame &frame) override;
  // True when a frame of `code` has a reply in the transfers' table.
  static bool handlesReply(int code);

private:
  struct Arrivals {
    bool sms = false;
    bool groups = false;
    bool speedDials = false;
    bool alarms = false;
    bool options = false;
  };
  // The exchange whose follow-up requests the frame handling sends.
  enum class Reading { None, Sms, Phonebook, Alarms, Options, Slot };

  using Part = core::PhoneMirror::Part;

  core::CivilTime now() const { return core::koreanTimeAt(clock_.utcSeconds()); }
  // Marks the part read when the read ended Ok.
  Outcome finishRead(Part part, Outcome outcome);
  // Ok when the port is open or opens again; otherwise why not: the phone
  // went away, or the port never opened.
  Outcome openPort();
  Outcome write(uint8_t code, std::span<const uint8_t> payload);
  Outcome alarmTable(const core::AlarmEntry *alarm, size_t position);
  Outcome startRead(Reading reading, uint8_t code, std::span<const uint8_t> data,
                    std::initializer_list<uint8_t> followUps);
  Outcome waitRead(Millis timeout);
  bool readComplete() const;
  Outcome readBackSlot(uint8_t slot, const core::PhoneBookEntry &written);
  // A follow-up request of the running read; its answer is the next awaited.
  void sendFollowUp(uint8_t code, int slot);
  // True when `first` answers the follow-up sent last.
  bool answersPending(uint8_t first) const { return pending_ == first; }

  struct Reply;
  static const std::array<Reply, 10> kReplies;
  void onSmsIndex(const Frame &frame);
  void onSms(const Frame &frame);
  void onLocationIndex(const Frame &frame);
  void onLocation(const Frame &frame);
  void onSlotIndex(const Frame &frame);
  void onSlot(const Frame &frame);
  void storeSms(const Frame &frame);
  void storeGroups(const Frame &frame);
  void storeAlarms(const Frame &frame);
  void storeOptions(const Frame &frame);
  void storeSlot(const Frame &frame);
  void storeSpeedDials(const Frame &frame);

  void requestNextSms();
  void requestNextSlot();
  void requestNextLocation();
  void announce(int done, int total);

  CPhoneLink &link_;
  core::PhoneMirror &mirror_;
  // Dates the alarms written and orders those read: the link's loop.
  const Clock &clock_;
  Arrivals arrived_;
  Reading reading_ = Reading::None;
  bool smsDone_ = false;
  // The slot byte of the follow-up sent last; kNotStarted before the
  // occupancy arrived, kNothingPending once no slot is left.
  static constexpr int kNotStarted = -1;
  static constexpr int kNothingPending = -2;
  int pending_ = kNotStarted;
  wire::Bytes slotRecord_;
  bool strayRecord_ = false;
  std::optional<core::PhoneBookEntry> readBack_;
  std::bitset<20> receivedFlags_;
  std::bitset<11> savedFlags_;
  std::bitset<200> slotFlags_;
  std::bitset<100> locationFlags_;
  std::function<void(int, int)> progress_;
  int done_ = 0;
  int total_ = 0;
  bool cancelled_ = false;
};

} // namespace pdx::link
