// What the options logic needs from the phone: the write of the whole
// options record, counting only when the phone accepted it.
#pragma once

#include "core/data/records.h"

namespace pdx::features {

class OptionsPhone {
public:
  virtual ~OptionsPhone() = default;
  virtual bool writeOptions(const core::PhoneOptions &options) = 0;
  // The password the link sends at later log-ons (four digits).
  virtual void usePassword(std::string_view digits) = 0;
};

} // namespace pdx::features
