// Arbitrary PDUs from the modem. The first byte chooses how the rest is
// given: as the hex text itself, or as octets with or without the service
// centre's prefix. A decoded message re-encoded for sending must decode
// again, and the parts decoded so far are joined.
#include "link/at/concat.h"
#include "link/at/sms_pdu.h"
#include "link/at/text_codec.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  using namespace pdx::at;
  if (size == 0) {
    return 0;
  }
  const std::vector<uint8_t> rest(data + 1, data + size);
  std::optional<SmsPdu> pdu;
  switch (data[0] % 3) {
  case 0:
    pdu = decodePdu(std::string_view(reinterpret_cast<const char *>(rest.data()), rest.size()));
    break;
  case 1:
    pdu = decodePdu(toHex(rest));
    break;
  default:
    pdu = decodePdu(toHex(rest), rest.size());
    break;
  }
  if (!pdu) {
    return 0;
  }
  if (!decodePdu(encodeSubmit(*pdu).hex)) {
    std::abort();
  }
  (void)joinParts({{1, *pdu}, {2, *pdu}});
  return 0;
}
