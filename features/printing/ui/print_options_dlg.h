// The print options dialog: size (wallet or normal), order (by group or by
// name) and the printer, among them printing to a PDF file; or the printer
// alone.
#pragma once

#include "features/printing/phonebook_print.h"
#include "winlib/bmp_dialog.h"

#include <QString>

class QComboBox;
class QRadioButton;

namespace pdx::features {

struct PrintOptions {
  PrintSize size = PrintSize::Wallet;
  PrintOrder order = PrintOrder::ByGroup;
  QString printer; // a system printer's name; empty for a PDF file
  QString pdfPath; // the file when printing to PDF
};

class CPrintOptionsDlg : public winlib::CBmpDialog {
  Q_OBJECT

public:
  // The entry that prints to a PDF file in the printer choice.
  static QString pdfChoice();

  // `printerOnly`: only the printer is chosen (size and order are hidden).
  explicit CPrintOptionsDlg(const PrintOptions &initial, bool printerOnly = false);
  const PrintOptions &options() const { return options_; }

  QRadioButton *walletButton() const { return wallet_; }
  QRadioButton *normalButton() const { return normal_; }
  QRadioButton *byGroupButton() const { return byGroup_; }
  QRadioButton *byNameButton() const { return byName_; }
  QComboBox *printerBox() const { return printers_; }

protected:
  void OnInitDialog() override;
  void OnOK() override;
  void paintEvent(QPaintEvent *event) override;

private:
  PrintOptions options_;
  bool printerOnly_ = false;
  QRadioButton *wallet_ = nullptr;
  QRadioButton *normal_ = nullptr;
  QRadioButton *byGroup_ = nullptr;
  QRadioButton *byName_ = nullptr;
  QComboBox *printers_ = nullptr;
};

} // namespace pdx::features
