// Everything the picture canvas does without drawing on a screen: the eight
// tools driven by mouse phases in picture pixels, the selection with its
// floating block, and the internal clipboard. The window converts mouse
// positions (canvas_geometry.h), draws the picture and the selection, runs
// the spray timer and the text dialog, and keeps the undo history.
#pragma once

#include "animation/file/animation.h"
#include "animation/file/random_source.h"
#include "animation/picture/block.h"
#include "animation/picture/spray.h"

#include <optional>

namespace pdx::animation {

enum class Tool : int {
  BlockSelect = 0,
  Point = 1,
  Line = 2,
  Rectangle = 3,
  Ellipse = 4,
  Text = 7,
  Spray = 8,
  Fill = 9
};

// What the canvas asks of the window around it. Every call has a default
// that does nothing.
class CanvasOwner {
public:
  virtual ~CanvasOwner() = default;
  // A drawing tool starts: the effect preview must stop.
  virtual void stopPreview() {}
  // The picture changed: redraw the canvas and the preview.
  virtual void pictureChanged() {}
  // An operation ended with a change: record the picture for Undo.
  virtual void changeFinished() {}
  virtual void startSprayTimer() {}
  virtual void stopSprayTimer() {}
  // The text box is chosen: ask for the text, then call PlaceText or
  // CancelText.
  virtual void textBoxChosen(Rect) {}
  // The canvas switched to another tool by itself.
  virtual void toolChanged(Tool) {}
  // The picture pixel under the mouse, or (-1, -1) off the picture.
  virtual void pointerMoved(Point) {}
};

class CanvasModel {
public:
  CanvasModel(CanvasOwner &owner, RandomSource &random) : owner_(owner), spray_(random) {}

  // Edits another animation (or none); clears the selection.
  void SetPicture(CAnimation *picture);
  // Selects a tool by its number; other numbers are ignored. Clears the
  // selection.
  void SetTool(int number);
  Tool tool() const { return tool_; }

  void ButtonDown(Point pixel, bool left);
  void MouseMove(Point pixel);
  void ButtonUp(Point pixel, bool left);
  void Timer();

  void ClearSelection();
  void SelectAll();
  void Copy();
  void Cut();
  void Paste();
  void DeleteBlock();

  // The text rendered by the window into a block of the box's size, ink on
  // the text background, laid with that background transparent.
  void PlaceText(const Block &rendered);
  void CancelText();
  // Colours of the text being entered: black ink on white after a press of
  // the left button, white on black after the right.
  bool textInkIsBlack() const { return !textBackgroundBlack_; }

  std::optional<Rect> selection() const { return selection_; }
  bool clipboardHasContent() const { return clipboard_.valid(); }
  bool buttonHeld() const { return held_; }

private:
  enum class Phase { Down, Move, Up };
  enum class BlockKind { Pasted = 1, Lifted = 2, Text = 3 };

  void run(Phase phase);
  void shape(Phase phase);
  void spray(Phase phase);
  void text(Phase phase);
  void blockSelect(Phase phase);
  void lift();
  void layFloating(Point at);
  std::optional<Rect> validSelection() const;
  void switchToBlockSelect();
  void changed();

  CanvasOwner &owner_;
  Spray spray_;
  CAnimation *picture_ = nullptr;
  Tool tool_ = Tool::BlockSelect;
  bool held_ = false;
  // Whether the operation of the button held (or just released) changed
  // the picture; one that did not records no Undo step.
  bool operationChanged_ = false;
  bool ink_ = true;
  Point press_, current_, previous_;
  std::optional<Rect> selection_;
  CMonoPicture base_;
  Block floating_;
  BlockKind kind_ = BlockKind::Lifted;
  Point blockAt_;
  Point grab_;
  bool dragging_ = false;
  Block clipboard_;
  bool textBackgroundBlack_ = false;
};

} // namespace pdx::animation
