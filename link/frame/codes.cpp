#include "link/frame/codes.h"

#include <array>
#include <initializer_list>

namespace pdx::link {
namespace {

constexpr std::array<std::string_view, kCodeCount> kNames = {
    "PC_PW_SET_REQ",
    "PC_OK",
    "PC_NG",
    "PC_PING",
    "PC_PONG",
    "PC_SMS_INDEX_REQ",
    "PC_SMS_INDEX_DATA",
    "PC_SMS_DATA_REQ",
    "PC_SMS_DATA_DATA",
    "PC_SMS_SET_REQ",
    "PC_SMS_SEND_REQ",
    "PC_GRP_DATA_REQ",
    "PC_GRP_DATA_DATA",
    "PC_GRP_SET_REQ",
    "PC_BK_INDEX_REQ",
    "PC_BK_INDEX_DATA",
    "PC_BK_DATA_REQ",
    "PC_BK_DATA_DATA",
    "PC_BK_SET_REQ",
    "PC_BK_CALL_REQ",
    "PC_MD_SET_REQ",
    "PC_MD_PLAY_REQ",
    "PC_ANI_SET_REQ",
    "PC_ALM_DATA_REQ",
    "PC_ALM_DATA_DATA",
    "PC_ALM_SET_REQ",
    "PC_OPT_DATA_REQ",
    "PC_OPT_DATA_DATA",
    "PC_OPT_SET_REQ",
    "PC_PING2",
    "PC_MBK_INDEX_REQ",
    "PC_MBK_INDEX_DATA",
    "PC_MBK_DATA_REQ",
    "PC_MBK_DATA_DATA",
    "PC_MBK_SET_REQ",
    "PC_SKEY_DATA_REQ",
    "PC_SKEY_DATA_DATA",
    "PC_SKEY_SET_REQ",
    "PC_MGRP_DATA_REQ",
    "PC_MGRP_SET_REQ",
};

CodeSet makeSet(std::initializer_list<int> codes) {
  CodeSet set;
  for (int code : codes) {
    set.set(static_cast<size_t>(code));
  }
  return set;
}

} // namespace

std::string_view codeName(int code) {
  return code >= 0 && code < kCodeCount ? kNames[static_cast<size_t>(code)] : std::string_view("?");
}

int codeFromName(std::string_view name) {
  for (int code = 0; code < kCodeCount; ++code) {
    if (kNames[static_cast<size_t>(code)] == name) {
      return code;
    }
  }
  return -1;
}

const CodeSet &codesFromPhone() {
  static const CodeSet set =
      makeSet({PC_OK, PC_NG, PC_PONG, PC_SMS_INDEX_DATA, PC_SMS_DATA_DATA, PC_GRP_DATA_DATA, PC_BK_INDEX_DATA,
               PC_BK_DATA_DATA, PC_ALM_DATA_DATA, PC_OPT_DATA_DATA, PC_MBK_INDEX_DATA, PC_MBK_DATA_DATA,
               PC_SKEY_DATA_DATA});
  return set;
}

const CodeSet &codesFromProgram() {
  static const CodeSet set = [] {
    CodeSet all;
    for (int code = 0; code < kCodeCount; ++code) {
      all.set(static_cast<size_t>(code));
    }
    return all & ~codesFromPhone();
  }();
  return set;
}

bool isQueuedAcceptance(int code) {
  static const CodeSet set =
      makeSet({PC_SMS_SET_REQ, PC_SMS_SEND_REQ, PC_GRP_SET_REQ, PC_BK_SET_REQ, PC_BK_CALL_REQ, PC_MD_SET_REQ,
               PC_MD_PLAY_REQ, PC_ANI_SET_REQ, PC_ALM_SET_REQ, PC_OPT_SET_REQ, PC_MBK_SET_REQ,
               PC_SKEY_SET_REQ, PC_MGRP_SET_REQ});
  return code >= 0 && code < 256 && set.test(static_cast<size_t>(code));
}

bool endsExchange(int code) {
  static const CodeSet set =
      makeSet({PC_SMS_SET_REQ, PC_GRP_SET_REQ, PC_BK_SET_REQ, PC_BK_CALL_REQ, PC_MD_SET_REQ, PC_ANI_SET_REQ,
               PC_MBK_SET_REQ, PC_SKEY_SET_REQ, PC_MGRP_SET_REQ});
  return code >= 0 && code < 256 && set.test(static_cast<size_t>(code));
}

} // namespace pdx::link
