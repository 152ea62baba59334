#include "features/current_tariff.h"

#include <cstdint>

#include "base/money.h"
#include "domain/calendar.h"
#include "domain/zone_lookup.h"

namespace ruvo {

namespace {

constexpr const char* kNoChargeLine = "\nKeine Telefongebühren.";

DayClass ClassOf(const TariffTables& tables, const HolidayList& holidays,
                 const platform::LocalDateTime& now) {
    return ClassifyDay(TodayText(now), holidays, tables.holidayTariffsOn, now.year);
}

// The number the counter takes for a price or unit length: 0 for one it cannot count with.
std::int32_t CountedValue(const std::string& value) {
    return CheckTariffValue(value) ? 0 : ToInteger(value).value_or(0);
}

// A price of 0 or units of no length count no telephone charge.
bool CountsNoCharge(const std::string& pfPerUnit, const std::string& secPerUnit) {
    return CountedValue(pfPerUnit) == 0 || CountedValue(secPerUnit) == 0;
}

// The price line, with a line of its own saying so when the zone costs nothing.
std::string PriceLine(const TariffRow& row) {
    std::string line = row.pfPerUnit + " Pf in " + row.secPerUnit + " Sekunden.";
    if (CountsNoCharge(row.pfPerUnit, row.secPerUnit)) {
        line += kNoChargeLine;
    }
    return line;
}

// The note that no tariff applies, after its first line: whether a charge is counted at all
// and where the tariff times are set.
std::string NoTariffNote(std::string firstLine, const CounterWindow& counter) {
    if (CountsNoCharge(counter.pfPerUnit.text(), counter.secPerUnit.text())) {
        firstLine += kNoChargeLine;
    }
    return firstLine + "\nTarifzeiten auf der Seite 'Telefon' einstellen.";
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
        // No tariff was put in for this connection: the price line says why nothing is shown.
        if (counter.zoneName.text().empty()) {
            counter.priceLine.setText(NoTariffNote("Zu dieser Zeit gilt kein Tarif.", counter));
        }
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

std::string NoTariffSummary(const CounterWindow& counter) {
    return NoTariffNote("Für diese Verbindung galt kein Tarif.", counter);
}

std::string CurrentZoneIndex(const TariffTables& tables, const HolidayList& holidays,
                             const platform::LocalDateTime& now, CounterWindow& counter) {
    counter.dayLine.setText(DayLine(tables, holidays, now));
    const auto zone = FindCurrentZone(tables, ClassOf(tables, holidays, now), NowTimeText(now));
    return zone ? std::to_string(*zone) : "";
}

}  // namespace ruvo
