#include "resources/resource_store.h"

#include "platform/settings/settings.h"
#include "resources/fonts.h"
#include "resources/renderer.h"
#include "resources/resource_table.h"

namespace pdx::resources {

ResourceStore &ResourceStore::instance() {
  static ResourceStore store;
  return store;
}

void ResourceStore::setOverrideFolder(const std::filesystem::path &folder) {
  if (folder != overrideFolder_) {
    overrideFolder_ = folder;
    clear();
  }
}

void ResourceStore::applySettings(const platform::Settings &settings) {
  setOverrideFolder(std::filesystem::path(settings.text("General", "SkinDir")));
}

QImage ResourceStore::image(int id) {
  const auto cached = cache_.find(id);
  if (cached != cache_.end()) {
    return cached->second;
  }
  QImage image;
  if (!overrideFolder_.empty()) {
    const std::filesystem::path file = overrideFolder_ / (std::to_string(id) + ".png");
    image.load(QString::fromStdString(file.string()), "PNG");
  }
  if (image.isNull()) {
    if (const ResourceSpec *spec = findResource(id)) {
      installFonts();
      image = renderResource(*spec);
    }
  }
  if (!image.isNull()) {
    cache_[id] = image;
  }
  return image;
}

int ResourceStore::frameCount(int id) {
  const ResourceSpec *spec = findResource(id);
  return spec ? spec->frames : 1;
}

} // namespace pdx::resources
