#include "animation/picture/canvas_model.h"

#include "animation/picture/raster.h"

namespace pdx::animation {

namespace {

constexpr int kTextBoxWidth = 52;
constexpr int kTextBoxHeight = 27;
constexpr int kSmallestTextDrag = 5;

bool isTool(int number) {
  return (number >= 0 && number <= 4) || (number >= 7 && number <= 9);
}

} // namespace

void CanvasModel::SetPicture(CAnimation *picture) {
  picture_ = picture;
  held_ = false;
  ClearSelection();
}

void CanvasModel::SetTool(int number) {
  if (!isTool(number)) {
    return;
  }
  tool_ = static_cast<Tool>(number);
  ClearSelection();
}

void CanvasModel::ButtonDown(Point pixel, bool left) {
  if (picture_ == nullptr || held_ || !CMonoPicture::inside(pixel.x, pixel.y)) {
    return;
  }
  held_ = true;
  ink_ = left;
  press_ = current_ = previous_ = pixel;
  operationChanged_ = false;
  if (tool_ != Tool::BlockSelect) {
    owner_.stopPreview();
  }
  run(Phase::Down);
}

void CanvasModel::MouseMove(Point pixel) {
  owner_.pointerMoved(CMonoPicture::inside(pixel.x, pixel.y) ? pixel : Point{-1, -1});
  if (!held_) {
    return;
  }
  previous_ = current_;
  current_ = pixel;
  run(Phase::Move);
}

void CanvasModel::ButtonUp(Point pixel, bool left) {
  if (!held_ || left != ink_) {
    return;
  }
  previous_ = current_;
  current_ = pixel;
  held_ = false;
  run(Phase::Up);
  if (tool_ != Tool::BlockSelect && tool_ != Tool::Text && operationChanged_) {
    owner_.changeFinished();
  }
}

void CanvasModel::Timer() {
  if (held_ && tool_ == Tool::Spray) {
    spray(Phase::Move);
  }
}

void CanvasModel::run(Phase phase) {
  CMonoPicture &picture = *picture_;
  const Point q = current_, r = previous_;
  switch (tool_) {
  case Tool::Point:
    if (CMonoPicture::inside(r.x, r.y) || CMonoPicture::inside(q.x, q.y)) {
      drawLine(picture, r, q, ink_);
      picture.setPixel(q.x, q.y, ink_);
      changed();
    }
    break;
  case Tool::Line:
  case Tool::Rectangle:
  case Tool::Ellipse:
    shape(phase);
    break;
  case Tool::Fill:
    if (phase == Phase::Down && floodFill(picture, q, ink_)) {
      changed();
    }
    break;
  case Tool::Spray:
    spray(phase);
    break;
  case Tool::Text:
    text(phase);
    break;
  case Tool::BlockSelect:
    blockSelect(phase);
    break;
  }
}

void CanvasModel::shape(Phase phase) {
  if (phase == Phase::Down) {
    base_ = *picture_;
    return;
  }
  picture_->setBits(base_.bits());
  if (tool_ == Tool::Line) {
    drawLine(*picture_, press_, current_, ink_);
  } else if (tool_ == Tool::Rectangle) {
    drawRectangle(*picture_, press_, current_, ink_);
  } else {
    drawEllipse(*picture_, press_, current_, ink_);
  }
  changed();
}

void CanvasModel::spray(Phase phase) {
  if (phase == Phase::Down) {
    owner_.startSprayTimer();
  }
  if (CMonoPicture::inside(current_.x, current_.y)) {
    spray_.sprayAt(*picture_, current_, ink_);
    changed();
  }
  if (phase == Phase::Up) {
    owner_.stopSprayTimer();
  }
}

void CanvasModel::text(Phase phase) {
  const Point p = press_, q = current_;
  if (phase != Phase::Up) {
    textBackgroundBlack_ = !ink_;
    selection_ = normalised({p.x, p.y, q.x, q.y});
    return;
  }
  Rect box{p.x, p.y, q.x, q.y};
  if (q.x - p.x < kSmallestTextDrag) {
    box.right = p.x + kTextBoxWidth;
  }
  if (q.y - p.y < kSmallestTextDrag) {
    box.bottom = p.y + kTextBoxHeight;
  }
  box = clampedToPicture(box);
  selection_ = box;
  owner_.textBoxChosen(box);
}

void CanvasModel::PlaceText(const Block &rendered) {
  if (picture_ == nullptr || !selection_ || !rendered.valid()) {
    CancelText();
    return;
  }
  base_ = *picture_;
  floating_ = rendered;
  kind_ = BlockKind::Text;
  blockAt_ = {selection_->left, selection_->top};
  layFloating(blockAt_);
  switchToBlockSelect();
  changed();
  owner_.changeFinished();
}

void CanvasModel::CancelText() {
  ClearSelection();
}

void CanvasModel::blockSelect(Phase phase) {
  const Point q = current_;
  if (phase == Phase::Down) {
    dragging_ = floating_.valid() && selection_ && selection_->contains(q);
    grab_ = q;
  }
  if (dragging_) {
    if (phase == Phase::Down) {
      return;
    }
    const Point at{blockAt_.x + q.x - grab_.x, blockAt_.y + q.y - grab_.y};
    picture_->setBits(base_.bits());
    layFloating(at);
    changed();
    if (phase == Phase::Up) {
      blockAt_ = at;
      dragging_ = false;
      owner_.changeFinished();
    }
    return;
  }
  selection_ = normalised({press_.x, press_.y, q.x, q.y});
  if (phase == Phase::Up) {
    lift();
  }
}

void CanvasModel::layFloating(Point at) {
  Laying laying = Laying::Opaque;
  if (kind_ == BlockKind::Text) {
    laying = textBackgroundBlack_ ? Laying::BlackTransparent : Laying::WhiteTransparent;
  }
  layBlock(*picture_, floating_, at, laying);
  selection_ = Rect{at.x, at.y, at.x + floating_.width, at.y + floating_.height};
}

void CanvasModel::lift() {
  const auto area = validSelection();
  if (!area) {
    ClearSelection();
    return;
  }
  floating_ = Block::copyOf(*picture_, *area);
  kind_ = BlockKind::Lifted;
  blockAt_ = {area->left, area->top};
  fillRect(*picture_, *area, false);
  base_ = *picture_;
  layFloating(blockAt_);
}

std::optional<Rect> CanvasModel::validSelection() const {
  if (!selection_) {
    return std::nullopt;
  }
  const Rect area = clampedToPicture(*selection_);
  if (area.width() < 1 || area.height() < 1) {
    return std::nullopt;
  }
  return area;
}

void CanvasModel::ClearSelection() {
  selection_.reset();
  floating_ = Block();
  dragging_ = false;
}

void CanvasModel::SelectAll() {
  if (picture_ == nullptr) {
    return;
  }
  selection_ = Rect{0, 0, CMonoPicture::kWidth, CMonoPicture::kHeight};
  lift();
}

void CanvasModel::Copy() {
  const auto area = validSelection();
  if (picture_ == nullptr || !area) {
    return;
  }
  clipboard_ = Block::copyOf(*picture_, *area);
  ClearSelection();
  switchToBlockSelect();
}

void CanvasModel::Cut() {
  const auto area = validSelection();
  if (picture_ == nullptr || !area) {
    return;
  }
  Copy();
  fillRect(*picture_, *area, false);
  changed();
  owner_.changeFinished();
}

void CanvasModel::Paste() {
  if (picture_ == nullptr || !clipboard_.valid()) {
    return;
  }
  ClearSelection();
  switchToBlockSelect();
  base_ = *picture_;
  floating_ = clipboard_;
  kind_ = BlockKind::Pasted;
  blockAt_ = {0, 0};
  layFloating(blockAt_);
  changed();
  owner_.changeFinished();
}

void CanvasModel::DeleteBlock() {
  const auto area = validSelection();
  if (picture_ == nullptr || !area) {
    return;
  }
  fillRect(*picture_, *area, false);
  ClearSelection();
  changed();
  owner_.changeFinished();
}

void CanvasModel::switchToBlockSelect() {
  if (tool_ != Tool::BlockSelect) {
    tool_ = Tool::BlockSelect;
    owner_.toolChanged(tool_);
  }
}

void CanvasModel::changed() {
  operationChanged_ = true;
  picture_->setModified();
  owner_.pictureChanged();
}

} // namespace pdx::animation
