// The sent-message page (3005): the phone's saved box of messages to send
// (at most ten); new, modify, send now, delete, open a text file, save and
// print.
#pragma once

#include "features/sms/ui/sms_list_page.h"

namespace pdx::features {

class CSmsSentPage : public CSmsListPage {
  Q_OBJECT

public:
  inline static const std::string kColumnKey = "SmsSendItemPos";

  explicit CSmsSentPage(SmsPageContext context, QWidget *parent = nullptr);

  void newMessage();
  void modifySelected();
  void sendSelected();
  void deleteSelected();
  void openFile();
  void openFrom(const QString &path);

protected:
  void updateButtons() override;
  std::span<const PageCommand<CSmsListPage>> ownCommands() const override;
  std::set<int> dropCommands() const override { return {kModify, kSendNow, kDelete, kSave, kPrint}; }
  void keyPressEvent(QKeyEvent *event) override;

private:
  std::optional<std::string> choosePhonebookNumber(QWidget *owner);
  // Shows the stored message at `row` and, after 지금 보내기, sends it.
  void afterStore(std::optional<int> row, bool sendNow);
};

} // namespace pdx::features
