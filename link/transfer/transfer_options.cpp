// The read of the phone's option record, which the options page asks for
// when it opens.
#include "core/data/samples.h"
#include "link/transfer/transfers.h"

namespace pdx::link {

Outcome PhoneTransfers::readOptions(Millis wait) {
  if (testMode()) {
    if (!store_->read.options) {
      core::fillSampleOptions(*store_);
    }
    store_->read.options = true;
    return Outcome::Ok;
  }
  if (Outcome started = startRead(Reading::Options, PC_OPT_DATA_REQ, {}, {}); started != Outcome::Ok) {
    return started;
  }
  return waitRead(wait);
}

} // namespace pdx::link
