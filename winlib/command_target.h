// What a skinned window offers its child controls: a place to send commands.
// A command carries the control's identifier and a notification code: 0 for
// the command itself, 6 when the pointer enters a bitmap button and 7 when
// it leaves (pages show and hide the button's tooltip text with them).
#pragma once

namespace pdx::winlib {

inline constexpr int kNotifyCommand = 0;
inline constexpr int kNotifyEnter = 6;
inline constexpr int kNotifyLeave = 7;

class CommandTarget {
public:
  virtual ~CommandTarget() = default;
  virtual void OnCommand(int id, int code) = 0;
};

} // namespace pdx::winlib
