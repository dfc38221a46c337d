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
  if (Outcome started = startRead(PC_OPT_DATA_REQ, &Arrivals::options); started != Outcome::Ok) {
    return started;
  }
  EventQueue &events = link_.events();
  const auto failed = [&events] {
    const int result = events.findResult();
    return result >= 0 && events.at(static_cast<size_t>(result)).value != kConnected;
  };
  (void)link_.waitUntil(
      [&] { return arrived_.options || failed() || events.findAnswer(PC_OPT_DATA_REQ) >= 0; }, wait);
  Outcome outcome = arrived_.options ? Outcome::Ok : Outcome::NoAnswer;
  if (failed()) {
    outcome = events.takeResult() == kWrongPassword ? Outcome::WrongPassword : Outcome::NoAnswer;
  } else if (events.takeAnswer(PC_OPT_DATA_REQ) == PC_NG) {
    outcome = Outcome::Refused;
  }
  arrived_.options = false;
  link_.busyEnd();
  return outcome;
}

} // namespace pdx::link
