#include "cli/cmd_phone_sms.h"

#include "apps/pelodex/adapters/transfers_sms_phone.h"
#include "core/base/doc_result.h"
#include "features/sms/sms_editor.h"
#include "features/sms/sms_text.h"
#include "link/export/phone_json.h"
#include "platform/event_loop/system_clock.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace pdx::cli {

namespace {

using features::SmsBoxKind;
using features::SmsEditor;
using pelodex::TransfersSmsPhone;

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

using EditorBody = std::function<int(SmsEditor &, TransfersSmsPhone &)>;

// Reads both boxes, then runs `body` on an editor of them.
int withEditor(link::PhoneSession &session, const EditorBody &body) {
  if (const link::Outcome read = session.transfers().readSms(); read != link::Outcome::Ok) {
    std::fprintf(stderr, "pelodex-cli: %s\n", link::describe(read));
    return link::exitStatus(read);
  }
  TransfersSmsPhone phone(session.transfers(), session.link());
  CliUser user;
  const platform::SystemClock clock;
  SmsEditor editor(session.store(), phone, user, clock, session.link().phoneInfo());
  return body(editor, phone);
}

// 0, or the status of the refused or unanswered write.
int writeStatus(const TransfersSmsPhone &phone) {
  return link::exitStatus(phone.lastOutcome());
}

// The row of message `index` (counted from 1 in the list order, newest
// first), or -1 after telling that there is none.
int rowOf(const SmsEditor &editor, SmsBoxKind box, long index) {
  const size_t size = editor.box(box).size();
  if (index < 1 || static_cast<size_t>(index) > size) {
    std::fprintf(stderr, "pelodex-cli: %s 메시지 %ld번이 없습니다 (%zu개).\n",
                 box == SmsBoxKind::Received ? "받은" : "저장된", index, size);
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
  const auto index = args.number("--index", 1, 20);
  if (box != "received" && box != "saved") {
    args.fail("--box 에는 received 나 saved 를 쓰세요.");
  }
  if (!index) {
    args.fail("--index 에 메시지 번호(1부터)를 쓰세요.");
  }
  if (!args.ok()) {
    return std::nullopt;
  }
  return MessageChoice{box == "received" ? SmsBoxKind::Received : SmsBoxKind::Saved, *index};
}

PhoneCommand loadCommand(Args &args) {
  const std::string path = args.positional().value_or("");
  if (path.empty()) {
    args.fail("sms-load 다음에 읽을 텍스트 파일을 쓰세요.");
  }
  return [path](link::PhoneSession &session) {
    const std::optional<std::string> text = features::readSmsFile(path);
    if (!text) {
      std::fprintf(stderr, "pelodex-cli: 메시지를 읽어들일 수 없습니다: %s\n", path.c_str());
      return kUnreadableInput;
    }
    return withEditor(session, [&](SmsEditor &editor, TransfersSmsPhone &phone) {
      // The messages stored, with their index in the saved box.
      const std::vector<core::SmsMessage> stored = editor.load(*text).stored;
      const nlohmann::json boxes = link::smsJson(session.store());
      nlohmann::json out = nlohmann::json::array();
      for (const nlohmann::json &message : boxes["saved"]) {
        if (std::any_of(stored.begin(), stored.end(),
                        [&](const core::SmsMessage &m) { return message["slot"] == m.slot; })) {
          out.push_back(message);
        }
      }
      std::printf("%s\n", out.dump(2).c_str());
      return writeStatus(phone);
    });
  };
}

PhoneCommand saveCommand(Args &args) {
  const auto choice = choiceFromArgs(args);
  const std::string out = args.option("--out").value_or("");
  if (out.empty()) {
    args.fail("--out 에 저장할 텍스트 파일을 쓰세요.");
  }
  return [choice, out](link::PhoneSession &session) {
    return withEditor(session, [&](SmsEditor &editor, TransfersSmsPhone &) {
      const int row = rowOf(editor, choice->box, choice->index);
      if (row < 0) {
        return kBadArguments;
      }
      const DocResult result = core::exportSmsText(out, editor.box(choice->box)[static_cast<size_t>(row)]);
      if (result != DocResult::Ok) {
        std::fprintf(stderr, "pelodex-cli: 메시지를 저장할 수 없습니다: %s (%s)\n", out.c_str(),
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
    args.fail("mark-read 다음에 받은 메시지의 번호(1부터)를 쓰세요.");
  }
  return [index](link::PhoneSession &session) {
    return withEditor(session, [&](SmsEditor &editor, TransfersSmsPhone &phone) {
      const int row = rowOf(editor, SmsBoxKind::Received, index);
      if (row < 0) {
        return kBadArguments;
      }
      if (editor.box(SmsBoxKind::Received)[static_cast<size_t>(row)].readState != 0) {
        std::fprintf(stderr, "pelodex-cli: 이미 읽은 메시지입니다.\n");
        return 0;
      }
      return editor.markRead(row) ? 0 : writeStatus(phone);
    });
  };
}

PhoneCommand deleteCommand(Args &args) {
  const auto choice = choiceFromArgs(args);
  return [choice](link::PhoneSession &session) {
    return withEditor(session, [&](SmsEditor &editor, TransfersSmsPhone &phone) {
      const int row = rowOf(editor, choice->box, choice->index);
      if (row < 0) {
        return kBadArguments;
      }
      return editor.remove(choice->box, row) ? 0 : writeStatus(phone);
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
