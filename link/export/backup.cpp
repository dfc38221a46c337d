#include "link/export/backup.h"

#include "core/base/atomic_file.h"
#include "core/base/user_text.h"
#include "link/export/phone_json.h"

#include <cstdio>
#include <openssl/evp.h>

namespace pdx::link {
namespace {

std::span<const uint8_t> bytesOf(const std::string &text) {
  return {reinterpret_cast<const uint8_t *>(text.data()), text.size()};
}

std::string hex(std::span<const uint8_t> bytes, const char *separator) {
  std::string out;
  char pair[4];
  for (size_t i = 0; i < bytes.size(); ++i) {
    std::snprintf(pair, sizeof pair, "%02x", bytes[i]);
    out += (i == 0 ? "" : separator) + std::string(pair);
  }
  return out;
}

} // namespace

std::string sha256Hex(std::span<const uint8_t> bytes) {
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int size = 0;
  EVP_Digest(bytes.data(), bytes.size(), digest, &size, EVP_sha256(), nullptr);
  return hex(std::span<const uint8_t>(digest, size), "");
}

std::string transcriptText(const std::vector<FrameRecord> &frames) {
  std::string out;
  char head[64];
  for (const FrameRecord &r : frames) {
    std::snprintf(head, sizeof head, "%10.3f %s %-18s ", r.seconds, r.fromPhone ? "phone>pc" : "pc>phone",
                  std::string(codeName(r.frame.code)).c_str());
    out += head + hex(encodeFrame(r.frame.code, r.frame.data), " ") + "\n";
  }
  return out;
}

bool writeBackup(const std::filesystem::path &folder, const core::CDataStore &store,
                 const std::vector<FrameRecord> &frames, std::string &error) {
  std::error_code ec;
  std::filesystem::create_directories(folder / "frames", ec);
  std::vector<std::pair<std::string, std::string>> files = {
      {"phonebook.json", phonebookJson(store).dump(2) + "\n"},
      {"sms.json", smsJson(store).dump(2) + "\n"},
      {"alarms.json", alarmsJson(store).dump(2) + "\n"},
      {"phonebook.vcf", phonebookVCards(store)},
      {"phonebook.csv", phonebookCsv(store)},
      {"transcript.txt", transcriptText(frames)},
  };
  int number = 0;
  for (const FrameRecord &r : frames) {
    ++number;
    if (r.fromPhone) {
      char name[64];
      std::snprintf(name, sizeof name, "frames/%04d-%s.bin", number,
                    std::string(codeName(r.frame.code)).c_str());
      files.emplace_back(name, std::string(r.frame.data.begin(), r.frame.data.end()));
    }
  }
  std::string manifest;
  for (const auto &[name, contents] : files) {
    if (writeFileAtomically(folder / name, bytesOf(contents)) != DocResult::Ok) {
      error = text::fill(text::translate("pdx::link", "백업 파일을 쓸 수 없습니다: %1"),
                         {(folder / name).string()});
      return false;
    }
    manifest += sha256Hex(bytesOf(contents)) + "  " + name + "\n";
  }
  if (writeFileAtomically(folder / "MANIFEST.sha256", bytesOf(manifest)) != DocResult::Ok) {
    error = text::fill(text::translate("pdx::link", "백업 목록을 쓸 수 없습니다: %1"),
                       {(folder / "MANIFEST.sha256").string()});
    return false;
  }
  return true;
}

} // namespace pdx::link
