// The animation page (3011): the animation files of the animation folder,
// the animations of the chosen file, the preview with its effect, the
// three slot previews (buttons and drops of a dragged animation), the
// animation editor, help, back and exit. Leaving the page stops the
// preview.
#pragma once

#include "animation/file/random_source.h"
#include "features/animations/animation_assignment.h"
#include "features/common/ui/media_page.h"
#include "features/common/ui/media_page_parts.h"

#include <array>

class QCheckBox;

namespace pdx::features {

class PictureView;

class CAnimationPage : public CMediaPage {
  Q_OBJECT

public:
  enum Command {
    kSlot1 = 4041,
    kSlot2 = 4042,
    kSlot3 = 4043,
    kEditor = 4045,
    kPreview = 4046,
    kStopPreview = 4047,
    kExit = 4060,
    kBack = 4061,
    kHelp = 4062,
  };
  // The drop areas of the three slot previews.
  static constexpr std::array<QRect, kAnimationSlots> kSlotAreas = {
      QRect(QPoint(398, 70), QPoint(563, 131)), QRect(QPoint(398, 142), QPoint(563, 216)),
      QRect(QPoint(398, 223), QPoint(563, 297))};

  explicit CAnimationPage(MediaPageContext context, QWidget *parent = nullptr);
  ~CAnimationPage() override;

  AnimationAssignment &logic() { return logic_; }
  CDragDropListBox *animations() const { return items_; }
  PictureView *preview() const { return preview_; }
  PictureView *slotView(int preview) const { return slots_[static_cast<size_t>(preview)]; }
  QCheckBox *effectSwitch() const { return effects_; }

protected:
  std::function<void()> ownCommand(int id) override;
  MediaLogic &mediaLogic() override { return logic_; }
  int dropCommandAt(QPoint globalPos) const override;
  void updateButtons() override;
  void PaintText(QPainter &painter) override;

private:
  void createControls();
  void createSlots();
  void showPictures();

  MediaPageContext context_;
  MessageBoxUser boxUser_;
  MediaUser &user_;
  BusyMediaPhone phone_;
  animation::SystemRandom random_;
  AnimationAssignment logic_;
  PictureView *preview_ = nullptr;
  std::array<PictureView *, kAnimationSlots> slots_{};
  QCheckBox *effects_ = nullptr;
};

} // namespace pdx::features
