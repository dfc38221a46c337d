#include "winlib/help/ui/rtf_to_qt.h"

#include <QColor>
#include <QFont>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace pdx::winlib {
namespace {

constexpr double kTwipsPerPixel = 15.0; // 1440 twips per inch at 96 pixels per inch

Qt::Alignment alignmentOf(RtfAlignment alignment) {
  switch (alignment) {
  case RtfAlignment::Centre:
    return Qt::AlignHCenter;
  case RtfAlignment::Right:
    return Qt::AlignRight;
  case RtfAlignment::Justified:
    return Qt::AlignJustify;
  case RtfAlignment::Left:
    break;
  }
  return Qt::AlignLeft;
}

QTextBlockFormat blockFormatOf(const RtfParagraph &paragraph) {
  QTextBlockFormat format;
  format.setAlignment(alignmentOf(paragraph.alignment));
  format.setTopMargin(paragraph.spaceBefore / kTwipsPerPixel);
  format.setBottomMargin(paragraph.spaceAfter / kTwipsPerPixel);
  format.setLeftMargin(paragraph.leftIndent / kTwipsPerPixel);
  return format;
}

QTextCharFormat charFormatOf(const RtfFormat &run) {
  QTextCharFormat format;
  format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
  format.setFontItalic(run.italic);
  format.setFontUnderline(run.underline);
  format.setFontPointSize(run.halfPoints / 2.0);
  if (run.colour) {
    format.setForeground(QColor(run.colour->red, run.colour->green, run.colour->blue));
  }
  return format;
}

} // namespace

void fillTextDocument(QTextDocument &target, const RtfDocument &document) {
  target.clear();
  QTextCursor cursor(&target);
  cursor.beginEditBlock();
  for (size_t i = 0; i < document.paragraphs.size(); ++i) {
    const auto &paragraph = document.paragraphs[i];
    if (i == 0) {
      cursor.setBlockFormat(blockFormatOf(paragraph));
    } else {
      cursor.insertBlock(blockFormatOf(paragraph));
    }
    for (const auto &run : paragraph.runs) {
      QString text = QString::fromStdString(run.text);
      text.replace(QLatin1Char('\n'), QChar::LineSeparator);
      cursor.insertText(text, charFormatOf(run.format));
    }
  }
  cursor.endEditBlock();
}

} // namespace pdx::winlib
