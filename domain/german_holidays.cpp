#include "domain/german_holidays.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

namespace ruvo {
namespace {

// Days since 1 March of year 0 of the proleptic Gregorian calendar, and back; years begin in
// March so that the leap day is the last day of a year.
std::int64_t DayNumber(const CalendarDay& date) {
    const std::int64_t year = date.month <= 2 ? date.year - 1 : date.year;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t monthFromMarch = date.month > 2 ? date.month - 3 : date.month + 9;
    const std::int64_t dayOfYear = (153 * monthFromMarch + 2) / 5 + date.day - 1;
    return era * 146097 + yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
}

CalendarDay DayAt(std::int64_t number) {
    const std::int64_t era = (number >= 0 ? number : number - 146096) / 146097;
    const std::int64_t dayOfEra = number - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    const int month =
        static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int>(year), month, day};
}

std::string TwoDigits(int value) {
    const int digits = (value % 100 + 100) % 100;
    return std::string{static_cast<char>('0' + digits / 10), static_cast<char>('0' + digits % 10)};
}

std::string DateText(const CalendarDay& date) {
    return TwoDigits(date.day) + "." + TwoDigits(date.month) + "." + TwoDigits(date.year);
}

}  // namespace

const std::array<LandName, 16>& Laender() {
    static constexpr std::array<LandName, 16> kLaender = {{
        {Land::BadenWuerttemberg, "BW", "Baden-Württemberg"},
        {Land::Bayern, "BY", "Bayern"},
        {Land::Berlin, "BE", "Berlin"},
        {Land::Brandenburg, "BB", "Brandenburg"},
        {Land::Bremen, "HB", "Bremen"},
        {Land::Hamburg, "HH", "Hamburg"},
        {Land::Hessen, "HE", "Hessen"},
        {Land::MecklenburgVorpommern, "MV", "Mecklenburg-Vorpommern"},
        {Land::Niedersachsen, "NI", "Niedersachsen"},
        {Land::NordrheinWestfalen, "NW", "Nordrhein-Westfalen"},
        {Land::RheinlandPfalz, "RP", "Rheinland-Pfalz"},
        {Land::Saarland, "SL", "Saarland"},
        {Land::Sachsen, "SN", "Sachsen"},
        {Land::SachsenAnhalt, "ST", "Sachsen-Anhalt"},
        {Land::SchleswigHolstein, "SH", "Schleswig-Holstein"},
        {Land::Thueringen, "TH", "Thüringen"},
    }};
    return kLaender;
}

std::optional<Land> LandFromCode(std::string_view code) {
    for (const LandName& entry : Laender()) {
        if (code == entry.code) {
            return entry.land;
        }
    }
    return std::nullopt;
}

const LandName& NameOf(Land land) {
    return Laender()[static_cast<std::size_t>(land)];
}

CalendarDay EasterSunday(int year) {
    // The Gregorian computus in the form of Meeus, Jones and Butcher.
    const int a = year % 19;
    const int b = year / 100;
    const int c = year % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return {year, month, day};
}

namespace {

// The holidays of one year for one Land, gathered in any order and handed out by date.
class HolidayCollector {
public:
    HolidayCollector(int year, std::optional<Land> land)
        : year_(year), land_(land), easter_(DayNumber(EasterSunday(year))) {}

    int year() const { return year_; }
    void add(std::int64_t day, const char* name) {
        found_.emplace_back(day, HolidayEntry{DateText(DayAt(day)), name});
    }
    void fixed(int month, int day, const char* name) { add(DayNumber({year_, month, day}), name); }
    void afterEaster(int days, const char* name) { add(easter_ + days, name); }
    // Whether the chosen Land is one of these.
    bool in(std::initializer_list<Land> laender) const {
        return land_ && std::find(laender.begin(), laender.end(), *land_) != laender.end();
    }

    HolidayList byDate() {
        std::stable_sort(found_.begin(), found_.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        HolidayList holidays;
        holidays.reserve(found_.size());
        for (auto& [day, entry] : found_) {
            holidays.push_back(std::move(entry));
        }
        return holidays;
    }

private:
    int year_;
    std::optional<Land> land_;
    std::int64_t easter_;
    std::vector<std::pair<std::int64_t, HolidayEntry>> found_;
};

// New Year to Corpus Christi.
void AddFirstHalf(HolidayCollector& holidays) {
    using enum Land;
    const int year = holidays.year();
    holidays.fixed(1, 1, "Neujahr");
    if (holidays.in({BadenWuerttemberg, Bayern, SachsenAnhalt})) {
        holidays.fixed(1, 6, "Heilige Drei Könige");
    }
    if ((year >= 2019 && holidays.in({Berlin})) ||
        (year >= 2023 && holidays.in({MecklenburgVorpommern}))) {
        holidays.fixed(3, 8, "Internationaler Frauentag");
    }
    holidays.afterEaster(-2, "Karfreitag");
    if (holidays.in({Brandenburg})) {
        holidays.afterEaster(0, "Ostersonntag");
    }
    holidays.afterEaster(1, "Ostermontag");
    holidays.fixed(5, 1, "Tag der Arbeit");
    if ((year == 2020 || year == 2025) && holidays.in({Berlin})) {
        holidays.fixed(5, 8, "Tag der Befreiung");
    }
    holidays.afterEaster(39, "Christi Himmelfahrt");
    if (holidays.in({Brandenburg})) {
        holidays.afterEaster(49, "Pfingstsonntag");
    }
    holidays.afterEaster(50, "Pfingstmontag");
    if (holidays.in(
            {BadenWuerttemberg, Bayern, Hessen, NordrheinWestfalen, RheinlandPfalz, Saarland})) {
        holidays.afterEaster(60, "Fronleichnam");
    }
}

// Assumption Day to Christmas.
void AddSecondHalf(HolidayCollector& holidays) {
    using enum Land;
    const int year = holidays.year();
    if (holidays.in({Saarland})) {
        holidays.fixed(8, 15, "Mariä Himmelfahrt");
    }
    if (year >= 2019 && holidays.in({Thueringen})) {
        holidays.fixed(9, 20, "Weltkindertag");
    }
    if (year >= 1990) {
        holidays.fixed(10, 3, "Tag der Deutschen Einheit");
    }
    if (year == 2017 ||
        holidays.in({Brandenburg, MecklenburgVorpommern, Sachsen, SachsenAnhalt, Thueringen}) ||
        (year >= 2018 && holidays.in({Bremen, Hamburg, Niedersachsen, SchleswigHolstein}))) {
        holidays.fixed(10, 31, "Reformationstag");
    }
    if (holidays.in({BadenWuerttemberg, Bayern, NordrheinWestfalen, RheinlandPfalz, Saarland})) {
        holidays.fixed(11, 1, "Allerheiligen");
    }
    if (year <= 1994 || holidays.in({Sachsen})) {
        // The Wednesday before 23 November. Day number 0 (1 March of year 0) was a Wednesday.
        const std::int64_t before = DayNumber({year, 11, 22});
        const std::int64_t sinceWednesday = ((before % 7) + 7) % 7;
        holidays.add(before - sinceWednesday, "Buß- und Bettag");
    }
    holidays.fixed(12, 25, "1. Weihnachtsfeiertag");
    holidays.fixed(12, 26, "2. Weihnachtsfeiertag");
}

}  // namespace

HolidayList GermanHolidays(int year, std::optional<Land> land) {
    HolidayCollector holidays(year, land);
    AddFirstHalf(holidays);
    AddSecondHalf(holidays);
    return holidays.byDate();
}

}  // namespace ruvo
