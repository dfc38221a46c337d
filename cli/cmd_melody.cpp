// pelodex-cli melody: show, encode, render, play and convert melody files.
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/output.h"
#include "cli/terminal_text.h"
#include "cli/usage.h"
#include "core/base/atomic_file.h"
#include "core/base/cp949.h"
#include "core/base/input_file.h"
#include "core/base/user_text.h"
#include "melody/encode/phone_encoding.h"
#include "melody/file/melody_file.h"
#include "melody/midi/midi.h"
#include "melody/player/melody_player.h"
#include "melody/rtttl/rtttl.h"
#include "melody/sound/melody_renderer.h"
#include "melody/sound/tone_output_factory.h"
#include "platform/event_loop/qt_event_loop.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <unistd.h>

namespace pdx::cli {

namespace {

namespace fs = std::filesystem;
using melody::CMelody;
using melody::CMelodyFile;

// Any melody number a file may hold; the file says how many there are.
constexpr long kMaxIndex = 1L << 30;

// Texts from files (names, notes) are shown escaped.
void warn(const std::string &text) {
  printError(pdx::text::fill(pdx::text::translate("pdx::cli", "경고: %1"), {visible(text)}));
}

int fail(const std::string &text, int status) {
  std::fprintf(stderr, "pelodex-cli: %s\n", visible(text).c_str());
  return status;
}

// A melody file named on the command line, read with the file's own folder
// as the melody folder.
struct Opened {
  CMelodyFile doc;
  int status = 0;
};

void openMelodyFile(Opened &out, const std::string &path) {
  std::error_code error;
  const fs::path file = fs::absolute(path, error);
  out.doc.setFolder(file.parent_path());
  const DocResult result = out.doc.Load(file.filename().string());
  if (result != DocResult::Ok) {
    out.status = fail(std::string(melody::loadFailureMessage(result)) + " (" + path + ")", code(result));
  }
}

// The melody chosen by --index (0 when absent), or nullptr after reporting.
const CMelody *chosen(Opened &file, std::optional<long> index) {
  const long i = index.value_or(0);
  if (i >= file.doc.size()) {
    file.status = fail(pdx::text::fill(pdx::text::translate(
                                           "pdx::cli", "멜로디 번호가 범위를 벗어났습니다: %1 (멜로디 %2개)"),
                                       {std::to_string(i), std::to_string(file.doc.size())}),
                       kBadArguments);
    return nullptr;
  }
  return &file.doc.at(static_cast<int>(i));
}

// The FILE.pcm argument, taken after every option so that an option's value
// is never mistaken for it.
std::optional<std::string> melodyPath(Args &args) {
  const auto path = args.positional();
  if (!path) {
    args.fail(pdx::text::translate("pdx::cli", "멜로디 파일을 지정하십시오."));
  }
  return args.finish() ? path : std::nullopt;
}

int show(Args &args) {
  const auto path = melodyPath(args);
  if (!path) {
    return kBadArguments;
  }
  Opened file;
  openMelodyFile(file, *path);
  if (file.status != 0) {
    return file.status;
  }
  nlohmann::json melodies = nlohmann::json::array();
  for (int i = 0; i < file.doc.size(); ++i) {
    const CMelody &m = file.doc.at(i);
    nlohmann::json entries = nlohmann::json::array();
    for (const melody::NoteEntry &e : m.entries()) {
      entries.push_back({e.duration, e.code});
    }
    melodies.push_back({{"name", m.name().utf8()},
                        {"tempo", m.tempo()},
                        {"key", m.key()},
                        {"encoded_length", m.encodedLength()},
                        {"entries", entries}});
  }
  const nlohmann::json out = {{"title", file.doc.title().utf8()}, {"melodies", melodies}};
  std::printf("%s\n", out.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace).c_str());
  return 0;
}

// The melody a command works on: --index (default 0) of FILE.pcm, read
// after the command's other options. Nullptr after reporting, with the exit
// status in file.status.
const CMelody *commandMelody(Args &args, Opened &file) {
  const auto index = args.number("--index", 0, kMaxIndex);
  const auto path = melodyPath(args);
  if (!path) {
    file.status = kBadArguments;
    return nullptr;
  }
  openMelodyFile(file, *path);
  return file.status == 0 ? chosen(file, index) : nullptr;
}

int encode(Args &args) {
  Opened file;
  const CMelody *m = commandMelody(args, file);
  if (m == nullptr) {
    return file.status;
  }
  std::string line;
  for (uint8_t byte : melody::encodeForPhone(*m)) {
    char hex[4];
    std::snprintf(hex, sizeof hex, "%02X", byte);
    line += (line.empty() ? "" : " ") + std::string(hex);
  }
  std::printf("%s\n", line.c_str());
  return 0;
}

int render(Args &args) {
  const auto out = args.option("--out");
  const auto rate = args.number("--rate", 8000, 192000);
  if (!out) {
    args.fail(pdx::text::translate("pdx::cli", "--out 옵션으로 WAV 파일을 지정하십시오."));
  }
  Opened file;
  const CMelody *m = commandMelody(args, file);
  if (m == nullptr) {
    return file.status;
  }
  melody::RenderOptions options;
  options.sampleRate = static_cast<unsigned>(rate.value_or(44100));
  const DocResult result = melody::renderToWav(*m, *out, options);
  if (result != DocResult::Ok) {
    return fail(
        pdx::text::fill(pdx::text::translate("pdx::cli", "WAV 파일을 저장할 수 없습니다: %1"), {*out}),
        code(result));
  }
  return 0;
}

// Ctrl+C stops the melody (and silences the speaker) instead of killing the
// program with the tone still sounding.
int stopPipe[2] = {-1, -1};

void onInterrupt(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = ::write(stopPipe[1], &byte, 1);
}

// Plays on the real event loop; Ctrl+C (or a termination request) stops
// play through the stop pipe, so the speaker is silenced before exit.
void playMelody(const CMelody &m, bool silent) {
  int argc = 1;
  char name[] = "pelodex-cli";
  char *argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  platform::QtEventLoop loop;
  auto output = melody::openToneOutput(silent ? melody::ToneDevice::Silent : melody::ToneDevice::Automatic);
  melody::CMelodyPlayer player(loop, *output);
  player.SetMelody(&m);
  std::unique_ptr<QSocketNotifier> stop;
  if (::pipe(stopPipe) == 0) {
    stop = std::make_unique<QSocketNotifier>(stopPipe[0], QSocketNotifier::Read);
    QObject::connect(stop.get(), &QSocketNotifier::activated, [&] { player.Stop(); });
    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);
  }
  std::printf("%s\n", pdx::text::fill(pdx::text::translate("pdx::cli", "연주합니다: %1 (빠르기 %2)"),
                                      {m.name().utf8(), std::to_string(m.tempo())})
                          .c_str());
  std::fflush(stdout);
  player.Play(0, -1);
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
}

int play(Args &args) {
  const bool silent = args.flag("--silent");
  Opened file;
  const CMelody *m = commandMelody(args, file);
  if (m == nullptr) {
    return file.status;
  }
  playMelody(*m, silent);
  return 0;
}

// Exit status when part of a ringtone file could not be read.
constexpr int kBadData = 65;

// Whether the argument names something on disk rather than being the
// ringtone text itself.
bool namesFile(const std::string &argument) {
  std::error_code error;
  const fs::file_type type = fs::status(argument, error).type();
  return type != fs::file_type::not_found && type != fs::file_type::none && type != fs::file_type::unknown;
}

// The ringtone text itself, or the contents of the file the argument names;
// nullopt after reporting a file that cannot be read.
std::optional<std::string> readTextArgument(const std::string &argument) {
  if (!namesFile(argument)) {
    return argument;
  }
  const InputBytes in = readInputFile(argument, melody::kMaxRingtoneFileBytes);
  if (in.error != InputError::None) {
    fail(std::string(describe(in.error)) + " (" + argument + ")", kUnreadableInput);
    return std::nullopt;
  }
  return std::string(in.bytes.begin(), in.bytes.end());
}

// The melody file a command writes, as a full path; none for an empty name,
// a folder or a path that cannot be made absolute.
std::optional<fs::path> outputTarget(const std::string &out) {
  std::error_code error;
  fs::path target = fs::absolute(out, error);
  if (out.empty() || error || !target.has_filename()) {
    return std::nullopt;
  }
  return target;
}

int cannotSave(const std::string &out, DocResult result) {
  return fail(std::string(melody::kSaveFailureMessage) + " (" + out + ")", code(result));
}

// One line on standard error per problem, as many as one ringtone may list;
// the rest of a long text's are counted in one closing line. Texts of several
// ringtones name the line each ringtone starts on.
void reportRingtones(const std::vector<melody::RtttlLine> &ringtones) {
  size_t listed = 0;
  size_t unlisted = 0;
  const auto report = [&](void (*say)(const std::string &), const std::string &text) {
    if (listed < melody::kMaxListedWarnings) {
      say(text);
      ++listed;
    } else {
      ++unlisted;
    }
  };
  for (const melody::RtttlLine &r : ringtones) {
    const std::string where =
        ringtones.size() > 1
            ? pdx::text::fill(pdx::text::translate("pdx::cli", "%1행: "), {std::to_string(r.line)})
            : "";
    if (!r.import.ok) {
      report([](const std::string &text) { (void)fail(text, 0); }, where + r.import.error);
    }
    for (const std::string &w : r.import.warnings) {
      report(warn, where + w);
    }
  }
  if (unlisted > 0) {
    warn(pdx::text::fill(pdx::text::translate("pdx::cli", "그 밖의 경고와 오류 %1건은 줄였습니다."),
                         {std::to_string(unlisted)}));
  }
}

int importRtttl(Args &args) {
  const auto out = args.option("--out");
  if (!out) {
    args.fail(pdx::text::translate("pdx::cli", "--out 옵션으로 멜로디 파일을 지정하십시오."));
  }
  const auto text = args.positional();
  if (!text) {
    args.fail(pdx::text::translate("pdx::cli", "벨소리 텍스트나 파일을 지정하십시오."));
  }
  if (!args.finish()) {
    return kBadArguments;
  }
  const auto source = readTextArgument(*text);
  if (!source) {
    return kUnreadableInput;
  }
  const bool fromFile = namesFile(*text);
  std::vector<melody::RtttlLine> ringtones = melody::importRtttlLines(*source);
  if (ringtones.empty()) {
    return fail(pdx::text::translate("pdx::cli", "벨소리가 없습니다."), kBadArguments);
  }
  const std::optional<fs::path> target = outputTarget(*out);
  if (!target) {
    return cannotSave(*out, DocResult::CannotCreate);
  }
  CMelodyFile doc;
  doc.setFolder(target->parent_path());
  // One ringtone names the file after itself, several after the text file.
  const std::string title = ringtones.size() == 1 ? std::string(ringtones[0].import.melody.name().view())
                            : fromFile            ? text::fromUtf8(fs::path(*text).stem().string())
                                                  : std::string();
  doc.New(title.empty() ? CMelodyFile::defaultTitle() : title, target->filename().string());
  doc.RemoveMelody(0);
  const int added = melody::appendRingtones(doc, ringtones);
  reportRingtones(ringtones);
  if (added == 0) {
    return kBadArguments;
  }
  if (const DocResult result = doc.Save(); result != DocResult::Ok) {
    return cannotSave(*out, result);
  }
  if (static_cast<size_t>(added) < ringtones.size()) {
    return fail(
        pdx::text::fill(pdx::text::translate("pdx::cli", "벨소리 %1개 중 %2개를 멜로디로 저장했습니다."),
                        {std::to_string(ringtones.size()), std::to_string(added)}),
        kBadData);
  }
  return 0;
}

int exportRtttl(Args &args) {
  Opened file;
  const CMelody *m = commandMelody(args, file);
  if (m == nullptr) {
    return file.status;
  }
  const melody::RtttlExport out = melody::exportRtttl(*m);
  for (const std::string &w : out.warnings) {
    warn(w);
  }
  std::printf("%s\n", out.text.c_str());
  return 0;
}

// Writes a melody file holding one melody to `out` (code page 949 name).
int saveSingleMelody(CMelody melody, const std::string &out) {
  const std::optional<fs::path> target = outputTarget(out);
  if (!target) {
    return cannotSave(out, DocResult::CannotCreate);
  }
  CMelodyFile doc;
  doc.setFolder(target->parent_path());
  const std::string name(melody.name().view());
  doc.New(name.empty() ? CMelodyFile::defaultTitle() : name, target->filename().string());
  if (name.empty()) {
    melody.name().set(CMelodyFile::defaultMelodyName());
  }
  *doc.Current() = melody;
  if (const DocResult result = doc.Save(); result != DocResult::Ok) {
    return cannotSave(out, result);
  }
  return 0;
}

int exportMidi(Args &args) {
  const auto out = args.option("--out");
  if (!out) {
    args.fail(pdx::text::translate("pdx::cli", "--out 옵션으로 MIDI 파일을 지정하십시오."));
  }
  Opened file;
  const CMelody *m = commandMelody(args, file);
  if (m == nullptr) {
    return file.status;
  }
  if (writeFileAtomically(*out, melody::exportMidi(*m)) != DocResult::Ok) {
    return fail(
        pdx::text::fill(pdx::text::translate("pdx::cli", "MIDI 파일을 저장할 수 없습니다: %1"), {*out}),
        kCannotCreate);
  }
  return 0;
}

int importMidi(Args &args) {
  const auto out = args.option("--out");
  if (!out) {
    args.fail(pdx::text::translate("pdx::cli", "--out 옵션으로 멜로디 파일을 지정하십시오."));
  }
  melody::MidiImportOptions options;
  if (const auto track = args.number("--track", 0, 65535)) {
    options.track = static_cast<int>(*track);
  }
  if (const auto channel = args.number("--channel", 1, 16)) {
    options.channel = static_cast<int>(*channel);
  }
  const auto name = args.option("--name");
  const auto path = args.positional();
  if (!path) {
    args.fail(pdx::text::translate("pdx::cli", "MIDI 파일을 지정하십시오."));
  }
  if (!args.finish()) {
    return kBadArguments;
  }
  std::error_code error;
  if (!fs::is_regular_file(*path, error)) {
    return fail(
        pdx::text::fill(pdx::text::translate("pdx::cli", "MIDI 파일을 읽을 수 없습니다: %1"), {*path}),
        kUnreadableInput);
  }
  melody::MidiImport in = melody::importMidiFile(*path, options);
  if (!in.ok) {
    return fail(in.error + " (" + *path + ")", 65);
  }
  for (const std::string &w : in.warnings) {
    warn(w);
  }
  if (name) {
    in.melody.name().set(text::fromUtf8(*name));
  }
  return saveSingleMelody(in.melody, *out);
}

} // namespace

int runMelody(Args &args) {
  const auto command = args.positional();
  const std::vector<std::pair<std::string, int (*)(Args &)>> commands = {
      {"show", show},
      {"encode", encode},
      {"render", render},
      {"play", play},
      {"import-rtttl", importRtttl},
      {"export-rtttl", exportRtttl},
      {"export-midi", exportMidi},
      {"import-midi", importMidi},
  };
  for (const auto &[name, run] : commands) {
    if (command == name) {
      return run(args);
    }
  }
  if (command) {
    printError(
        pdx::text::fill(pdx::text::translate("pdx::cli", "알 수 없는 melody 명령입니다: %1"), {*command}));
  }
  printGroupUsage(stderr, *findGroupUsage("melody"));
  return kBadArguments;
}

} // namespace pdx::cli
