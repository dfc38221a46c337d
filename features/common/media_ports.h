// What the melody and animation pages need from the outside: the phone's
// melody and animation slots, the user, and the program launcher that
// starts the editors. The pages implement them; tests script them.
#pragma once

#include "core/base/program_messages.h"

#include <cstdint>
#include <span>
#include <string>

namespace pdx::features {

class MediaPhone {
public:
  virtual ~MediaPhone() = default;
  // Each counts only when the phone accepted it.
  virtual bool sendMelody(std::span<const uint8_t> payload) = 0;
  virtual bool sendAnimation(std::span<const uint8_t> payload) = 0;
};

class MediaUser {
public:
  virtual ~MediaUser() = default;
  // A message box with OK (UTF-8 text); `error` gives it the stop icon.
  virtual void tell(const std::string &message, bool error) = 0;
};

class ProgramStarter {
public:
  virtual ~ProgramStarter() = default;
  // Starts `program` (found beside this program, then on PATH); "" when it
  // started, otherwise the message for the user naming `displayName`.
  virtual std::string start(const std::string &program, const std::string &displayName) = 0;
};

} // namespace pdx::features
