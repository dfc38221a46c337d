#include "winlib/bmp_message_box.h"

#include "resources/fonts.h"
#include "resources/resource_ids.h"
#include "resources/resource_store.h"
#include "winlib/bmp_button.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace pdx::winlib {

namespace {

int iconResource(MessageBoxIcon icon) {
  switch (icon) {
  case MessageBoxIcon::Stop:
    return resources::kIconStop;
  case MessageBoxIcon::Question:
    return resources::kIconQuestion;
  case MessageBoxIcon::Exclamation:
    return resources::kIconExclamation;
  case MessageBoxIcon::Information:
    return resources::kIconInformation;
  case MessageBoxIcon::None:
    break;
  }
  return 0;
}

QRect toRect(const MbRect &r) {
  return QRect(r.x, r.y, r.width, r.height);
}

MbRect fromRect(const QRect &r) {
  return {r.x(), r.y(), r.width(), r.height()};
}

} // namespace

CBmpMessageBox::CBmpMessageBox() {
  setFont(resources::dialogFont());
}

void CBmpMessageBox::Prepare(const QString &text, const QString &caption, uint32_t type, int captionId) {
  lines_ = text.split(QLatin1Char('\n'));
  setAccessibleName(lines_.join(QLatin1Char(' ')));
  setAccessibleDescription(caption);
  const QFontMetrics metrics(resources::dialogFont());
  std::vector<int> widths;
  for (const QString &line : lines_) {
    widths.push_back(metrics.horizontalAdvance(line));
  }
  const QSize button = resources::ResourceStore::instance().image(resources::kButtonCancel).size();
  const int buttonWidth = button.width() / 3;
  layout_ = layoutMessageBox(measuredLines(std::move(widths), metrics.height()), type, buttonWidth,
                             button.height());
  resize(layout_.width, layout_.height);
  if (captionId == 0 && caption.isEmpty()) {
    captionId = resources::kCaptionNotice;
  }
  SetCaption(captionId);
  if (captionId == 0) {
    SetCaptionText(caption);
  } else {
    setWindowTitle(caption);
  }
  for (CBmpButton *b : buttons_) {
    delete b;
  }
  buttons_.clear();
  for (const MbButton &spec : layout_.buttons) {
    auto *b = new CBmpButton(this);
    b->Create(spec.style, toRect(spec.rect), this, spec.result, spec.bitmap, spec.frames);
    buttons_.push_back(b);
  }
}

CBmpButton *CBmpMessageBox::Button(int result) const {
  for (CBmpButton *b : buttons_) {
    if (b->CommandId() == result) {
      return b;
    }
  }
  return nullptr;
}

int CBmpMessageBox::RunAt(QWidget *owner, bool centreOnScreen) {
  QRect area;
  if (owner && !centreOnScreen) {
    area = owner->window()->geometry();
  } else if (const QScreen *screen = QGuiApplication::primaryScreen()) {
    area = screen->availableGeometry();
  }
  const MbRect box = centreIn(fromRect(area), layout_.width, layout_.height);
  return DoModal(owner, toRect(box), CaptionId());
}

int CBmpMessageBox::Show(QWidget *owner, const QString &text, const QString &caption, uint32_t type,
                         int captionId, bool centreOnScreen) {
  CBmpMessageBox box;
  box.Prepare(text, caption, type, captionId);
  return box.RunAt(owner, centreOnScreen);
}

void CBmpMessageBox::OnOK() {
  // Enter answers with the first button, as the box's default.
  if (!layout_.buttons.empty()) {
    EndDialog(layout_.buttons.front().result);
  }
}

void CBmpMessageBox::OnCancel() {
  // Escape answers Cancel where the box has it, OK for a box with only OK,
  // and nothing in a Yes/No box, whose caller expects one of the two.
  if (Button(kIdCancel)) {
    EndDialog(kIdCancel);
  } else if (layout_.buttons.size() == 1) {
    EndDialog(layout_.buttons.front().result);
  }
}

void CBmpMessageBox::OnCommand(int id, int code) {
  if (code == kNotifyCommand && Button(id)) {
    EndDialog(id);
  }
}

void CBmpMessageBox::showEvent(QShowEvent *event) {
  CBmpDialog::showEvent(event);
  QAccessibleEvent alert(this, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
}

void CBmpMessageBox::paintEvent(QPaintEvent *event) {
  CBmpDialog::paintEvent(event);
  QPainter p(this);
  if (const int icon = iconResource(layout_.icon)) {
    p.drawImage(toRect(layout_.iconRect), resources::ResourceStore::instance().image(icon));
  }
  p.setFont(resources::dialogFont());
  p.setPen(QColor(0x17, 0x24, 0x3d));
  const QFontMetrics metrics(resources::dialogFont());
  for (int i = 0; i < lines_.size() && i < static_cast<int>(layout_.lines.size()); ++i) {
    const MbLine &line = layout_.lines[static_cast<size_t>(i)];
    p.drawText(QPoint(line.x, line.y + metrics.ascent()), lines_[i]);
  }
}

} // namespace pdx::winlib
