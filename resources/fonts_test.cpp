#include "resources/fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <gtest/gtest.h>

namespace pdx::resources {
namespace {

class Fonts : public ::testing::Test {
protected:
  static void SetUpTestSuite() { installed = installFonts(); }
  static inline bool installed = false;
};

QImage drawn(const QString &text, const QFont &font) {
  QImage image(120, 40, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setFont(font);
  p.setPen(Qt::black);
  p.drawText(image.rect(), Qt::AlignLeft | Qt::AlignVCenter, text);
  return image;
}

TEST_F(Fonts, SymbolFontIsRegisteredWithTenGlyphs) {
  ASSERT_TRUE(installed);
  EXPECT_TRUE(QFontDatabase::families().contains(QString::fromLatin1(kSymbolFamily)));
  QFont f(QString::fromLatin1(kSymbolFamily));
  f.setPixelSize(27);
  const QRawFont raw = QRawFont::fromFont(f);
  for (int i = 0; i < 10; ++i) {
    EXPECT_TRUE(raw.supportsCharacter(QChar(char16_t(0xE000 + i)))) << i;
  }
  EXPECT_TRUE(symbolText(10).isEmpty());
  EXPECT_TRUE(symbolText(-1).isEmpty());
}

TEST_F(Fonts, OriginalFaceNamesMapToDebianFaces) {
  // Qt keeps substitutes in lower case.
  auto first = [](const char *family) {
    return substitutesOf(QString::fromUtf8(family)).value(0).toStdString();
  };
  EXPECT_EQ(first("굴림"), "nanumgothic");
  EXPECT_EQ(first("고딕"), "nanumgothic");
  EXPECT_EQ(first("바탕"), "nanummyeongjo");
  EXPECT_EQ(first("Times New Roman"), "liberation serif");
  EXPECT_EQ(QFontInfo(font(QStringLiteral("굴림"), 11)).family().toStdString(), "NanumGothic");
  EXPECT_EQ(QFontInfo(font(QStringLiteral("바탕"), 11)).family().toStdString(), "NanumMyeongjo");
}

TEST_F(Fonts, SymbolsShowInsideOrdinaryKoreanText) {
  // A name with the house symbol, in the dialog font: the symbol must draw
  // ink of its own rather than nothing or the same box as another symbol.
  const QFont f = font(QStringLiteral("굴림"), 12);
  const QImage house = drawn(QStringLiteral("집") + symbolText(4), f);
  const QImage building = drawn(QStringLiteral("집") + symbolText(5), f);
  const QImage plain = drawn(QStringLiteral("집"), f);
  EXPECT_NE(house, plain);
  EXPECT_NE(house, building);
}

} // namespace
} // namespace pdx::resources
