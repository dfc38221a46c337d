// Random numbers for the spray pattern and the dots effects, behind an
// interface so that tests can make them predictable.
#pragma once

#include <cstdint>
#include <random>

namespace pdx::animation {

class RandomSource {
public:
  virtual ~RandomSource() = default;
  // A number from 0 to bound - 1; bound is at least 1.
  virtual uint32_t below(uint32_t bound) = 0;
};

// The generator the programs use: seeded from the system once.
class SystemRandom final : public RandomSource {
public:
  SystemRandom() : engine_(std::random_device{}()) {}
  explicit SystemRandom(uint32_t seed) : engine_(seed) {}
  uint32_t below(uint32_t bound) override {
    return std::uniform_int_distribution<uint32_t>(0, bound - 1)(engine_);
  }

private:
  std::mt19937 engine_;
};

} // namespace pdx::animation
