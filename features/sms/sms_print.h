// One message on paper: the sender and time lines (or the stored time)
// from the top of the print area, then, 27 pixels lower, the text wrapped
// to the area's width. The page frame is the print frame's.
#pragma once

#include "core/base/user_text.h"
#include "core/data/records.h"
#include "features/printing/print_layout.h"

namespace pdx::features {

// Document names of the two pages' prints (UTF-8).
inline constexpr const char *kReceivedSmsDocument = QT_TRANSLATE_NOOP("pdx::printing", "문자 메시지 확인");
inline constexpr const char *kSavedSmsDocument = QT_TRANSLATE_NOOP("pdx::printing", "문자 메시지 발신");

// Widths as well as heights of texts, for wrapping.
class TextMetrics : public TextMeasure {
public:
  virtual int width(PrintFont font, const std::string &cp949) const = 0;
};

// Cuts a code page 949 text into lines no wider than `width`, breaking
// after the last blank that fits, or between characters in a long word.
std::vector<std::string> wrapText(const std::string &cp949, int width, PrintFont font,
                                  const TextMetrics &metrics);

// `text` (code page 949) is the whole message, which the record may hold cut.
PrintPage layoutSmsPrint(const core::SmsMessage &message, std::string_view text, bool received,
                         const PrintRect &area, const TextMetrics &metrics);

} // namespace pdx::features
