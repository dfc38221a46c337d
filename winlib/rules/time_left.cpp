#include "winlib/rules/time_left.h"

#include "core/base/user_text.h"

namespace pdx::winlib {

std::string timeLeftText(int done, int total, int64_t elapsedMs) {
  if (done <= 0 || done >= total || elapsedMs < 0) {
    return {};
  }
  const int64_t leftMs = elapsedMs * (total - done) / done;
  const int64_t seconds = (leftMs + 999) / 1000;
  const std::string secs = std::to_string(seconds % 60);
  if (seconds >= 60) {
    return text::fill(text::translate("pdx::winlib::WaitWindow", "남은 시간 약 %1분 %2초"),
                      {std::to_string(seconds / 60), secs});
  }
  return text::fill(text::translate("pdx::winlib::WaitWindow", "남은 시간 약 %1초"), {secs});
}

} // namespace pdx::winlib
