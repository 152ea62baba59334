#include "domain/rerating.h"

#include <optional>

#include "base/money.h"
#include "base/saturate.h"
#include "domain/calendar.h"
#include "domain/tariff_tables.h"
#include "domain/zone_lookup.h"

namespace ruvo {
namespace {

constexpr int kSecondsPerDay = 24 * 60 * 60;
// Longer than any connection the counter counted: a record beyond it was edited by hand, and
// counting it second by second would take minutes.
constexpr std::int64_t kLongestConnection = std::int64_t{31} * kSecondsPerDay;

std::optional<int> TwoDigits(const std::string& text, std::size_t at) {
    const char a = text[at];
    const char b = text[at + 1];
    if (a < '0' || a > '9' || b < '0' || b > '9') {
        return std::nullopt;
    }
    return (a - '0') * 10 + (b - '0');
}

// The second of the day of a recorded time "hh:mm:ss".
std::optional<int> SecondOfDay(const std::string& time) {
    if (time.size() != 8 || time[2] != ':' || time[5] != ':') {
        return std::nullopt;
    }
    const auto h = TwoDigits(time, 0);
    const auto m = TwoDigits(time, 3);
    const auto s = TwoDigits(time, 6);
    if (!h || !m || !s || *h > 23 || *m > 59 || *s > 59) {
        return std::nullopt;
    }
    return (*h * 60 + *m) * 60 + *s;
}

std::string TimeText(int second) {
    const auto two = [](int n) { return PadTwo(std::to_string(n)); };
    return two(second / 3600) + ":" + two(second / 60 % 60) + ":" + two(second % 60);
}

// The number the counter takes for a price or unit length: 0 for one it cannot count with.
std::int32_t CountedValue(const std::string& value) {
    return CheckTariffValue(value) ? 0 : ToInteger(value).value_or(0);
}

std::optional<std::int32_t> Duration(const ConnectionRecord& record) {
    const auto seconds = ToInteger(record.durationSeconds);
    if (!seconds || *seconds < 0) {
        return std::nullopt;
    }
    return seconds;
}

bool Readable(const ConnectionRecord& record) {
    return Duration(record) && IsValidDateText(record.startDate) && SecondOfDay(record.startTime);
}

// A split ends a record at the second at which the next one starts; a new dial-up starts at a
// later poll of the online state than the one that noticed the hang-up.
bool Continues(const ConnectionRecord& before, const ConnectionRecord& next) {
    return before.endTime == next.startTime && before.endDate == next.startDate;
}

}  // namespace

std::int64_t TotalPfennig(const std::vector<ConnectionRecord>& records) {
    std::int64_t sum = 0;
    for (const ConnectionRecord& record : records) {
        sum += ToInteger(record.totalCharge).value_or(0);
    }
    return sum;
}

std::int64_t TotalSeconds(const std::vector<ConnectionRecord>& records) {
    std::int64_t sum = 0;
    for (const ConnectionRecord& record : records) {
        sum += ToInteger(record.durationSeconds).value_or(0);
    }
    return sum;
}

// One record's worth of the counter's state: from a start (of the connection or after a split)
// to the end that saves it. What the counter shows (units and charges) is kept apart from what
// the current tick has counted so far, since a split saves the figures shown at the tick before.
struct Rerater::Segment {
    Moment start;
    std::int64_t elapsed = 0;
    std::int64_t feeFrom = 0;  // the first second at which the month's free minutes are used up
    std::int32_t providerSeconds = 0;
    std::int32_t unitNumber = 0;  // the unit begun, as the counter compares it; 0 without units
    std::int64_t nextUnitAt = 0;  // the second at which the next unit begins
    bool dayChanged = false;      // a tick fell on a later day than the start
    bool shown = false;           // the counter shows "0" units until the first tick
    std::int32_t shownUnits = 0;
    std::int32_t shownProviderSeconds = 0;
    bool providerShown = false;  // a tick charged the provider fee
};

Rerater::Rerater(const TariffTables& tables, const HolidayList& holidays, int firstYear)
    : holidays_(holidays), holidaysOn_(tables.holidayTariffsOn), firstYear_(firstYear) {
    const std::size_t zoneCount = tables.zoneList.size();
    zones_.resize(zoneCount * 3);
    for (std::size_t c = 0; c < 3; ++c) {
        const TariffTable& table = tables.table(kDayClasses[c]);
        for (std::size_t z = 0; z < zoneCount && z < table.size(); ++z) {
            zones_[z * 3 + c] = Zone{table[z].name, CountedValue(table[z].pfPerUnit),
                                     CountedValue(table[z].secPerUnit)};
        }
        // The zone of each minute, found as the counter finds it.
        minuteZone_[c].resize(std::size_t{24} * 60);
        for (int minute = 0; minute < 24 * 60; ++minute) {
            const std::string time =
                PadTwo(std::to_string(minute / 60)) + PadTwo(std::to_string(minute % 60));
            const auto zone = FindCurrentZone(tables, kDayClasses[c], time);
            minuteZone_[c][static_cast<std::size_t>(minute)] = zone ? static_cast<int>(*zone) : -1;
        }
    }
    // The program replaces a header value that is not a whole number by 0; the fee may be
    // negative.
    providerFee_ = ToInteger(tables.providerFee).value_or(0);
    freeMinutes_ = ToInteger(tables.freeMinutes).value_or(0);
}

int Rerater::dayClassIndex(const std::string& date) const {
    const int digits = TwoDigits(date, 6).value_or(0);
    const int year = firstYear_ + ((digits - firstYear_ % 100) % 100 + 100) % 100;
    return static_cast<int>(TableIndex(ClassifyDay(date, holidays_, holidaysOn_, year)));
}

int Rerater::zoneAt(int dayClass, int second) const {
    return minuteZone_[static_cast<std::size_t>(dayClass)][static_cast<std::size_t>(second / 60)];
}

void Rerater::finish(Segment& segment, const Moment& end, std::vector<ConnectionRecord>& out) {
    if (segment.shown) {
        const std::int32_t telephone =
            SaturateToInt32(std::int64_t{segment.shownUnits} * pfPerUnit_);
        const std::int32_t provider =
            segment.providerShown ? ProviderCharge(providerFee_, segment.shownProviderSeconds) : 0;
        lastCharges_ = {telephone, provider, SaturateToInt32(std::int64_t{telephone} + provider)};
    }
    out.push_back(ConnectionRecord{zoneName_, IntToStr(SaturateToInt32(segment.elapsed)),
                                   IntToStr(segment.shown ? segment.shownUnits : 0),
                                   IntToStr(lastCharges_[0]), IntToStr(lastCharges_[1]),
                                   IntToStr(lastCharges_[2]), TimeText(segment.start.second),
                                   segment.start.date, TimeText(end.second), end.date});
    monthSeconds_[MonthKey(segment.start.date)] += segment.elapsed;
}

void Rerater::begin(Segment& segment, const Moment& now, int dayClass) {
    segment = Segment{};
    segment.start = now;
    // Where no zone applies, the counter keeps the tariff it showed before.
    const int zone = zoneAt(dayClass, now.second);
    if (zone >= 0) {
        zoneIndex_ = zone;
        const Zone& z =
            zones_[static_cast<std::size_t>(zone) * 3 + static_cast<std::size_t>(dayClass)];
        zoneName_ = z.name;
        pfPerUnit_ = z.pfPerUnit;
        secPerUnit_ = z.secPerUnit;
    }
    // The fee applies from the second at which (month's seconds + elapsed) div 60 exceeds the
    // free minutes.
    const std::int64_t month = SaturateToInt32(monthSeconds_[MonthKey(now.date)]);
    segment.feeFrom = 60 * (std::int64_t{freeMinutes_} + 1) - month;
    segment.unitNumber = secPerUnit_ > 0 ? 1 : 0;
    segment.nextUnitAt = secPerUnit_;
}

// What the counter shows after a tick: the units begun and the provider fee charged so far.
void Rerater::show(Segment& segment, bool feeApplies) {
    segment.shown = true;
    segment.shownUnits = segment.unitNumber;
    if (feeApplies) {
        segment.providerShown = true;
        segment.shownProviderSeconds = segment.providerSeconds;
    }
}

std::vector<ConnectionRecord> Rerater::Rate(const std::vector<ConnectionRecord>& parts) {
    std::vector<ConnectionRecord> out;
    if (parts.empty()) {
        return out;
    }
    std::int64_t ticks = 0;
    for (const ConnectionRecord& part : parts) {
        ticks += Duration(part).value_or(0);
    }
    Moment now{parts.front().startDate, SecondOfDay(parts.front().startTime).value_or(0)};
    int dayClass = dayClassIndex(now.date);
    Segment segment;
    begin(segment, now, dayClass);

    for (std::int64_t tick = 0; tick < ticks; ++tick) {
        if (++now.second == kSecondsPerDay) {
            now.second = 0;
            now.date = NextDay(now.date);
            dayClass = dayClassIndex(now.date);
            segment.dayChanged = true;
        }
        ++segment.elapsed;
        const bool feeApplies = segment.elapsed >= segment.feeFrom;
        if (feeApplies) {
            ++segment.providerSeconds;
        }
        if (secPerUnit_ > 0 && segment.elapsed == segment.nextUnitAt) {
            ++segment.unitNumber;
            segment.nextUnitAt += secPerUnit_;
        }
        // A new unit, or a later day than the start: look at the tariff again.
        if (segment.unitNumber != rememberedUnits_ || segment.dayChanged) {
            rememberedUnits_ = segment.unitNumber;
            const int zone = zoneAt(dayClass, now.second);
            if (zone >= 0 && zone != zoneIndex_) {
                finish(segment, now, out);
                begin(segment, now, dayClass);
            }
        }
        show(segment, feeApplies);
    }

    // The end as recorded: the hang-up is noticed at a poll, up to a second after the last tick.
    const ConnectionRecord& last = parts.back();
    finish(segment, Moment{last.endDate, 0}, out);
    out.back().endTime = last.endTime;
    return out;
}

RatedRecords Rerater::RateAll(const std::vector<ConnectionRecord>& records) {
    RatedRecords result;
    std::vector<ConnectionRecord> parts;
    const auto skip = [&](const ConnectionRecord& record) {
        // Its seconds still count for the month, as the program counts them.
        if (const auto seconds = Duration(record); seconds && record.startDate.size() >= 8) {
            monthSeconds_[MonthKey(record.startDate)] += *seconds;
        }
        result.skipped.push_back(record);
    };
    const auto flush = [&] {
        if (TotalSeconds(parts) > kLongestConnection) {
            for (const ConnectionRecord& part : parts) {
                skip(part);
            }
            parts.clear();
        }
        if (!parts.empty()) {
            std::vector<ConnectionRecord> rerated = Rate(parts);
            result.connections.push_back(RatedConnection{std::move(parts), std::move(rerated)});
            parts.clear();
        }
    };
    for (const ConnectionRecord& record : records) {
        if (!Readable(record)) {
            flush();
            skip(record);
            continue;
        }
        if (!parts.empty() && !Continues(parts.back(), record)) {
            flush();
        }
        parts.push_back(record);
    }
    flush();
    return result;
}

}  // namespace ruvo
