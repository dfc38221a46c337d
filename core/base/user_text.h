// Texts the plain libraries show the user, in the user's language. Korean is
// the source text; a program installs the lookup of its translation at start.
// Without one (tests, tools) the source text is the answer. Calls are
// written translate("Context", "원문") so that lupdate finds them.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a table's text for lupdate; it is translated where it is shown.
// The same definition as Qt's, so either header may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace pdx::text {

// Returns the text for `source` in `context`, or an empty string when the
// translation has none.
using Lookup = std::string (*)(const char *context, const char *source);

void setLookup(Lookup lookup);

// The text in the chosen language; `source` itself when there is no lookup
// or it has no entry.
std::string translate(const char *context, const char *source);

// Replaces %1, %2, ... in `pattern` with `values` (in order); a translation
// may move them.
std::string fill(std::string pattern, std::initializer_list<std::string_view> values);

} // namespace pdx::text
