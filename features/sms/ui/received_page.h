// The received-message page (3004): the phone's received messages, the
// selected one in the pane and marked read on the phone; reply, delete,
// save and print.
#pragma once

#include "features/sms/ui/sms_list_page.h"

namespace pdx::features {

class CSmsReceivedPage : public CSmsListPage {
  Q_OBJECT

public:
  inline static const std::string kColumnKey = "SmsRecvItemPos";

  explicit CSmsReceivedPage(SmsPageContext context, QWidget *parent = nullptr);

  void reply();
  void deleteSelected();

protected:
  void selectionChanged() override;
  void updateButtons() override;
  std::span<const PageCommand<CSmsListPage>> ownCommands() const override;
  std::set<int> dropCommands() const override { return {kReply, kDelete, kSave, kPrint}; }
  void keyPressEvent(QKeyEvent *event) override;
};

} // namespace pdx::features
