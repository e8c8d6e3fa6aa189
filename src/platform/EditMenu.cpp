// The single-line edit's own menu and the clipboard messages its entries
// send.
#include <QLineEdit>

#include "platform/Clipboard.h"
#include "platform/Menus.h"
#include "platform/Messages.h"
#include "platform/NativeBridge.h"
#include "platform/StdCtrls.h"

namespace plat {

void TEdit::PopupEditMenu(TPoint ScreenPoint) {
    if (FEditMenu == nullptr) {
        FEditMenu = new TPopupMenu(this);
        auto send = [this](unsigned Msg) { return [this, Msg](TObject*) { Perform(Msg); }; };
        FEditMenu->Items() = {{"Undo", send(WM_UNDO)},   {"Cut", send(WM_CUT)},
                              {"Copy", send(WM_COPY)},   {"Paste", send(WM_PASTE)},
                              {"Delete", send(WM_CLEAR)}, {"Select All", [this](TObject*) { SelectAll(); }}};
    }
    FEditMenu->Popup(ScreenPoint.X, ScreenPoint.Y);
}

void TEdit::Dispatch(TMessage& Message) {
    auto* w = qobject_cast<QLineEdit*>(TNativeAccess::Widget(*this));
    if (w == nullptr || FMultiLine) {
        TWinControl::Dispatch(Message);
        return;
    }
    switch (Message.Msg) {
        case WM_UNDO: if (!FReadOnly) w->undo(); break;
        case WM_CUT: if (!FReadOnly && FPasswordChar == 0) w->cut(); break;
        case WM_COPY: if (FPasswordChar == 0) w->copy(); break;
        case WM_PASTE:
            if (!FReadOnly) {
                bool handled = false;
                if (OnPaste) OnPaste(this, Clipboard().AsText(), handled);
                if (!handled) w->paste();
            }
            break;
        case WM_CLEAR: if (!FReadOnly) w->del(); break;
        default: TWinControl::Dispatch(Message); break;
    }
}

void TEdit::KeyDown(unsigned short& Key, TShiftState Shift) {
    const bool paste = (Key == 'V' && (Shift & ssCtrl) && !(Shift & ssAlt)) ||
                       (Key == VK_INSERT && (Shift & ssShift) && !(Shift & ssCtrl));
    if (paste && OnPaste && !FMultiLine) {
        Key = 0;
        Perform(WM_PASTE);
        return;
    }
    TWinControl::KeyDown(Key, Shift);
}

}  // namespace plat
