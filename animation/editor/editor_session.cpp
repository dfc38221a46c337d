#include "animation/editor/editor_session.h"

#include "animation/file/file_messages.h"
#include "core/base/cp949.h"
#include "core/base/message_box_codes.h"
#include "core/base/user_text.h"

#include <algorithm>
#include <filesystem>

namespace pdx::animation {

namespace {

namespace fs = std::filesystem;

constexpr uint32_t kQuestion3 = kMbYesNoCancel | kMbIconQuestion;
constexpr const char *kContext = "pdx::animation::EditorSession";
constexpr const char *kCannotSave =
    QT_TRANSLATE_NOOP("pdx::animation::EditorSession", "애니메이션을 저장할 수 없습니다.");
constexpr const char *kNameTaken =
    QT_TRANSLATE_NOOP("pdx::animation::EditorSession", "같은 이름의 애니메이션이 있습니다.");

// A chosen file name with ".pca" added when it has no extension.
std::string withExtension(const std::string &name) {
  return fs::path(name).has_extension() ? name : name + ".pca";
}

} // namespace

void EditorSession::message(const char *text, uint32_t type) {
  (void)ports_.Ask(text, type, AskCaption::Notice);
}

void EditorSession::replaced() {
  if (replaced_) {
    replaced_();
  }
}

bool EditorSession::FolderCheck() {
  if (!document_.movePending()) {
    return true;
  }
  const int move = ports_.Ask(
      pdx::text::translateLiteral("pdx::animation::EditorSession",
                                  "이 파일이 애니메이션 폴더에 있지 않습니다.\n애니메이션 폴더로 옮길까요?"),
      kQuestion3, AskCaption::Save);
  if (move != kIdYes) {
    return move == kIdNo;
  }
  if (!document_.MoveIntoFolder()) {
    const int overwrite =
        ports_.Ask(pdx::text::translateLiteral("pdx::animation::EditorSession",
                                               "같은 이름을 가진 애니메이션 파일이 있습니다. 덮어쓸까요?"),
                   kQuestion3, AskCaption::Save);
    if (overwrite == kIdCancel) {
      return false;
    }
    document_.setAskNameOnSave(overwrite != kIdYes);
  }
  return Save();
}

bool EditorSession::KeepOrDiscard() {
  if (!FolderCheck()) {
    return false;
  }
  if (!document_.IsModified()) {
    return true;
  }
  const int answer = ports_.Ask(pdx::text::translateLiteral("pdx::animation::EditorSession",
                                                            "애니메이션이 변경되었습니다. 저장하시겠습니까?"),
                                kQuestion3, AskCaption::Save);
  if (answer == kIdYes) {
    return Save();
  }
  return answer == kIdNo;
}

bool EditorSession::Save() {
  if (document_.askNameOnSave()) {
    const std::optional<std::string> chosen = ports_.PickSaveName();
    if (!chosen) {
      return false;
    }
    // Saved documents live in the animation folder, where the phone-data
    // program lists them.
    document_.setPath(withExtension(fs::path(*chosen).filename().string()));
    document_.setAskNameOnSave(false);
  }
  if (document_.Save() != DocResult::Ok) {
    message(pdx::text::translateLiteral(kContext, kCannotSave), kMbOk | kMbIconExclamation);
    return false;
  }
  ports_.Saved(document_.outsideFolder(), document_.path());
  return true;
}

bool EditorSession::SaveCommand() {
  const bool pending = document_.movePending();
  if (!FolderCheck()) {
    return false;
  }
  // A Yes to the folder question has saved already.
  return (pending && !document_.movePending()) || Save();
}

bool EditorSession::NewFile() {
  if (!KeepOrDiscard()) {
    return false;
  }
  const std::optional<std::string> typed = ports_.AskFileName();
  if (!typed || typed->empty()) {
    return false;
  }
  const std::string fileName = withExtension(*typed);
  const std::string title = fs::path(*typed).stem().string();
  if (fs::exists(fs::path(document_.folder()) / fileName) &&
      ports_.Ask(
          pdx::text::translateLiteral("pdx::animation::EditorSession", "파일이 이미 있습니다. 덮어쓸까요?"),
          kMbOkCancel | kMbIconQuestion, AskCaption::Notice) != kIdOk) {
    return false;
  }
  document_.New(text::fromUtf8(title), fileName);
  replaced();
  return true;
}

bool EditorSession::Open(std::optional<std::string> given) {
  if (!KeepOrDiscard()) {
    return false;
  }
  if (!given) {
    given = ports_.PickOpenPath();
    if (!given) {
      return false;
    }
  }
  const DocResult result = document_.Load(*given);
  replaced();
  if (const char *text = fileMessage(result)) {
    message(text, kMbOk | kMbIconExclamation);
  }
  return true;
}

bool EditorSession::Exit() {
  if (document_.IsModified()) {
    return KeepOrDiscard();
  }
  return ports_.Ask(
             pdx::text::translateLiteral("pdx::animation::EditorSession", "프로그램을 종료하시겠습니까?"),
             kMbOkCancel | kMbIconExclamation, AskCaption::Exit) == kIdOk;
}

std::optional<int> EditorSession::NewAnimation(const std::string &nameUtf8) {
  const int index = document_.AddAnimation(text::fromUtf8(nameUtf8));
  if (index < 0) {
    message(pdx::text::translateLiteral(kContext, kNameTaken), kMbOk | kMbIconExclamation);
    return std::nullopt;
  }
  document_.at(index)->setModified();
  return index;
}

bool EditorSession::RenameAnimation(int index, const std::string &nameUtf8) {
  CAnimation *animation = document_.at(index);
  if (animation == nullptr) {
    return false;
  }
  CAnimation::Name wanted;
  wanted.setWhole(text::fromUtf8(nameUtf8));
  if (wanted.view() == animation->name().view()) {
    return false;
  }
  if (document_.RenameAnimation(index, wanted.view()) < 0) {
    message(pdx::text::translateLiteral(kContext, kNameTaken), kMbOk | kMbIconExclamation);
    return false;
  }
  animation->setModified();
  return true;
}

std::optional<int> EditorSession::DeleteAnimation(int index) {
  if (document_.count() <= 1) {
    message(pdx::text::translateLiteral("pdx::animation::EditorSession",
                                        "애니메이션은 하나 이상 등록되어 있어야 합니다."),
            kMbOk | kMbIconExclamation);
    return std::nullopt;
  }
  if (document_.at(index) == nullptr ||
      ports_.Ask(
          pdx::text::translateLiteral("pdx::animation::EditorSession", "애니메이션을 삭제하시겠습니까?"),
          kMbOkCancel | kMbIconQuestion, AskCaption::Delete) != kIdOk) {
    return std::nullopt;
  }
  // The row at the same place of the sorted list stays selected.
  const std::vector<AnimationRow> before = Rows();
  const auto row =
      std::find_if(before.begin(), before.end(), [index](const auto &r) { return r.index == index; });
  size_t place = static_cast<size_t>(row - before.begin());
  document_.RemoveAnimation(index);
  const std::vector<AnimationRow> after = Rows();
  place = std::min(place, after.size() - 1);
  document_.at(after[place].index)->setModified();
  return after[place].index;
}

std::vector<AnimationRow> EditorSession::Rows() const {
  std::vector<std::pair<std::string, int>> sorted;
  for (int i = 0; i < document_.count(); ++i) {
    sorted.emplace_back(std::string(document_.at(i)->name().view()), i);
  }
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const auto &a, const auto &b) { return a.first < b.first; });
  std::vector<AnimationRow> rows;
  for (const auto &[name, index] : sorted) {
    rows.push_back({text::toUtf8(name), index});
  }
  return rows;
}

std::string EditorSession::FileName() const {
  return fs::path(document_.path()).filename().string();
}

} // namespace pdx::animation
