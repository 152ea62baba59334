// The live counter: once a second during a connection it counts the connected time, the charge
// units of the tariff in force, the provider fee once the free minutes are used up, and the
// totals; it writes them into the pending record, renews the autosave when the total changes,
// and drives the title display, the unit warning and the budget status.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "domain/tariff_tables.h"
#include "platform/platform.h"
#include "window_models/counter_window.h"
#include "window_models/summary_window.h"

namespace ruvo {

// What the counter asks of the rest of the program during a tick.
class CounterHost {
public:
    virtual ~CounterHost() = default;
    // Whether the month's free minutes are used up, counting `runningSeconds` of this connection.
    virtual bool freeMinutesUsedUp(std::int32_t runningSeconds) = 0;
    // The zone index that applies now, or the empty text; refreshes the counter's day line.
    virtual std::string currentZoneIndex() = 0;
    // Ends the connection here (saved without a summary) and starts the next one at once.
    virtual void segmentSplit() = 0;
    // Replaces the autosave with the running connection's figures.
    virtual void writeAutosave(const ConnectionRecord& running) = 0;
    // Builds the title suffix from the running figures and applies it to the window in front.
    virtual void showInTitle(std::int32_t totalPfennig, std::int32_t elapsedSeconds,
                             std::int32_t secondsLeft) = 0;
    // The warning lead in seconds, from the main window's setting.
    virtual std::int32_t warningLeadSeconds() = 0;
    virtual void refreshTrayPicture() = 0;
    // Shows the counter's budget figures for the running total.
    virtual void showBudgetStatus(std::int32_t totalPfennig) = 0;
    // Tells the user that a value of the tariff in force is not a number, or that its price or
    // unit length is negative.
    virtual void reportBadTariffValue(const std::string& zone, const std::string& value,
                                      TariffValueFault fault) = 0;
};

class LiveCounter {
public:
    LiveCounter(CounterWindow& window, SummaryWindow& summary, platform::Clock& clock,
                platform::Timers& timers, platform::Sound& sound, CounterHost& host);

    // Resets the figures and starts the tick; the tariff is looked up by the caller.
    void start();
    void stop();
    bool running() const;

    // One tick; public so that a test can run one without a timer.
    void tick();

    std::int32_t elapsedSeconds() const { return elapsed_; }
    std::int32_t units() const { return units_; }
    std::int32_t telephoneCharge() const { return telephone_; }
    std::int32_t providerCharge() const { return provider_; }
    std::int32_t totalCharge() const { return total_; }

private:
    // The steps of a tick, in order.
    void advanceElapsed();
    // The unit length of the tariff in force; at a new unit or a new day it checks the zone
    // first and splits the connection when another zone applies now.
    std::int32_t unitLengthAfterZoneCheck();
    // Units begun and the progress in the unit.
    void countUnits(std::int32_t secPerUnit);
    void countTelephoneCharge();
    // Shows and gives the seconds left in the unit.
    std::int32_t showSecondsLeft();
    void countProviderChargeAndTotal(bool feeApplies);
    void autosaveWhenTotalChanged();
    void warnBeforeNextUnit(std::int32_t secondsLeft);

    // The field's number; 0, told once per connection, for a text that is not a whole number
    // or, unless `negativeAllowed`, a number below 0.
    std::int32_t tariffValue(const TextField& field, bool negativeAllowed = false);

    CounterWindow& window_;
    SummaryWindow& summary_;
    platform::Clock& clock_;
    platform::Sound& sound_;
    CounterHost& host_;
    std::unique_ptr<platform::Timer> timer_;

    std::int64_t startMs_ = 0;
    std::int32_t elapsed_ = 0;
    std::int32_t providerSeconds_ = 0;  // ProvZeit
    std::int32_t units_ = 0;
    std::int32_t telephone_ = 0;
    std::int32_t provider_ = 0;
    std::int32_t total_ = 0;
    std::string rememberedUnitText_;       // lives across connections
    std::int32_t lastAutosavedTotal_ = 0;  // lives for the whole run
    bool badTariffReported_ = false;
};

}  // namespace ruvo
