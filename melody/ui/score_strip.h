// The score strip (4500): the current melody on one long staff with the
// cursor and the grey selection, a horizontal scroll bar, and mouse
// selection. The window's ScoreEditor holds the cursor and the selection;
// the strip shows them and keeps the cursor in view.
#pragma once

#include "melody/score/score_editor.h"
#include "melody/ui/score_painter.h"

#include <QWidget>
#include <vector>

class QScrollBar;

namespace pdx::melody::ui {

class ScoreStrip : public QWidget {
  Q_OBJECT

public:
  ScoreStrip(ScoreEditor &editor, const ScoreGlyphs &glyphs, QWidget *parent);

  // The melody or an edit changed: measure again, keep the cursor in view
  // and repaint.
  void refresh();
  // Scrolls by `pages` visible widths (the scroll bar's page).
  void scrollPages(int pages);
  int firstVisible() const { return first_; }
  int margin() const;
  int visibleWidth() const;
  // Client x of the entry `index` (entries from `first_` on).
  int entryX(int index) const;
  // Page moves of the cursor step by the visible width.
  PageMetric pageMetric() const;
  // When set, the mouse is ignored (while a melody plays).
  void setLocked(bool locked) { locked_ = locked; }

protected:
  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;

private:
  StripView view() const;
  int entryUnder(int x) const;
  void syncScrollBar();
  void onScrolled(int value);

  ScoreEditor &editor_;
  const ScoreGlyphs &glyphs_;
  QScrollBar *bar_;
  std::vector<int> offsets_{0};
  int first_ = 0;
  bool dragging_ = false;
  bool locked_ = false;
  bool syncing_ = false;
};

} // namespace pdx::melody::ui
