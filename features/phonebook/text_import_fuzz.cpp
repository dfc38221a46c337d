// Feeds arbitrary bytes to the phonebook import: the encoding recognition
// and the text, vCard and CSV readers behind it.
#include "features/phonebook/phonebook_import.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  pdx::core::CDataStore store;
  const std::string_view bytes(reinterpret_cast<const char *>(data), size);
  (void)pdx::features::importPhonebookFile(bytes, store, pdx::features::offlineGroupCreator(store));
  return 0;
}
