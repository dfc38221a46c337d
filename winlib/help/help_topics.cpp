#include "winlib/help/help_topics.h"

#include <algorithm>

namespace pdx::winlib {
namespace {

std::span<const HelpTopic> &programTopics() {
  static std::span<const HelpTopic> topics;
  return topics;
}

} // namespace

void setHelpTopics(std::span<const HelpTopic> topics) {
  programTopics() = topics;
}

std::string_view findHelpTopic(int number) {
  const auto topics = programTopics();
  const auto found = std::ranges::find(topics, number, &HelpTopic::number);
  return found == topics.end() ? std::string_view() : found->rtf;
}

size_t TopicStream::read(std::span<char> buffer) {
  const size_t count = std::min(buffer.size(), data_.size() - position_);
  std::copy_n(data_.begin() + static_cast<std::ptrdiff_t>(position_), count, buffer.begin());
  position_ += count;
  return count;
}

} // namespace pdx::winlib
