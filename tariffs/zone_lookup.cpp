#include "tariffs/zone_lookup.h"

#include <algorithm>

namespace ruvo {
namespace {

std::optional<int> TwoDigits(std::string_view text) {
    if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9') {
        return std::nullopt;
    }
    return (text[0] - '0') * 10 + (text[1] - '0');
}

}  // namespace

std::optional<int> MinuteOfDay(std::string_view time) {
    std::optional<int> hours;
    std::optional<int> minutes;
    if (time.size() == 4) {
        hours = TwoDigits(time.substr(0, 2));
        minutes = TwoDigits(time.substr(2, 2));
    } else if (time.size() == 5) {
        hours = TwoDigits(time.substr(0, 2));
        minutes = TwoDigits(time.substr(3, 2));
    }
    if (!hours || !minutes) {
        return std::nullopt;
    }
    return *hours * 60 + *minutes;
}

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
