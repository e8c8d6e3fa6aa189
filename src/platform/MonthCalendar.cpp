#include "platform/MonthCalendar.h"

#include <QCalendarWidget>
#include <QDate>
#include <QLayout>
#include <QPainter>
#include <QSignalBlocker>
#include <QTableView>
#include <QToolButton>

#include "base/DateTime.h"
#include "platform/NativeBridge.h"

namespace plat {

namespace {

// The toolkit's calendar with a red ring round today's day.
class TRingCalendar : public QCalendarWidget {
public:
    bool Ring = true;

protected:
    void paintCell(QPainter* painter, const QRect& rect, QDate date) const override {
        QCalendarWidget::paintCell(painter, rect, date);
        if (!Ring || date != QDate::currentDate()) return;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(QColor(255, 0, 0), 1.5));
        painter->setBrush(Qt::NoBrush);
        painter->drawEllipse(QRectF(rect).adjusted(1.5, 1.5, -1.5, -1.5));
        painter->restore();
    }
};

QCalendarWidget* CalendarOf(const TMonthCalendar& c) {
    return static_cast<QCalendarWidget*>(TNativeAccess::Widget(c));
}

QTableView* DaysOf(const TMonthCalendar& c) { return CalendarOf(c)->findChild<QTableView*>(); }

}  // namespace

TMonthCalendar::TMonthCalendar(TComponent* AOwner) : TWinControl(AOwner) {
    auto* w = new TRingCalendar;
    w->setGridVisible(false);
    w->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    w->setAccessibleName("Month calendar");
    QObject::connect(w, &QCalendarWidget::selectionChanged, w, [this] {
        SafeCall([this] {
            if (OnChange) OnChange(this);
        });
    });
    auto pick = [this](QDate) {
        SafeCall([this] {
            if (OnPick) OnPick(this);
        });
    };
    QObject::connect(w, &QCalendarWidget::clicked, w, pick);
    QObject::connect(w, &QCalendarWidget::activated, w, pick);
    // "Today:" under the days: a click on it picks today.
    auto* today = new QToolButton(w);
    today->setObjectName("today");
    today->setAutoRaise(true);
    today->setFocusPolicy(Qt::NoFocus);
    today->setText(QString::fromUtf8(("Today: " + base::DateToStr(base::Date())).c_str()));
    if (w->layout() != nullptr) w->layout()->addWidget(today);
    QObject::connect(today, &QToolButton::clicked, w, [w, pick] {
        w->setSelectedDate(QDate::currentDate());
        pick(QDate::currentDate());
    });
    TNativeAccess::Bind(*this, w);
    // The days take the focus and the keys: they reach the control's own
    // key handling (OnKeyDown) first.
    if (QTableView* days = w->findChild<QTableView*>()) TNativeAccess::Watch(*this, days);
    SetBounds(0, 0, w->sizeHint().width(), w->sizeHint().height());
    SetTabStop(true);
}

void TMonthCalendar::SetWeekNumbers(bool Value) {
    FWeekNumbers = Value;
    CalendarOf(*this)->setVerticalHeaderFormat(Value ? QCalendarWidget::ISOWeekNumbers
                                                     : QCalendarWidget::NoVerticalHeader);
}

void TMonthCalendar::SetShowToday(bool Value) {
    FShowToday = Value;
    if (auto* today = CalendarOf(*this)->findChild<QToolButton*>("today")) today->setVisible(Value);
}

void TMonthCalendar::SetShowTodayCircle(bool Value) {
    FShowTodayCircle = Value;
    static_cast<TRingCalendar*>(CalendarOf(*this))->Ring = Value;
    CalendarOf(*this)->update();
}

bool TMonthCalendar::TodayPoint(int& X, int& Y) const {
    auto* today = CalendarOf(*this)->findChild<QToolButton*>("today");
    if (today == nullptr || today->isHidden()) return false;
    const QPoint p = today->mapTo(CalendarOf(*this), today->rect().center());
    X = p.x();
    Y = p.y();
    return true;
}

TPoint TMonthCalendar::PreferredSize() const {
    const QSize s = CalendarOf(*this)->sizeHint();
    return {s.width(), s.height()};
}

int TMonthCalendar::Year() const { return CalendarOf(*this)->selectedDate().year(); }
int TMonthCalendar::Month() const { return CalendarOf(*this)->selectedDate().month(); }
int TMonthCalendar::Day() const { return CalendarOf(*this)->selectedDate().day(); }
int TMonthCalendar::ShownYear() const { return CalendarOf(*this)->yearShown(); }
int TMonthCalendar::ShownMonth() const { return CalendarOf(*this)->monthShown(); }

void TMonthCalendar::SetDate(int Year, int Month, int Day) {
    QCalendarWidget* w = CalendarOf(*this);
    const QSignalBlocker quiet(w);
    w->setSelectedDate(QDate(Year, Month, Day));
    w->setCurrentPage(Year, Month);
}

bool TMonthCalendar::DateAt(int X, int Y, int& Year, int& Month, int& Day) const {
    QTableView* view = DaysOf(*this);
    if (view == nullptr) return false;
    const QPoint p = view->viewport()->mapFrom(CalendarOf(*this), QPoint(X, Y));
    const QModelIndex i = view->indexAt(p);
    // The first row names the weekdays; the first column numbers the
    // weeks when they are shown.
    if (!i.isValid() || i.row() == 0 || (FWeekNumbers && i.column() == 0)) return false;
    QCalendarWidget* w = CalendarOf(*this);
    const int day = i.data(Qt::DisplayRole).toInt();
    if (day <= 0) return false;
    QDate first(w->yearShown(), w->monthShown(), 1);
    // Rows 1..6 show whole weeks: a small number in the first rows belongs
    // to the month before, a large one in the last rows to the month after.
    QDate d = first;
    if (i.row() <= 2 && day > 20) d = first.addMonths(-1);
    else if (i.row() >= 5 && day < 15) d = first.addMonths(1);
    Year = d.year();
    Month = d.month();
    Day = day;
    return true;
}

bool TMonthCalendar::PointOfDay(int Year, int Month, int Day, int& X, int& Y) const {
    QTableView* view = DaysOf(*this);
    if (view == nullptr || view->model() == nullptr) return false;
    const QAbstractItemModel* m = view->model();
    for (int r = 1; r < m->rowCount(); ++r)
        for (int c = 0; c < m->columnCount(); ++c) {
            const QRect cell = view->visualRect(m->index(r, c));
            if (!cell.isValid()) continue;
            const QPoint p = view->viewport()->mapTo(CalendarOf(*this), cell.center());
            int y = 0, mo = 0, d = 0;
            if (DateAt(p.x(), p.y(), y, mo, d) && y == Year && mo == Month && d == Day) {
                X = p.x();
                Y = p.y();
                return true;
            }
        }
    return false;
}

}  // namespace plat
