#include "features/current_tariff.h"

#include <cstdint>

#include "base/money.h"
#include "domain/calendar.h"
#include "domain/zone_lookup.h"

namespace ruvo {

namespace {

DayClass ClassOf(const TariffTables& tables, const HolidayList& holidays,
                 const platform::LocalDateTime& now) {
    return ClassifyDay(TodayText(now), holidays, tables.holidayTariffsOn, now.year);
}

// The number the counter takes for a price or unit length: 0 for one it cannot count with.
std::int32_t CountedValue(const std::string& value) {
    return CheckTariffValue(value) ? 0 : ToInteger(value).value_or(0);
}

// The price line, with a line of its own saying so when the zone costs nothing: a price of 0 or
// units of no length count no telephone charge.
std::string PriceLine(const TariffRow& row) {
    std::string line = row.pfPerUnit + " Pf in " + row.secPerUnit + " Sekunden.";
    if (CountedValue(row.pfPerUnit) == 0 || CountedValue(row.secPerUnit) == 0) {
        line += "\nKeine Telefongebühren.";
    }
    return line;
}

}  // namespace

std::string DayLine(const TariffTables& tables, const HolidayList& holidays,
                    const platform::LocalDateTime& now) {
    return TodayWithWeekday(now) + DayClassText(ClassOf(tables, holidays, now));
}

void ShowCurrentTariff(const TariffTables& tables, const HolidayList& holidays,
                       const platform::LocalDateTime& now, const std::string& providerFee,
                       CounterWindow& counter) {
    counter.dayLine.setText(DayLine(tables, holidays, now));
    counter.lookupDate.setText(TodayWithWeekday(now));
    const DayClass dayClass = ClassOf(tables, holidays, now);
    const auto zone = FindCurrentZone(tables, dayClass, NowTimeText(now));
    if (!zone) {
        return;
    }
    const TariffRow& row = tables.table(dayClass)[*zone];
    counter.providerFee.setText(providerFee);
    counter.zoneName.setText(row.name);
    counter.zoneIndex.setText(std::to_string(*zone));
    counter.priceLine.setText(PriceLine(row));
    counter.pfPerUnit.setText(row.pfPerUnit);
    counter.secPerUnit.setText(row.secPerUnit);
    counter.beginHour.setText(row.begin.substr(0, 2));
    counter.beginMinute.setText(row.begin.size() > 2 ? row.begin.substr(2, 2) : "");
    counter.endHour.setText(row.end.substr(0, 2));
    counter.endMinute.setText(row.end.size() > 2 ? row.end.substr(2, 2) : "");
}

std::string CurrentZoneIndex(const TariffTables& tables, const HolidayList& holidays,
                             const platform::LocalDateTime& now, CounterWindow& counter) {
    counter.dayLine.setText(DayLine(tables, holidays, now));
    const auto zone = FindCurrentZone(tables, ClassOf(tables, holidays, now), NowTimeText(now));
    return zone ? std::to_string(*zone) : "";
}

}  // namespace ruvo
