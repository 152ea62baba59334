// The German public holidays of a year, computed without a holidays file: the nationwide ones
// and, for one Land, that Land's own, Easter-dependent ones included.
//
// Only holidays that hold in the whole Land are given; those of single communities (Mariä
// Himmelfahrt in the Catholic communities of Bayern, Fronleichnam in parts of Sachsen and
// Thüringen, the Augsburg peace festival) are left to the user, who adds them in the holidays
// window. The rules are those in force since German unity, with their later changes in the year
// they took effect: Buß- und Bettag nationwide until 1994 and in Sachsen only from 1995, the
// Reformationstag nationwide in 2017 and in Bremen, Hamburg, Niedersachsen and Schleswig-Holstein
// from 2018, the Frauentag in Berlin from 2019 and in Mecklenburg-Vorpommern from 2023, the
// Weltkindertag in Thüringen from 2019, and the Tag der Befreiung in Berlin in 2020 and 2025.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "domain/holiday_list.h"

namespace ruvo {

enum class Land {
    BadenWuerttemberg,
    Bayern,
    Berlin,
    Brandenburg,
    Bremen,
    Hamburg,
    Hessen,
    MecklenburgVorpommern,
    Niedersachsen,
    NordrheinWestfalen,
    RheinlandPfalz,
    Saarland,
    Sachsen,
    SachsenAnhalt,
    SchleswigHolstein,
    Thueringen,
};

struct LandName {
    Land land;
    const char* code;  // the official two-letter abbreviation, as stored in the settings
    const char* name;  // as the user reads it
};

// The sixteen Länder in alphabetical order of their names.
const std::array<LandName, 16>& Laender();
// The Land of a stored abbreviation; nothing for any other text (the empty one included).
std::optional<Land> LandFromCode(std::string_view code);
const LandName& NameOf(Land land);

struct CalendarDay {
    int year = 2000;
    int month = 1;
    int day = 1;

    friend bool operator==(const CalendarDay&, const CalendarDay&) = default;
};

// Easter Sunday of a year of the Gregorian calendar.
CalendarDay EasterSunday(int year);

// The public holidays of the four-digit year in the order of their dates, each with its date as
// dd.mm.yy and its German name; with a Land, that Land's own holidays among them. Two holidays
// on one day (Tag der Arbeit and Christi Himmelfahrt in 2008) are two entries.
HolidayList GermanHolidays(int year, std::optional<Land> land);

}  // namespace ruvo
