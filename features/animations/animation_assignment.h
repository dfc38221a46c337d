// The logic of the animation page: the animation files of the animation
// folder and the animations of the chosen one, the preview of the chosen
// animation with its transition effect, the three slot previews that show
// what was sent since the page opened, sending to the phone, starting the
// animation editor, and the rescan after the editor saved a file. Every
// command first stops the preview.
#pragma once

#include "animation/effects/effect_player.h"
#include "animation/file/animation.h"
#include "core/base/event_loop.h"
#include "core/base/user_text.h"
#include "features/common/media_catalog.h"
#include "features/common/media_ports.h"

#include <array>
#include <functional>
#include <optional>

namespace pdx::features {

inline constexpr int kAnimationSlots = 3;
// The phone slot of the first, second and third slot preview.
inline constexpr std::array<int, kAnimationSlots> kPhoneSlotOfPreview = {0, 2, 1};
inline constexpr Millis kEffectFrameInterval{150};
inline constexpr const char *kAnimationSendFailure =
    QT_TRANSLATE_NOOP("pdx::animations", "애니메이션을 지정할 수 없습니다.");
inline constexpr const char *kAnimationEditorProgram = "Velluto";
inline constexpr const char *kAnimationEditorName = QT_TRANSLATE_NOOP("pdx::animations", "애니메이션 편집기");

// The catalogue entry of an animation file (the scan's loader).
std::optional<CatalogEntry> loadAnimationEntry(const std::filesystem::path &folder, const std::string &name);

class AnimationAssignment : public MediaLogic {
public:
  AnimationAssignment(std::filesystem::path folder, MediaPhone &phone, MediaUser &user,
                      ProgramStarter &starter, EventLoop &loop, animation::RandomSource &random);
  ~AnimationAssignment() override;
  AnimationAssignment(const AnimationAssignment &) = delete;
  AnimationAssignment &operator=(const AnimationAssignment &) = delete;

  // Scans the folder; the first file and its first animation are chosen
  // and shown in the preview.
  void open();
  MediaCatalog &catalog() override { return catalog_; }
  // After the page chose another file or animation: stops the preview and
  // shows the chosen animation (or nothing).
  void choiceChanged() override;

  // Reads the chosen animation again and shows it, playing its effect one
  // frame each 150 ms while effects are on.
  void preview();
  void stopPreview();
  void setEffects(bool on) { effects_ = on; }
  bool effects() const { return effects_; }
  bool previewRunning() const { return timer_ != 0; }
  bool running() const override { return previewRunning(); }
  // What the preview shows: the effect's frame while it runs, otherwise
  // the chosen animation; nothing without one.
  const animation::CMonoPicture *previewPicture() const;
  // Told after every change of what the preview or a slot preview shows.
  void onPictureChanged(std::function<void()> changed) { changed_ = std::move(changed); }

  // Sends the chosen animation from slot preview 0..2 (phone slots 0, 2,
  // 1); on success the slot preview shows it. True when the phone took it.
  bool send(int preview);
  const std::optional<animation::CAnimation> &slot(int preview) const {
    return slots_[static_cast<size_t>(preview)];
  }
  void startEditor();
  void beforeCommand() override { stopPreview(); }
  // The editor's message after a save: stops and rescans; the preview
  // follows the choice.
  CatalogChange onProgramMessage(uint32_t message) override;

private:
  std::optional<animation::CAnimation> loadChosen() const;
  void tick();
  void changed();

  std::filesystem::path folder_;
  MediaCatalog catalog_;
  MediaPhone &phone_;
  MediaUser &user_;
  ProgramStarter &starter_;
  EventLoop &loop_;
  animation::CEffectPlayer effect_;
  EventLoop::TimerId timer_ = 0;
  bool effects_ = true;
  std::optional<animation::CAnimation> shown_;
  std::array<std::optional<animation::CAnimation>, kAnimationSlots> slots_;
  std::function<void()> changed_;
};

} // namespace pdx::features
