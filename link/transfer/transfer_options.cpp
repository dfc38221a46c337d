// The read of the phone's option record, which the options page asks for
// when it opens.
#include "link/transfer/transfers.h"

namespace pdx::link {

Outcome PhoneTransfers::readOptions(Millis wait) {
  if (mirror_.inTestMode()) {
    if (!mirror_.isRead(Part::Options)) {
      mirror_.fillSamples(Part::Options, now());
    }
    mirror_.markRead(Part::Options);
    return Outcome::Ok;
  }
  if (Outcome started = startRead(Reading::Options, PC_OPT_DATA_REQ, {}, {}); started != Outcome::Ok) {
    return started;
  }
  return waitRead(wait);
}

} // namespace pdx::link
