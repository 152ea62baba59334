// Re-rating: the recorded connections counted again, second by second, under other tariff
// tables, as the live counter would have counted them had those tables been in force.
//
// A connection is the run of records that one dial-up left: a split at a change of zone ends a
// record at the very second and date at which the next one starts. The re-rating runs the
// connection's whole time again under the other tables from its first start, with the counter's
// rules: a tick a second; the tariff looked up again when a unit begins and, after the day it
// started on, at every tick; a split when another zone applies, the record ending with the
// figures of the tick before; units begun times the price; the provider fee per begun minute
// once the month's free minutes are used up, the month's seconds taken from the records saved
// before (the re-rated ones, since those would have been saved).
//
// What the records do not tell is taken as follows: the ticks came on time (no catch-up); the
// program ran through all the connections without a restart and no connection went unsaved. A
// connection that begins when no zone of the tables applies goes on with the tariff of the
// connection before, as the counter does (nothing before the first). Re-rating the records under
// the tables they were counted with gives them back unchanged.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "domain/connection_record.h"
#include "domain/holiday_list.h"
#include "domain/tariff_tables.h"

namespace ruvo {

struct RatedConnection {
    std::vector<ConnectionRecord> recorded;  // as saved, one record per part
    std::vector<ConnectionRecord> rerated;   // the same time under the other tables
};

struct RatedRecords {
    std::vector<RatedConnection> connections;  // in the order of the records
    // Records whose duration, start date or start time cannot be read, and the parts of a
    // connection longer than 31 days: left out.
    std::vector<ConnectionRecord> skipped;
};

// The sum of the records' total charges, and of their durations, as numbers (a field that is
// not a number counts 0).
std::int64_t TotalPfennig(const std::vector<ConnectionRecord>& records);
std::int64_t TotalSeconds(const std::vector<ConnectionRecord>& records);

// Counts connections under one set of tables. Connections must be handed over in the order in
// which they were saved: the month's online seconds and what the counter remembers from one
// connection to the next carry over.
class Rerater {
public:
    // `firstYear` places the records' two-digit years for their weekdays: each is the first
    // year from it on that ends in those digits (from 1999 on, "99" is 1999 and "00" is 2000).
    Rerater(const TariffTables& tables, const HolidayList& holidays, int firstYear);

    // The records the counter would have saved for the connection whose parts these are. Each
    // part's duration and start must be readable; the last part's end is taken over as it
    // stands.
    std::vector<ConnectionRecord> Rate(const std::vector<ConnectionRecord>& parts);

    // The records of a database file (or of several, oldest first), grouped into connections
    // and re-rated.
    RatedRecords RateAll(const std::vector<ConnectionRecord>& records);

private:
    struct Zone {
        std::string name;
        std::int32_t pfPerUnit = 0;
        std::int32_t secPerUnit = 0;
    };
    struct Moment {
        std::string date;  // dd.mm.yy
        int second = 0;    // of the day
    };
    struct Segment;

    int dayClassIndex(const std::string& date) const;
    int zoneAt(int dayClass, int second) const;
    // A start, of the connection or after a split: the tariff that applies then is shown.
    void begin(Segment& segment, const Moment& now, int dayClass);
    // The end that saves the segment's record, with the figures the counter shows.
    void finish(Segment& segment, const Moment& end, std::vector<ConnectionRecord>& out);
    static void show(Segment& segment, bool feeApplies);

    HolidayList holidays_;  // a copy: a list handed over as a temporary must not dangle
    bool holidaysOn_ = true;
    int firstYear_ = 1900;
    std::vector<Zone> zones_;                     // zone index × 3 + day class
    std::array<std::vector<int>, 3> minuteZone_;  // per day class and minute: zone or -1
    std::int32_t providerFee_ = 0;
    std::int32_t freeMinutes_ = 0;
    std::map<std::string, std::int64_t> monthSeconds_;  // by "mm.yy" of the start date

    // What the counter keeps from one connection to the next: the tariff it shows, the unit it
    // looked the tariff up at last, and the charges of its last tick (telephone, provider, total).
    int zoneIndex_ = -1;
    std::string zoneName_;
    std::int32_t pfPerUnit_ = 0;
    std::int32_t secPerUnit_ = 0;
    std::int32_t rememberedUnits_ = -1;  // none yet
    std::array<std::int32_t, 3> lastCharges_ = {0, 0, 0};
};

}  // namespace ruvo
