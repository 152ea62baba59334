#include "domain/zone_lookup.h"

#include <algorithm>

namespace ruvo {
std::optional<std::size_t> FindCurrentZone(const TariffTables& tables, DayClass dayClass,
                                           std::string_view time) {
    const auto now = MinuteOfDay(time);
    if (!now) {
        return std::nullopt;
    }
    const TariffTable& table = tables.table(dayClass);
    const std::size_t zones = std::min(tables.zoneList.size(), table.size());
    for (std::size_t i = 0; i < zones; ++i) {
        const auto begin = MinuteOfDay(table[i].begin);
        const auto end = MinuteOfDay(table[i].end);
        if (begin && end && *begin <= *now && *now < *end) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace ruvo
