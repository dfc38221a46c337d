#include "features/printing/ui/print_painter.h"

#include "core/base/cp949.h"
#include "core/base/user_text.h"
#include "resources/fonts.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace pdx::features {

namespace {

double pointsOf(PrintFont font) {
  switch (font) {
  case PrintFont::WalletHeading:
    return 10;
  case PrintFont::WalletEntry:
    return 7;
  case PrintFont::NormalHeading:
    return 14;
  case PrintFont::NormalEntry:
    break;
  }
  return 10;
}

QString fromCp949(const std::string &cp949) {
  return QString::fromStdString(text::toUtf8(cp949));
}

void drawFrame(QPainter &painter, const PrintRect &area, const std::string &documentUtf8) {
  const PageHeader header = pageHeader(area, documentUtf8);
  painter.setFont(printFont(PrintFont::NormalEntry));
  painter.setPen(Qt::black);
  const QRect titleBox(area.left, header.textY, area.width(), area.top - 52 - header.textY);
  painter.drawText(titleBox, Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip,
                   QString::fromStdString(header.title));
  for (const PrintRect &rule : {header.thinRule, header.thickRule}) {
    painter.fillRect(QRect(rule.left, rule.top, rule.width(), rule.height()), Qt::black);
  }
}

void drawPage(QPainter &painter, const PrintRect &area, const PrintPage &page) {
  for (const PrintText &text : page.texts) {
    painter.setFont(printFont(text.font));
    const QRect box(text.x, text.y, std::max(1, area.right - text.x), area.bottom - text.y);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, fromCp949(text.text));
  }
}

} // namespace

QFont printFont(PrintFont font) {
  QFont f = resources::font(QStringLiteral("굴림"), pointsOf(font));
  f.setPixelSize(static_cast<int>(pointsOf(font) * kLayoutDpi / 72.0 + 0.5));
  QStringList families = f.families();
  if (families.isEmpty()) {
    families << f.family();
  }
  families << QString::fromLatin1(resources::kSymbolFamily);
  f.setFamilies(families);
  return f;
}

int QtTextMeasure::height(PrintFont font, const std::string &cp949) const {
  const QFontMetrics metrics(printFont(font));
  const QString text = fromCp949(cp949);
  return text.isEmpty() ? metrics.height() : metrics.boundingRect(text).height();
}

LayoutPage layoutPageOf(const QPagedPaintDevice &device) {
  const double scale = static_cast<double>(kLayoutDpi) / device.logicalDpiX();
  return {static_cast<int>(device.width() * scale), static_cast<int>(device.height() * scale)};
}

std::string printOutcomeMessage(PrintOutcome outcome) {
  switch (outcome) {
  case PrintOutcome::CannotOpen:
    return text::translate("pdx::printing", "프린터를 열 수 없습니다.");
  case PrintOutcome::PageFailed:
    return text::translate("pdx::printing", "인쇄 도중에 에러가 발생하였습니다.");
  case PrintOutcome::Printed:
    break;
  }
  return {};
}

PrintOutcome printPages(QPagedPaintDevice &device, const std::string &documentUtf8,
                        const std::vector<PrintPage> &pages, int first, int last) {
  QPainter painter;
  if (!painter.begin(&device)) {
    return PrintOutcome::CannotOpen;
  }
  const double scale = device.logicalDpiX() / static_cast<double>(kLayoutDpi);
  const LayoutPage size = layoutPageOf(device);
  const PrintRect area = printArea(size.width, size.height);
  first = std::max(first, 1);
  last = std::min<int>(last, static_cast<int>(pages.size()));
  for (int n = first; n <= last; ++n) {
    if (n > first && !device.newPage()) {
      painter.end();
      return PrintOutcome::PageFailed;
    }
    painter.resetTransform();
    painter.scale(scale, scale);
    drawFrame(painter, area, documentUtf8);
    drawPage(painter, area, pages[static_cast<size_t>(n - 1)]);
  }
  return painter.end() ? PrintOutcome::Printed : PrintOutcome::PageFailed;
}

} // namespace pdx::features
