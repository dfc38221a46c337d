// A page of the phone-data program: a skinned window that replaces the
// previous page, with the link status indicator at its bottom left.
#pragma once

#include "winlib/bmp_wnd.h"

namespace pdx::pelodex {

class PelodexPage : public winlib::CBmpWnd {
  Q_OBJECT

public:
  using winlib::CBmpWnd::CBmpWnd;
};

} // namespace pdx::pelodex
