#include "winlib/gallery/gallery.h"

#include "resources/fonts.h"

#include <QFileInfo>
#include <QPainter>

namespace pdx::winlib::gallery {

bool Output::save(const QString &name, const QImage &image) {
  dir_.mkpath(QFileInfo(name).path());
  const bool ok = image.save(dir_.filePath(name + QStringLiteral(".png")), "PNG");
  ++(ok ? written_ : failed_);
  return ok;
}

const std::vector<Page> &pages() {
  static const std::vector<Page> all = {
      {"message-boxes", renderMessageBoxes},
      {"buttons", renderButtons},
      {"dialog-frames", renderDialogFrames},
      {"skins", renderSkins},
      {"program-icons", renderProgramIcons},
      {"file-pickers", renderFilePickers},
      {"help", renderHelp},
      {"calendars", renderCalendars},
      {"wait-windows", renderWaitWindows},
  };
  return all;
}

QImage sheet(const std::vector<std::pair<QString, QImage>> &items, int columns) {
  constexpr int kGap = 12;
  constexpr int kLabel = 18;
  int cellW = 0;
  int cellH = 0;
  for (const auto &item : items) {
    cellW = std::max(cellW, item.second.width());
    cellH = std::max(cellH, item.second.height());
  }
  cellW = std::max(cellW, 120);
  const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
  QImage image(kGap + columns * (cellW + kGap), kGap + rows * (cellH + kLabel + kGap), QImage::Format_RGB32);
  image.fill(QColor(0xe4, 0xe8, 0xee));
  QPainter p(&image);
  p.setFont(resources::font(QStringLiteral("굴림"), 8));
  p.setPen(QColor(0x17, 0x24, 0x3d));
  for (size_t i = 0; i < items.size(); ++i) {
    const int x = kGap + static_cast<int>(i % columns) * (cellW + kGap);
    const int y = kGap + static_cast<int>(i / columns) * (cellH + kLabel + kGap);
    p.drawImage(x, y, items[i].second);
    p.drawText(QRect(x, y + cellH + 2, cellW, kLabel), Qt::AlignLeft | Qt::AlignTop, items[i].first);
  }
  return image;
}

} // namespace pdx::winlib::gallery
