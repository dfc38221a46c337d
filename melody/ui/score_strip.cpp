#include "melody/ui/score_strip.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace pdx::melody::ui {

ScoreStrip::ScoreStrip(ScoreEditor &editor, const ScoreGlyphs &glyphs, QWidget *parent)
    : QWidget(parent), editor_(editor), glyphs_(glyphs), bar_(new QScrollBar(Qt::Horizontal, this)) {
  setAccessibleName(QCoreApplication::translate("pdx::melody::ui", "악보"));
  bar_->setAccessibleName(QCoreApplication::translate("pdx::melody::ui", "악보 스크롤 막대"));
  setFocusPolicy(Qt::ClickFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  connect(bar_, &QScrollBar::valueChanged, this, &ScoreStrip::onScrolled);
}

int ScoreStrip::margin() const {
  const CMelody *m = editor_.melody();
  return scoreMargin(m ? m->key() : 0);
}

int ScoreStrip::visibleWidth() const {
  return width() - margin();
}

StripView ScoreStrip::view() const {
  return StripView{&offsets_, first_, visibleWidth()};
}

int ScoreStrip::entryX(int index) const {
  return margin() + view().x(index);
}

PageMetric ScoreStrip::pageMetric() const {
  PageMetric page;
  page.visibleWidth = std::max(1, visibleWidth());
  page.entryWidth = [this](int index) {
    return offsets_[static_cast<size_t>(index) + 1] - offsets_[static_cast<size_t>(index)];
  };
  return page;
}

void ScoreStrip::refresh() {
  const CMelody *m = editor_.melody();
  offsets_ = m ? entryOffsets(*m, glyphs_.widths()) : std::vector<int>{0};
  first_ = scrollToShow(view(), editor_.cursor());
  syncScrollBar();
  update();
}

void ScoreStrip::scrollPages(int pages) {
  const int target = offsets_[static_cast<size_t>(first_)] + pages * visibleWidth();
  first_ = std::min(entryAtPosition(offsets_, std::max(0, target)), view().lastFirst());
  syncScrollBar();
  update();
}

void ScoreStrip::syncScrollBar() {
  syncing_ = true;
  const int total = offsets_.back();
  bar_->setPageStep(std::max(1, visibleWidth()));
  bar_->setRange(0, std::max(0, total + kEndSlack - visibleWidth()));
  bar_->setSingleStep(16);
  bar_->setValue(offsets_[static_cast<size_t>(first_)]);
  syncing_ = false;
}

void ScoreStrip::onScrolled(int value) {
  if (syncing_) {
    return;
  }
  first_ = entryAtPosition(offsets_, value);
  update();
}

void ScoreStrip::resizeEvent(QResizeEvent *) {
  const int h = bar_->sizeHint().height();
  bar_->setGeometry(0, height() - h, width(), h);
  refresh();
}

void ScoreStrip::paintEvent(QPaintEvent *) {
  QPainter p(this);
  const int staffHeight = height() - bar_->height();
  p.fillRect(0, 0, width(), staffHeight, Qt::white);
  const CMelody *m = editor_.melody();
  const int left = margin();
  const StripView v = view();
  if (m && editor_.hasSelection()) {
    const int from = std::max(editor_.selectionStart(), first_);
    const int to = std::max(editor_.selectionEnd(), first_);
    p.fillRect(QRect(QPoint(left + v.x(from), 0), QPoint(left + v.x(to) - 1, staffHeight - 1)),
               kSelectionGrey);
  }
  glyphs_.paintStaff(p, width());
  if (m == nullptr) {
    return;
  }
  glyphs_.paintKeySignature(p, m->key());
  p.setClipRect(left, 0, width() - left, staffHeight);
  const int end = v.endVisible();
  for (int i = first_; i < end; ++i) {
    glyphs_.paintEntry(p, left + v.x(i), m->at(i), m->key());
  }
  const int cursor = editor_.cursor();
  if (cursor >= first_ && cursor <= end) {
    paintCursor(p, left + v.x(cursor), Qt::red);
  }
}

int ScoreStrip::entryUnder(int x) const {
  return view().entryAt(x - margin());
}

void ScoreStrip::mousePressEvent(QMouseEvent *event) {
  if (locked_ || event->button() != Qt::LeftButton || editor_.melody() == nullptr) {
    return;
  }
  setFocus();
  dragging_ = true;
  editor_.setCursor(entryUnder(event->position().toPoint().x()));
  update();
}

void ScoreStrip::mouseMoveEvent(QMouseEvent *event) {
  if (!dragging_) {
    return;
  }
  const int x = event->position().toPoint().x();
  // Outside the strip the view moves one entry at a time.
  if (x < margin() && first_ > 0) {
    --first_;
  } else if (x >= width() && view().endVisible() < view().count()) {
    ++first_;
  }
  const auto [start, end] =
      dragSelection(editor_.cursor(), entryUnder(std::clamp(x, 0, width() - 1)), view().count());
  editor_.setSelection(start, end);
  syncScrollBar();
  update();
}

void ScoreStrip::mouseReleaseEvent(QMouseEvent *) {
  dragging_ = false;
}

} // namespace pdx::melody::ui
