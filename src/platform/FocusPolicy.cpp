#include "platform/FocusPolicy.h"

#include "platform/NativeBridge.h"

namespace plat {

void SetNeverFocused(TWinControl& Control) {
    if (QWidget* w = TNativeAccess::Widget(Control)) w->setFocusPolicy(Qt::NoFocus);
}

}  // namespace plat
