// Fonts of the suite. The programs ask for the faces the original windows
// used (굴림, 고딕, 바탕, Times New Roman); substitutions map them to the
// Korean faces Debian ships. The phone's ten symbols come from a small font
// of our own, registered at start-up, so that names holding them show in
// lists, edits and print like any other character.
#pragma once

#include <QFont>
#include <QString>

namespace pdx::resources {

inline constexpr const char *kSymbolFamily = "Pelodex Symbols";

// Registers the symbol font and the face substitutions and makes the dialog
// font the application's default; safe to call more than once. Needs a
// QGuiApplication. Returns false when the symbol font
// could not be registered (symbols then show as empty boxes).
bool installFonts();

// The substitutes of a face as installed (for tests and diagnostics).
QStringList substitutesOf(const QString &family);

// A face by its original name at a size in points.
QFont font(const QString &family, double points, bool bold = false);

// The dialog font: 9-point 굴림.
QFont dialogFont();

// Text for a phone symbol of index 0..9 (U+E000 + index); empty otherwise.
QString symbolText(int index);

} // namespace pdx::resources
