// pelodex-cli phone read speed-dials, set-speed-dial, clear-speed-dial and
// move-speed-dial.
#include "cli/phone_settings_parts.h"
#include "core/base/user_text.h"
#include "features/speeddial/speed_dial_editor.h"

#include <cstdio>
#include <nlohmann/json.hpp>

namespace pdx::cli::settings {
namespace {

constexpr const char *kKinds[] = {"home", "office", "mobile", "pager"};

std::optional<int> kindFromName(const std::string &name) {
  for (int kind = 0; kind < core::kNumberKinds; ++kind) {
    if (name == kKinds[kind]) {
      return kind;
    }
  }
  return std::nullopt;
}

} // namespace

int readSpeedDials(link::PhoneSession &session) {
  if (const link::Outcome outcome = session.transfers().readPhonebook(); outcome != link::Outcome::Ok) {
    return fail(outcome);
  }
  const core::CDataStore &store = session.store();
  nlohmann::json keys = nlohmann::json::array();
  for (int key = 0; key < core::kSpeedDialKeys; ++key) {
    const core::SpeedDialKey &value = store.phoneSpeedDials[static_cast<size_t>(key)];
    if (value.isUnused()) {
      continue;
    }
    const core::PhoneBookEntry &entry = store.phonePhonebook[static_cast<size_t>(value.slot)];
    keys.push_back({{"number", key + 1},
                    {"slot", value.slot},
                    {"kind", kKinds[value.kind]},
                    {"name", entry.name.utf8()},
                    {"number_text", entry.numbers[static_cast<size_t>(value.kind)].utf8()}});
  }
  std::printf("%s\n", nlohmann::json{{"speed_dials", keys}}.dump(2).c_str());
  return 0;
}

std::optional<SessionCommand> speedDialCommand(const std::string &command, Args &args) {
  const auto key =
      positionalInt(args, text::translate("pdx::cli::Phone", "단축다이얼 번호"), 1, core::kSpeedDialKeys);
  if (command == "set-speed-dial") {
    const auto slot = args.number("--entry", 0, core::kPhoneSlots - 1);
    const auto kind = kindFromName(args.option("--kind").value_or(""));
    if (!slot || !kind) {
      args.fail(text::translate("pdx::cli::Phone",
                                "--entry(0~199)와 --kind home|office|mobile|pager 가 필요합니다."));
      return std::nullopt;
    }
    return [key, slot, kind](link::PhoneSession &s) {
      return afterRead(s, &link::PhoneTransfers::readPhonebook, [&](auto &phone, auto &user) {
        features::SpeedDialEditor editor(s.store(), phone, user);
        if (!editor.hasNumber(static_cast<int>(*slot), *kind)) {
          return usage(
              text::fill(text::translate("pdx::cli::Phone", "휴대폰 전화번호부 %1번에 %2 번호가 없습니다."),
                         {std::to_string(*slot), kKinds[*kind]}));
        }
        return writeStatus(editor.assign(*key - 1, static_cast<int>(*slot), *kind), phone);
      });
    };
  }
  if (command == "clear-speed-dial") {
    return [key](link::PhoneSession &s) {
      return afterRead(s, &link::PhoneTransfers::readPhonebook, [&](auto &phone, auto &user) {
        features::SpeedDialEditor editor(s.store(), phone, user);
        if (!editor.assigned(*key - 1)) {
          std::fprintf(stderr, "%s\n",
                       text::fill(text::translate("pdx::cli::Phone", "단축다이얼 %1번은 비어 있습니다."),
                                  {std::to_string(*key)})
                           .c_str());
          return 0;
        }
        return writeStatus(editor.clear(*key - 1), phone);
      });
    };
  }
  const auto to = positionalInt(args, text::translate("pdx::cli::Phone", "옮길 단축다이얼 번호"), 1,
                                core::kSpeedDialKeys);
  return [key, to](link::PhoneSession &s) {
    return afterRead(s, &link::PhoneTransfers::readPhonebook, [&](auto &phone, auto &user) {
      features::SpeedDialEditor editor(s.store(), phone, user);
      if (!editor.keyDropAllowed(*key - 1, features::DropTarget::Key, *to - 1, false)) {
        return usage(text::translate("pdx::cli::Phone",
                                     "지정된 단축다이얼을 비어 있는 단축다이얼로만 옮길 수 있습니다."));
      }
      return writeStatus(editor.move(*key - 1, *to - 1), phone);
    });
  };
}

} // namespace pdx::cli::settings
