#include "features/animations/animation_assignment.h"

#include "animation/download/phone_picture.h"
#include "animation/file/animation_file.h"

namespace pdx::features {

namespace fs = std::filesystem;

namespace {

// Reads `name` of `folder` only: a name the folder no longer holds is
// never looked for elsewhere.
bool loadFromFolder(animation::CAnimationFile &file, const fs::path &folder, const std::string &name) {
  std::error_code error;
  if (!fs::is_regular_file(folder / name, error)) {
    return false;
  }
  file.setFolder(folder);
  return file.Load(name) == DocResult::Ok;
}

std::vector<std::string> namesOf(const animation::CAnimationFile &file) {
  std::vector<std::string> names;
  for (int i = 0; i < file.count(); ++i) {
    names.emplace_back(file.at(i)->name().view());
  }
  return names;
}

} // namespace

std::optional<CatalogEntry> loadAnimationEntry(const fs::path &folder, const std::string &name) {
  animation::CAnimationFile file;
  if (!loadFromFolder(file, folder, name)) {
    return std::nullopt;
  }
  FixedText<16> title;
  title.setWhole(file.title().view());
  return CatalogEntry{std::string(title.view()), name, namesOf(file)};
}

AnimationAssignment::AnimationAssignment(fs::path folder, MediaPhone &phone, MediaUser &user,
                                         ProgramStarter &starter, EventLoop &loop,
                                         animation::RandomSource &random)
    : folder_(folder),
      catalog_(folder, ".pca",
               [folder](const std::string &name) { return loadAnimationEntry(folder, name); }),
      phone_(phone), user_(user), starter_(starter), loop_(loop), effect_(random) {}

AnimationAssignment::~AnimationAssignment() {
  if (timer_ != 0) {
    loop_.stopTimer(timer_);
  }
}

void AnimationAssignment::open() {
  catalog_.open();
  choiceChanged();
}

void AnimationAssignment::choiceChanged() {
  stopPreview();
  shown_ = loadChosen();
  changed();
}

std::optional<animation::CAnimation> AnimationAssignment::loadChosen() const {
  const CatalogItem *item = catalog_.chosen();
  if (item == nullptr) {
    return std::nullopt;
  }
  animation::CAnimationFile file;
  if (!loadFromFolder(file, folder_, catalog_.files()[static_cast<size_t>(catalog_.chosenFile())].path)) {
    return std::nullopt;
  }
  const int index = findListedItem(namesOf(file), *item);
  return index < 0 ? std::nullopt : std::optional<animation::CAnimation>(*file.at(index));
}

void AnimationAssignment::preview() {
  stopPreview();
  shown_ = loadChosen();
  if (shown_ && effects_ && effect_.start(shown_->effect(), *shown_)) {
    timer_ = loop_.startTimer(kEffectFrameInterval, true, [this] { tick(); });
  }
  changed();
}

void AnimationAssignment::tick() {
  if (!effect_.next()) {
    // The last frame has been computed: the plain picture comes back.
    stopPreview();
  }
  changed();
}

void AnimationAssignment::stopPreview() {
  if (timer_ == 0) {
    return;
  }
  loop_.stopTimer(timer_);
  timer_ = 0;
  changed();
}

const animation::CMonoPicture *AnimationAssignment::previewPicture() const {
  if (timer_ != 0) {
    return &effect_.display();
  }
  return shown_ ? &*shown_ : nullptr;
}

bool AnimationAssignment::send(int preview) {
  stopPreview();
  if (!catalog_.hasChoice() || preview < 0 || preview >= kAnimationSlots) {
    return false;
  }
  const std::optional<animation::CAnimation> chosen = loadChosen();
  const int phoneSlot = kPhoneSlotOfPreview[static_cast<size_t>(preview)];
  if (!chosen || !phone_.sendAnimation(animation::animationSetPayload(phoneSlot, *chosen))) {
    user_.tell(text::translate("pdx::animations", kAnimationSendFailure), false);
    return false;
  }
  slots_[static_cast<size_t>(preview)] = chosen;
  changed();
  return true;
}

void AnimationAssignment::startEditor() {
  stopPreview();
  const std::string failure =
      starter_.start(kAnimationEditorProgram, text::translate("pdx::animations", kAnimationEditorName));
  if (!failure.empty()) {
    user_.tell(failure, true);
  }
}

CatalogChange AnimationAssignment::onProgramMessage(uint32_t message) {
  if (message != kMsgAnimationSaved) {
    return CatalogChange::Nothing;
  }
  stopPreview();
  const CatalogChange change = catalog_.rescan();
  if (change != CatalogChange::Nothing) {
    choiceChanged();
  }
  return change;
}

void AnimationAssignment::changed() {
  if (changed_) {
    changed_();
  }
}

} // namespace pdx::features
