#include "winlib/dialog_skin.h"

#include "resources/fonts.h"
#include "resources/render_util.h"
#include "resources/resource_ids.h"
#include "resources/resource_store.h"

#include <QPainter>

namespace pdx::winlib {

namespace {

using resources::ResourceStore;

constexpr int kSide = 14;
constexpr int kTop = 33;
constexpr int kBottom = 52;

QImage piece(int id) {
  return ResourceStore::instance().image(id);
}

// Repeats `image` across `area`; a missing piece leaves the area as it is.
void tile(QPainter &p, const QRect &area, const QImage &image) {
  if (image.isNull() || area.isEmpty()) {
    return;
  }
  p.save();
  p.setClipRect(area);
  for (int y = area.top(); y <= area.bottom(); y += image.height()) {
    for (int x = area.left(); x <= area.right(); x += image.width()) {
      p.drawImage(x, y, image);
    }
  }
  p.restore();
}

void paintOuterFrame(QPainter &p, QSize size) {
  const int w = size.width();
  const int h = size.height();
  tile(p, QRect(kSide, 0, w - 2 * kSide, kTop), piece(5201));
  tile(p, QRect(0, kTop, kSide, h - kTop - kBottom), piece(5203));
  tile(p, QRect(w - kSide, kTop, kSide, h - kTop - kBottom), piece(5204));
  tile(p, QRect(kSide, h - kBottom, w - 2 * kSide, kBottom), piece(5206));
  tile(p, QRect(kSide, h - 12, w - 2 * kSide, 4), piece(5217));
  p.drawImage(0, 0, piece(5200));
  p.drawImage(w - kSide, 0, piece(5202));
  p.drawImage(0, h - kBottom, piece(5205));
  p.drawImage(w - kSide, h - kBottom, piece(5207));
}

void paintContentBevel(QPainter &p, const QRect &c) {
  const int d = 3;
  tile(p, QRect(c.left(), c.top() - d, c.width(), d), piece(5210));
  tile(p, QRect(c.left(), c.bottom() + 1, c.width(), d), piece(5215));
  tile(p, QRect(c.left() - d, c.top(), d, c.height()), piece(5212));
  tile(p, QRect(c.right() + 1, c.top(), d, c.height()), piece(5213));
  p.drawImage(c.left() - d, c.top() - d, piece(5209));
  p.drawImage(c.right() + 1, c.top() - d, piece(5211));
  p.drawImage(c.left() - d, c.bottom() + 1, piece(5214));
  p.drawImage(c.right() + 1, c.bottom() + 1, piece(5216));
}

// The caption on the title band, smaller when it would not fit the band.
void paintCaptionText(QPainter &p, const QString &text, int width) {
  const QSize room(width - 20, 18);
  p.setFont(resources::fitText(text, resources::font(QStringLiteral("굴림"), 9, true), room, false).font);
  p.setPen(QColor(0x1c, 0x3a, 0x6e));
  p.drawText(QRect(QPoint(10, 4), room), Qt::AlignLeft | Qt::AlignVCenter, text);
  p.setPen(Qt::white);
  p.drawText(QRect(QPoint(9, 3), room), Qt::AlignLeft | Qt::AlignVCenter, text);
}

} // namespace

QRect defaultContentRect(QSize size) {
  return QRect(kSide, kTop, size.width() - 2 * kSide, size.height() - kTop - kBottom);
}

QImage composeDialogSkin(QSize size, const QRect &content, int captionId, const QString &captionText) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  paintOuterFrame(p, size);
  p.fillRect(content, Qt::white);
  paintContentBevel(p, content);
  if (captionId == resources::kDialogTitleBar) {
    p.drawImage(0, 0, piece(captionId));
  } else if (captionId != 0) {
    p.drawImage(5, 2, piece(captionId));
  } else if (!captionText.isEmpty()) {
    paintCaptionText(p, captionText, size.width());
  }
  return image;
}

} // namespace pdx::winlib
