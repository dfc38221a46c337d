// The entry staff (4506) and the on-screen piano: the two places where notes
// are played and entered with the mouse. Both sound through the window's
// tone output and enter through its ScoreEditor.
#pragma once

#include "melody/player/tone.h"
#include "melody/score/score_editor.h"
#include "melody/ui/score_painter.h"

#include <QWidget>
#include <functional>
#include <optional>

namespace pdx::melody::ui {

// What both input widgets need from the window.
struct NoteInput {
  ScoreEditor *editor = nullptr;
  ToneOutput *output = nullptr;
  std::function<bool()> playing; // the mouse is ignored while true
  std::function<void()> entered; // a note went into the melody
};

class EntryStaff : public QWidget {
  Q_OBJECT

public:
  EntryStaff(NoteInput input, const ScoreGlyphs &glyphs, QWidget *parent);
  // The natural note under the pointer, if any (the ghost shows it).
  std::optional<NaturalNote> ghost() const { return ghost_; }

protected:
  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void leaveEvent(QEvent *event) override;

private:
  uint16_t key() const;
  std::optional<NaturalNote> noteAt(QPoint at) const;
  void sound(const NaturalNote &note);

  NoteInput input_;
  const ScoreGlyphs &glyphs_;
  std::optional<NaturalNote> ghost_;
  bool pressed_ = false;
};

class PianoKeyboard : public QWidget {
  Q_OBJECT

public:
  // Placed over the keys' rectangles of the main window.
  PianoKeyboard(NoteInput input, QWidget *parent);
  int pressedKey() const { return pressed_; }
  int hoveredKey() const { return hovered_; }

protected:
  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void leaveEvent(QEvent *event) override;

private:
  int keyAt(QPoint at) const;
  void press(int key);

  NoteInput input_;
  int pressed_ = -1;
  int hovered_ = -1;
  bool dragging_ = false;
};

} // namespace pdx::melody::ui
