#include "core/base/user_text.h"
#include "resources/fonts.h"
#include "resources/render_util.h"
#include "resources/resource_table.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace pdx::resources {
namespace {

enum class Expect { SameSize, Smaller, TwoLines };

struct FitCase {
  const char *text;
  QSize box;
  bool mayWrap;
  Expect expect;
};

TEST(CaptionFit, CaptionsFitTheirBoxWithoutBeingCut) {
  const FitCase cases[] = {
      {"종료", {40, 34}, true, Expect::SameSize},
      {"Exit", {40, 34}, true, Expect::SameSize},
      {"Import picture", {53, 35}, true, Expect::TwoLines}, // Velluto's import button
      {"Import picture", {53, 12}, true, Expect::Smaller},  // no room for a second line
      {"Import picture", {53, 35}, false, Expect::Smaller},
      {"Preview", {34, 34}, true, Expect::Smaller}, // one word never wraps
      {"Phone not connected", {80, 22}, false, Expect::Smaller},
  };
  installFonts(); // the faces the programs draw with
  const QFont base = font(QStringLiteral("굴림"), 9.5, true);
  for (const FitCase &c : cases) {
    const QString text = QString::fromUtf8(c.text);
    const FittedText fitted = fitText(text, base, c.box, c.mayWrap);
    const QFontMetrics metrics(fitted.font);
    const int flags = Qt::AlignCenter | (fitted.twoLines ? Qt::TextWordWrap : Qt::TextSingleLine);
    const QRect used = metrics.boundingRect(QRect(QPoint(0, 0), c.box), flags, text);
    EXPECT_LE(used.width(), c.box.width()) << c.text;
    if (fitted.twoLines) {
      EXPECT_LE(used.height(), c.box.height()) << c.text;
    }
    EXPECT_EQ(fitted.twoLines, c.expect == Expect::TwoLines) << c.text;
    if (c.expect == Expect::SameSize) {
      EXPECT_EQ(fitted.font.pointSizeF(), 9.5) << c.text;
    } else if (c.expect == Expect::Smaller) {
      EXPECT_LT(fitted.font.pointSizeF(), 9.5) << c.text;
    }
  }
}

std::string marked(const char *context, const char *source) {
  return std::string(context) + ":" + source;
}

TEST(CaptionFit, TableTextsAreShownTranslatedButIconKeysAreNot) {
  text::setLookup(&marked);
  EXPECT_EQ(shownText(*findResource(4611)), "Skin:그림읽기");
  EXPECT_EQ(shownText(*findResource(5401)), "Skin:멜로디 이름 바꾸기");
  EXPECT_EQ(shownText(*findResource(1202)), "10,20,30,60,clock,일,주,월,년");
  EXPECT_EQ(shownText(skinLabels()[0]), "Skin:휴대폰 비밀번호 4자리를 입력하세요.");
  EXPECT_EQ(shownIconMark("주"), "Skin:주");
  EXPECT_EQ(shownIconMark("clock"), "clock");
  text::setLookup(nullptr);
}

} // namespace
} // namespace pdx::resources
