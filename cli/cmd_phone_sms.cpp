#include "cli/cmd_phone_sms.h"

#include "apps/pelodex/adapters/transfers_sms_phone.h"
#include "core/base/cp949.h"
#include "core/base/doc_result.h"
#include "core/base/user_text.h"
#include "features/sms/sms_editor.h"
#include "features/sms/sms_text.h"
#include "link/export/phone_json.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace pdx::cli {

namespace {

using features::SmsBoxKind;
using features::SmsEditor;

constexpr int kUnreadableInput = 66;

// The pages' user on the command line: sentences go to standard error and
// questions are answered yes (the command itself was the answer).
class CliUser : public features::PageUser {
public:
  void tell(const std::string &message) override {
    std::fprintf(stderr, "pelodex-cli: %s\n", message.c_str());
  }
  bool ask(const std::string &) override { return true; }
};

using EditorBody = std::function<int(SmsEditor &, CliPhone &)>;

// Reads both boxes, then runs `body` on an editor of them.
int withEditor(CliPhone &phone, const EditorBody &body) {
  if (const int status = phone.readSms()) {
    return status;
  }
  CliUser user;
  const pelodex::KoreanClock clock;
  SmsEditor editor(phone.store(), phone.smsPhone(), user, clock, phone.callback());
  return body(editor, phone);
}

// The row of message `index` (counted from 1 in the list order, newest
// first), or -1 after telling that there is none.
int rowOf(const SmsEditor &editor, SmsBoxKind box, long index) {
  const size_t size = editor.box(box).size();
  if (index < 1 || static_cast<size_t>(index) > size) {
    const std::string text =
        text::fill(box == SmsBoxKind::Received
                       ? text::translate("pdx::cli::Phone", "받은 메시지 %1번이 없습니다 (%2개).")
                       : text::translate("pdx::cli::Phone", "저장된 메시지 %1번이 없습니다 (%2개)."),
                   {std::to_string(index), std::to_string(size)});
    std::fprintf(stderr, "pelodex-cli: %s\n", text.c_str());
    return -1;
  }
  return static_cast<int>(index - 1);
}

struct MessageChoice {
  SmsBoxKind box = SmsBoxKind::Received;
  long index = 0;
};

std::optional<MessageChoice> choiceFromArgs(Args &args) {
  const auto box = args.option("--box");
  const auto index = args.number("--index", 1, 255);
  if (box != "received" && box != "saved") {
    args.fail(text::translate("pdx::cli::Phone", "--box 에는 received 나 saved 를 쓰세요."));
  }
  if (!index) {
    args.fail(text::translate("pdx::cli::Phone", "--index 에 메시지 번호(1부터)를 쓰세요."));
  }
  if (!args.ok()) {
    return std::nullopt;
  }
  return MessageChoice{box == "received" ? SmsBoxKind::Received : SmsBoxKind::Saved, *index};
}

PhoneCommand loadCommand(Args &args) {
  const std::string path = args.positional().value_or("");
  if (path.empty()) {
    args.fail(text::translate("pdx::cli::Phone", "sms-load 다음에 읽을 텍스트 파일을 쓰세요."));
  }
  return [path](CliPhone &phone) {
    const std::optional<std::string> text = features::readSmsFile(path);
    if (!text) {
      std::fprintf(stderr, "pelodex-cli: %s%s\n",
                   text::translate("pdx::cli::Phone", "메시지를 읽어들일 수 없습니다: ").c_str(),
                   path.c_str());
      return kUnreadableInput;
    }
    return withEditor(phone, [&](SmsEditor &editor, CliPhone &) {
      // The messages stored, with their index in the saved box.
      const std::vector<core::SmsMessage> stored = editor.load(*text).stored;
      const nlohmann::json boxes = link::smsJson(phone.store());
      nlohmann::json out = nlohmann::json::array();
      for (const nlohmann::json &message : boxes["saved"]) {
        if (std::any_of(stored.begin(), stored.end(),
                        [&](const core::SmsMessage &m) { return message["slot"] == m.slot; })) {
          out.push_back(message);
        }
      }
      std::printf("%s\n", out.dump(2).c_str());
      return phone.smsStatus();
    });
  };
}

PhoneCommand saveCommand(Args &args) {
  const auto choice = choiceFromArgs(args);
  const std::string out = args.option("--out").value_or("");
  if (out.empty()) {
    args.fail(text::translate("pdx::cli::Phone", "--out 에 저장할 텍스트 파일을 쓰세요."));
  }
  return [choice, out](CliPhone &phone) {
    return withEditor(phone, [&](SmsEditor &editor, CliPhone &) {
      const int row = rowOf(editor, choice->box, choice->index);
      if (row < 0) {
        return kBadArguments;
      }
      const core::SmsMessage &message = editor.box(choice->box)[static_cast<size_t>(row)];
      const DocResult result = core::exportSmsText(out, message, text::fromUtf8(phone.wholeText(message)));
      if (result != DocResult::Ok) {
        std::fprintf(stderr, "pelodex-cli: %s%s (%s)\n",
                     text::translate("pdx::cli::Phone", "메시지를 저장할 수 없습니다: ").c_str(), out.c_str(),
                     describe(result));
        return result == DocResult::CannotCreate ? 73 : 74;
      }
      return 0;
    });
  };
}

PhoneCommand markCommand(Args &args) {
  const auto text = args.positional().value_or("");
  const long index = std::atol(text.c_str());
  if (index < 1 || std::to_string(index) != text) {
    args.fail(text::translate("pdx::cli::Phone", "mark-read 다음에 받은 메시지의 번호(1부터)를 쓰세요."));
  }
  return [index](CliPhone &phone) {
    return withEditor(phone, [&](SmsEditor &editor, CliPhone &) {
      const int row = rowOf(editor, SmsBoxKind::Received, index);
      if (row < 0) {
        return kBadArguments;
      }
      if (editor.box(SmsBoxKind::Received)[static_cast<size_t>(row)].readState != 0) {
        std::fprintf(stderr, "pelodex-cli: %s\n",
                     text::translate("pdx::cli::Phone", "이미 읽은 메시지입니다.").c_str());
        return 0;
      }
      return editor.markRead(row) ? 0 : phone.smsStatus();
    });
  };
}

PhoneCommand deleteCommand(Args &args) {
  const auto choice = choiceFromArgs(args);
  return [choice](CliPhone &phone) {
    return withEditor(phone, [&](SmsEditor &editor, CliPhone &) {
      const int row = rowOf(editor, choice->box, choice->index);
      if (row < 0) {
        return kBadArguments;
      }
      return editor.remove(choice->box, row) ? 0 : phone.smsStatus();
    });
  };
}

} // namespace

std::optional<PhoneCommand> smsCommand(const std::string &command, Args &args) {
  if (command == "sms-load") {
    return loadCommand(args);
  }
  if (command == "sms-save") {
    return saveCommand(args);
  }
  if (command == "mark-read") {
    return markCommand(args);
  }
  if (command == "delete-sms") {
    return deleteCommand(args);
  }
  return std::nullopt;
}

} // namespace pdx::cli
