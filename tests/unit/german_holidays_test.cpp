// The computed holidays against the published dates of several years and Länder.
#include "domain/german_holidays.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace ruvo {
namespace {

TEST(GermanHolidays, EasterSundayOfPublishedYears) {
    const struct {
        int year;
        CalendarDay easter;
    } cases[] =
        {
            {1999, {1999, 4, 4}},  {2000, {2000, 4, 23}}, {2008, {2008, 3, 23}},
            {2011, {2011, 4, 24}}, {2019, {2019, 4, 21}}, {2024, {2024, 3, 31}},
            {2038, {2038, 4, 25}},  // the latest possible date
            {2285, {2285, 3, 22}},  // the earliest possible date
        };
    for (const auto& c : cases) {
        EXPECT_EQ(EasterSunday(c.year), c.easter) << c.year;
    }
}

// The date of the named holiday in the computed list, or "" when it is not among them.
std::string DateOf(int year, std::optional<Land> land, const std::string& name) {
    for (const HolidayEntry& entry : GermanHolidays(year, land)) {
        if (entry.name == name) {
            return entry.date;
        }
    }
    return "";
}

TEST(GermanHolidays, PublishedDatesByYearAndLand) {
    using enum Land;
    const struct {
        int year;
        std::optional<Land> land;
        std::string name;
        std::string date;  // "" where the day is no holiday there and then
    } cases[] = {
        // Easter moved: the days that follow it.
        {2000, std::nullopt, "Karfreitag", "21.04.00"},
        {2000, std::nullopt, "Pfingstmontag", "12.06.00"},
        {2008, Bayern, "Ostermontag", "24.03.08"},
        {2008, Bayern, "Fronleichnam", "22.05.08"},
        {2011, Saarland, "Christi Himmelfahrt", "02.06.11"},
        {2011, Saarland, "Fronleichnam", "23.06.11"},
        {2011, Saarland, "Mariä Himmelfahrt", "15.08.11"},
        {2019, Berlin, "Karfreitag", "19.04.19"},
        {2019, Berlin, "Christi Himmelfahrt", "30.05.19"},
        {2024, Brandenburg, "Ostersonntag", "31.03.24"},
        {2024, Brandenburg, "Ostermontag", "01.04.24"},
        {2024, Brandenburg, "Pfingstsonntag", "19.05.24"},
        {2024, Brandenburg, "Pfingstmontag", "20.05.24"},
        {2038, NordrheinWestfalen, "Christi Himmelfahrt", "03.06.38"},
        {2038, NordrheinWestfalen, "Fronleichnam", "24.06.38"},
        // Only in some Länder.
        {2024, std::nullopt, "Ostersonntag", ""},
        {2024, Bayern, "Ostersonntag", ""},
        {2024, SachsenAnhalt, "Heilige Drei Könige", "06.01.24"},
        {2024, Hessen, "Heilige Drei Könige", ""},
        {2024, Hessen, "Fronleichnam", "30.05.24"},
        {2024, Sachsen, "Fronleichnam", ""},  // only in some of its communities
        {2024, Bayern, "Mariä Himmelfahrt", ""},
        {2024, RheinlandPfalz, "Allerheiligen", "01.11.24"},
        {2024, Berlin, "Allerheiligen", ""},
        // Buß- und Bettag: nationwide until 1994, then in Sachsen only.
        {1994, std::nullopt, "Buß- und Bettag", "16.11.94"},
        {1995, Bayern, "Buß- und Bettag", ""},
        {1995, Sachsen, "Buß- und Bettag", "22.11.95"},
        {2000, Sachsen, "Buß- und Bettag", "22.11.00"},
        {2024, Sachsen, "Buß- und Bettag", "20.11.24"},
        // Reformationstag: in the east, nationwide in 2017, in the north from 2018.
        {2011, Thueringen, "Reformationstag", "31.10.11"},
        {2016, Niedersachsen, "Reformationstag", ""},
        {2017, Hessen, "Reformationstag", "31.10.17"},
        {2018, Hessen, "Reformationstag", ""},
        {2018, Hamburg, "Reformationstag", "31.10.18"},
        {2019, SchleswigHolstein, "Reformationstag", "31.10.19"},
        // Introduced later, and days kept once.
        {2018, Berlin, "Internationaler Frauentag", ""},
        {2019, Berlin, "Internationaler Frauentag", "08.03.19"},
        {2022, MecklenburgVorpommern, "Internationaler Frauentag", ""},
        {2023, MecklenburgVorpommern, "Internationaler Frauentag", "08.03.23"},
        {2018, Thueringen, "Weltkindertag", ""},
        {2019, Thueringen, "Weltkindertag", "20.09.19"},
        {2020, Berlin, "Tag der Befreiung", "08.05.20"},
        {2021, Berlin, "Tag der Befreiung", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DateOf(c.year, c.land, c.name), c.date)
            << c.year << " " << (c.land ? NameOf(*c.land).name : "bundesweit") << " " << c.name;
    }
}

TEST(GermanHolidays, WholeYearInOrderOfDate) {
    const HolidayList nationwide2000 = {
        {"01.01.00", "Neujahr"},
        {"21.04.00", "Karfreitag"},
        {"24.04.00", "Ostermontag"},
        {"01.05.00", "Tag der Arbeit"},
        {"01.06.00", "Christi Himmelfahrt"},
        {"12.06.00", "Pfingstmontag"},
        {"03.10.00", "Tag der Deutschen Einheit"},
        {"25.12.00", "1. Weihnachtsfeiertag"},
        {"26.12.00", "2. Weihnachtsfeiertag"},
    };
    EXPECT_EQ(GermanHolidays(2000, std::nullopt), nationwide2000);

    // Christi Himmelfahrt fell on the Tag der Arbeit: both are listed.
    const HolidayList bayern2008 = {
        {"01.01.08", "Neujahr"},
        {"06.01.08", "Heilige Drei Könige"},
        {"21.03.08", "Karfreitag"},
        {"24.03.08", "Ostermontag"},
        {"01.05.08", "Tag der Arbeit"},
        {"01.05.08", "Christi Himmelfahrt"},
        {"12.05.08", "Pfingstmontag"},
        {"22.05.08", "Fronleichnam"},
        {"03.10.08", "Tag der Deutschen Einheit"},
        {"01.11.08", "Allerheiligen"},
        {"25.12.08", "1. Weihnachtsfeiertag"},
        {"26.12.08", "2. Weihnachtsfeiertag"},
    };
    EXPECT_EQ(GermanHolidays(2008, Land::Bayern), bayern2008);
}

TEST(GermanHolidays, LandCodesRoundTrip) {
    for (const LandName& entry : Laender()) {
        EXPECT_EQ(LandFromCode(entry.code), entry.land) << entry.code;
        EXPECT_STREQ(NameOf(entry.land).code, entry.code);
    }
    for (const char* notALand : {"", "by", "XX", "BYX"}) {
        EXPECT_EQ(LandFromCode(notALand), std::nullopt) << notALand;
    }
}

}  // namespace
}  // namespace ruvo
