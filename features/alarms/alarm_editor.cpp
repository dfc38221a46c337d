#include "features/alarms/alarm_editor.h"

#include "core/base/user_text.h"

namespace pdx::features {

AlarmEditor::AlarmEditor(core::CDataStore &store, AlarmPhone &phone, PageUser &user, const Clock &clock)
    : store_(store), phone_(phone), user_(user), clock_(clock) {}

std::string AlarmEditor::rowText(size_t position) const {
  const core::AlarmEntry &a = alarm(position);
  std::string row = "\xFF";
  row.push_back(static_cast<char>(a.repeat + 1));
  return row + "\t" + std::string(a.title.view());
}

bool AlarmEditor::mayAdd() {
  if (store_.alarms.full()) {
    user_.tell(text::translate("pdx::alarms", "알람은 10개까지 등록할 수 있습니다."));
    return false;
  }
  return true;
}

std::optional<size_t> AlarmEditor::add(core::AlarmEntry alarm) {
  if (!mayAdd()) {
    return std::nullopt;
  }
  alarm.slot = static_cast<uint16_t>(size());
  if (!phone_.writeAlarm(alarm.slot, alarm)) {
    user_.tell(text::translate("pdx::alarms", "알람을 추가할 수 없습니다."));
    return std::nullopt;
  }
  return store_.alarms.insert(alarm, now());
}

std::optional<size_t> AlarmEditor::modify(size_t position, core::AlarmEntry alarm) {
  if (position >= size()) {
    return std::nullopt;
  }
  alarm.slot = static_cast<uint16_t>(position);
  if (!phone_.writeAlarm(position, alarm)) {
    user_.tell(text::translate("pdx::alarms", "알람을 수정할 수 없습니다."));
    return std::nullopt;
  }
  store_.alarms.removeAt(position);
  return store_.alarms.insert(alarm, now());
}

std::optional<int> AlarmEditor::remove(size_t position) {
  if (position >= size() || !user_.ask(text::translate("pdx::alarms", "알람을 삭제하시겠습니까?"))) {
    return std::nullopt;
  }
  if (!phone_.deleteAlarm(position)) {
    user_.tell(text::translate("pdx::alarms", "알람을 삭제할 수 없습니다."));
    return std::nullopt;
  }
  store_.alarms.removeAt(position);
  return std::min(static_cast<int>(position), static_cast<int>(size()) - 1);
}

} // namespace pdx::features
