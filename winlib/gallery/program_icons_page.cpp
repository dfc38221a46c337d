// The programs' icons at the sizes the desktop's icon theme holds
// (resources/icons/hicolor/ keeps the copies that `cmake --install`
// installs; they are regenerated with
// "pdx-gallery resources/icons program-icons").
#include "resources/renderer.h"
#include "resources/resource_ids.h"
#include "winlib/gallery/gallery.h"

namespace pdx::winlib::gallery {

void renderProgramIcons(Output &out) {
  const std::pair<QString, int> programs[] = {{QStringLiteral("pelodex"), resources::kProgramIconPelodex},
                                              {QStringLiteral("carrowin"), resources::kProgramIconCarrowin},
                                              {QStringLiteral("velluto"), resources::kProgramIconVelluto}};
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
    const QString folder = QStringLiteral("hicolor/%1x%1/apps/").arg(size);
    for (const auto &[name, id] : programs) {
      out.save(folder + name, resources::renderResourceAt(*resources::findResource(id), size));
    }
  }
}

} // namespace pdx::winlib::gallery
