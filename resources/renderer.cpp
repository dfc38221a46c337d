#include "resources/renderer.h"

#include "resources/palette.h"
#include "resources/render_parts.h"

#include <QPainter>

namespace pdx::resources {

namespace {

QString textOf(const ResourceSpec &spec) {
  return QString::fromStdString(shownText(spec));
}

void paintArtStrip(QPainter &p, const ResourceSpec &spec) {
  for (int i = 0; i < spec.frames; ++i) {
    const QRect r(i * spec.frameWidth, 0, spec.frameWidth, spec.frameHeight);
    const Look look = frameLook(spec, i);
    const QRectF content = paintButtonFace(p, r, look, false);
    const QColor ink = look == Look::Disabled  ? palette::disabledInk()
                       : look == Look::Pressed ? palette::blueDeep()
                                               : palette::ink();
    paintArt(p, content.adjusted(1, 1, -1, -1), spec.art, ink);
  }
}

void paintKeyStrip(QPainter &p, const ResourceSpec &spec) {
  for (int i = 0; i < spec.frames; ++i) {
    const QRect r(i * spec.frameWidth, 0, spec.frameWidth, spec.frameHeight);
    paintKeyFace(p, r, frameLook(spec, i), textOf(spec));
  }
}

void paintStrip(QPainter &p, const ResourceSpec &spec) {
  switch (spec.kind) {
  case Kind::PageSkin:
    paintPage(p, spec, textOf(spec));
    return;
  case Kind::ArtButton:
    paintArtStrip(p, spec);
    return;
  case Kind::KeyButton:
    paintKeyStrip(p, spec);
    return;
  case Kind::Caption:
    paintCaption(p, spec, textOf(spec));
    return;
  case Kind::DialogPiece:
    paintDialogPiece(p, spec);
    return;
  case Kind::LinkStatus:
    for (int i = 0; i < spec.frames; ++i) {
      p.save();
      p.translate(i * spec.frameWidth, 0);
      paintLinkStatus(p, spec, i, textOf(spec));
      p.restore();
    }
    return;
  case Kind::IconStrip:
    paintIconStrip(p, spec, textOf(spec));
    return;
  case Kind::SymbolStrip:
    paintSymbolStrip(p, spec);
    return;
  case Kind::Glyph:
    paintArt(p, QRectF(0, 0, spec.frameWidth, spec.frameHeight), spec.art, Qt::black, spec.stem);
    return;
  case Kind::PianoKey:
    paintPianoKey(p, spec);
    return;
  case Kind::Icon:
    paintIcon(p, QRect(0, 0, spec.frameWidth, spec.frameHeight), spec.art);
    return;
  case Kind::TextButton:
    return;
  }
}

} // namespace

QImage renderResource(const ResourceSpec &spec) {
  if (spec.kind == Kind::TextButton) {
    return renderTextButtonStrip(textOf(spec), QSize(spec.frameWidth, spec.frameHeight), spec.frames);
  }
  QImage image(spec.frameWidth * spec.frames, spec.frameHeight, QImage::Format_RGB32);
  const bool onSilver = spec.kind == Kind::ArtButton || spec.kind == Kind::KeyButton;
  image.fill(onSilver ? palette::silver() : QColor(Qt::white));
  QPainter p(&image);
  paintStrip(p, spec);
  return image;
}

QImage renderResourceAt(const ResourceSpec &spec, int height) {
  const double scale = static_cast<double>(height) / spec.frameHeight;
  const int width = static_cast<int>(spec.frameWidth * spec.frames * scale + 0.5);
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  paintStrip(p, spec);
  return image;
}

} // namespace pdx::resources
