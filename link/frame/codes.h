// The message codes of the phone link: one byte per frame, the index of the
// name in the table of 40.
#pragma once

#include <bitset>
#include <cstdint>
#include <string_view>

namespace pdx::link {

enum Code : uint8_t {
  PC_PW_SET_REQ = 0,
  PC_OK = 1,
  PC_NG = 2,
  PC_PING = 3,
  PC_PONG = 4,
  PC_SMS_INDEX_REQ = 5,
  PC_SMS_INDEX_DATA = 6,
  PC_SMS_DATA_REQ = 7,
  PC_SMS_DATA_DATA = 8,
  PC_SMS_SET_REQ = 9,
  PC_SMS_SEND_REQ = 10,
  PC_GRP_DATA_REQ = 11,
  PC_GRP_DATA_DATA = 12,
  PC_GRP_SET_REQ = 13,
  PC_BK_INDEX_REQ = 14,
  PC_BK_INDEX_DATA = 15,
  PC_BK_DATA_REQ = 16,
  PC_BK_DATA_DATA = 17,
  PC_BK_SET_REQ = 18,
  PC_BK_CALL_REQ = 19,
  PC_MD_SET_REQ = 20,
  PC_MD_PLAY_REQ = 21,
  PC_ANI_SET_REQ = 22,
  PC_ALM_DATA_REQ = 23,
  PC_ALM_DATA_DATA = 24,
  PC_ALM_SET_REQ = 25,
  PC_OPT_DATA_REQ = 26,
  PC_OPT_DATA_DATA = 27,
  PC_OPT_SET_REQ = 28,
  PC_PING2 = 29,
  PC_MBK_INDEX_REQ = 30,
  PC_MBK_INDEX_DATA = 31,
  PC_MBK_DATA_REQ = 32,
  PC_MBK_DATA_DATA = 33,
  PC_MBK_SET_REQ = 34,
  PC_SKEY_DATA_REQ = 35,
  PC_SKEY_DATA_DATA = 36,
  PC_SKEY_SET_REQ = 37,
  PC_MGRP_DATA_REQ = 38,
  PC_MGRP_SET_REQ = 39,
};

inline constexpr int kCodeCount = 40;

// The code's name ("PC_MBK_DATA_REQ"), or "?" for a code outside the table.
std::string_view codeName(int code);
// The code whose name is `name`, or -1.
int codeFromName(std::string_view name);

using CodeSet = std::bitset<256>;

// Codes the program accepts from the phone; frames with others are dropped.
const CodeSet &codesFromPhone();
// Codes the phone accepts from the program (every request of the table).
const CodeSet &codesFromProgram();

// Requests whose PC_OK is queued for the caller waiting for it.
bool isQueuedAcceptance(int code);
// Requests whose PC_OK ends the exchange (busy-end).
bool endsExchange(int code);

} // namespace pdx::link
