// pelodex-cli phone read options and set-option: the options page's rows
// and rules, and the whole record sent as the page's apply sends it.
#include "cli/exit_status.h"
#include "cli/phone_settings_parts.h"
#include "core/base/cp949.h"
#include "core/base/user_text.h"
#include "features/options/options_editor.h"
#include "link/wire/options_wire.h"

#include <cstdio>
#include <nlohmann/json.hpp>

namespace pdx::cli::settings {
namespace {

constexpr const char *kKindNames[] = {"heading", "choice", "text", "digits"};

std::string hex(std::span<const uint8_t> bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  for (uint8_t b : bytes) {
    out.push_back(kDigits[b >> 4]);
    out.push_back(kDigits[b & 0xF]);
  }
  return out;
}

// The record exactly as the phone sent it in this session.
std::string receivedRecord(link::PhoneSession &session) {
  for (auto it = session.frames().rbegin(); it != session.frames().rend(); ++it) {
    if (it->fromPhone && it->frame.code == link::PC_OPT_DATA_DATA) {
      return hex(it->frame.data);
    }
  }
  return hex(link::wire::encodeOptions(session.store().options));
}

std::string trimmed(std::string_view label) {
  const size_t first = label.find_first_not_of(' ');
  const size_t last = label.find_last_not_of(' ');
  return first == std::string_view::npos ? std::string() : std::string(label.substr(first, last - first + 1));
}

// What a value names: a choice by its index or its text, or a text checked
// with the page's rules. Failures are written to `args`.
struct OptionValue {
  int row = 0;
  std::optional<int> choice;
  std::string text; // code page 949
};

std::optional<OptionValue> valueFromArgs(Args &args) {
  const auto row =
      positionalInt(args, text::translate("pdx::cli::Phone", "설정 항목 번호"), 0, features::kOptionRows - 1);
  const auto value = args.positional();
  if (!row || !value) {
    args.fail(text::translate("pdx::cli::Phone", "set-option 다음에 항목 번호(0~37)와 값을 쓰세요."));
    return std::nullopt;
  }
  OptionValue result{*row, std::nullopt, text::fromUtf8(*value)};
  const features::OptionRow &spec = features::optionRow(*row);
  if (spec.kind == features::OptionKind::Choice) {
    const std::vector<std::string> choices = features::choicesOf(*row);
    for (size_t i = 0; i < choices.size(); ++i) {
      if (choices[i] == *value) {
        result.choice = static_cast<int>(i);
      }
    }
    if (!result.choice) {
      result.choice = parseInt(*value, 0, static_cast<int>(choices.size()) - 1);
    }
    if (!result.choice) {
      args.fail(
          text::fill(text::translate("pdx::cli::Phone",
                                     "%1의 값은 0에서 %2 사이의 번호나 선택 항목의 이름이어야 합니다: %3"),
                     {trimmed(spec.label), std::to_string(choices.size() - 1), *value}));
    }
  } else if (const auto refusal = features::refusalOf(*row, result.text)) {
    args.fail(*refusal);
  }
  return args.ok() ? std::optional(result) : std::nullopt;
}

} // namespace

int readOptions(link::PhoneSession &session) {
  if (const link::Outcome outcome = session.transfers().readOptions(); outcome != link::Outcome::Ok) {
    return fail(outcome);
  }
  const core::PhoneOptions &options = session.store().options;
  nlohmann::json rows = nlohmann::json::array();
  for (int row = 0; row < features::kOptionRows; ++row) {
    const features::OptionRow &spec = features::optionRow(row);
    rows.push_back({{"row", row},
                    {"label", trimmed(spec.label)},
                    {"kind", kKindNames[static_cast<int>(spec.kind)]},
                    {"value", features::valueText(options, row)}});
  }
  const nlohmann::json out = {{"rows", rows}, {"raw", receivedRecord(session)}};
  std::printf("%s\n", out.dump(2).c_str());
  return 0;
}

std::optional<SessionCommand> setOptionCommand(Args &args) {
  const auto value = valueFromArgs(args);
  if (!value) {
    return std::nullopt;
  }
  return [value](link::PhoneSession &s) {
    // Never send a record the phone did not give: unread settings would be
    // overwritten with zeros.
    return afterRead(
        s, [](link::PhoneTransfers &t) { return t.readOptions(); },
        [&](auto &phone, auto &user) {
          features::OptionsEditor editor(s.store(), phone, user);
          const bool stored = value->choice ? editor.choose(value->row, *value->choice)
                                            : editor.commitText(value->row, value->text);
          if (!stored) {
            return kBadArguments;
          }
          // A record the phone sent with a password that is not four digits
          // is bad data: it is told and never sent back.
          const bool applicable = editor.canApply();
          const bool sent = editor.apply();
          return applicable ? writeStatus(sent, phone) : kBadData;
        });
  };
}

} // namespace pdx::cli::settings
