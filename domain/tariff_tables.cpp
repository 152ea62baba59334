#include "domain/tariff_tables.h"

#include "base/money.h"

#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string_view>
#include <utility>

namespace ruvo {
namespace {

TariffTables WithZones(std::initializer_list<const char*> names) {
    TariffTables tables;
    for (const char* name : names) {
        AddZone(tables, name, TariffRow{"", "0000", "0000", "0", "0"});
    }
    return tables;
}

}  // namespace

std::size_t TableIndex(DayClass dayClass) {
    switch (dayClass) {
        case DayClass::Wochenende:
            return 1;
        case DayClass::Feiertag:
            return 2;
        case DayClass::Werktag:
            break;
    }
    return 0;
}

TariffTable& TariffTables::table(DayClass dayClass) {
    return tables[TableIndex(dayClass)];
}

const TariffTable& TariffTables::table(DayClass dayClass) const {
    return tables[TableIndex(dayClass)];
}

TariffTables BuiltInTariffs() {
    return WithZones({"Vormittag", "Nachmittag", "Freizeit", "Mondschein"});
}

TariffTables DefaultTariffs() {
    return WithZones({"Ganztag"});
}

void AddZone(TariffTables& tables, const std::string& name, const TariffRow& row) {
    tables.zoneList.push_back(name);
    for (TariffTable& table : tables.tables) {
        table.push_back(row);
        table.back().name = name;
    }
}

std::optional<TariffValueFault> CheckTariffValue(const std::string& value) {
    const auto number = ToInteger(value);
    if (!number) {
        return TariffValueFault::NotWholeNumber;
    }
    if (*number < 0) {
        return TariffValueFault::Negative;
    }
    return std::nullopt;
}

std::string TariffValueFaultText(TariffValueFault fault) {
    switch (fault) {
        case TariffValueFault::Negative:
            return "der negativ ist";
        case TariffValueFault::NotWholeNumber:
            break;
    }
    return "der keine ganze Zahl ist";
}

std::optional<TariffValueProblem> ValidateTariffs(const TariffTables& tables) {
    for (std::size_t zone = 0; zone < tables.zoneList.size(); ++zone) {
        for (const DayClass dayClass : kDayClasses) {
            const TariffTable& table = tables.table(dayClass);
            if (zone >= table.size()) {
                continue;
            }
            const TariffRow& row = table[zone];
            for (const auto& [field, value] :
                 {std::pair<const char*, const std::string*>{"PfPerUnit", &row.pfPerUnit},
                  std::pair<const char*, const std::string*>{"SecPerUnit", &row.secPerUnit}}) {
                if (const auto fault = CheckTariffValue(*value)) {
                    return TariffValueProblem{zone,  tables.zoneList[zone], dayClass, field, *value,
                                              *fault};
                }
            }
        }
    }
    return std::nullopt;
}

}  // namespace ruvo
