// Draws the bitmaps of the resource table with QPainter. Every picture is
// made from its table entry alone, so the same number always gives the same
// picture.
#pragma once

#include "resources/resource_table.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace pdx::resources {

// The whole strip of an entry: frames side by side, frameWidth x frames wide.
QImage renderResource(const ResourceSpec &spec);

// The entry drawn `height` pixels high, its width in proportion, on a
// transparent ground: the programs' icons at the sizes a desktop asks for.
QImage renderResourceAt(const ResourceSpec &spec, int height);

// A push-button strip (normal, pressed, hover, and disabled as a fourth
// frame) with a text caption, for the buttons that have no number of their
// own.
QImage renderTextButtonStrip(const QString &caption, QSize frame, int frames);

} // namespace pdx::resources
