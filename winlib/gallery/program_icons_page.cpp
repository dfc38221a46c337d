// The programs' icons as the desktop shows them (resources/icons/ holds the
// copies that `cmake --install` installs; they are regenerated with
// "pdx-gallery resources/icons program-icons").
#include "resources/resource_ids.h"
#include "resources/resource_store.h"
#include "winlib/gallery/gallery.h"

namespace pdx::winlib::gallery {

void renderProgramIcons(Output &out) {
  using resources::ResourceStore;
  out.save(QStringLiteral("pelodex"), ResourceStore::instance().image(resources::kProgramIconPelodex));
  out.save(QStringLiteral("carrowin"), ResourceStore::instance().image(resources::kProgramIconCarrowin));
  out.save(QStringLiteral("velluto"), ResourceStore::instance().image(resources::kProgramIconVelluto));
}

} // namespace pdx::winlib::gallery
