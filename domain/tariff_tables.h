// The telephone tariffs in memory: the zone list, one table per day class, and the three
// settings that travel with them in the tariff file.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "domain/calendar.h"

namespace ruvo {

// One zone's tariff for one day class. All values are texts, converted where they are used.
struct TariffRow {
    std::string name;        // copy of the zone name
    std::string begin;       // HHMM: first minute at which the zone applies
    std::string end;         // HHMM: first minute at which it no longer applies; 2400 = midnight
    std::string pfPerUnit;   // price of one charge unit, Pfennig
    std::string secPerUnit;  // length of one charge unit, seconds

    friend bool operator==(const TariffRow&, const TariffRow&) = default;
};

using TariffTable = std::vector<TariffRow>;

// Invariant: every table has exactly one row per zone name, row i belonging to zone i. Whoever
// adds or removes a zone does it in the zone list and all three tables together.
struct TariffTables {
    std::vector<std::string> zoneList;
    std::array<TariffTable, 3> tables;  // Werktag, Wochenende, Feiertag
    std::string providerFee = "0";      // Pfennig per begun minute
    std::string freeMinutes = "0";      // free minutes per month
    bool holidayTariffsOn = true;       // holidays have a tariff of their own

    TariffTable& table(DayClass dayClass);
    const TariffTable& table(DayClass dayClass) const;

    friend bool operator==(const TariffTables&, const TariffTables&) = default;
};

// The place of a day class's table: weekdays 0, weekends 1, holidays 2.
std::size_t TableIndex(DayClass dayClass);

inline constexpr std::array<DayClass, 3> kDayClasses = {DayClass::Werktag, DayClass::Wochenende,
                                                        DayClass::Feiertag};

// The tables before the first load: Vormittag, Nachmittag, Freizeit and Mondschein, each with
// 0000, 0000, 0, 0 in every day class.
TariffTables BuiltInTariffs();
// The content of a newly written tariff file: the single zone Ganztag with 0000, 0000, 0, 0 in
// every day class, fee 0, free minutes 0, holidays on.
TariffTables DefaultTariffs();

// Adds a zone with the same row in all three tables (name copied into the rows).
void AddZone(TariffTables& tables, const std::string& name, const TariffRow& row);

// What is wrong with a price or a unit length.
enum class TariffValueFault {
    NotWholeNumber,
    Negative,  // a whole number below 0: no charge counts backwards, no unit is shorter than 0 s
};

// A price or unit length that cannot be counted with.
struct TariffValueProblem {
    std::size_t zoneIndex = 0;
    std::string zoneName;
    DayClass dayClass = DayClass::Werktag;
    std::string field;  // "PfPerUnit" or "SecPerUnit"
    std::string value;
    TariffValueFault fault = TariffValueFault::NotWholeNumber;

    friend bool operator==(const TariffValueProblem&, const TariffValueProblem&) = default;
};

// Whether a price or unit length can be counted with: a whole number (leading blanks and a sign
// allowed, 32-bit range) that is not negative. 0 is allowed for both: a zone without charge, or
// one whose units are never counted.
std::optional<TariffValueFault> CheckTariffValue(const std::string& value);

// The fault in words, to follow the value it is about: "der keine ganze Zahl ist".
std::string TariffValueFaultText(TariffValueFault fault);

// The first price or unit length, zone by zone and within a zone by day class, that cannot be
// counted with; nothing when all can.
std::optional<TariffValueProblem> ValidateTariffs(const TariffTables& tables);

}  // namespace ruvo
