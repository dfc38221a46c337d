// How messages read in the lists, the text panes and on paper. List rows
// are code page 949 (the column list's texts); pane texts are UTF-8.
#pragma once

#include "core/data/records.h"

#include <string>

namespace pdx::features {

// The icon of a received message in the message icon strip: 15 and 14 for
// the attribute bits 0x04 and 0x02, else 12 read, 11 unread.
int smsIconCode(const core::SmsMessage &message);

// Rows: position (from 1), icon, sender, "M-DD h:MMa", text; and for the
// saved box position, "MM-DD h:MMp", text.
std::string receivedRow(int position, const core::SmsMessage &message);
std::string savedRow(int position, const core::SmsMessage &message);

// The text panes: sender, received time and text; stored time and text.
// `text` (UTF-8) is the whole message, which the record may hold cut.
std::string receivedPane(const core::SmsMessage &message, std::string_view text);
std::string savedPane(const core::SmsMessage &message, std::string_view text);

// The time lines on paper, with the 0..23 hour after 오전/오후 (code page
// 949): the received page prints the sender line first.
std::vector<std::string> printedHeading(const core::SmsMessage &message, bool received);

} // namespace pdx::features
