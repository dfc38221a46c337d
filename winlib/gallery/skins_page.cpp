// The bitmaps of the resource table: window skins one by one, and sheets of
// the buttons, icons, glyphs, captions and indicators.
#include "resources/resource_store.h"
#include "resources/resource_table.h"
#include "winlib/gallery/gallery.h"

#include <map>

namespace pdx::winlib::gallery {

namespace {

const char *sheetOf(resources::Kind kind) {
  switch (kind) {
  case resources::Kind::TextButton:
  case resources::Kind::ArtButton:
  case resources::Kind::KeyButton:
    return "skins-buttons";
  case resources::Kind::Caption:
  case resources::Kind::LinkStatus:
  case resources::Kind::DialogPiece:
    return "skins-captions";
  case resources::Kind::Glyph:
  case resources::Kind::PianoKey:
    return "skins-glyphs";
  default:
    return "skins-icons";
  }
}

} // namespace

void renderSkins(Output &out) {
  std::map<QString, std::vector<std::pair<QString, QImage>>> sheets;
  for (const resources::ResourceSpec &spec : resources::resourceTable()) {
    const QImage image = resources::ResourceStore::instance().image(spec.id);
    if (spec.kind == resources::Kind::PageSkin) {
      out.save(QStringLiteral("skin-%1").arg(spec.id), image);
      continue;
    }
    sheets[QString::fromLatin1(sheetOf(spec.kind))].emplace_back(QString::number(spec.id), image);
  }
  for (const auto &[name, items] : sheets) {
    out.save(name, sheet(items, name == QLatin1String("skins-captions") ? 3 : 6));
  }
}

} // namespace pdx::winlib::gallery
