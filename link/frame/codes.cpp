#include "link/frame/codes.h"

#include <array>

namespace pdx::link {
namespace {

// Who sends a code, and what the phone's PC_OK to a request means.
enum Traits : uint8_t {
  kFromProgram = 0,
  kFromPhone = 1,
  kQueued = 2, // its PC_OK is queued for the caller waiting for it
  kEnds = 4,   // its PC_OK ends the exchange (busy-end)
};

struct CodeEntry {
  std::string_view name;
  uint8_t traits;
};

// Indexed by the code.
constexpr std::array<CodeEntry, kCodeCount> kCodes = {{
    {"PC_PW_SET_REQ", kFromProgram},
    {"PC_OK", kFromPhone},
    {"PC_NG", kFromPhone},
    {"PC_PING", kFromProgram},
    {"PC_PONG", kFromPhone},
    {"PC_SMS_INDEX_REQ", kFromProgram},
    {"PC_SMS_INDEX_DATA", kFromPhone},
    {"PC_SMS_DATA_REQ", kFromProgram},
    {"PC_SMS_DATA_DATA", kFromPhone},
    {"PC_SMS_SET_REQ", kQueued | kEnds},
    {"PC_SMS_SEND_REQ", kQueued},
    {"PC_GRP_DATA_REQ", kFromProgram},
    {"PC_GRP_DATA_DATA", kFromPhone},
    {"PC_GRP_SET_REQ", kQueued | kEnds},
    {"PC_BK_INDEX_REQ", kFromProgram},
    {"PC_BK_INDEX_DATA", kFromPhone},
    {"PC_BK_DATA_REQ", kFromProgram},
    {"PC_BK_DATA_DATA", kFromPhone},
    {"PC_BK_SET_REQ", kQueued | kEnds},
    {"PC_BK_CALL_REQ", kQueued | kEnds},
    {"PC_MD_SET_REQ", kQueued | kEnds},
    {"PC_MD_PLAY_REQ", kQueued},
    {"PC_ANI_SET_REQ", kQueued | kEnds},
    {"PC_ALM_DATA_REQ", kFromProgram},
    {"PC_ALM_DATA_DATA", kFromPhone},
    {"PC_ALM_SET_REQ", kQueued},
    {"PC_OPT_DATA_REQ", kFromProgram},
    {"PC_OPT_DATA_DATA", kFromPhone},
    {"PC_OPT_SET_REQ", kQueued},
    {"PC_PING2", kFromProgram},
    {"PC_MBK_INDEX_REQ", kFromProgram},
    {"PC_MBK_INDEX_DATA", kFromPhone},
    {"PC_MBK_DATA_REQ", kFromProgram},
    {"PC_MBK_DATA_DATA", kFromPhone},
    {"PC_MBK_SET_REQ", kQueued | kEnds},
    {"PC_SKEY_DATA_REQ", kFromProgram},
    {"PC_SKEY_DATA_DATA", kFromPhone},
    {"PC_SKEY_SET_REQ", kQueued | kEnds},
    {"PC_MGRP_DATA_REQ", kFromProgram},
    {"PC_MGRP_SET_REQ", kQueued | kEnds},
}};

bool hasTrait(int code, uint8_t trait) {
  return code >= 0 && code < kCodeCount && (kCodes[static_cast<size_t>(code)].traits & trait) != 0;
}

CodeSet setOf(bool wantFromPhone) {
  CodeSet set;
  for (int code = 0; code < kCodeCount; ++code) {
    set[static_cast<size_t>(code)] = hasTrait(code, kFromPhone) == wantFromPhone;
  }
  return set;
}

} // namespace

std::string_view codeName(int code) {
  return code >= 0 && code < kCodeCount ? kCodes[static_cast<size_t>(code)].name : std::string_view("?");
}

int codeFromName(std::string_view name) {
  for (int code = 0; code < kCodeCount; ++code) {
    if (kCodes[static_cast<size_t>(code)].name == name) {
      return code;
    }
  }
  return -1;
}

const CodeSet &codesFromPhone() {
  static const CodeSet set = setOf(true);
  return set;
}

const CodeSet &codesFromProgram() {
  static const CodeSet set = setOf(false);
  return set;
}

bool isQueuedAcceptance(int code) {
  return hasTrait(code, kQueued);
}

bool endsExchange(int code) {
  return hasTrait(code, kEnds);
}

} // namespace pdx::link
