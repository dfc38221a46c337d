#include "animation/editor/editor_commands.h"
#include "animation/picture/canvas_model.h"
#include "animation/ui/effect_preview.h"
#include "animation/ui/picture_canvas.h"
#include "apps/velluto/dialog_ports.h"
#include "apps/velluto/velluto_app.h"
#include "apps/velluto/velluto_window.h"
#include "resources/resource_ids.h"
#include "winlib/bmp_button.h"
#include "winlib/bmp_dialog.h"
#include "winlib/marker/marked_window.h"
#include "winlib/marker/pelodex_notice.h"
#include "winlib/picker/ui/file_picker_dlg.h"
#include "winlib/testing/accessibility_check.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace pdx::velluto {
using namespace animation;
namespace {

// Ports that answer nothing: commands needing a dialog are abandoned.
class SilentPorts : public DialogPorts {
public:
  int Ask(const std::string &text, uint32_t, AskCaption) override {
    asked.push_back(text);
    if (onAsk) {
      onAsk();
    }
    return winlib::kIdCancelCommand;
  }
  std::optional<std::string> PickOpenPath() override { return openPath; }
  std::function<void()> onAsk;
  std::optional<std::string> openPath;
  std::optional<std::string> AskAnimationName(const std::string &, bool) override { return name; }
  std::vector<std::string> asked;
  std::optional<std::string> name;
};

constexpr const char *kTestFile = "velluto-window-test.pca";

// Velluto as its main starts it, on a file of one animation "t" in the
// animation folder named on the command line.
class VellutoWindow : public ::testing::Test {
protected:
  VellutoWindow() {
    CAnimationFile file;
    file.setFolder(animationFolder());
    file.New("t", kTestFile);
    EXPECT_EQ(file.Save(), DocResult::Ok);
    auto ports = std::make_unique<SilentPorts>();
    ports_ = ports.get();
    app_ = std::make_unique<VellutoApp>(std::move(ports));
    EXPECT_TRUE(app_->InitInstance((animationFolder() / kTestFile).string()));
  }
  ~VellutoWindow() override {
    app_.reset();
    std::filesystem::remove(animationFolder() / kTestFile);
  }

  CVellutoWnd &window() { return *app_->Window(); }
  CAnimationFile &document() { return app_->Document(); }
  // The canvas point in the middle of a picture pixel.
  QPoint at(Point pixel) { return window().Canvas()->CanvasPointOf(pixel) + QPoint(1, 1); }
  void drag(Point from, Point to, Qt::MouseButton button = Qt::LeftButton) {
    CPictureCanvas *canvas = window().Canvas();
    QTest::mousePress(canvas, button, Qt::NoModifier, at(from));
    QTest::mouseMove(canvas, at({(from.x + to.x) / 2, (from.y + to.y) / 2}));
    QTest::mouseMove(canvas, at(to));
    QTest::mouseRelease(canvas, button, Qt::NoModifier, at(to));
  }
  void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(window().EffectList(), static_cast<Qt::Key>(key), modifiers);
  }
  CAnimation &picture() { return *window().Current(); }

  SilentPorts *ports_ = nullptr; // owned by the program
  std::unique_ptr<VellutoApp> app_;
};

TEST_F(VellutoWindow, EveryToolDrawsThroughTheMouseAsTheModelDoes) {
  struct Case {
    int command;
    Point from, to;
  };
  const Case cases[] = {{kCmdToolPoint, {10, 10}, {10, 10}},  {kCmdToolPoint, {3, 40}, {30, 2}},
                        {kCmdToolLine, {0, 0}, {95, 50}},     {kCmdToolRectangle, {10, 10}, {5, 20}},
                        {kCmdToolEllipse, {20, 5}, {70, 45}}, {kCmdToolSpray, {50, 25}, {52, 27}},
                        {kCmdToolFill, {1, 1}, {1, 1}}};
  for (const Case &c : cases) {
    picture().clear();
    CAnimation expected;
    CanvasOwner owner;
    SystemRandom random(1);
    CanvasModel model(owner, random);
    model.SetPicture(&expected);
    model.SetTool(*toolOfCommand(c.command));
    model.ButtonDown(c.from, true);
    model.MouseMove({(c.from.x + c.to.x) / 2, (c.from.y + c.to.y) / 2});
    model.MouseMove(c.to);
    model.ButtonUp(c.to, true);

    window().OnCommand(c.command, winlib::kNotifyCommand);
    EXPECT_TRUE(window().Button(c.command)->IsPressed()) << c.command;
    drag(c.from, c.to);
    if (c.command != kCmdToolSpray) { // its pattern is random
      EXPECT_EQ(picture().bits(), expected.bits()) << c.command;
    }
    EXPECT_NE(picture().bits(), CAnimation().bits()) << c.command;
  }
}

TEST_F(VellutoWindow, BlockMovesAndUndoRedoByKeys) {
  window().OnCommand(kCmdToolRectangle, winlib::kNotifyCommand);
  drag({10, 10}, {19, 19});
  const CMonoPicture::Bits square = picture().bits();
  EXPECT_NE(window().Button(kCmdUndo)->State(), winlib::ButtonState::Disabled);

  window().OnCommand(kCmdToolSelect, winlib::kNotifyCommand);
  drag({8, 8}, {22, 22});
  ASSERT_TRUE(window().Canvas()->Model().selection());
  drag({15, 15}, {45, 25});
  EXPECT_TRUE(picture().pixel(40, 20)) << "the square's corner moved by (30, 10)";
  EXPECT_FALSE(picture().pixel(10, 10)) << "white is left behind";

  key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(picture().bits(), square);
  key(Qt::Key_Z);
  EXPECT_EQ(picture().bits(), square) << "Z alone does nothing";
  key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(picture().bits(), CAnimation().bits());
  EXPECT_EQ(window().Button(kCmdUndo)->State(), winlib::ButtonState::Disabled);
  key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(picture().bits(), square);
}

TEST_F(VellutoWindow, MousePositionAndStatusTexts) {
  QTest::mouseMove(window().Canvas(), at({10, 5}));
  EXPECT_EQ(window().MouseText(), QStringLiteral("(10, 5)"));
  QTest::mouseMove(window().Canvas(), QPoint(2, 2));
  EXPECT_EQ(window().MouseText(), QString());

  window().OnCommand(kCmdSave, winlib::kNotifyEnter);
  EXPECT_EQ(window().StatusText(), QStringLiteral("애니메이션 파일을 저장합니다."));
  window().OnCommand(kCmdSave, winlib::kNotifyLeave);
  EXPECT_EQ(window().StatusText(), QString());
}

// Every control shows with the window, as a user sees it on a display.
void expectEveryControlShown(CVellutoWnd &window) {
  ASSERT_TRUE(window.isVisible());
  const std::vector<QWidget *> controls{window.Canvas(), window.Preview(), window.AnimationList(),
                                        window.EffectList()};
  for (QWidget *control : controls) {
    EXPECT_TRUE(control->isVisible()) << control->accessibleName().toStdString();
  }
  for (auto *button : window.findChildren<winlib::CBmpButton *>()) {
    EXPECT_TRUE(button->isVisible()) << button->CommandId();
  }
}

TEST_F(VellutoWindow, EveryControlShowsWithAKoreanName) {
  expectEveryControlShown(window());
  EXPECT_THAT(winlib::testing::accessibilityProblems(&window()), ::testing::IsEmpty());
  for (const auto *button : window().findChildren<winlib::CBmpButton *>()) {
    EXPECT_FALSE(button->toolTip().isEmpty()) << button->CommandId();
  }
  EXPECT_EQ(window().EffectList()->count(), 26);
}

TEST_F(VellutoWindow, RenameOnlyRenames) {
  window().OnCommand(kCmdToolRectangle, winlib::kNotifyCommand);
  drag({10, 10}, {19, 19});
  window().OnCommand(kCmdToolSelect, winlib::kNotifyCommand);
  drag({8, 8}, {22, 22});
  window().OnCommand(kCmdPlay, winlib::kNotifyCommand);
  ports_->name = "새 이름";
  window().OnCommand(kCmdRename, winlib::kNotifyCommand);
  EXPECT_EQ(window().AnimationList()->currentText(), QStringLiteral("새 이름"));
  EXPECT_TRUE(picture().modified());
  EXPECT_TRUE(window().History().CanUndo());
  EXPECT_TRUE(window().Canvas()->Model().selection());
  EXPECT_TRUE(window().Preview()->Running());
}

TEST_F(VellutoWindow, PreviewPlaysOnATimerAndStopsWhenDrawingStarts) {
  CEffectPreview *preview = window().Preview();
  picture().setPixel(0, 0, true);
  window().EffectList()->setCurrentIndex(20);
  Q_EMIT window().EffectList()->activated(20);
  EXPECT_EQ(picture().effect(), 20);
  EXPECT_TRUE(preview->Running()) << "a chosen effect shows at once";
  while (preview->Tick()) {
  }
  EXPECT_EQ(preview->Ticks(), 13) << "14 frames in all";
  EXPECT_EQ(preview->Shown(), &picture()) << "after the last frame, the plain picture";

  window().OnCommand(kCmdPlay, winlib::kNotifyCommand);
  EXPECT_TRUE(preview->Running());
  window().OnCommand(kCmdToolPoint, winlib::kNotifyCommand);
  EXPECT_FALSE(preview->Running()) << "every command but play stops it";
  window().OnCommand(kCmdPlay, winlib::kNotifyCommand);
  QTest::qWait(2 * CEffectPreview::kFrameMs + 50);
  EXPECT_GE(preview->Ticks(), 1) << "frames come from the timer";
  drag({5, 5}, {6, 6});
  EXPECT_FALSE(preview->Running());
}

TEST_F(VellutoWindow, AnimationCommandsRebuildTheSortedList) {
  ports_->name = "가나";
  window().OnCommand(kCmdNewAnimation, winlib::kNotifyCommand);
  ASSERT_EQ(window().AnimationList()->count(), 2);
  EXPECT_EQ(window().AnimationList()->currentText(), QStringLiteral("가나"));
  EXPECT_EQ(document().currentIndex(), 1);
  EXPECT_TRUE(document().IsModified());
  window().OnCommand(kCmdDelete, winlib::kNotifyCommand);
  EXPECT_EQ(ports_->asked.back(), "애니메이션을 삭제하시겠습니까?");
  EXPECT_EQ(window().AnimationList()->count(), 2) << "cancelled";
}

TEST_F(VellutoWindow, AFailedOpenShowsTheNewDocumentBeforeItsMessage) {
  ports_->name = "b";
  window().OnCommand(kCmdNewAnimation, winlib::kNotifyCommand);
  ASSERT_EQ(document().Save(), DocResult::Ok);
  ports_->openPath = "/nonexistent/x.pca";
  // The message box runs the event loop: the canvas must not paint
  // animations the failed load has deleted.
  ports_->onAsk = [this] {
    EXPECT_EQ(window().Current(), document().at(0));
    EXPECT_EQ(window().AnimationList()->count(), 1);
  };
  ports_->asked.clear();
  window().OnCommand(kCmdOpen, winlib::kNotifyCommand);
  EXPECT_EQ(ports_->asked, std::vector<std::string>{"애니메이션 파일을 찾을 수 없습니다."});
  EXPECT_EQ(window().AnimationList()->currentText(), QStringLiteral("새애니메이션"));
}

TEST_F(VellutoWindow, EverySaveReachesARunningPelodex) {
  QProcess peer;
  peer.start(qEnvironmentVariable("PDX_MARKER_PEER"),
             {QStringLiteral("listen"), QString::fromLatin1(winlib::kPelodexTitle)});
  ASSERT_TRUE(peer.waitForReadyRead(5000));
  ASSERT_EQ(peer.readLine().trimmed(), "ready");
  window().OnCommand(kCmdSave, winlib::kNotifyCommand);
  EXPECT_TRUE(ports_->asked.empty()) << ports_->asked.front();
  const auto pelodex = winlib::FindMarkedWindow(QString::fromLatin1(winlib::kPelodexTitle));
  ASSERT_TRUE(pelodex);
  (void)winlib::SendMessage(*pelodex, kMsgMelodySaved); // ends the peer
  ASSERT_TRUE(peer.waitForFinished(5000));
  EXPECT_EQ(peer.readAllStandardOutput(), "0x477\n0x472\n");
}

// Started without a file, Velluto asks for one in the animation folder
// alone; cancelled, it edits a new untitled document.
TEST(VellutoStart, WithoutAFileOffersTheAnimationFolderOnly) {
  std::filesystem::create_directories(animationFolder() / "sub");
  QStringList items;
  bool driveList = true;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    for (QWidget *top : QApplication::topLevelWidgets()) {
      auto *picker = qobject_cast<winlib::CFilePickerDlg *>(top);
      if (picker == nullptr || !picker->isVisible()) {
        continue;
      }
      driveList = !picker->findChildren<QComboBox *>().isEmpty();
      for (const QListWidget *list : picker->findChildren<QListWidget *>()) {
        for (int row = 0; row < list->count(); ++row) {
          items << list->item(row)->text();
        }
      }
      poll.stop();
      picker->EndDialog(winlib::kIdCancelCommand);
    }
  });
  poll.start(20);
  VellutoApp app;
  ASSERT_TRUE(app.InitInstance(std::nullopt));
  EXPECT_FALSE(driveList);
  EXPECT_TRUE(items.filter(QStringLiteral("<")).isEmpty()) << items.join(' ').toStdString();
  EXPECT_EQ(app.Window()->AnimationList()->currentText(), QStringLiteral("새애니메이션"));
  expectEveryControlShown(*app.Window());
}

} // namespace
} // namespace pdx::velluto
