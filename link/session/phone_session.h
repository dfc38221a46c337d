// One conversation with the phone for a tool: the link, a store for what is
// read, the transfers, and a record of every frame both ways.
#pragma once

#include "core/data/store.h"
#include "link/export/backup.h"
#include "link/transfer/transfers.h"

#include <memory>

namespace pdx::link {

class PhoneSession {
public:
  PhoneSession(SerialDevice &device, EventLoop &loop);

  // Finds the phone from `preferredPort` on and proves the password.
  Outcome connect(std::string_view password, int preferredPort);

  CPhoneLink &link() { return link_; }
  PhoneTransfers &transfers() { return transfers_; }
  core::CDataStore &store() { return store_; }
  const std::vector<FrameRecord> &frames() const { return frames_; }
  // Called for every frame received from the phone.
  void setOnFrame(std::function<void(const Frame &)> onFrame) { onFrame_ = std::move(onFrame); }

private:
  EventLoop &loop_;
  CPhoneLink link_;
  core::CDataStore store_;
  PhoneTransfers transfers_;
  Millis start_;
  std::vector<FrameRecord> frames_;
  std::function<void(const Frame &)> onFrame_;
};

// The process exit status for an outcome: 0 success, 1 phone not found or
// not answering (or gone), 3 wrong password, 4 refused.
int exitStatus(Outcome outcome);

} // namespace pdx::link
