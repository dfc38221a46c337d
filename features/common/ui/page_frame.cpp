#include "features/common/ui/page_frame.h"

#include "features/common/ui/page_buttons.h"
#include "winlib/bmp_button.h"

#include <QCoreApplication>

namespace pdx::features {

namespace {

constexpr int kRowTop = 385;
constexpr std::array<int, 3> kRowLeft = {442, 491, 539};
constexpr QSize kTextButton(46, 40);

} // namespace

CPageFrame::CPageFrame(PageContext context, PageRowIds ids) : context_(std::move(context)), ids_(ids) {}

void CPageFrame::addRow(RowLook look) {
  const std::array<int, 3> ids = {ids_.help, ids_.back, ids_.exit};
  const std::array<QString, 3> captions = {QCoreApplication::translate("pdx::features::PageFrame", "도움말"),
                                           QCoreApplication::translate("pdx::features::PageFrame", "이전"),
                                           QCoreApplication::translate("pdx::features::PageFrame", "종료")};
  for (size_t i = 0; i < row_.size(); ++i) {
    const QPoint at(kRowLeft[i], kRowTop);
    row_[i] = look == RowLook::Skin ? addSkinButton(this, ids[i], at, captions[i])
                                    : addTextButton(this, ids[i], captions[i], at, kTextButton);
  }
}

std::function<void()> CPageFrame::rowCommand(int id) const {
  return id == ids_.help   ? context_.showHelp
         : id == ids_.back ? context_.backToMenu
         : id == ids_.exit ? context_.exitProgram
                           : nullptr;
}

std::function<void()> CPageFrame::commandFor(int id) {
  std::function<void()> run = ownCommand(id);
  return run ? run : rowCommand(id);
}

bool CPageFrame::runCommand(int id) {
  const std::function<void()> run = commandFor(id);
  if (!run) {
    return false;
  }
  // The command may replace the page; it goes away only once we returned.
  run();
  return true;
}

void CPageFrame::OnCommand(int id, int code) {
  if (code != winlib::kNotifyCommand || !runCommand(id)) {
    CBmpWnd::OnCommand(id, code);
  }
}

void CPageFrame::OnProgramMessage(uint32_t) {}

} // namespace pdx::features
