#include "winlib/rules/time_left.h"

namespace pdx::winlib {

std::string timeLeftText(int done, int total, int64_t elapsedMs) {
  if (done <= 0 || done >= total || elapsedMs < 0) {
    return {};
  }
  const int64_t leftMs = elapsedMs * (total - done) / done;
  const int64_t seconds = (leftMs + 999) / 1000;
  std::string text = "남은 시간 약 ";
  if (seconds >= 60) {
    text += std::to_string(seconds / 60) + "분 ";
  }
  return text + std::to_string(seconds % 60) + "초";
}

} // namespace pdx::winlib
