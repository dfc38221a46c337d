// The frame every page stands in: its bottom row and the dispatch of
// commands.
#include "features/common/ui/page_buttons.h"
#include "features/common/ui/page_frame.h"
#include "winlib/bmp_button.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace pdx::features {
namespace {

constexpr int kOwn = 10;

class Page : public CPageFrame {
public:
  explicit Page(PageContext context) : CPageFrame(std::move(context), {11, 12, 13}) {
    own = addTextButton(this, kOwn, QStringLiteral("추가"), {0, 0});
    addRow(RowLook::Text);
  }
  winlib::CBmpButton *own = nullptr;
  int ownRuns = 0;

protected:
  std::function<void()> ownCommand(int id) override {
    return id == kOwn ? std::function<void()>([this] { ++ownRuns; }) : nullptr;
  }
};

TEST(PageFrameTest, TheRowRunsTheProgramsCallbacksFromItsPlaceAfterThePagesControls) {
  std::string ran;
  Page page({[&ran] { ran += "help"; }, [&ran] { ran += "back"; }, {}});
  struct Row {
    int x;
    const char *name;
    const char *runs; // the exit callback is not given: nothing runs
  };
  const Row rows[] = {{442, "도움말", "help"}, {491, "이전", "back"}, {539, "종료", ""}};
  QWidget *previous = page.own;
  for (size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE(rows[i].name);
    winlib::CBmpButton *button = page.rowButtons()[i];
    EXPECT_EQ(button->geometry(), QRect(rows[i].x, 385, 46, 40));
    EXPECT_EQ(button->accessibleName(), QString::fromUtf8(rows[i].name));
    EXPECT_EQ(previous->nextInFocusChain(), button) << "Tab reaches the row last, left to right";
    ran.clear();
    button->Click();
    EXPECT_EQ(ran, rows[i].runs);
    previous = button;
  }
  QSignalSpy toWindow(&page, &CPageFrame::command);
  page.own->Click();
  page.OnCommand(99, winlib::kNotifyCommand); // no command of that id
  page.OnCommand(kOwn, 6);                    // the pointer entered the button
  EXPECT_EQ(page.ownRuns, 1);
  EXPECT_EQ(toWindow.count(), 2);
}

} // namespace
} // namespace pdx::features
