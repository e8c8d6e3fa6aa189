#include "controls/MonthDropDown.h"

#include <algorithm>

#include "controls/ExtDropDown.h"
#include "platform/Application.h"
#include "platform/Messages.h"
#include "platform/Process.h"

namespace ctl {

using namespace plat;

namespace {
// A click on the button of an open view first closes it (the view loses
// the activation); the same click must not open it again.
constexpr int kReopenGuardMs = 250;
}  // namespace

TMonthDropDown::TMonthDropDown(TWinControl* Field) : TComponent(Field), FField(Field) {}

bool TMonthDropDown::DroppedDown() const { return FForm != nullptr && FForm->Visible(); }

void TMonthDropDown::Open(base::TDateTime Date) {
    if (DroppedDown() || TickCountMs() - FClosedAt <= kReopenGuardMs) return;
    if (FForm == nullptr) {
        FForm = new TForm(this);
        FForm->SetBorderStyle(bsNone);
        FCalendar = new TMonthCalendar(FForm);
        FCalendar->SetParent(FForm);
        FCalendar->SetAlign(alClient);
        FCalendar->OnPick = [this](TObject*) { Close(true); };
        FCalendar->OnKeyDown = [this](TObject*, unsigned short& Key, TShiftState Shift) {
            if (Key == VK_ESCAPE) Close(false);
            else if (Key == VK_F4 || ((Shift & ssAlt) && Key == VK_UP)) Close(true);
            else return;
            Key = 0;
        };
        FForm->OnDeactivate = [this](TObject*) {
            if (!DroppedDown()) return;
            FClosedAt = TickCountMs();
            Close(false);
        };
    }
    if (OnPrepare) OnPrepare(*FCalendar);
    const base::TDateParts d = base::DecodeDate(Date);
    FCalendar->SetDate(d.year, d.month, d.day);
    const TPoint size = FCalendar->PreferredSize();
    const int w = std::max(size.X, 200), h = std::max(size.Y, 150);
    const TPoint p = FField->Parent() != nullptr ? FField->Parent()->ClientToScreen(TPoint{FField->Left(), FField->Top()})
                                                 : FField->ClientToScreen(TPoint{0, 0});
    const TPoint at =
        PlaceDropDown(p, FField->Height(), w, h, dpAuto, GetSystemMetrics(SM_CYSCREEN), Screen->WorkAreaRect());
    FForm->SetBounds(at.X, at.Y, w, h);
    FForm->Show();
    FCalendar->SetFocus();
    FField->Invalidate();
}

void TMonthDropDown::Close(bool Accept) {
    if (!DroppedDown()) return;
    FForm->Hide();
    FField->Invalidate();
    if (!FField->Destroying() && FField->CanFocus()) FField->SetFocus();
    if (Accept && OnPick) OnPick(FCalendar->Year(), FCalendar->Month(), FCalendar->Day());
    if (OnCloseUp) OnCloseUp();
}

}  // namespace ctl
