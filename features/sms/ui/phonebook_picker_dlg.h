// The phonebook picker of the send dialog: the phone phonebook's numbers
// in a column list under a header that sorts by a click; OK (or a double
// click) hands back the selected row's number. The column boundaries live
// under "PhoneBookDialogItemPos".
#pragma once

#include "features/sms/phonebook_choice.h"
#include "winlib/bmp_dialog.h"

namespace pdx::platform {
class Settings;
}

namespace pdx::features {

class CDragDropListBox;

class CPhonebookPickerDlg : public winlib::CBmpDialog {
  Q_OBJECT

public:
  inline static const std::string kColumnKey = "PhoneBookDialogItemPos";

  CPhonebookPickerDlg(std::vector<PickerRow> rows, platform::Settings &settings);

  const std::string &number() const { return number_; }
  CDragDropListBox *list() const { return list_; }
  void sortBy(int column);

protected:
  void OnInitDialog() override;
  void OnOK() override;

private:
  void refill();

  std::vector<PickerRow> rows_;
  platform::Settings &settings_;
  std::string number_;
  CDragDropListBox *list_ = nullptr;
};

} // namespace pdx::features
