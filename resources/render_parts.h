// The renderer's parts, one per kind of picture (internal to resources/).
#pragma once

#include "resources/resource_table.h"

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace pdx::resources {

// How one frame of a button strip looks.
enum class Look { Normal, Pressed, Hover, Disabled };
Look frameLook(const ResourceSpec &spec, int frame);

void paintPage(QPainter &p, const ResourceSpec &spec, const QString &title);
void paintDialogPiece(QPainter &p, const ResourceSpec &spec);
void paintCaption(QPainter &p, const ResourceSpec &spec, const QString &text);
void paintLinkStatus(QPainter &p, const ResourceSpec &spec, int frame, const QString &text);

// A button face in `r` for `look`; returns the rectangle its content goes in.
QRectF paintButtonFace(QPainter &p, const QRect &r, Look look, bool round);
void paintKeyFace(QPainter &p, const QRect &r, Look look, const QString &label);

// A picture in `r`, drawn in `ink`.
void paintArt(QPainter &p, const QRectF &r, Art art, const QColor &ink, Stem stem = Stem::None);

void paintIcon(QPainter &p, const QRect &r, Art art);
void paintIconStrip(QPainter &p, const ResourceSpec &spec, const QString &names);
void paintSymbolStrip(QPainter &p, const ResourceSpec &spec);
void paintPianoKey(QPainter &p, const ResourceSpec &spec);

} // namespace pdx::resources
