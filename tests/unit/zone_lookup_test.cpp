#include "domain/zone_lookup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ruvo {
namespace {

// Zones with the same begin and end in every day class.
TariffTables Zones(const std::vector<std::pair<std::string, std::string>>& spans) {
    TariffTables tables;
    for (const auto& [begin, end] : spans) {
        AddZone(tables, "Z" + begin, {"", begin, end, "12", "90"});
    }
    return tables;
}

TEST(MinuteOfDay, ReadsBothForms) {
    const struct {
        std::string text;
        std::optional<int> minute;
    } cases[] = {
        {"0000", 0},
        {"0800", 480},
        {"08:00", 480},
        {"2359", 1439},
        {"2400", 1440},
        {"23:59", 1439},
        {"", std::nullopt},
        {"800", std::nullopt},
        {"08:00:00", std::nullopt},
        {"ab00", std::nullopt},
        {"08-00", std::nullopt},
        // Each piece as the edit fields take a number: what the hour field accepts applies.
        {" 800", 480},
        {"+800", 480},
        {" 8 5", 485},
        {"-100", -60},
        {"8 00", std::nullopt},
        {"  00", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MinuteOfDay(c.text), c.minute) << c.text;
    }
}

TEST(FindCurrentZone, FirstZoneWhoseSpanHoldsTheTime) {
    const std::optional<std::size_t> none;
    const struct {
        std::string name;
        TariffTables tables;
        std::string time;
        std::optional<std::size_t> zone;
    } cases[] = {
        {"default file at noon", DefaultTariffs(), "12:00", none},
        {"default file at midnight", DefaultTariffs(), "00:00", none},
        {"whole day at 23:59", Zones({{"0000", "2400"}}), "23:59", 0},
        {"whole day at 00:00", Zones({{"0000", "2400"}}), "00:00", 0},
        {"end is not in the zone", Zones({{"0900", "1200"}, {"1200", "1800"}}), "12:00", 1},
        {"last minute before the end", Zones({{"0900", "1200"}, {"1200", "1800"}}), "11:59", 0},
        {"before every zone", Zones({{"0900", "1200"}, {"1200", "1800"}}), "08:59", none},
        {"overlap: the earlier zone wins", Zones({{"0800", "2000"}, {"1000", "1200"}}), "11:00", 0},
        {"end before begin never applies", Zones({{"2200", "0600"}}), "23:00", none},
        {"night as two zones", Zones({{"2200", "2400"}, {"0000", "0600"}}), "05:59", 1},
        {"time as HHMM", Zones({{"0900", "1200"}}), "0930", 0},
        {"time that is no time", Zones({{"0000", "2400"}}), "12", none},
        {"zone that is no time", Zones({{"9:00", "2400"}, {"0000", "2400"}}), "12:00", 1},
        {"hour with a blank in front", Zones({{" 800", "1800"}}), "08:00", 0},
        {"hour with a sign", Zones({{"+800", "+900"}}), "08:59", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindCurrentZone(c.tables, DayClass::Werktag, c.time), c.zone) << c.name;
    }
}

TEST(FindCurrentZone, UsesTheDayClassTable) {
    TariffTables tables = Zones({{"0000", "0000"}, {"0000", "0000"}});
    tables.table(DayClass::Wochenende)[0].end = "2400";
    tables.table(DayClass::Feiertag)[1].end = "2400";
    EXPECT_EQ(FindCurrentZone(tables, DayClass::Werktag, "10:00"), std::nullopt);
    EXPECT_EQ(FindCurrentZone(tables, DayClass::Wochenende, "10:00"), 0U);
    EXPECT_EQ(FindCurrentZone(tables, DayClass::Feiertag, "10:00"), 1U);
}

TEST(FindCurrentZone, LooksOnlyAtZonesThatHaveRows) {
    TariffTables tables = Zones({{"0000", "2400"}});
    tables.zoneList.push_back("ohne Zeilen");
    tables.table(DayClass::Werktag).clear();
    EXPECT_EQ(FindCurrentZone(tables, DayClass::Werktag, "10:00"), std::nullopt);
}

}  // namespace
}  // namespace ruvo
