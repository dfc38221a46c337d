// pelodex-cli melody: show, encode, render, play and convert melody files.
#include "cli/commands.h"
#include "melody/encode/phone_encoding.h"
#include "melody/file/melody_file.h"
#include "melody/player/melody_player.h"
#include "melody/rtttl/rtttl.h"
#include "melody/sound/melody_renderer.h"
#include "melody/sound/tone_output_factory.h"
#include "platform/event_loop/qt_event_loop.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <unistd.h>

namespace pdx::cli {

namespace {

namespace fs = std::filesystem;
using melody::CMelody;
using melody::CMelodyFile;

constexpr const char *kUsage =
    "사용법: pelodex-cli melody show|encode|render|play|import-rtttl|export-rtttl ...\n"
    "  melody show FILE.pcm\n"
    "  melody encode FILE.pcm [--index I]\n"
    "  melody render FILE.pcm [--index I] --out OUT.wav [--rate HZ]\n"
    "  melody play FILE.pcm [--index I] [--silent]\n"
    "  melody import-rtttl TEXT|FILE --out FILE.pcm\n"
    "  melody export-rtttl FILE.pcm [--index I]\n";

// Any melody number a file may hold; the file says how many there are.
constexpr long kMaxIndex = 1L << 30;

void warn(const std::string &text) {
  std::fprintf(stderr, "pelodex-cli: 경고: %s\n", text.c_str());
}

int fail(const std::string &text, int status) {
  std::fprintf(stderr, "pelodex-cli: %s\n", text.c_str());
  return status;
}

// A melody file named on the command line, read with the file's own folder
// as the melody folder.
struct Opened {
  CMelodyFile doc;
  int status = 0;
};

void openMelodyFile(Opened &out, const std::string &path) {
  const fs::path file = fs::absolute(path);
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
    file.status = fail("멜로디 번호가 범위를 벗어났습니다: " + std::to_string(i) + " (멜로디 " +
                           std::to_string(file.doc.size()) + "개)",
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
    args.fail("멜로디 파일을 지정하십시오.");
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

// Loads the file and picks the melody; nullptr after reporting, with the
// exit status in file.status.
const CMelody *loadChosen(Opened &file, const std::string &path, std::optional<long> index) {
  openMelodyFile(file, path);
  return file.status == 0 ? chosen(file, index) : nullptr;
}

int encode(Args &args) {
  const auto index = args.number("--index", 0, kMaxIndex);
  const auto path = melodyPath(args);
  if (!path) {
    return kBadArguments;
  }
  Opened file;
  const CMelody *m = loadChosen(file, *path, index);
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
  const auto index = args.number("--index", 0, kMaxIndex);
  const auto out = args.option("--out");
  const auto rate = args.number("--rate", 8000, 192000);
  if (!out) {
    args.fail("--out 옵션으로 WAV 파일을 지정하십시오.");
  }
  const auto path = melodyPath(args);
  if (!path) {
    return kBadArguments;
  }
  Opened file;
  const CMelody *m = loadChosen(file, *path, index);
  if (m == nullptr) {
    return file.status;
  }
  melody::RenderOptions options;
  options.sampleRate = static_cast<unsigned>(rate.value_or(44100));
  const DocResult result = melody::renderToWav(*m, *out, options);
  if (result != DocResult::Ok) {
    return fail("WAV 파일을 저장할 수 없습니다: " + *out, code(result));
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
  std::printf("연주합니다: %s (빠르기 %d)\n", m.name().utf8().c_str(), m.tempo());
  std::fflush(stdout);
  player.Play(0, -1);
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
}

int play(Args &args) {
  const auto index = args.number("--index", 0, kMaxIndex);
  const bool silent = args.flag("--silent");
  const auto path = melodyPath(args);
  if (!path) {
    return kBadArguments;
  }
  Opened file;
  const CMelody *m = loadChosen(file, *path, index);
  if (m == nullptr) {
    return file.status;
  }
  playMelody(*m, silent);
  return 0;
}

// Exit status when part of a ringtone file could not be read.
constexpr int kBadData = 65;

// The text of a ringtone file, or the argument itself.
std::optional<std::string> readTextFile(const std::string &argument) {
  std::error_code error;
  if (!fs::is_regular_file(argument, error)) {
    return std::nullopt;
  }
  std::ifstream in(argument, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// One line on standard error per problem; texts of several ringtones name
// the line each ringtone starts on.
void reportRingtones(const std::vector<melody::RtttlLine> &ringtones) {
  for (const melody::RtttlLine &r : ringtones) {
    const std::string where = ringtones.size() > 1 ? std::to_string(r.line) + "행: " : "";
    if (!r.import.ok) {
      std::fprintf(stderr, "pelodex-cli: %s%s\n", where.c_str(), r.import.error.c_str());
    }
    for (const std::string &w : r.import.warnings) {
      warn(where + w);
    }
  }
}

int importRtttl(Args &args) {
  const auto out = args.option("--out");
  if (!out) {
    args.fail("--out 옵션으로 멜로디 파일을 지정하십시오.");
  }
  const auto text = args.positional();
  if (!text) {
    args.fail("벨소리 텍스트나 파일을 지정하십시오.");
  }
  if (!args.finish()) {
    return kBadArguments;
  }
  const auto fileText = readTextFile(*text);
  std::vector<melody::RtttlLine> ringtones = melody::importRtttlLines(fileText.value_or(*text));
  if (ringtones.empty()) {
    return fail("벨소리가 없습니다.", kBadArguments);
  }
  const fs::path target = fs::absolute(*out);
  CMelodyFile doc;
  doc.setFolder(target.parent_path());
  // One ringtone names the file after itself, several after the text file.
  const std::string title = ringtones.size() == 1 ? std::string(ringtones[0].import.melody.name().view())
                            : fileText            ? text::fromUtf8(fs::path(*text).stem().string())
                                                  : std::string();
  doc.New(title.empty() ? CMelodyFile::defaultTitle() : title, target.filename().string());
  doc.RemoveMelody(0);
  const int added = melody::appendRingtones(doc, ringtones);
  reportRingtones(ringtones);
  if (added == 0) {
    return kBadArguments;
  }
  const DocResult result = doc.Save();
  if (result != DocResult::Ok) {
    return fail(std::string(melody::kSaveFailureMessage) + " (" + *out + ")", code(result));
  }
  if (static_cast<size_t>(added) < ringtones.size()) {
    return fail("벨소리 " + std::to_string(ringtones.size()) + "개 중 " + std::to_string(added) +
                    "개를 멜로디로 저장했습니다.",
                kBadData);
  }
  return 0;
}

int exportRtttl(Args &args) {
  const auto index = args.number("--index", 0, kMaxIndex);
  const auto path = melodyPath(args);
  if (!path) {
    return kBadArguments;
  }
  Opened file;
  const CMelody *m = loadChosen(file, *path, index);
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
  };
  for (const auto &[name, run] : commands) {
    if (command == name) {
      return run(args);
    }
  }
  if (command) {
    std::fprintf(stderr, "pelodex-cli: 알 수 없는 melody 명령입니다: %s\n", command->c_str());
  }
  std::fputs(kUsage, stderr);
  return kBadArguments;
}

} // namespace pdx::cli
