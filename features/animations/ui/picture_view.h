// A 96 x 51 picture at its real size, centred on white inside a one-pixel
// black frame; empty (white) when it has no picture.
#pragma once

#include "animation/file/mono_picture.h"

#include <QWidget>
#include <optional>

namespace pdx::features {

class PictureView : public QWidget {
  Q_OBJECT

public:
  explicit PictureView(QWidget *parent, const QString &accessibleName);
  // Shows a copy of `picture`, or nothing.
  void setPicture(const animation::CMonoPicture *picture);
  bool hasPicture() const { return picture_.has_value(); }

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  std::optional<animation::CMonoPicture> picture_;
};

} // namespace pdx::features
