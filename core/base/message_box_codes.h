// The kinds and answers of a message box, numbered as the window library
// shows them and as the editors' cores ask for them: the low four bits of a
// kind choose the buttons, the next four the icon.
#pragma once

#include <cstdint>

namespace pdx {

enum MessageBoxType : uint32_t {
  kMbOk = 0x0,
  kMbOkCancel = 0x1,
  kMbYesNoCancel = 0x3,
  kMbYesNo = 0x4,
  kMbRetryCancel = 0x5,
  kMbIconStop = 0x10,
  kMbIconQuestion = 0x20,
  kMbIconExclamation = 0x30,
  kMbIconInformation = 0x40,
};

// The button pressed.
enum MessageBoxResult : int {
  kIdOk = 1,
  kIdCancel = 2,
  kIdRetry = 4,
  kIdYes = 6,
  kIdNo = 7,
};

} // namespace pdx
