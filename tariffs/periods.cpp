// The reporting periods of the connection list.
#include <string>

#include "tariffs/calendar.h"

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

bool InPeriod(Period period, const std::string& recordDate, const platform::LocalDateTime& today) {
    const std::string t = TodayText(today);
    const int year = today.year;
    switch (period) {
        case Period::WholeYear:
            return true;
        case Period::CurrentMonth:
            return SameMonth(recordDate, t);
        case Period::CurrentWeek:
            return SameWeek(recordDate, t, year);
        case Period::Today:
            return recordDate == t;
        case Period::LastMonth: {
            // The day before the first of this month lies in the previous month.
            const std::string lastOfPrevious = PreviousDay("01." + MonthKey(t));
            return SameMonth(recordDate, "01." + MonthKey(lastOfPrevious));
        }
        case Period::LastWeek:
            return SameWeek(recordDate, PreviousDay(WeekStart(t, year)), year);
        case Period::Yesterday:
            return recordDate == PreviousDay(t);
    }
    return false;
}

}  // namespace ruvo
