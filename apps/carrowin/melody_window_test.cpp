#include "apps/carrowin/carrowin_app.h"
#include "apps/carrowin/melody_window.h"
#include "core/base/virtual_event_loop.h"
#include "melody/player/recording_output.h"
#include "melody/ui/entry_staff.h"
#include "melody/ui/score_strip.h"
#include "resources/resource_ids.h"
#include "winlib/bmp_button.h"
#include "winlib/testing/accessibility_check.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QPainter>
#include <QTest>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace pdx::carrowin {
using namespace melody;
using namespace melody::ui;
namespace {

constexpr const char *kTestFile = "window-test.pcm";

// The program started as its main starts it, on a file of the melody
// folder (without one the picker would open); then the dialogs are
// replaced by stand-ins.
class MelodyWindowTest : public ::testing::Test {
protected:
  MelodyWindowTest() {
    CMelodyFile file;
    file.setFolder(melodyFolder());
    file.New("t", kTestFile);
    EXPECT_EQ(file.Save(), DocResult::Ok);
    auto output = std::make_unique<RecordingOutput>(loop_);
    output_ = output.get();
    app_ = std::make_unique<CarrowinApp>(std::move(output));
    EXPECT_TRUE(app_->InitInstance((melodyFolder() / kTestFile).string()));
    window_ = app_->Window();
    EditorServices &s = window_->Services();
    s.help = [this] { ++helps_; };
    s.ask = [this](const QString &text, uint32_t, int) {
      asked_.push_back(text);
      return 1;
    };
    s.pickFile = [](bool) { return std::nullopt; };
    s.askName = [this](int, const QString &) { return names_; };
  }
  ~MelodyWindowTest() override {
    app_.reset();
    std::filesystem::remove(melodyFolder() / kTestFile);
  }
  CMelody &melody() { return *app_->Document().Current(); }
  // The key alone: no presses and releases of the modifier keys themselves.
  void key(int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    const QString text = k == Qt::Key_Period ? QStringLiteral(".") : QString();
    QKeyEvent press(QEvent::KeyPress, k, m, text);
    QApplication::sendEvent(window_, &press);
    QKeyEvent release(QEvent::KeyRelease, k, m, text);
    QApplication::sendEvent(window_, &release);
  }

  VirtualEventLoop loop_;
  RecordingOutput *output_ = nullptr; // owned by the program
  std::unique_ptr<CarrowinApp> app_;
  MelodyWindow *window_ = nullptr;
  std::vector<QString> asked_;
  std::optional<QString> names_;
  int helps_ = 0;
};

TEST_F(MelodyWindowTest, EveryControlHasAKoreanName) {
  EXPECT_THAT(winlib::testing::accessibilityProblems(window_), ::testing::IsEmpty());
  EXPECT_EQ(window_->Button(kCmdPlay)->accessibleName(), QStringLiteral("멜로디를 연주합니다."));
  EXPECT_EQ(window_->KeyList()->count(), 15);
  EXPECT_EQ(commandTip(kCmdGoToStart), QStringLiteral("멜로디의 맨 처음으로 갑니다."));
}

TEST_F(MelodyWindowTest, KeyboardTable) {
  EXPECT_TRUE(window_->Button(kQuarterNote)->IsPressed()) << "the tool at start shows pressed";
  key(Qt::Key_4);
  EXPECT_EQ(window_->Editor().noteTool(), kEighthNote);
  EXPECT_TRUE(window_->Button(kEighthNote)->IsPressed());
  key(Qt::Key_Period);
  EXPECT_TRUE(window_->Editor().dotted());
  key(Qt::Key_3, Qt::ControlModifier); // a quarter rest at once
  key(Qt::Key_M, Qt::ControlModifier); // bar line
  ASSERT_EQ(melody().count(), 2);
  EXPECT_EQ(melody().at(0), (NoteEntry{1500, kRest}));
  EXPECT_EQ(melody().at(1).code, kBarLine);
  key(Qt::Key_Left, Qt::ShiftModifier);
  key(Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(window_->Editor().selectionStart(), 0);
  EXPECT_EQ(window_->Editor().selectionEnd(), 2);
  key(Qt::Key_C, Qt::ControlModifier);
  key(Qt::Key_End);
  EXPECT_FALSE(window_->Editor().hasSelection());
  key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(melody().count(), 4);
  key(Qt::Key_Backspace);
  key(Qt::Key_Home);
  key(Qt::Key_Delete);
  EXPECT_EQ(melody().count(), 2);
  key(Qt::Key_H, Qt::ControlModifier);
  EXPECT_EQ(helps_, 1);
  // Three Ctrl+R in a row toggle the separating mode (each also renames;
  // the dialog is cancelled here).
  for (int i = 0; i < 3; ++i) {
    key(Qt::Key_R, Qt::ControlModifier);
  }
  EXPECT_TRUE(window_->Editor().separateRepeatedNotes());
  key(Qt::Key_R, Qt::ControlModifier);
  key(Qt::Key_1);
  key(Qt::Key_R, Qt::ControlModifier);
  key(Qt::Key_R, Qt::ControlModifier);
  EXPECT_TRUE(window_->Editor().separateRepeatedNotes());
}

TEST_F(MelodyWindowTest, StripPlacesAndSelectsEntries) {
  for (int i = 0; i < 6; ++i) {
    window_->Editor().EnterPitch(3, i);
  }
  window_->Strip()->refresh();
  EXPECT_EQ(window_->Strip()->entryX(0), 25);
  window_->KeyList()->setCurrentIndex(7);
  Q_EMIT window_->KeyList()->activated(7);
  EXPECT_EQ(melody().key(), 1);
  EXPECT_EQ(window_->Strip()->entryX(0), 60);
  // A drag from right to left selects up to, not including, the cursor's entry.
  ScoreStrip *strip = window_->Strip();
  const int y = 60;
  QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(strip->entryX(4) + 2, y));
  EXPECT_EQ(window_->Editor().cursor(), 4);
  QTest::mouseMove(strip, QPoint(strip->entryX(1) + 2, y));
  QMouseEvent move(QEvent::MouseMove, QPointF(strip->entryX(1) + 2, y), strip->mapToGlobal(QPointF(0, 0)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(strip, &move);
  QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(strip->entryX(1) + 2, y));
  EXPECT_EQ(window_->Editor().selectionStart(), 1);
  EXPECT_EQ(window_->Editor().selectionEnd(), 4);
}

TEST_F(MelodyWindowTest, ChosenMelodyShowsFromItsStartAndTheKeysWorkAgain) {
  const std::vector<NoteEntry> notes(100, NoteEntry{1000, 0x30});
  window_->Editor().InsertEntries(0, notes);
  window_->Strip()->refresh();
  ASSERT_GT(window_->Strip()->firstVisible(), 0);
  const int other = app_->Document().AddMelody("b");
  app_->Document().at(other).assignStored(std::vector<NoteEntry>(3, NoteEntry{1000, 0x30}));
  window_->refresh();
  QComboBox *list = window_->MelodyList();
  list->setFocus();
  Q_EMIT list->activated(list->findData(other));
  EXPECT_EQ(window_->Strip()->firstVisible(), 0);
  EXPECT_EQ(window_->focusWidget(), window_);
}

TEST_F(MelodyWindowTest, RenamingKeepsTheCursorAndTheSelection) {
  window_->Editor().InsertEntries(0, std::vector<NoteEntry>(4, NoteEntry{1000, 0x30}));
  window_->Editor().setCursor(1);
  window_->Editor().setSelection(1, 3);
  names_ = QStringLiteral("다른 이름");
  window_->OnCommand(kCmdRenameMelody, 0);
  EXPECT_EQ(window_->MelodyList()->currentText(), *names_);
  EXPECT_EQ(window_->Editor().cursor(), 1);
  EXPECT_EQ(window_->Editor().selectionEnd(), 3);
}

TEST_F(MelodyWindowTest, PianoAndEntryStaffSoundAndEnter) {
  PianoKeyboard *piano = window_->Piano();
  const QPoint silentKey = QPoint(78, 180) - piano->pos();
  QTest::mouseClick(piano, Qt::LeftButton, {}, silentKey);
  EXPECT_EQ(melody().count(), 0);
  EXPECT_TRUE(output_->tones().empty());
  QTest::mouseClick(piano, Qt::LeftButton, {}, QPoint(150, 175) - piano->pos()); // C# of octave 3
  ASSERT_EQ(melody().count(), 1);
  EXPECT_EQ(melody().at(0).code, 0x31);
  EXPECT_EQ(output_->tones(), std::vector<unsigned>{554});
  EXPECT_EQ(output_->events().back().hz, 0u);
  // The staff: E of octave 3 with the sharp tool gives F.
  window_->OnCommand(kCmdSharp, 0);
  QTest::mouseClick(window_->Staff(), Qt::LeftButton, {}, QPoint(40, staffY(23)));
  ASSERT_EQ(melody().count(), 2);
  EXPECT_EQ(melody().at(1).code, 0x35);
  EXPECT_FALSE(window_->Button(kCmdSharp)->IsPressed());
}

TEST_F(MelodyWindowTest, StatusLineShowsTheTooltip) {
  window_->OnCommand(kCmdCopy, 6);
  EXPECT_EQ(window_->StatusText(), QStringLiteral("선택한 악보를 클립보드에 복사합니다."));
  window_->OnCommand(kCmdCopy, 7);
  EXPECT_TRUE(window_->StatusText().isEmpty());
}

TEST_F(MelodyWindowTest, GhostNoteFollowsThePointer) {
  const NoteEntry sample[] = {{0, kLeftRepeat}, {1000, 0x30},      {500, 0x32},  {750, 0x35},   {250, 0x36},
                              {0, kBarLine},    {2000, 0x3A},      {1500, 0x3B}, {1000, kRest}, {0, kBarLine},
                              {500, 0x29},      {500, 0x41},       {250, 0x44},  {125, 0x43},   {188, 0x31},
                              {500, kRest},     {0, kRightRepeat}, {4000, 0x37}, {2000, kRest}, {250, 0x2B},
                              {3000, 0x34}};
  window_->Editor().InsertEntries(0, sample);
  window_->Editor().setCursor(6);
  window_->Editor().setSelection(6, 9);
  QMouseEvent hover(QEvent::MouseMove, QPointF(45, staffY(26)),
                    window_->Staff()->mapToGlobal(QPointF(45, staffY(26))), Qt::NoButton, Qt::NoButton,
                    Qt::NoModifier);
  QApplication::sendEvent(window_->Staff(), &hover);
  ASSERT_TRUE(window_->Staff()->ghost());
  EXPECT_EQ(window_->Staff()->ghost()->semitone, 9); // step 26: A of octave 3
}

TEST(ScorePainting, KeySignaturesClearTheClefAndEndBeforeTheNotes) {
  const ScoreGlyphs glyphs;
  const auto paint = [](const std::function<void(QPainter &)> &draw) {
    QImage image(100, 110, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    draw(p);
    return image;
  };
  const auto inked = [](const QImage &image, int x, int y) {
    return x >= 0 && x < image.width() && qAlpha(image.pixel(x, y)) > 64;
  };
  // The staff painted zero pixels wide leaves the clef (and the bar at 0).
  const QImage clef = paint([&](QPainter &p) { glyphs.paintStaff(p, 0); });
  for (const KeySignature &key : kKeySignatures) {
    const QImage signs = paint([&](QPainter &p) { glyphs.paintKeySignature(p, key.id); });
    for (int y = 0; y < signs.height(); ++y) {
      for (int x = 0; x < signs.width(); ++x) {
        if (inked(signs, x, y)) {
          ASSERT_FALSE(inked(clef, x - 1, y) || inked(clef, x, y) || inked(clef, x + 1, y))
              << "key " << key.id << " at " << x << ", " << y;
          ASSERT_LT(x, scoreMargin(key.id)) << "key " << key.id;
        }
      }
    }
  }
}

TEST(CarrowinArguments, PathOrFileUrl) {
  EXPECT_EQ(fileArgument({QStringLiteral("Carrowin")}), std::nullopt);
  EXPECT_EQ(fileArgument({QStringLiteral("Carrowin"), QStringLiteral("a b.pcm")}), "a b.pcm");
  EXPECT_EQ(fileArgument({QStringLiteral("Carrowin"), QStringLiteral("file:///tmp/%ED%95%9C.pcm")}),
            "/tmp/한.pcm");
}

} // namespace
} // namespace pdx::carrowin
