#pragma once
// A month view: the days of one month in weeks, with the month and year
// to page through above them. Arrow keys move the chosen day, Page Up and
// Page Down the month; a click on a day or Enter picks it.

#include "platform/Controls.h"

namespace plat {

class TMonthCalendar : public TWinControl {
public:
    explicit TMonthCalendar(TComponent* AOwner);
    // The chosen day; SetDate also shows its month and fires nothing.
    int Year() const;
    int Month() const;
    int Day() const;
    void SetDate(int Year, int Month, int Day);
    // The month on show (paging does not move the chosen day).
    int ShownYear() const;
    int ShownMonth() const;
    // The day drawn at the client point (X, Y); false where no day is.
    bool DateAt(int X, int Y, int& Year, int& Month, int& Day) const;
    // The client point in the middle of a day of the month on show; false
    // when that day is not drawn.
    bool PointOfDay(int Year, int Month, int Day, int& X, int& Y) const;

    // The week numbers down the left (off at first); the "Today:" line
    // below the days, a click on it picking today (on); the ring round
    // today's day (on).
    bool WeekNumbers() const { return FWeekNumbers; }
    void SetWeekNumbers(bool Value);
    bool ShowToday() const { return FShowToday; }
    void SetShowToday(bool Value);
    bool ShowTodayCircle() const { return FShowTodayCircle; }
    void SetShowTodayCircle(bool Value);
    // The client point in the middle of the "Today:" line; false while it
    // is hidden.
    bool TodayPoint(int& X, int& Y) const;
    // The size that shows every part (width, height).
    TPoint PreferredSize() const;

    // The user moved the chosen day (keys, clicks, paging by keys).
    TNotifyEvent OnChange;
    // The user picked the chosen day: a click on a day, or Enter.
    TNotifyEvent OnPick;

private:
    bool FWeekNumbers = false;
    bool FShowToday = true;
    bool FShowTodayCircle = true;
};

}  // namespace plat
