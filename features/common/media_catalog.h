// The file lists of the melody and animation pages: the files of a folder
// that load, sorted by name byte-wise, the names of the chosen file's items
// sorted by name, and the rescan after an editor saved a file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pdx::features {

// One file that loads.
struct CatalogEntry {
  std::string title;              // the first 16 bytes of the file's title (code page 949)
  std::string path;               // the file name inside the folder
  std::vector<std::string> names; // its items in file order (code page 949)
};

// Reads the file `name` of the folder; nothing when it does not load.
using CatalogLoader = std::function<std::optional<CatalogEntry>(const std::string &name)>;

// The regular, visible files of `folder` whose name ends in `extension`
// (".pcm", in any letter case) that load, sorted by name byte-wise.
std::vector<CatalogEntry> scanFolder(const std::filesystem::path &folder, const std::string &extension,
                                     const CatalogLoader &load);

// An item of the chosen file as the list shows it.
struct CatalogItem {
  std::string name; // code page 949
  int index;        // its place in the file
};

// What a rescan asks the page to show anew.
enum class CatalogChange { Nothing, Items, Everything };

class MediaCatalog {
public:
  MediaCatalog(std::filesystem::path folder, std::string extension, CatalogLoader load);

  // Scans the folder and chooses the first file and its first item.
  void open();
  // Rescans: a file more or less, or one that went away, refills both
  // lists (keeping the chosen file and item where they still exist);
  // otherwise the chosen file is read again and its items refilled when
  // their names changed.
  CatalogChange rescan();

  const std::vector<CatalogEntry> &files() const { return files_; }
  // The file name without its extension, for the list.
  std::string fileLabel(int file) const;
  // Chooses a file (-1: none) and reads its items again; when it no longer
  // loads its items stay as listed. The first item is chosen.
  void chooseFile(int file);
  int chosenFile() const { return file_; }

  const std::vector<CatalogItem> &items() const { return items_; }
  void chooseItem(int item);
  int chosenItem() const { return item_; }
  // The chosen file and item, when both are chosen.
  bool hasChoice() const { return file_ >= 0 && item_ >= 0; }
  const CatalogItem *chosen() const { return hasChoice() ? &items_[static_cast<size_t>(item_)] : nullptr; }
  // The chosen file's full path (empty without one).
  std::filesystem::path chosenPath() const;
  const std::filesystem::path &folder() const { return folder_; }

private:
  void fillItems();
  bool reloadChosen();
  // Chooses the item with the name (and index, when both match) of `wanted`.
  void chooseItemNamed(const CatalogItem &wanted);

  std::filesystem::path folder_;
  std::string extension_;
  CatalogLoader load_;
  std::vector<CatalogEntry> files_;
  std::vector<CatalogItem> items_;
  int file_ = -1;
  int item_ = -1;
};

// Picks the item of a freshly read document that the list meant: the one
// at `index` when its name is still `name`, else the first with that
// name; -1 when the document no longer holds it.
int findListedItem(const std::vector<std::string> &names, const CatalogItem &item);

// What the melody and animation pages ask of their logic alike.
class MediaLogic {
public:
  virtual ~MediaLogic() = default;
  virtual MediaCatalog &catalog() = 0;
  // Stops what plays; every command runs after it.
  virtual void beforeCommand() = 0;
  // After the page chose another file or item, or showed new items.
  virtual void choiceChanged() = 0;
  // Whether a melody or a preview plays.
  virtual bool running() const = 0;
  // An editor's message after a save: stops and rescans. Other messages
  // change nothing.
  virtual CatalogChange onProgramMessage(uint32_t message) = 0;
};

} // namespace pdx::features
