// The phonebook commands: +CPBS, +CPBR, +CPBW and +CPBF.
#include "link/at/at_lines.h"
#include "simulator/at/at_command.h"

namespace pdx::simulator::at {

using namespace pdx::at;

namespace {

Charset charsetOf(const std::string &name) {
  return name == "UCS2" ? Charset::Ucs2 : name == "GSM" ? Charset::Gsm : Charset::Ira;
}

} // namespace

AtPhonebook &AtModem::book() {
  return simBook_ ? state_.sim : state_.phone;
}

std::string AtModem::entryLine(int index, const AtEntry &entry) const {
  const Charset set = charsetOf(charset_);
  const bool international = entry.number.starts_with('+');
  const std::string digits = international ? entry.number.substr(1) : entry.number;
  const std::string number = state_.numbersInCharset ? encodeText(entry.number, set).value : digits;
  return "+CPBR: " + std::to_string(index) + ",\"" + number + "\"," + (international ? "145" : "129") +
         ",\"" + encodeText(entry.name, set).value + "\"";
}

AtModem::Answer AtModem::phonebookStorage(std::string_view text) {
  const Command command = split(text);
  if (command.form == "=?") {
    return ok({"+CPBS: (\"SM\",\"ME\")"});
  }
  if (command.form == "?") {
    return ok({std::string("+CPBS: \"") + (simBook_ ? "SM" : "ME") + "\"," +
               std::to_string(book().entries.size()) + "," + std::to_string(book().size)});
  }
  const std::string wanted = command.args.empty() ? "" : upper(command.args[0]);
  if (wanted != "SM" && wanted != "ME") {
    return cme(kNotSupported);
  }
  simBook_ = wanted == "SM";
  return ok();
}

AtModem::Answer AtModem::phonebookRead(std::string_view text) {
  const Command command = split(text);
  const AtPhonebook &memory = book();
  if (command.form == "=?") {
    return ok({"+CPBR: (1-" + std::to_string(memory.size) + ")," + std::to_string(memory.numberLength) + "," +
               std::to_string(memory.nameLength)});
  }
  const auto first = command.args.empty() ? std::nullopt : toInt(command.args[0]);
  const auto last = command.args.size() > 1 ? toInt(command.args[1]) : first;
  if (!first || !last || *first < 1 || *last < *first || *last > memory.size) {
    return cme(kInvalidIndex);
  }
  Answer answer = ok();
  for (auto it = memory.entries.lower_bound(*first); it != memory.entries.end() && it->first <= *last; ++it) {
    answer.lines.push_back(entryLine(it->first, it->second));
  }
  return answer;
}

AtModem::Answer AtModem::phonebookWrite(std::string_view text) {
  const Command command = split(text);
  AtPhonebook &memory = book();
  const auto &args = command.args;
  std::optional<int> index = args.empty() || args[0].empty() ? std::nullopt : toInt(args[0]);
  if (!args.empty() && !args[0].empty() && (!index || *index < 1 || *index > memory.size)) {
    return cme(kInvalidIndex);
  }
  if (index && args.size() == 1) {
    if (memory.entries.erase(*index) > 0) {
      stored();
    }
    return ok();
  }
  if (args.size() < 2) {
    return cme(kNotAllowed);
  }
  for (int i = 1; !index && i <= memory.size; ++i) {
    index = memory.entries.count(i) == 0 ? std::optional<int>(i) : std::nullopt;
  }
  if (!index) {
    return cme(kMemoryFull);
  }
  const Charset set = charsetOf(charset_);
  std::string number = decodeNumber(args[1], set);
  if (args.size() > 2 && args[2] == "145" && !number.starts_with('+')) {
    number = "+" + number;
  }
  AtEntry entry{number, args.size() > 3 ? decodeText(args[3], set) : ""};
  switch (entryFault(memory, entry)) {
  case EntryFault::BadNumber:
    return cme(kBadNumber);
  case EntryFault::NumberTooLong:
    return cme(kNumberTooLong);
  case EntryFault::BadText:
    return cme(kBadText);
  case EntryFault::TextTooLong:
    return cme(kTextTooLong);
  case EntryFault::None:
    break;
  }
  memory.entries[*index] = std::move(entry);
  stored();
  return ok();
}

AtModem::Answer AtModem::phonebookFind(std::string_view text) {
  const Command command = split(text);
  const AtPhonebook &memory = book();
  if (command.form == "=?") {
    return ok({"+CPBF: " + std::to_string(memory.numberLength) + "," + std::to_string(memory.nameLength)});
  }
  const std::string wanted = command.args.empty() ? "" : decodeText(command.args[0], charsetOf(charset_));
  Answer answer = ok();
  for (const auto &[index, entry] : memory.entries) {
    if (entry.name.starts_with(wanted)) {
      answer.lines.push_back("+CPBF" + entryLine(index, entry).substr(5));
    }
  }
  return answer.lines.empty() ? cme(kNotFound) : answer;
}

} // namespace pdx::simulator::at
