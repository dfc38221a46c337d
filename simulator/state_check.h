// The rules a simulated phone's stored data must keep, checked when a state
// file is loaded, so that a damaged file is refused with the place of the
// fault instead of being served to the program.
#pragma once

#include "simulator/phone_model.h"

#include <string>

namespace pdx::simulator {

// The first fault of `state` as "field[index]: what is wrong", or empty
// when the state is sound: every record has its wire length (or is empty),
// names its own slot, and keeps its flags and lengths within their fields.
std::string stateFault(const PhoneState &state);

} // namespace pdx::simulator
