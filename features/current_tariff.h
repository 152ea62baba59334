// Puts the tariff that applies at a moment into the live counter's tariff fields.
#pragma once

#include <string>

#include "domain/holiday_list.h"
#include "domain/tariff_tables.h"
#include "platform/platform.h"
#include "window_models/counter_window.h"

namespace ruvo {

// The counter's day line, e.g. "Dienstag, 07.12.99, Werktag".
std::string DayLine(const TariffTables& tables, const HolidayList& holidays,
                    const platform::LocalDateTime& now);

// Sets the day line and the date field; when a zone applies, also the zone's name, index, price
// line (with a second line "Keine Telefongebühren." when its price or unit length is 0 or counted
// as 0), unit price and length, begin and end, and the provider fee. When none applies the other
// fields keep what they hold; when, besides, no tariff was put in since the counter started (its
// zone name is empty), the price line says that no tariff applies now, whether a charge is
// counted, and where the tariff times are set.
void ShowCurrentTariff(const TariffTables& tables, const HolidayList& holidays,
                       const platform::LocalDateTime& now, const std::string& providerFee,
                       CounterWindow& counter);

// The summary's note for a connection counted without a tariff (the counter's zone name is
// empty): the counter's lines, the first one told in the past.
std::string NoTariffSummary(const CounterWindow& counter);

// Sets the day line and gives the index of the zone that applies now, or the empty text.
std::string CurrentZoneIndex(const TariffTables& tables, const HolidayList& holidays,
                             const platform::LocalDateTime& now, CounterWindow& counter);

}  // namespace ruvo
