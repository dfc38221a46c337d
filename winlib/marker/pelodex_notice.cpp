#include "winlib/marker/pelodex_notice.h"

#include "winlib/marker/marked_window.h"

namespace pdx::winlib {

namespace {

constexpr int kFindTimeoutMs = 500;
constexpr int kSendTimeoutMs = 2000;

} // namespace

bool notifyPelodex(uint32_t message, bool outsideFolder, const QString &title) {
  const std::optional<MarkedWindow> pelodex = FindMarkedWindow(title, kFindTimeoutMs);
  return pelodex && SendMessage(*pelodex, message, outsideFolder ? 1 : 0, 0, kSendTimeoutMs).has_value();
}

} // namespace pdx::winlib
