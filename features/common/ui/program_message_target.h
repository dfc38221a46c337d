// A page that wants the messages other programs send to the main window:
// the editors' 0x472 and 0x477 after they saved a file.
#pragma once

namespace pdx::features {

class ProgramMessageTarget {
public:
  virtual ~ProgramMessageTarget() = default;
  virtual void OnProgramMessage(int message) = 0;
};

} // namespace pdx::features
