#include "domain/calendar.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <set>
#include <string>
#include <vector>

namespace ruvo {
namespace {

using platform::LocalDateTime;

constexpr std::int64_t kCycleDays = 36525;

std::string NaiveAdd(std::string date, std::int64_t n) {
    for (std::int64_t i = 0; i < n; ++i) {
        date = NextDay(date);
    }
    return date;
}

struct DayStep {
    const char* date;
    const char* next;
};

TEST(Calendar, NextAndPreviousDayAcrossMonthYearAndLeapBoundaries) {
    const std::vector<DayStep> steps = {
        {"31.12.99", "01.01.00"}, {"31.12.98", "01.01.99"}, {"28.02.00", "29.02.00"},
        {"29.02.00", "01.03.00"}, {"28.02.99", "01.03.99"}, {"28.02.96", "29.02.96"},
        {"31.08.99", "01.09.99"}, {"30.09.99", "01.10.99"}, {"30.04.99", "01.05.99"},
        {"09.10.99", "10.10.99"}, {"27.01.99", "28.01.99"}, {"30.01.99", "31.01.99"},
        {"31.01.99", "01.02.99"}, {"29.11.99", "30.11.99"}, {"30.11.99", "01.12.99"},
        {"31.07.99", "01.08.99"}, {"31.12.09", "01.01.10"}, {"08.03.05", "09.03.05"},
    };
    for (const DayStep& step : steps) {
        EXPECT_EQ(NextDay(step.date), step.next) << step.date;
        EXPECT_EQ(PreviousDay(step.next), step.date) << step.next;
    }
}

// Walking day by day from 01.01.00 visits every well-formed date exactly once and comes back
// after 100 years of 36525 days; PreviousDay undoes every step.
TEST(Calendar, DayStepsCycleThroughEveryValidDateOnce) {
    std::set<std::string> visited;
    std::string date = "01.01.00";
    for (std::int64_t i = 0; i < kCycleDays; ++i) {
        ASSERT_TRUE(IsValidDateText(date)) << date;
        ASSERT_TRUE(visited.insert(date).second) << date;
        const std::string next = NextDay(date);
        ASSERT_EQ(PreviousDay(next), date);
        ASSERT_EQ(AddDays(date, 1), next);
        ASSERT_EQ(SubtractDays(next, 1), date);
        date = next;
    }
    EXPECT_EQ(date, "01.01.00");

    std::set<std::string> valid;
    for (int day = 0; day <= 32; ++day) {
        for (int month = 0; month <= 13; ++month) {
            for (int year = 0; year <= 99; ++year) {
                const std::string text = PadTwo(std::to_string(day)) + "." +
                                         PadTwo(std::to_string(month)) + "." +
                                         PadTwo(std::to_string(year));
                if (IsValidDateText(text)) {
                    valid.insert(text);
                }
            }
        }
    }
    EXPECT_EQ(valid, visited);
}

TEST(Calendar, AddAndSubtractDaysEqualRepeatedSteps) {
    // Starts in every position of the four-year leap cycle.
    for (const char* start : {"01.01.00", "29.02.96", "31.12.98", "28.02.01", "15.06.43"}) {
        std::string forward = start;
        std::string backward = start;
        // A full cycle and a bit, so that the wrap past 100 years is met as well.
        for (std::int64_t n = 0; n <= kCycleDays + 400; ++n) {
            ASSERT_EQ(AddDays(start, n), forward) << start << " + " << n;
            ASSERT_EQ(SubtractDays(start, n), backward) << start << " - " << n;
            forward = NextDay(forward);
            backward = PreviousDay(backward);
        }
    }
}

TEST(Calendar, HugeDayCountsReduceByTheCycleAndReturnAtOnce) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    const std::vector<std::int64_t> counts = {1000000000000, kMax, kMax - 1,
                                              36525LL * 1000003 + 17};
    for (const char* start : {"07.12.99", "29.02.00", "01.01.00"}) {
        for (std::int64_t n : counts) {
            EXPECT_EQ(AddDays(start, n), NaiveAdd(start, n % kCycleDays)) << start << " " << n;
            EXPECT_EQ(SubtractDays(start, n), SubtractDays(start, n % kCycleDays));
            EXPECT_EQ(SubtractDays(AddDays(start, n), n), start);
        }
    }
}

TEST(Calendar, NonPositiveCountsLeaveTheDate) {
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    for (std::int64_t n : {std::int64_t{0}, std::int64_t{-1}, std::int64_t{-36525}, kMin}) {
        EXPECT_EQ(AddDays("07.12.99", n), "07.12.99");
        EXPECT_EQ(SubtractDays("07.12.99", n), "07.12.99");
    }
}

// Bad date texts are given back unchanged, answered with no, weekday 0 and Werktag.
TEST(Calendar, MalformedDatesNeverFail) {
    const std::vector<std::string> bad = {
        "",
        "abc",
        "00.00.00",
        "32.13.99",
        "29.02.99",
        "31.04.99",
        "00.01.99",
        "01.00.99",
        "01.13.99",
        "1.1.99",
        "01.01.9",
        "01.01.999",
        "01-01-99",
        "0a.01.99",
        " 1.01.99",
        "+1.01.99",
        "01.01.-1",
        "31.12.99 ",
        std::string("01.01\0.9", 8),
        "\xff\xfe.01.99",
    };
    const LocalDateTime today{1999, 12, 7, 12, 0, 0};
    const HolidayList holidays = {{"xx", "Kaputt"}};
    for (const std::string& date : bad) {
        SCOPED_TRACE(date);
        EXPECT_FALSE(IsValidDateText(date));
        EXPECT_EQ(NextDay(date), date);
        EXPECT_EQ(PreviousDay(date), date);
        EXPECT_EQ(AddDays(date, 1000000000000), date);
        EXPECT_EQ(SubtractDays(date, 5), date);
        EXPECT_EQ(WeekdayNumber(date, 1999), 0);
        EXPECT_EQ(WeekStart(date, 1999), date);
        EXPECT_FALSE(SameWeek(date, date, 1999));
        EXPECT_FALSE(SameWeek("07.12.99", date, 1999));
        EXPECT_FALSE(SameMonth(date, date));
        EXPECT_FALSE(SameMonth("07.12.99", date));
        EXPECT_FALSE(IsHoliday(date, {{date, "Kaputt"}}, true));
        EXPECT_EQ(ClassifyDay(date, {{date, "Kaputt"}}, true, 1999), DayClass::Werktag);
        EXPECT_TRUE(InPeriod(Period::WholeYear, date, today));
        for (Period period : {Period::CurrentMonth, Period::CurrentWeek, Period::Today,
                              Period::LastMonth, Period::LastWeek, Period::Yesterday}) {
            EXPECT_FALSE(InPeriod(period, date, today)) << PeriodName(period);
        }
    }
    EXPECT_FALSE(IsHoliday("xx", holidays, true));
}

TEST(Calendar, SmallHelpersFollowTheirTexts) {
    EXPECT_EQ(PadTwo(""), "0");
    EXPECT_EQ(PadTwo("5"), "05");
    EXPECT_EQ(PadTwo("12"), "12");
    EXPECT_EQ(PadTwo("123"), "123");
    EXPECT_EQ(MonthKey("07.12.99"), "12.99");
    EXPECT_EQ(MonthKey("07.1"), "1");
    EXPECT_EQ(MonthKey("07"), "");
    for (const char* leap : {"00", "04", "96", "0", " 8", "-4"}) {
        EXPECT_TRUE(IsLeapYear(leap)) << leap;
    }
    for (const char* common : {"99", "01", "02", "", "ab", "4a"}) {
        EXPECT_FALSE(IsLeapYear(common)) << common;
    }
}

TEST(Calendar, TodayTextsFromTheLocalClock) {
    const LocalDateTime tuesday{1999, 12, 7, 9, 5, 3};
    EXPECT_EQ(TodayText(tuesday), "07.12.99");
    EXPECT_EQ(CurrentYearText(tuesday), "99");
    EXPECT_EQ(TodayWithWeekday(tuesday), "Dienstag, 07.12.99");
    EXPECT_EQ(NowTimeText(tuesday), "09:05");
    EXPECT_EQ(NowTimeTextLong(tuesday), "09:05:03");

    const LocalDateTime newYear{2000, 1, 1, 23, 59, 59};
    EXPECT_EQ(TodayText(newYear), "01.01.00");
    EXPECT_EQ(CurrentYearText(newYear), "00");
    EXPECT_EQ(TodayWithWeekday(newYear), "Samstag, 01.01.00");
    EXPECT_EQ(NowTimeTextLong(newYear), "23:59:59");
}

struct WeekdayCase {
    const char* date;
    int todayYear;
    int weekday;
};

TEST(Calendar, WeekdayPlacesTheYearInTodaysCentury) {
    const std::vector<WeekdayCase> cases =
        {
            {"07.12.99", 1999, 3}, {"05.12.99", 1999, 1},
            {"11.12.99", 1999, 7}, {"01.01.00", 2000, 7},
            {"29.02.00", 2000, 3}, {"01.01.26", 2026, 5},
            {"31.12.99", 2026, 5},  // 2099
            {"14.05.26", 2026, 5}, {"28.02.00", 2100, 1},
            {"29.02.00", 2100, 2},  // no such day in 2100: counts as 1 March
            {"01.03.00", 1900, 5},
        };
    for (const WeekdayCase& c : cases) {
        EXPECT_EQ(WeekdayNumber(c.date, c.todayYear), c.weekday) << c.date << " " << c.todayYear;
    }
    const std::vector<const char*> names = {"",         "Sonntag",    "Montag",  "Dienstag",
                                            "Mittwoch", "Donnerstag", "Freitag", "Samstag"};
    for (int n = 0; n <= 7; ++n) {
        EXPECT_EQ(WeekdayName(n), names[static_cast<std::size_t>(n)]);
    }
    EXPECT_EQ(WeekdayName(8), "");
    EXPECT_EQ(WeekdayName(-1), "");
}

// Within one century the weekday advances by one each day; only the wrap from 99 to 00 jumps.
TEST(Calendar, WeekdaysAdvanceDayByDayThroughTheCentury) {
    std::string date = "01.01.00";
    for (std::int64_t i = 1; i < kCycleDays; ++i) {
        const std::string next = NextDay(date);
        ASSERT_EQ(WeekdayNumber(next, 2026), WeekdayNumber(date, 2026) % 7 + 1) << next;
        date = next;
    }
}

struct WeekCase {
    const char* a;
    const char* b;
    int todayYear;
    bool sameWeek;
};

TEST(Calendar, WeeksRunFromSundayToSaturday) {
    EXPECT_EQ(WeekStart("05.12.99", 1999), "05.12.99");
    EXPECT_EQ(WeekStart("11.12.99", 1999), "05.12.99");
    EXPECT_EQ(WeekStart("02.09.99", 1999), "29.08.99");
    EXPECT_EQ(WeekStart("01.01.00", 2000), "26.12.99");
    EXPECT_EQ(WeekStart("03.01.99", 2026), "28.12.98");  // 3 Jan 2099 is a Saturday

    const std::vector<WeekCase> cases = {
        {"05.12.99", "11.12.99", 1999, true},  {"11.12.99", "05.12.99", 1999, true},
        {"11.12.99", "12.12.99", 1999, false}, {"05.12.99", "04.12.99", 1999, false},
        {"01.01.00", "31.12.99", 2000, true},  {"31.12.99", "02.01.00", 1999, false},
        {"07.12.99", "07.12.98", 1999, false}, {"07.12.99", "7.12.99", 1999, false},
    };
    for (const WeekCase& c : cases) {
        EXPECT_EQ(SameWeek(c.a, c.b, c.todayYear), c.sameWeek) << c.a << " " << c.b;
    }
}

TEST(Calendar, WeekDaysAreTheSevenDaysFromSunday) {
    const std::vector<std::string> december = {"05.12.99", "06.12.99", "07.12.99", "08.12.99",
                                               "09.12.99", "10.12.99", "11.12.99"};
    EXPECT_EQ(WeekDays("05.12.99", 1999), december);
    EXPECT_EQ(WeekDays("07.12.99", 1999), december);
    EXPECT_EQ(WeekDays("11.12.99", 1999), december);
    const std::vector<std::string> newYear = {"26.12.99", "27.12.99", "28.12.99", "29.12.99",
                                              "30.12.99", "31.12.99", "01.01.00"};
    EXPECT_EQ(WeekDays("01.01.00", 2000), newYear);
    for (const char* noDate : {"", "7.12.99", "32.12.99", "00.00.00", "07.12.9x"}) {
        EXPECT_TRUE(WeekDays(noDate, 1999).empty()) << noDate;
    }
}

TEST(Calendar, SameMonthComparesTheMonthOnly) {
    EXPECT_TRUE(SameMonth("15.03.98", "01.03.99"));
    EXPECT_TRUE(SameMonth("01.12.99", "31.12.99"));
    EXPECT_FALSE(SameMonth("31.01.99", "01.02.99"));
}

struct TimeCase {
    const char* x;
    const char* y;
    const char* op;
    bool result;
};

TEST(Calendar, CompareTimesAsMinutesOfTheDay) {
    const std::vector<TimeCase> cases = {
        {"0800", "08:00", "==", true},  {"2400", "23:59", ">", true},
        {"0800", "08:00", "=<", false}, {"0800", "08:00", "", false},
        {"0759", "0800", "<", true},    {"0800", "0800", "<", false},
        {"0800", "0800", "<=", true},   {"0800", "0800", ">=", true},
        {"08:01", "0800", ">", true},   {"0000", "00:00", "<=", true},
        {"2400", "0000", "==", false},  {"0875", "09:15", "==", true},
        {"800", "08:00", "==", false},  {"08:0", "0800", "<=", false},
        {"", "", "==", false},          {"ab:cd", "0800", "<", false},
        {"08-00", "0800", "==", false}, {"0800", "08:000", ">=", false},
        {"-100", "0000", "<", true},    {" 800", "0800", "==", true},
        {"+8:00", "08:00", "==", true}, {"08: 5", "0805", "==", true},
    };
    for (const TimeCase& c : cases) {
        EXPECT_EQ(CompareTimes(c.x, c.y, c.op), c.result) << c.x << " " << c.op << " " << c.y;
    }
}

struct ClassCase {
    const char* date;
    bool holidaysOn;
    DayClass dayClass;
};

TEST(Calendar, ClassifyDayByHolidayThenWeekend) {
    const HolidayList holidays = {
        {"24.12.99", "Heiligabend"},      {"25.12.99", "1. Weihnachtstag"},
        {"26.12.99", "2. Weihnachtstag"}, {"03.10.99", "Tag der Einheit"},
        {" 8.12.99", "Mariä Empfängnis"}, {"+9.12.99", "Ausgedacht"}};
    const std::vector<ClassCase> cases = {
        {"25.12.99", true, DayClass::Feiertag},  // Saturday
        {"25.12.99", false, DayClass::Wochenende},
        {"24.12.99", true, DayClass::Feiertag},  // Friday
        {"24.12.99", false, DayClass::Werktag},
        {"26.12.99", false, DayClass::Wochenende},  // Sunday
        {"07.12.99", true, DayClass::Werktag},
        {"11.12.99", true, DayClass::Wochenende},
        {"25.12.98", true, DayClass::Werktag},  // the listed text is 25.12.99 only
        {"03.10.99", true, DayClass::Feiertag},
        {"08.12.99", true, DayClass::Feiertag},  // listed as " 8.12.99"
        {"09.12.99", true, DayClass::Feiertag},  // listed as "+9.12.99"
    };
    for (const ClassCase& c : cases) {
        EXPECT_EQ(ClassifyDay(c.date, holidays, c.holidaysOn, 1999), c.dayClass)
            << c.date << " " << c.holidaysOn;
        EXPECT_EQ(IsHoliday(c.date, holidays, c.holidaysOn), c.dayClass == DayClass::Feiertag);
    }
    EXPECT_EQ(ClassifyDay("25.12.99", {}, true, 1999), DayClass::Wochenende);
    EXPECT_EQ(DayClassText(DayClass::Werktag), ", Werktag");
    EXPECT_EQ(DayClassText(DayClass::Wochenende), ", Wochenende");
    EXPECT_EQ(DayClassText(DayClass::Feiertag), ", Feiertag");
}

struct PeriodCase {
    Period period;
    const char* record;
    bool inPeriod;
};

TEST(Calendar, ReportingPeriodsSeenFromTuesdaySeventhDecember) {
    EXPECT_EQ(PeriodName(Period::WholeYear), "Gesamtes Jahr");
    EXPECT_EQ(PeriodName(Period::CurrentMonth), "Aktueller Monat");
    EXPECT_EQ(PeriodName(Period::CurrentWeek), "Aktuelle Woche");
    EXPECT_EQ(PeriodName(Period::Today), "Heute");
    EXPECT_EQ(PeriodName(Period::LastMonth), "Letzter Monat");
    EXPECT_EQ(PeriodName(Period::LastWeek), "Letzte Woche");
    EXPECT_EQ(PeriodName(Period::Yesterday), "Gestern");

    const LocalDateTime today{1999, 12, 7, 10, 0, 0};
    const std::vector<PeriodCase> cases = {
        {Period::WholeYear, "01.01.99", true},    {Period::CurrentMonth, "01.12.99", true},
        {Period::CurrentMonth, "31.12.98", true}, {Period::CurrentMonth, "30.11.99", false},
        {Period::CurrentWeek, "05.12.99", true},  {Period::CurrentWeek, "11.12.99", true},
        {Period::CurrentWeek, "04.12.99", false}, {Period::Today, "07.12.99", true},
        {Period::Today, "06.12.99", false},       {Period::LastMonth, "15.11.99", true},
        {Period::LastMonth, "07.12.99", false},   {Period::LastWeek, "28.11.99", true},
        {Period::LastWeek, "04.12.99", true},     {Period::LastWeek, "05.12.99", false},
        {Period::LastWeek, "27.11.99", false},    {Period::Yesterday, "06.12.99", true},
        {Period::Yesterday, "05.12.99", false},
    };
    for (const PeriodCase& c : cases) {
        EXPECT_EQ(InPeriod(c.period, c.record, today), c.inPeriod)
            << PeriodName(c.period) << " " << c.record;
    }
}

TEST(Calendar, ReportingPeriodsWrapIntoTheOldYear) {
    const LocalDateTime monday{2026, 1, 5, 10, 0, 0};
    const std::vector<PeriodCase> cases = {
        {Period::LastMonth, "15.12.25", true},   {Period::LastMonth, "15.01.26", false},
        {Period::LastWeek, "28.12.25", true},    {Period::LastWeek, "03.01.26", true},
        {Period::LastWeek, "27.12.25", false},   {Period::LastWeek, "04.01.26", false},
        {Period::CurrentWeek, "04.01.26", true}, {Period::CurrentWeek, "03.01.26", false},
    };
    for (const PeriodCase& c : cases) {
        EXPECT_EQ(InPeriod(c.period, c.record, monday), c.inPeriod)
            << PeriodName(c.period) << " " << c.record;
    }
    const LocalDateTime newYear{2000, 1, 1, 0, 0, 0};
    EXPECT_TRUE(InPeriod(Period::Yesterday, "31.12.99", newYear));
    const LocalDateTime march{2000, 3, 1, 0, 0, 0};
    EXPECT_TRUE(InPeriod(Period::LastMonth, "29.02.00", march));
}

}  // namespace
}  // namespace ruvo
