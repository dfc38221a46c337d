// Composes a skinned dialog's background from the dialog pieces.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

namespace pdx::winlib {

// The frame at `size` around `content`, with the caption bitmap `captionId`
// (none for 0) or, without one, `captionText` on the title band.
QImage composeDialogSkin(QSize size, const QRect &content, int captionId, const QString &captionText);

// The default content area of a dialog of `size`.
QRect defaultContentRect(QSize size);

} // namespace pdx::winlib
