#pragma once
// The month view a date field drops down below itself: a borderless
// pop-up holding a month calendar. A click on a day, Enter, F4 or Alt+Up
// picks the chosen day; Esc or a click elsewhere closes it unchanged. The
// focus goes back to the field either way.

#include <functional>

#include "base/DateTime.h"
#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/MonthCalendar.h"

namespace ctl {

class TMonthDropDown : public plat::TComponent {
public:
    // Field: the control the view drops down from, and its owner.
    explicit TMonthDropDown(plat::TWinControl* Field);
    bool DroppedDown() const;
    // Opens below the field (above it where the screen ends) on the day of
    // Date. A click on the field's button that has just closed the view
    // (its window lost the activation) does not open it again.
    void Open(base::TDateTime Date);
    void Close(bool Accept);
    plat::TMonthCalendar* Calendar() const { return FCalendar; }
    plat::TForm* Form() const { return FForm; }

    // Called on each opening before the view is sized, to set how the
    // calendar shows.
    std::function<void(plat::TMonthCalendar&)> OnPrepare;
    // A day was picked; the view is closed already.
    std::function<void(int Year, int Month, int Day)> OnPick;
    // The view closed, picked or not; after OnPick.
    std::function<void()> OnCloseUp;

private:
    plat::TWinControl* FField;
    plat::TForm* FForm = nullptr;
    plat::TMonthCalendar* FCalendar = nullptr;
    long long FClosedAt = 0;  // when a click elsewhere last closed the view
};

}  // namespace ctl
