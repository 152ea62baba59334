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

HolidayList GermanHolidays(int year, std::optional<Land> land) {
    std::vector<std::pair<std::int64_t, HolidayEntry>> found;
    const auto add = [&found](std::int64_t day, const char* name) {
        found.emplace_back(day, HolidayEntry{DateText(DayAt(day)), name});
    };
    const auto fixed = [&add, year](int month, int day, const char* name) {
        add(DayNumber({year, month, day}), name);
    };
    const std::int64_t easter = DayNumber(EasterSunday(year));
    const auto afterEaster = [&add, easter](int days, const char* name) {
        add(easter + days, name);
    };
    const auto in = [land](std::initializer_list<Land> laender) {
        return land && std::find(laender.begin(), laender.end(), *land) != laender.end();
    };
    using enum Land;

    fixed(1, 1, "Neujahr");
    if (in({BadenWuerttemberg, Bayern, SachsenAnhalt})) {
        fixed(1, 6, "Heilige Drei Könige");
    }
    if ((year >= 2019 && in({Berlin})) || (year >= 2023 && in({MecklenburgVorpommern}))) {
        fixed(3, 8, "Internationaler Frauentag");
    }
    afterEaster(-2, "Karfreitag");
    if (in({Brandenburg})) {
        afterEaster(0, "Ostersonntag");
    }
    afterEaster(1, "Ostermontag");
    fixed(5, 1, "Tag der Arbeit");
    if ((year == 2020 || year == 2025) && in({Berlin})) {
        fixed(5, 8, "Tag der Befreiung");
    }
    afterEaster(39, "Christi Himmelfahrt");
    if (in({Brandenburg})) {
        afterEaster(49, "Pfingstsonntag");
    }
    afterEaster(50, "Pfingstmontag");
    if (in({BadenWuerttemberg, Bayern, Hessen, NordrheinWestfalen, RheinlandPfalz, Saarland})) {
        afterEaster(60, "Fronleichnam");
    }
    if (in({Saarland})) {
        fixed(8, 15, "Mariä Himmelfahrt");
    }
    if (year >= 2019 && in({Thueringen})) {
        fixed(9, 20, "Weltkindertag");
    }
    if (year >= 1990) {
        fixed(10, 3, "Tag der Deutschen Einheit");
    }
    if (year == 2017 ||
        in({Brandenburg, MecklenburgVorpommern, Sachsen, SachsenAnhalt, Thueringen}) ||
        (year >= 2018 && in({Bremen, Hamburg, Niedersachsen, SchleswigHolstein}))) {
        fixed(10, 31, "Reformationstag");
    }
    if (in({BadenWuerttemberg, Bayern, NordrheinWestfalen, RheinlandPfalz, Saarland})) {
        fixed(11, 1, "Allerheiligen");
    }
    if (year <= 1994 || in({Sachsen})) {
        // The Wednesday before 23 November. Day number 0 (1 March of year 0) was a Wednesday.
        const std::int64_t before = DayNumber({year, 11, 22});
        const std::int64_t sinceWednesday = ((before % 7) + 7) % 7;
        add(before - sinceWednesday, "Buß- und Bettag");
    }
    fixed(12, 25, "1. Weihnachtsfeiertag");
    fixed(12, 26, "2. Weihnachtsfeiertag");

    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    HolidayList holidays;
    holidays.reserve(found.size());
    for (auto& [day, entry] : found) {
        holidays.push_back(std::move(entry));
    }
    return holidays;
}

}  // namespace ruvo
