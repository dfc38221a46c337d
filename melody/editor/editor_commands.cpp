#include "melody/editor/editor_commands.h"

#include "core/base/cp949.h"
#include "core/base/input_file.h"
#include "melody/midi/midi.h"
#include "melody/rtttl/rtttl.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace pdx::melody {

namespace fs = std::filesystem;

namespace {

std::string lowerExtension(const std::string &path) {
  std::string ext = fs::path(path).extension().string();
  for (char &c : ext) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return ext;
}

// The first refusal or warning of the ringtones read, with its line when
// the file holds several; empty when all went through unchanged.
std::string firstProblem(const std::vector<RtttlLine> &ringtones) {
  for (const RtttlLine &r : ringtones) {
    const std::string where = ringtones.size() > 1
                                  ? pdx::text::fill(text::translate("pdx::melody::EditorCommands", "%1행: "),
                                                    {std::to_string(r.line)})
                                  : "";
    if (!r.import.ok) {
      return where + r.import.error;
    }
    if (!r.import.warnings.empty()) {
      return where + r.import.warnings.front();
    }
  }
  return {};
}

} // namespace

std::string shown(std::string_view source) {
  return pdx::text::translate("pdx::melody::EditorCommands", std::string(source).c_str());
}

std::string withPcmExtension(const std::string &name) {
  return fs::path(name).has_extension() ? name : name + ".pcm";
}

EditorCommands::Check EditorCommands::FolderCheck() {
  if (!doc_.movePending()) {
    return Check::Unchanged;
  }
  const int answer = user_.ask(shown(kFolderQuestion), kBoxYesNoCancel, kCaptionSaveQuestion);
  if (answer == kIdCancel) {
    return Check::Abandon;
  }
  if (answer == kIdNo) {
    return Check::Unchanged;
  }
  if (!doc_.MoveIntoFolder(false)) {
    const int overwrite = user_.ask(shown(kOverwriteQuestion), kBoxYesNoCancel, kCaptionSaveQuestion);
    if (overwrite == kIdCancel) {
      return Check::Abandon;
    }
    if (overwrite == kIdYes) {
      // Keeps the file's name: the file in the folder is replaced.
      doc_.setPath(doc_.path());
    }
  }
  return Save() ? Check::Saved : Check::Abandon;
}

bool EditorCommands::Save() {
  if (doc_.askNameOnSave()) {
    const std::optional<std::string> chosen = user_.pickFile(true);
    if (!chosen) {
      return false;
    }
    doc_.setPath(withPcmExtension(fs::path(*chosen).filename().string()));
    user_.redraw();
  }
  if (doc_.Save() != DocResult::Ok) {
    warn(pdx::text::translate("pdx::melody::MelodyFile", kSaveFailureMessage));
    return false;
  }
  user_.notifySaved(doc_.outsideFolder(), doc_.outsideFolder() ? doc_.path() : doc_.FullPath());
  return true;
}

bool EditorCommands::SaveCommand() {
  user_.pause();
  const Check check = FolderCheck();
  return check == Check::Saved || (check == Check::Unchanged && Save());
}

bool EditorCommands::SavePrompt() {
  if (FolderCheck() == Check::Abandon) {
    return false;
  }
  if (!doc_.IsModified()) {
    return true;
  }
  const int answer = user_.ask(shown(kSaveQuestion), kBoxYesNoCancel, kCaptionSaveQuestion);
  if (answer == kIdCancel) {
    return false;
  }
  return answer == kIdNo || Save();
}

void EditorCommands::Open(std::optional<std::string> path) {
  user_.pause();
  if (!SavePrompt()) {
    return;
  }
  if (!path) {
    path = user_.pickFile(false);
    if (!path) {
      return;
    }
  }
  const std::string ext = lowerExtension(*path);
  if (ext == ".mid" || ext == ".midi") {
    ImportMidi(*path);
  } else if (ext == ".txt") {
    ImportRingtones(*path);
  } else {
    Load(*path);
  }
}

void EditorCommands::Load(const std::string &path) {
  const DocResult result = doc_.Load(path);
  user_.refresh();
  if (result != DocResult::Ok) {
    warn(loadFailureMessage(result));
  }
}

void EditorCommands::ImportMidi(const std::string &path) {
  MidiImport in = importMidiFile(path);
  if (!in.ok) {
    warn(in.error);
    return;
  }
  doc_.New(std::nullopt, std::nullopt);
  CMelody &target = *doc_.Current();
  target = in.melody;
  target.markModified();
  user_.refresh();
  if (!in.warnings.empty()) {
    warn(in.warnings.front());
  }
}

void EditorCommands::ImportRingtones(const std::string &path) {
  const InputBytes in = readInputFile(path, kMaxRingtoneFileBytes);
  if (in.error != InputError::None) {
    warn(describe(in.error));
    return;
  }
  std::vector<RtttlLine> ringtones =
      importRtttlLines({reinterpret_cast<const char *>(in.bytes.data()), in.bytes.size()});
  if (std::none_of(ringtones.begin(), ringtones.end(), [](const RtttlLine &r) { return r.import.ok; })) {
    warn(ringtones.empty() ? pdx::text::translate("pdx::melody::EditorCommands", "벨소리가 없습니다.")
                           : firstProblem(ringtones));
    return;
  }
  doc_.New(std::nullopt, std::nullopt);
  doc_.RemoveMelody(0);
  appendRingtones(doc_, ringtones);
  user_.refresh();
  if (const std::string problem = firstProblem(ringtones); !problem.empty()) {
    warn(problem);
  }
}

void EditorCommands::NewFile() {
  user_.pause();
  if (!SavePrompt()) {
    return;
  }
  const std::optional<std::string> typed = user_.askName(kCaptionNewFile, "");
  if (!typed || typed->empty()) {
    return;
  }
  const std::string fileName = withPcmExtension(*typed);
  std::error_code ignored;
  if (fs::exists(fs::path(doc_.folder() + fileName), ignored) &&
      user_.ask(shown(kFileExistsQuestion), kBoxOkCancel, kCaptionNotice) != kIdOk) {
    return;
  }
  const std::string title = text::fromUtf8(fs::path(fileName).stem().string());
  doc_.New(title, fileName);
  user_.refresh();
}

std::optional<int> EditorCommands::NewMelody() {
  user_.pause();
  const std::optional<std::string> name = user_.askName(kCaptionNewMelody, "");
  if (!name || name->empty()) {
    return std::nullopt;
  }
  const int index = doc_.AddMelody(text::fromUtf8(*name));
  if (index < 0) {
    warn(shown(kDuplicateName));
    return std::nullopt;
  }
  return index;
}

std::optional<int> EditorCommands::RenameMelody() {
  user_.pause();
  CMelody *current = doc_.Current();
  if (current == nullptr) {
    return std::nullopt;
  }
  const std::optional<std::string> name = user_.askName(kCaptionRenameMelody, current->name().utf8());
  if (!name || name->empty()) {
    return std::nullopt;
  }
  const std::string bytes = text::fromUtf8(*name);
  CMelody::Name wanted;
  wanted.set(bytes);
  if (wanted == current->name()) {
    return std::nullopt;
  }
  if (doc_.RenameMelody(doc_.currentIndex(), bytes) < 0) {
    warn(shown(kDuplicateName));
    return std::nullopt;
  }
  return doc_.currentIndex();
}

bool EditorCommands::DeleteMelody() {
  user_.pause();
  if (doc_.size() <= 1) {
    warn(shown(kLastMelody));
    return false;
  }
  if (user_.ask(shown(kDeleteQuestion), kBoxOkCancel, kCaptionDelete) != kIdOk) {
    return false;
  }
  doc_.RemoveMelody(doc_.currentIndex());
  return true;
}

bool EditorCommands::Exit() {
  user_.pause();
  if (!doc_.IsModified()) {
    return user_.ask(shown(kExitQuestion), kBoxExitQuestion, kCaptionExit) == kIdOk;
  }
  return SavePrompt();
}

} // namespace pdx::melody
