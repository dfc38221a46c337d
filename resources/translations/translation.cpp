#include "resources/translations/translation.h"

#include "core/base/user_text.h"

#include <QCoreApplication>
#include <QTranslator>

namespace pdx::resources {

namespace {

struct State {
  QTranslator translator;
  bool loaded = false;
  platform::Language language = platform::Language::Korean;
};

State &state() {
  static State instance;
  return instance;
}

} // namespace

void useLanguage(platform::Language language) {
  State &s = state();
  s.language = language;
  if (language == platform::Language::Korean || s.loaded) {
    return;
  }
  s.loaded = s.translator.load(QStringLiteral(":/i18n/pelodex_en.qm"));
  if (!s.loaded) {
    return;
  }
  text::setLookup(&translateUtf8);
  if (QCoreApplication::instance() != nullptr) {
    QCoreApplication::installTranslator(&s.translator);
  }
}

platform::Language currentLanguage() {
  return state().language;
}

QString translate(const char *context, const char *source) {
  const State &s = state();
  if (s.language == platform::Language::English && s.loaded) {
    const QString text = s.translator.translate(context, source);
    if (!text.isEmpty()) {
      return text;
    }
  }
  return QString::fromUtf8(source);
}

std::string translateUtf8(const char *context, const char *source) {
  return translate(context, source).toStdString();
}

} // namespace pdx::resources
