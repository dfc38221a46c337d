// Texts the plain libraries show the user, in the user's language. Korean is
// the source text; a program installs the lookup of its translation at start.
// Without one (tests, tools) the source text is the answer. Calls are
// written translate("Context", "원문") so that lupdate finds them.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text for lupdate where a table or constant defines it; translate()
// looks it up where it is shown. Qt code has the same macro from QtCore.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace pdx::text {

// Returns the text for `source` in `context`, or an empty string when the
// translation has none.
using Lookup = std::string (*)(const char *context, const char *source);

void setLookup(Lookup lookup);

// The text in the chosen language; `source` itself when there is no lookup
// or it has no entry.
std::string translate(const char *context, const char *source);

// translate() for callers that need a C string (printf, the libraries'
// describe functions): the text stays valid for the life of the program.
// `source` must be a string literal.
const char *translateLiteral(const char *context, const char *source);

// Replaces %1, %2, ... in `pattern` with `values` (in order); a translation
// may move them.
std::string fill(std::string pattern, std::initializer_list<std::string_view> values);

} // namespace pdx::text
