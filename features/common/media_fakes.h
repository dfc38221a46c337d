// Scripted stand-ins for the phone, the user and the launcher in tests of
// the melody and animation pages.
#pragma once

#include "features/common/media_ports.h"

#include <utility>
#include <vector>

namespace pdx::features::testing {

class FakeMediaPhone : public MediaPhone {
public:
  bool sendMelody(std::span<const uint8_t> payload) override {
    melodies.emplace_back(payload.begin(), payload.end());
    return accept;
  }
  bool sendAnimation(std::span<const uint8_t> payload) override {
    animations.emplace_back(payload.begin(), payload.end());
    return accept;
  }
  bool accept = true;
  std::vector<std::vector<uint8_t>> melodies;
  std::vector<std::vector<uint8_t>> animations;
};

class FakeMediaUser : public MediaUser {
public:
  void tell(const std::string &message, bool error) override { told.emplace_back(message, error); }
  std::vector<std::pair<std::string, bool>> told;
};

class FakeStarter : public ProgramStarter {
public:
  std::string start(const std::string &program, const std::string &displayName) override {
    started.emplace_back(program, displayName);
    return answer;
  }
  std::string answer;
  std::vector<std::pair<std::string, std::string>> started;
};

} // namespace pdx::features::testing
