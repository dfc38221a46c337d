#include "features/sms/sms_editor.h"

#include "core/base/cp949.h"
#include "core/base/user_text.h"
#include "core/data/alarm_list.h"
#include "features/sms/sms_text.h"

#include <algorithm>
#include <array>

namespace pdx::features {

namespace {

const char *const kBoxFull = QT_TRANSLATE_NOOP("pdx::sms", "단문은 10개까지 저장할 수 있습니다.");

} // namespace

SmsEditor::SmsEditor(core::CDataStore &store, SmsPhone &phone, PageUser &user, const Clock &clock,
                     std::string callback)
    : store_(store), phone_(phone), user_(user), clock_(clock), callback_(std::move(callback)) {}

const core::SmsBox &SmsEditor::box(SmsBoxKind kind) const {
  return kind == SmsBoxKind::Received ? store_.receivedSms : store_.savedSms;
}

core::SmsBox &SmsEditor::mutableBox(SmsBoxKind kind) {
  return kind == SmsBoxKind::Received ? store_.receivedSms : store_.savedSms;
}

int SmsEditor::freeSlot() const {
  std::array<bool, kSavedSlots> used{};
  for (const core::SmsMessage &m : store_.savedSms) {
    const int n = m.slot - kFirstSavedSlot;
    if (n >= 0 && n < kSavedSlots) {
      used[static_cast<size_t>(n)] = true;
    }
  }
  for (int n = 0; n < kSavedSlots; ++n) {
    if (!used[static_cast<size_t>(n)]) {
      return kFirstSavedSlot + n;
    }
  }
  return -1;
}

core::SmsMessage SmsEditor::newSaved(int slot, std::string_view text) const {
  const core::CivilTime now = core::koreanTimeAt(clock_.utcSeconds());
  core::SmsMessage m;
  m.slot = static_cast<uint16_t>(slot);
  m.setTime(now);
  m.text.set(text.substr(0, text::cutWhole(text, m.text.kCapacity)));
  return m;
}

bool SmsEditor::markRead(int row) {
  const core::SmsBox &received = store_.receivedSms;
  if (marking_ || markFailures_ >= 2 || row < 0 || static_cast<size_t>(row) >= received.size() ||
      received[static_cast<size_t>(row)].readState != 0) {
    return false;
  }
  core::SmsMessage copy = received[static_cast<size_t>(row)];
  copy.readState = 1;
  marking_ = true;
  const bool accepted = phone_.storeSms(copy);
  marking_ = false;
  if (!accepted) {
    ++markFailures_;
    user_.tell(text::translate("pdx::sms", "읽음 표시를 할 수 없습니다."));
    return false;
  }
  markFailures_ = 0;
  store_.receivedSms.replaceAt(static_cast<size_t>(row), copy);
  return true;
}

bool SmsEditor::canReply() {
  if (freeSlot() < 0) {
    user_.tell(text::translate("pdx::sms", "단문은 10개까지 저장할 수 있습니다. 답장을 쓸 수 없습니다."));
    return false;
  }
  return true;
}

std::optional<int> SmsEditor::storeReply(const std::string &text, const SmsAddress &address, bool sendNow) {
  const int slot = freeSlot();
  if (slot < 0) {
    return std::nullopt;
  }
  core::SmsMessage m = newSaved(slot, text);
  if (sendNow) {
    m.number.set(address.recipient.substr(0, text::cutWhole(address.recipient, m.number.kCapacity)));
  }
  if (!phone_.storeSms(m)) {
    user_.tell(text::translate("pdx::sms", "단문을 저장할 수 없습니다."));
    return std::nullopt;
  }
  const int row = static_cast<int>(store_.savedSms.insert(m));
  if (sendNow && !phone_.sendSms(m, address.callback, address.recipient)) {
    user_.tell(text::translate("pdx::sms", "단문을 보낼 수 없습니다."));
  }
  return row;
}

bool SmsEditor::canAdd() {
  if (freeSlot() < 0) {
    user_.tell(text::translate("pdx::sms", kBoxFull));
    return false;
  }
  return true;
}

std::optional<int> SmsEditor::addNew(const std::string &text) {
  const int slot = freeSlot();
  if (slot < 0) {
    return std::nullopt;
  }
  const core::SmsMessage m = newSaved(slot, text);
  if (!phone_.storeSms(m)) {
    user_.tell(text::translate("pdx::sms", "단문을 추가할 수 없습니다."));
    return std::nullopt;
  }
  return static_cast<int>(store_.savedSms.insert(m));
}

std::optional<int> SmsEditor::modify(int row, const std::string &text) {
  if (row < 0 || static_cast<size_t>(row) >= store_.savedSms.size()) {
    return std::nullopt;
  }
  // Only the text and the time change: the read state, attributes, kind
  // and number stay as the phone holds them.
  core::SmsMessage copy = store_.savedSms[static_cast<size_t>(row)];
  const core::SmsMessage fresh = newSaved(copy.slot, text);
  copy.text = fresh.text;
  copy.setTime(core::koreanTimeAt(clock_.utcSeconds()));
  if (!phone_.storeSms(copy)) {
    user_.tell(text::translate("pdx::sms", "단문을 수정할 수 없습니다."));
    return std::nullopt;
  }
  store_.savedSms.removeAt(static_cast<size_t>(row));
  return static_cast<int>(store_.savedSms.insert(copy));
}

bool SmsEditor::send(int row, const SmsAddress &address) {
  if (row < 0 || static_cast<size_t>(row) >= store_.savedSms.size() || address.recipient.empty()) {
    return false;
  }
  if (!phone_.sendSms(store_.savedSms[static_cast<size_t>(row)], address.callback, address.recipient)) {
    user_.tell(text::translate("pdx::sms", "단문을 보낼 수 없습니다."));
    return false;
  }
  return true;
}

bool SmsEditor::remove(SmsBoxKind kind, int row) {
  core::SmsBox &target = mutableBox(kind);
  if (row < 0 || static_cast<size_t>(row) >= target.size() ||
      !user_.ask(text::translate("pdx::sms", "메시지를 삭제하시겠습니까?"))) {
    return false;
  }
  if (!phone_.eraseSms(target[static_cast<size_t>(row)])) {
    user_.tell(kind == SmsBoxKind::Received ? text::translate("pdx::sms", "단문을 지울 수 없습니다.")
                                            : text::translate("pdx::sms", "단문을 삭제할 수 없습니다."));
    return false;
  }
  target.removeAt(static_cast<size_t>(row));
  return true;
}

SmsEditor::LoadResult SmsEditor::load(std::string_view fileText) {
  LoadResult result;
  std::vector<size_t> refused;
  std::string untimed; // "2, 5": the stored messages whose time was refused
  for (core::SmsMessage m : parseSmsText(fileText, core::koreanTimeAt(clock_.utcSeconds()), &refused)) {
    const int slot = freeSlot();
    if (slot < 0) {
      break;
    }
    m.slot = static_cast<uint16_t>(slot);
    if (!phone_.storeSms(m)) {
      user_.tell(text::translate("pdx::sms", "단문을 추가할 수 없습니다."));
      break;
    }
    result.stored.push_back(m);
    result.lastRow = static_cast<int>(store_.savedSms.insert(m));
    if (std::find(refused.begin(), refused.end(), result.stored.size() - 1) != refused.end()) {
      untimed += (untimed.empty() ? "" : ", ") + std::to_string(result.stored.size());
    }
  }
  if (!untimed.empty()) {
    user_.tell(text::fill(text::translate("pdx::sms",
                                          "파일의 %1번째 메시지는 시간이 달력에 없거나 휴대폰이 저장할 수 "
                                          "없는 해여서 지금 시각의 메시지로 읽었습니다."),
                          {untimed}));
  }
  return result;
}

} // namespace pdx::features
