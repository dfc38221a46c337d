#include "cli/standard_output.h"

#include "cli/exit_status.h"
#include "cli/output.h"
#include "core/base/user_text.h"

#include <cstdio>
#include <iostream>

namespace pdx::cli {

int checkStandardOutput(int status) {
  std::cout.flush();
  const bool written = std::fflush(stdout) == 0 && std::ferror(stdout) == 0 && !std::cout.fail();
  if (written || status != 0) {
    return status;
  }
  printError(pdx::text::translate("pdx::cli", "표준 출력에 쓸 수 없습니다."));
  return kOutputError;
}

} // namespace pdx::cli
