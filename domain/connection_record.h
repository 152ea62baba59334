// One finished connection as it is stored in the connection database.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace ruvo {

// Ten texts, in the order of the file. Numbers are plain decimal integers; money is Pfennig.
struct ConnectionRecord {
    std::string tariffName;       // the tariff shown on the live counter at the end
    std::string durationSeconds;  // connected time
    std::string units;            // telephone charge units
    std::string telephoneCharge;  // Pfennig
    std::string providerCharge;   // Pfennig
    std::string totalCharge;      // Pfennig, as the live counter computed it
    std::string startTime;        // hh:mm:ss
    std::string startDate;        // dd.mm.yy
    std::string endTime;          // hh:mm:ss
    std::string endDate;          // dd.mm.yy; written, but read by no one

    friend bool operator==(const ConnectionRecord&, const ConnectionRecord&) = default;
};

inline constexpr std::size_t kRecordFieldCount = 10;

// The fields in file order, for code that walks them by position.
inline constexpr std::array<std::string ConnectionRecord::*, kRecordFieldCount> kRecordFields = {
    &ConnectionRecord::tariffName,     &ConnectionRecord::durationSeconds,
    &ConnectionRecord::units,          &ConnectionRecord::telephoneCharge,
    &ConnectionRecord::providerCharge, &ConnectionRecord::totalCharge,
    &ConnectionRecord::startTime,      &ConnectionRecord::startDate,
    &ConnectionRecord::endTime,        &ConnectionRecord::endDate,
};

// What the writer stores in place of an empty field, in file order.
inline constexpr std::array<std::string_view, kRecordFieldCount> kRecordFieldDefaults = {
    "noname", "0", "0", "0", "0", "0", "00:00:00", "00.00.00", "00:00:00", "00.00.00",
};

}  // namespace ruvo
