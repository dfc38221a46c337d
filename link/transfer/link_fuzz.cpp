// Arbitrary bytes from the phone, fed to the parser, the link-level
// dispatch and the frame handler that fills the store, in pieces whose
// sizes the input chooses.
#include "core/base/virtual_event_loop.h"
#include "core/data/store.h"
#include "link/serial/fake_serial_device.h"
#include "link/transfer/transfers.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  using namespace pdx;
  VirtualEventLoop loop;
  link::FakeSerialDevice device(loop);
  device.setOpenablePorts({0});
  link::CPhoneLink phoneLink(device, loop);
  core::CDataStore store;
  store.phonePhonebook.resetSlots(core::kPhoneSlots);
  link::PhoneTransfers transfers(phoneLink, store);
  (void)device.open(0);
  phoneLink.busyBegin();
  size_t at = 0;
  while (at < size) {
    const size_t piece = 1 + data[at] % 64;
    const size_t begin = at + 1;
    const size_t end = std::min(size, begin + piece);
    if (begin < end) {
      device.deliver(std::span(data + begin, end - begin));
      loop.drainPosted();
    }
    at = end;
  }
  loop.advance(Millis(3000));
  (void)phoneLink.events().takeResult();
  return 0;
}
