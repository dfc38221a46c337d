#include "simulator/state_file.h"

#include "core/base/atomic_file.h"
#include "core/base/input_file.h"
#include "core/base/user_text.h"

#include <span>

namespace pdx::simulator {
namespace {

// Far above the largest state (every slot, message and picture filled).
constexpr uint64_t kMaxStateFileBytes = uint64_t(16) << 20;

} // namespace

std::optional<nlohmann::json> readStateFile(const std::filesystem::path &path, StateLoad &status,
                                            std::string &error) {
  const InputBytes in = readInputFile(path, kMaxStateFileBytes);
  if (in.error != InputError::None) {
    error = text::fill(text::translate("pdx::simulator", "휴대폰 상태 파일을 열 수 없습니다: %1 (%2)"),
                       {path.string(), describe(in.error)});
    status = StateLoad::Unreadable;
    return std::nullopt;
  }
  nlohmann::json document = nlohmann::json::parse(in.bytes.begin(), in.bytes.end(), nullptr, false);
  if (document.is_discarded() || !document.is_object()) {
    error = text::fill(text::translate("pdx::simulator", "휴대폰 상태 파일이 JSON 형식이 아닙니다: %1"),
                       {path.string()});
    status = StateLoad::Invalid;
    return std::nullopt;
  }
  status = StateLoad::Loaded;
  return document;
}

std::string stateFormatError(const std::string &fault) {
  return text::fill(text::translate("pdx::simulator", "휴대폰 상태 파일의 형식이 올바르지 않습니다: %1"),
                    {fault});
}

bool writeStateFile(const std::filesystem::path &path, const nlohmann::json &document, std::string &error) {
  std::string dumped;
  try {
    dumped = document.dump(2) + "\n";
  } catch (const nlohmann::json::exception &) {
    dumped.clear(); // text that is not UTF-8: refused below
  }
  const auto *bytes = reinterpret_cast<const uint8_t *>(dumped.data());
  if (dumped.empty() || writeFileAtomically(path, std::span(bytes, dumped.size())) != DocResult::Ok) {
    error = text::fill(text::translate("pdx::simulator", "휴대폰 상태 파일을 저장할 수 없습니다: %1"),
                       {path.string()});
    return false;
  }
  return true;
}

} // namespace pdx::simulator
