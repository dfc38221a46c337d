// The programs' texts in the chosen language. Korean is the source text;
// English comes from the translation built into the program. Texts the phone
// or the files hold never pass through here.
#pragma once

#include "platform/settings/language.h"

#include <QString>
#include <string>

namespace pdx::resources {

// Loads the built-in translation for the language and installs it in the
// application object when there is one; Korean needs none. Call once at
// start, before any window is made.
void useLanguage(platform::Language language);

// The language chosen by useLanguage (Korean until it is called).
platform::Language currentLanguage();

// The text in the chosen language; the source text when it has no
// translation. Usable without an application object (the command line).
QString translate(const char *context, const char *source);
std::string translateUtf8(const char *context, const char *source);

} // namespace pdx::resources
