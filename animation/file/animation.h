// One animation of a .pca file: a named picture with its transition effect.
#pragma once

#include "animation/file/mono_picture.h"
#include "core/base/fixed_text.h"

#include <cstdint>

namespace pdx::animation {

class CAnimation : public CMonoPicture {
public:
  static constexpr size_t kNameBytes = 16;
  using Name = FixedText<kNameBytes>;

  uint16_t effect() const { return effect_; }
  // Setting the effect it already has leaves the modified flag alone.
  void setEffect(uint16_t code) {
    if (code != effect_) {
      effect_ = code;
      modified_ = true;
    }
  }

  const Name &name() const { return name_; }
  // Code page 949 bytes, cut at 16 bytes without splitting a character.
  void setName(std::string_view cp949) { name_.setWhole(cp949); }
  // Exactly the stored bytes (up to 16), as a file holds them.
  void setStoredName(std::string_view cp949) { name_.set(cp949); }

  bool modified() const { return modified_; }
  void setModified(bool modified = true) { modified_ = modified; }

private:
  uint16_t effect_ = 0;
  bool modified_ = false;
  Name name_;
};

} // namespace pdx::animation
