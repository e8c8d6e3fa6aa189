#pragma once
// Moves the keyboard focus on as Tab would, for editors whose Enter key
// acts as Tab (the grid's "Enter moves on" option).

#include "platform/Controls.h"

namespace ctl {

// Focuses the next control after From, in tab order among its siblings
// (wrapping round), that is a tab stop and can take the focus. False when
// there is none.
bool FocusNextControl(plat::TWinControl& From);

}  // namespace ctl
