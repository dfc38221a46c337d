// A page that wants the messages other programs send to the main window:
// the editors' save notices (kMsgMelodySaved, kMsgAnimationSaved).
#pragma once

#include <cstdint>

namespace pdx::features {

class ProgramMessageTarget {
public:
  virtual ~ProgramMessageTarget() = default;
  virtual void OnProgramMessage(uint32_t message) = 0;
};

} // namespace pdx::features
