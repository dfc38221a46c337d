// Help topics: RTF documents (code page 949) compiled into each program and
// found by topic number, read in pieces as a rich-text view asks for them.
#pragma once

#include "resources/help/help_topic.h"

#include <span>
#include <string_view>

namespace pdx::winlib {

using resources::HelpTopic;

// The program's topics; set once at start-up, before any help is shown. The
// table must outlive every use (the generated tables are static).
void setHelpTopics(std::span<const HelpTopic> topics);

// The topic's document, or an empty view when the program has no such topic.
std::string_view findHelpTopic(int number);

// Delivers one topic's bytes piece by piece, as a stream-in callback asks.
class TopicStream {
public:
  explicit TopicStream(int topic) : data_(findHelpTopic(topic)), found_(!data_.empty()) {}

  bool found() const { return found_; }
  // Copies up to buffer.size() bytes from the read position and advances it;
  // returns the count copied, 0 at the end.
  size_t read(std::span<char> buffer);

private:
  std::string_view data_;
  bool found_;
  size_t position_ = 0;
};

} // namespace pdx::winlib
