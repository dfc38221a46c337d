#include "resources/resource_store.h"

#include "core/base/input_file.h"
#include "platform/settings/settings.h"
#include "resources/fonts.h"
#include "resources/renderer.h"
#include "resources/resource_table.h"

namespace pdx::resources {

namespace {

// Largest skin picture read: far above any window's art, while a device or
// a runaway file in the skin folder is refused before it is read.
constexpr uint64_t kMaxSkinImageBytes = uint64_t(16) << 20;

} // namespace

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
    const InputBytes in = readInputFile(file, kMaxSkinImageBytes);
    if (in.error == InputError::None) {
      image.loadFromData(in.bytes.data(), static_cast<int>(in.bytes.size()), "PNG");
    }
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
