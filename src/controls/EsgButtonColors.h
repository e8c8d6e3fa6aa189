#pragma once
// The colours of the drop-down, spin and ellipsis buttons the in-cell editors
// draw themselves. clNone in ButtonColor keeps the classic frame-control look;
// any other value draws the button flat in these colours.

#include "platform/Graphics.h"

namespace ctl {

struct TEsgButtonColors {
    plat::TColor ButtonColor = plat::clNone;
    plat::TColor ButtonColorHot = plat::clNone;
    plat::TColor ButtonColorDown = plat::clNone;
    plat::TColor ButtonTextColor = plat::clNone;
    plat::TColor ButtonTextColorHot = plat::clNone;
    plat::TColor ButtonTextColorDown = plat::clNone;
    plat::TColor ButtonBorderColor = plat::clNone;
};

}  // namespace ctl
