// Connection database files as the program writes them, built from start dates and totals.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "domain/connection_record.h"
#include "domain/database_file.h"

namespace ruvo::testing {

// A start date and a total charge in Pfennig (as text, so that a bad total can be written).
using Spending = std::pair<std::string, std::string>;

inline ConnectionRecord SpendingRecord(const Spending& spending) {
    const auto& [date, total] = spending;
    return ConnectionRecord{"City", "600",      "4",  total,      "0",
                            total,  "10:00:00", date, "10:10:00", date};
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
