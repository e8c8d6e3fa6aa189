#include "controls/FocusNext.h"

namespace ctl {

bool FocusNextControl(plat::TWinControl& From) {
    plat::TWinControl* parent = From.Parent();
    if (!parent) return false;
    const int count = parent->ControlCount();
    int self = -1;
    for (int i = 0; i < count; ++i)
        if (parent->Controls(i) == &From) self = i;
    for (int step = 1; step < count; ++step) {
        auto* next = dynamic_cast<plat::TWinControl*>(parent->Controls((self + step) % count));
        if (next && next->TabStop() && next->CanFocus()) {
            next->SetFocus();
            return true;
        }
    }
    return false;
}

}  // namespace ctl
