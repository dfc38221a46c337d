// Feeds arbitrary text to the phonebook import.
#include "features/phonebook/text_import.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  pdx::core::CDataStore store;
  const std::string_view text(reinterpret_cast<const char *>(data), size);
  (void)pdx::features::importPhonebookText(text, store, pdx::features::offlineGroupCreator(store));
  return 0;
}
