// Connection database files as the program writes them, built from start dates and totals.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "records/connection_record.h"
#include "records/database_file.h"

namespace ruvo::testing {

// A start date and a total charge in Pfennig (as text, so that a bad total can be written).
using Spending = std::pair<std::string, std::string>;

inline ConnectionRecord SpendingRecord(const Spending& spending) {
    ConnectionRecord record;
    record.tariffName = "City";
    record.durationSeconds = "600";
    record.units = "4";
    record.telephoneCharge = spending.second;
    record.providerCharge = "0";
    record.totalCharge = spending.second;
    record.startTime = "10:00:00";
    record.startDate = spending.first;
    record.endTime = "10:10:00";
    record.endDate = spending.first;
    return record;
}

// The header and one record per entry.
inline std::string DatabaseBytes(const std::vector<Spending>& records) {
    std::string bytes(kDatabaseHeader);
    for (const Spending& spending : records) {
        bytes += SerializeRecord(SpendingRecord(spending));
    }
    return bytes;
}

}  // namespace ruvo::testing
