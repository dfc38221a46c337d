#include "features/options/options_editor.h"

#include "core/base/user_text.h"

namespace pdx::features {

OptionsEditor::OptionsEditor(core::CDataStore &store, OptionsPhone &phone, PageUser &user)
    : options_(store.options), received_(store.read.options), phone_(phone), user_(user) {}

bool OptionsEditor::canApply() const {
  return received_ && !refusalOf(kPasswordRow, options_.password.view());
}

bool OptionsEditor::choose(int row, int index) {
  if (!editable(row) || optionRow(row).kind != OptionKind::Choice || index < 0 ||
      index >= static_cast<int>(choicesOf(row).size())) {
    return false;
  }
  setChoice(options_, row, index);
  return true;
}

bool OptionsEditor::commitText(int row, std::string_view cp949) {
  if (!editable(row) || optionRow(row).kind == OptionKind::Choice) {
    return false;
  }
  if (const auto refusal = refusalOf(row, cp949)) {
    user_.tell(*refusal);
    return false;
  }
  setTextValue(options_, row, cp949);
  return true;
}

bool OptionsEditor::apply() {
  if (!received_) {
    user_.tell(text::translate("pdx::options", "휴대폰에서 환경 설정을 받지 못해 지정할 수 없습니다."));
    return false;
  }
  if (const auto refusal = refusalOf(kPasswordRow, options_.password.view())) {
    user_.tell(*refusal);
    return false;
  }
  if (!phone_.writeOptions(options_)) {
    user_.tell(text::translate("pdx::options", "휴대폰에 지정할 수 없습니다."));
    return false;
  }
  phone_.usePassword(options_.password.view());
  return true;
}

} // namespace pdx::features
