#pragma once
// Controls that must never hold the keyboard focus.

#include "platform/Controls.h"

namespace plat {

// The control never takes the focus, not even by a click: a decoration
// lying over another control leaves the focus where it is.
void SetNeverFocused(TWinControl& Control);

}  // namespace plat
