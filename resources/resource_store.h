// Loads bitmap resources by number: a PNG file named after the number in the
// skin folder (when one is set) replaces the built-in picture; otherwise the
// picture is drawn from the resource table on first use and kept.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>
#include <filesystem>
#include <map>

namespace pdx::platform {
class Settings;
}

namespace pdx::resources {

class ResourceStore {
public:
  // The one store of the program (the user-interface thread's).
  static ResourceStore &instance();

  // The folder of replacement pictures ("3002.png", ...); empty for none.
  void setOverrideFolder(const std::filesystem::path &folder);
  const std::filesystem::path &overrideFolder() const { return overrideFolder_; }
  // Reads the folder from the value "SkinDir" of section "General".
  void applySettings(const platform::Settings &settings);

  // The bitmap, or a null image when the number is neither in the table nor
  // in the skin folder.
  QImage image(int id);
  QPixmap pixmap(int id) { return QPixmap::fromImage(image(id)); }
  // Frames in the bitmap's strip as the table gives them (1 for unknown).
  static int frameCount(int id);

  // Forgets every loaded picture (after the skin folder changed).
  void clear() { cache_.clear(); }

private:
  std::filesystem::path overrideFolder_;
  std::map<int, QImage> cache_;
};

} // namespace pdx::resources
