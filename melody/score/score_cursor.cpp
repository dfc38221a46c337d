// Cursor and selection moves of the score strip.
#include "melody/score/score_editor.h"

#include <algorithm>

namespace pdx::melody {

void ScoreEditor::setCursor(int position) {
  cursor_ = std::clamp(position, 0, count());
  clearSelection();
}

void ScoreEditor::setSelection(int start, int end) {
  selStart_ = start;
  selEnd_ = end;
  if (!hasSelection()) {
    clearSelection();
  }
}

void ScoreEditor::moveCursor(CursorMove move, bool shift, const PageMetric &page) {
  if (shift && !anchor_) {
    anchor_ = cursor_;
  }
  if (!shift) {
    anchor_.reset();
    clearSelection();
  }
  switch (move) {
  case CursorMove::Left:
    cursor_ = std::max(cursor_ - 1, 0);
    break;
  case CursorMove::Right:
    cursor_ = std::min(cursor_ + 1, count());
    break;
  case CursorMove::PageUp:
    cursor_ = pageTarget(-1, page);
    break;
  case CursorMove::PageDown:
    cursor_ = pageTarget(+1, page);
    break;
  case CursorMove::Home:
    cursor_ = 0;
    break;
  case CursorMove::End:
    cursor_ = count();
    break;
  }
  if (shift) {
    setSelection(std::min(*anchor_, cursor_), std::max(*anchor_, cursor_));
  }
}

int ScoreEditor::pageTarget(int direction, const PageMetric &page) const {
  const auto width = [&](int index) { return page.entryWidth ? page.entryWidth(index) : 1; };
  int position = cursor_;
  int travelled = 0;
  while (direction > 0 ? position < count() : position > 0) {
    const int w = width(direction > 0 ? position : position - 1);
    if (travelled + w > page.visibleWidth && position != cursor_) {
      break;
    }
    travelled += w;
    position += direction;
  }
  return position;
}

} // namespace pdx::melody
