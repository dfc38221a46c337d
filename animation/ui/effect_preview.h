// CEffectPreview: the effect preview beside the canvas (control 4701). It
// shows the animation's picture at its real size in a black frame and, while
// playing, the frames of its effect, one every 150 ms from a timer, so that
// drawing goes on meanwhile.
#pragma once

#include "animation/effects/effect_player.h"
#include "animation/file/animation.h"

#include <QTimer>
#include <QWidget>

namespace pdx::animation {

class CEffectPreview : public QWidget {
  Q_OBJECT

public:
  static constexpr int kControlId = 4701;
  static constexpr int kFrameMs = 150;

  CEffectPreview(QWidget *parent, RandomSource &random);

  // Shows another animation (or none); stops a running effect.
  void SetAnimation(const CAnimation *animation);
  // Plays the animation's effect from its first frame.
  void Play();
  void Stop();
  bool Running() const { return timer_.isActive(); }
  // Computes the next frame as the timer does; false after the last.
  bool Tick();
  int Ticks() const { return ticks_; }
  // What the preview shows now.
  const CMonoPicture *Shown() const;

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  const CAnimation *animation_ = nullptr;
  CEffectPlayer player_;
  QTimer timer_;
  int ticks_ = 0;
};

} // namespace pdx::animation
