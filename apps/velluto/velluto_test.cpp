#include "animation/editor/editor_commands.h"
#include "animation/picture/canvas_model.h"
#include "animation/ui/effect_preview.h"
#include "animation/ui/picture_canvas.h"
#include "apps/velluto/dialog_ports.h"
#include "apps/velluto/velluto_window.h"
#include "resources/resource_ids.h"
#include "winlib/bmp_button.h"
#include "winlib/bmp_dialog.h"
#include "winlib/marker/marked_window.h"
#include "winlib/testing/accessibility_check.h"

#include <QComboBox>
#include <QProcess>
#include <QTest>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace pdx::velluto {
using namespace animation;
namespace {

// Ports that answer nothing: commands needing a dialog are abandoned.
class SilentPorts : public DialogPorts {
public:
  int Ask(const std::string &text, uint32_t) override {
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

class VellutoWindow : public ::testing::Test {
protected:
  VellutoWindow() {
    document_.setFolder(QDir::tempPath().toStdString());
    document_.New("t", "velluto-window-test.pca");
    window_.Create(QStringLiteral("애니메이션 편집기"), resources::kAnimationEditorSkin);
    window_.CreateControls();
    window_.Refresh();
    window_.show();
  }

  // The canvas point in the middle of a picture pixel.
  QPoint at(Point pixel) const { return window_.Canvas()->CanvasPointOf(pixel) + QPoint(1, 1); }
  void drag(Point from, Point to, Qt::MouseButton button = Qt::LeftButton) {
    CPictureCanvas *canvas = window_.Canvas();
    QTest::mousePress(canvas, button, Qt::NoModifier, at(from));
    QTest::mouseMove(canvas, at({(from.x + to.x) / 2, (from.y + to.y) / 2}));
    QTest::mouseMove(canvas, at(to));
    QTest::mouseRelease(canvas, button, Qt::NoModifier, at(to));
  }
  void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(window_.EffectList(), static_cast<Qt::Key>(key), modifiers);
  }
  CAnimation &picture() { return *window_.Current(); }

  CAnimationFile document_;
  SilentPorts ports_;
  CVellutoWnd window_{document_, ports_};
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

    window_.OnCommand(c.command, winlib::kNotifyCommand);
    EXPECT_TRUE(window_.Button(c.command)->IsPressed()) << c.command;
    drag(c.from, c.to);
    if (c.command != kCmdToolSpray) { // its pattern is random
      EXPECT_EQ(picture().bits(), expected.bits()) << c.command;
    }
    EXPECT_NE(picture().bits(), CAnimation().bits()) << c.command;
  }
}

TEST_F(VellutoWindow, BlockMovesAndUndoRedoByKeys) {
  window_.OnCommand(kCmdToolRectangle, winlib::kNotifyCommand);
  drag({10, 10}, {19, 19});
  const CMonoPicture::Bits square = picture().bits();
  EXPECT_NE(window_.Button(kCmdUndo)->State(), winlib::ButtonState::Disabled);

  window_.OnCommand(kCmdToolSelect, winlib::kNotifyCommand);
  drag({8, 8}, {22, 22});
  ASSERT_TRUE(window_.Canvas()->Model().selection());
  drag({15, 15}, {45, 25});
  EXPECT_TRUE(picture().pixel(40, 20)) << "the square's corner moved by (30, 10)";
  EXPECT_FALSE(picture().pixel(10, 10)) << "white is left behind";

  key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(picture().bits(), square);
  key(Qt::Key_Z);
  EXPECT_EQ(picture().bits(), square) << "Z alone does nothing";
  key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(picture().bits(), CAnimation().bits());
  EXPECT_EQ(window_.Button(kCmdUndo)->State(), winlib::ButtonState::Disabled);
  key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(picture().bits(), square);
}

TEST_F(VellutoWindow, MousePositionAndStatusTexts) {
  QTest::mouseMove(window_.Canvas(), at({10, 5}));
  EXPECT_EQ(window_.MouseText(), QStringLiteral("(10, 5)"));
  QTest::mouseMove(window_.Canvas(), QPoint(2, 2));
  EXPECT_EQ(window_.MouseText(), QString());

  window_.OnCommand(kCmdSave, winlib::kNotifyEnter);
  EXPECT_EQ(window_.StatusText(), QStringLiteral("애니메이션 파일을 저장합니다."));
  window_.OnCommand(kCmdSave, winlib::kNotifyLeave);
  EXPECT_EQ(window_.StatusText(), QString());
}

TEST_F(VellutoWindow, EveryControlHasAKoreanAccessibleName) {
  EXPECT_THAT(winlib::testing::accessibilityProblems(&window_), ::testing::IsEmpty());
  for (const auto *button : window_.findChildren<winlib::CBmpButton *>()) {
    EXPECT_FALSE(button->accessibleName().isEmpty()) << button->CommandId();
    EXPECT_FALSE(button->toolTip().isEmpty()) << button->CommandId();
  }
  EXPECT_EQ(window_.EffectList()->count(), 26);
}

TEST_F(VellutoWindow, PreviewPlaysOnATimerAndStopsWhenDrawingStarts) {
  CEffectPreview *preview = window_.Preview();
  picture().setPixel(0, 0, true);
  window_.EffectList()->setCurrentIndex(20);
  Q_EMIT window_.EffectList()->activated(20);
  EXPECT_EQ(picture().effect(), 20);
  EXPECT_TRUE(preview->Running()) << "a chosen effect shows at once";
  while (preview->Tick()) {
  }
  EXPECT_EQ(preview->Ticks(), 13) << "14 frames in all";
  EXPECT_EQ(preview->Shown(), &picture()) << "after the last frame, the plain picture";

  window_.OnCommand(kCmdPlay, winlib::kNotifyCommand);
  EXPECT_TRUE(preview->Running());
  window_.OnCommand(kCmdToolPoint, winlib::kNotifyCommand);
  EXPECT_FALSE(preview->Running()) << "every command but play stops it";
  window_.OnCommand(kCmdPlay, winlib::kNotifyCommand);
  QTest::qWait(2 * CEffectPreview::kFrameMs + 50);
  EXPECT_GE(preview->Ticks(), 1) << "frames come from the timer";
  drag({5, 5}, {6, 6});
  EXPECT_FALSE(preview->Running());
}

TEST_F(VellutoWindow, AnimationCommandsRebuildTheSortedList) {
  ports_.name = "가나";
  window_.OnCommand(kCmdNewAnimation, winlib::kNotifyCommand);
  ASSERT_EQ(window_.AnimationList()->count(), 2);
  EXPECT_EQ(window_.AnimationList()->currentText(), QStringLiteral("가나"));
  EXPECT_EQ(document_.currentIndex(), 1);
  EXPECT_TRUE(document_.IsModified());
  window_.OnCommand(kCmdDelete, winlib::kNotifyCommand);
  EXPECT_EQ(ports_.asked.back(), "애니메이션을 삭제하시겠습니까?");
  EXPECT_EQ(window_.AnimationList()->count(), 2) << "cancelled";
}

TEST_F(VellutoWindow, AFailedOpenShowsTheNewDocumentBeforeItsMessage) {
  ports_.name = "b";
  window_.OnCommand(kCmdNewAnimation, winlib::kNotifyCommand);
  ASSERT_EQ(document_.Save(), DocResult::Ok);
  QFile::remove(QDir::temp().filePath(QStringLiteral("velluto-window-test.pca")));
  ports_.openPath = "/nonexistent/x.pca";
  // The message box runs the event loop: the canvas must not paint
  // animations the failed load has deleted.
  ports_.onAsk = [this] {
    EXPECT_EQ(window_.Current(), document_.at(0));
    EXPECT_EQ(window_.AnimationList()->count(), 1);
  };
  ports_.asked.clear();
  window_.OnCommand(kCmdOpen, winlib::kNotifyCommand);
  EXPECT_EQ(ports_.asked, std::vector<std::string>{"애니메이션 파일을 찾을 수 없습니다."});
  EXPECT_EQ(window_.AnimationList()->currentText(), QStringLiteral("새애니메이션"));
}

TEST_F(VellutoWindow, EverySaveReachesARunningPelodex) {
  QProcess peer;
  peer.start(qEnvironmentVariable("PDX_MARKER_PEER"),
             {QStringLiteral("listen"), QString::fromLatin1(kPelodexTitle)});
  ASSERT_TRUE(peer.waitForReadyRead(5000));
  ASSERT_EQ(peer.readLine().trimmed(), "ready");
  window_.OnCommand(kCmdSave, winlib::kNotifyCommand);
  EXPECT_TRUE(ports_.asked.empty()) << ports_.asked.front();
  const auto pelodex = winlib::FindMarkedWindow(QString::fromLatin1(kPelodexTitle));
  ASSERT_TRUE(pelodex);
  (void)winlib::SendMessage(*pelodex, winlib::kMsgMelodySaved); // ends the peer
  ASSERT_TRUE(peer.waitForFinished(5000));
  EXPECT_EQ(peer.readAllStandardOutput(), "0x477\n0x472\n");
  QFile::remove(QDir::temp().filePath(QStringLiteral("velluto-window-test.pca")));
  EXPECT_FALSE(notifyPelodex(false, QStringLiteral("nobody-listens"))) << "no Pelodex: nothing sent";
}

} // namespace
} // namespace pdx::velluto
