// The reporting periods of the connection list.
#include <algorithm>
#include <string>

#include "domain/calendar.h"

namespace ruvo {

std::string PeriodName(Period period) {
    switch (period) {
        case Period::WholeYear:
            return "Gesamtes Jahr";
        case Period::CurrentMonth:
            return "Aktueller Monat";
        case Period::CurrentWeek:
            return "Aktuelle Woche";
        case Period::Today:
            return "Heute";
        case Period::LastMonth:
            return "Letzter Monat";
        case Period::LastWeek:
            return "Letzte Woche";
        case Period::Yesterday:
            return "Gestern";
    }
    return "";
}

PeriodTest::PeriodTest(Period period, const platform::LocalDateTime& today) : period_(period) {
    const std::string t = TodayText(today);
    const int year = today.year;
    switch (period) {
        case Period::WholeYear:
            break;
        case Period::CurrentMonth:
        case Period::Today:
            day_ = t;
            break;
        case Period::CurrentWeek:
            weekDays_ = WeekDays(t, year);
            break;
        case Period::LastMonth:
            // The day before the first of this month lies in the previous month.
            day_ = PreviousDay("01." + MonthKey(t));
            break;
        case Period::LastWeek:
            weekDays_ = WeekDays(PreviousDay(WeekStart(t, year)), year);
            break;
        case Period::Yesterday:
            day_ = PreviousDay(t);
            break;
    }
}

bool PeriodTest::contains(const std::string& recordDate) const {
    switch (period_) {
        case Period::WholeYear:
            return true;
        case Period::CurrentMonth:
        case Period::LastMonth:
            return SameMonth(recordDate, day_);
        case Period::CurrentWeek:
        case Period::LastWeek:
            return std::find(weekDays_.begin(), weekDays_.end(), recordDate) != weekDays_.end();
        case Period::Today:
        case Period::Yesterday:
            return recordDate == day_;
    }
    return false;
}

bool InPeriod(Period period, const std::string& recordDate, const platform::LocalDateTime& today) {
    return PeriodTest(period, today).contains(recordDate);
}

}  // namespace ruvo
