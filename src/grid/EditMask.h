#pragma once
// The grid's editors type through the edits' masks.

#include "controls/EditMask.h"

namespace grid {
using ctl::MaskEraseKey;
using ctl::MaskTypeChar;
using ctl::TEditMaskText;
}  // namespace grid
