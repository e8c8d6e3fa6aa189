// The focus mark of a drop-down edit that cannot be typed in: without a
// caret, the highlighted text is the only sign that keys go to it.

#include "controls/ExtDropDown.h"

#include <algorithm>

#include "platform/FocusPolicy.h"
#include "platform/Messages.h"

namespace ctl {

using namespace plat;

namespace {

// Lies over the text area while the mark shows.
class TFocusMark : public TCustomControl {
public:
    TFocusMark(TComponent* AOwner, TExtCustomDropDown* Edit) : TCustomControl(AOwner), FEdit(Edit) {}

protected:
    void Paint() override {
        TCanvas& c = Canvas();
        const TRect r = Rect(0, 0, Width(), Height());
        c.Brush().SetStyle(bsSolid);
        c.Brush().SetColor(clHighlight);
        c.Pen().SetColor(clBlack);
        c.Rectangle(r);
        c.SetFont(FEdit->Font());
        c.Font().SetColor(clHighlightText);
        c.Brush().SetStyle(bsClear);
        TRect t = Rect(r.Left + 2, r.Top, r.Right - 3, r.Bottom);
        c.DrawText(FEdit->GetText(), t, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    // The mouse acts on the edit below (a track bar drags its value
    // there), as if the mark were not there.
    void Dispatch(TMessage& Message) override {
        if (Message.Msg == WM_MOUSEWHEEL) {  // screen coordinates: as they are
            FEdit->WndProc(Message);
            return;
        }
        if (Message.Msg < WM_MOUSEMOVE || Message.Msg > WM_MBUTTONDBLCLK) {
            TCustomControl::Dispatch(Message);
            return;
        }
        TMessage m = Message;
        m.LParam = MakeLParam(LoWordSigned(Message.LParam) + Left(), HiWordSigned(Message.LParam) + Top());
        FEdit->WndProc(m);
        Message.Result = m.Result;
    }

private:
    TExtCustomDropDown* FEdit;
};

}  // namespace

void TExtCustomDropDown::SetFocusDraw(bool Value) {
    FFocusDraw = Value;
    UpdateFocusMark();
}

bool TExtCustomDropDown::FocusMarkShown() const { return FFocusMark != nullptr && FFocusMark->Visible(); }

void TExtCustomDropDown::UpdateFocusMark() {
    const bool show = FFocusDraw && !FEditorEnabled && !PaintsOwnFocusMark() && Focused();
    if (!show) {
        if (FFocusMark != nullptr) FFocusMark->SetVisible(false);
        return;
    }
    if (FFocusMark == nullptr) {
        FFocusMark = new TFocusMark(this, this);
        FFocusMark->SetParent(this);
        plat::SetNeverFocused(*FFocusMark);
    }
    FFocusMark->SetBounds(2, 2, std::max(0, Width() - DropDownButtonWidth() - 3), std::max(0, Height() - 4));
    FFocusMark->SetVisible(true);
    FFocusMark->Invalidate();
}

// Entering and leaving also redraw the frame, whose colour and flat look
// follow the focus.
void TExtCustomDropDown::DoEnter() {
    TEdit::DoEnter();
    UpdateFocusMark();
    Invalidate();
    UpdateButtonFocus();
}

void TExtCustomDropDown::DoExit() {
    TEdit::DoExit();
    UpdateFocusMark();
    Invalidate();
    UpdateButtonFocus();
}

void TExtCustomDropDown::Change() {
    TEdit::Change();
    if (FocusMarkShown()) FFocusMark->Invalidate();
}

}  // namespace ctl
