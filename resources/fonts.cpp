#include "resources/fonts.h"

#include "resources/symbol_font_data.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

namespace pdx::resources {

namespace {

const QString kGothic = QStringLiteral("NanumGothic");
const QString kMyeongjo = QStringLiteral("NanumMyeongjo");
const QString kSerif = QStringLiteral("Liberation Serif");

void substitute(const QString &family, const QStringList &faces) {
  QStringList list = faces;
  list << QString::fromLatin1(kSymbolFamily);
  QFont::removeSubstitutions(family);
  QFont::insertSubstitutions(family, list);
}

} // namespace

bool installFonts() {
  static const bool registered = [] {
    const QByteArray data(reinterpret_cast<const char *>(symbolFontData().data()),
                          static_cast<qsizetype>(symbolFontData().size()));
    return QFontDatabase::addApplicationFontFromData(data) >= 0;
  }();
  substitute(QStringLiteral("굴림"), {kGothic});
  substitute(QStringLiteral("굴림체"), {kGothic});
  substitute(QStringLiteral("고딕"), {kGothic});
  substitute(QStringLiteral("돋움"), {kGothic});
  substitute(QStringLiteral("바탕"), {kMyeongjo});
  substitute(QStringLiteral("바탕체"), {kMyeongjo});
  substitute(QStringLiteral("Times New Roman"), {kSerif});
  substitute(kGothic, {});
  substitute(kMyeongjo, {});
  substitute(kSerif, {});
  QGuiApplication::setFont(dialogFont());
  return registered;
}

QStringList substitutesOf(const QString &family) {
  return QFont::substitutes(family);
}

QFont font(const QString &family, double points, bool bold) {
  QFont f(family);
  f.setPointSizeF(points);
  f.setBold(bold);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

QFont dialogFont() {
  return font(QStringLiteral("굴림"), 9);
}

QString symbolText(int index) {
  if (index < 0 || index > 9) {
    return {};
  }
  return QString(QChar(static_cast<char16_t>(0xE000 + index)));
}

} // namespace pdx::resources
