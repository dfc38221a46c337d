// The 38 rows of the phone-options list and where each row's value lives in
// the options record. Choice rows hold the index of their choice; text rows
// a fixed-width text. Shared by the options page and pelodex-cli.
#pragma once

#include "core/data/records.h"

#include <optional>
#include <string>
#include <vector>

namespace pdx::features {

enum class OptionKind { Heading = 0, Choice = 1, Text = 2, Digits = 3 };
enum class OptionSubtype { None = 0, Password = 1, RemoteId = 2, International = 3, AreaCode = 4 };

struct OptionRow {
  const char *label; // UTF-8, as the phone's menu names it (the Korean source text)
  OptionKind kind;
  OptionSubtype subtype;
  const char *choices; // choice rows: the choices separated by tabs
  int length;          // text rows: the maximum length in bytes
};

inline constexpr int kOptionRows = 38;
inline constexpr int kPasswordRow = 37;
const OptionRow &optionRow(int row);

// The choices of a choice row, in index order (UTF-8): the names scripts
// give, Korean in every language.
std::vector<std::string> choicesOf(int row);
// The label and choices as the options page shows them, in the user's
// language.
std::string shownLabel(int row);
std::vector<std::string> shownChoices(int row);
// The choice a value shows: the last one when the value is out of range.
int shownChoice(const core::PhoneOptions &options, int row);
// The value column's text (UTF-8): the shown choice, or the field's first
// `length` bytes; empty for headings.
std::string valueText(const core::PhoneOptions &options, int row);
// The list row in code page 949, in the user's language: a heading's label,
// or a setting's label indented by three blanks, a tab and its value.
std::string listRow(const core::PhoneOptions &options, int row);

int choiceValue(const core::PhoneOptions &options, int row);
void setChoice(core::PhoneOptions &options, int row, int index);
// The text field of a text row (code page 949).
std::string textValue(const core::PhoneOptions &options, int row);
void setTextValue(core::PhoneOptions &options, int row, std::string_view cp949);

// Why a text cannot be stored in a row (UTF-8 message), or nothing when it
// can: the password must be exactly four digits, the remote vibrator id
// exactly three, the other digit rows digits only, and no text may pass
// the row's length.
std::optional<std::string> refusalOf(int row, std::string_view cp949);

} // namespace pdx::features
