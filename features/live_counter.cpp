#include "features/live_counter.h"

#include <algorithm>

#include "base/money.h"
#include "base/saturate.h"
#include "domain/calendar.h"

namespace ruvo {

LiveCounter::LiveCounter(CounterWindow& window, SummaryWindow& summary, platform::Clock& clock,
                         platform::Timers& timers, platform::Sound& sound, CounterHost& host)
    : window_(window), summary_(summary), clock_(clock), sound_(sound), host_(host) {
    timer_ = timers.createTimer(1000, [this] { tick(); });
}

bool LiveCounter::running() const {
    return timer_->enabled();
}

void LiveCounter::start() {
    window_.progressPosition = 0;
    window_.progressMaximum = 0;
    window_.durationText.setText("00:00:00");
    window_.telephoneText.setText("0,00 DM");
    window_.providerText.setText("0,00 DM");
    window_.totalText.setText("0,00 DM");
    window_.zoneName.setText("");
    window_.priceLine.setText("");
    window_.restText.setText("");
    window_.unitText.setText("0");
    window_.warnBox.setChecked(false);
    elapsed_ = 0;
    providerSeconds_ = 0;
    units_ = 0;
    telephone_ = 0;
    provider_ = 0;
    total_ = 0;
    badTariffReported_ = false;
    startMs_ = clock_.monotonicMs();
    timer_->setEnabled(false);
    timer_->setEnabled(true);
}

void LiveCounter::stop() {
    timer_->setEnabled(false);
}

std::int32_t LiveCounter::tariffValue(const TextField& field, bool negativeAllowed) {
    const auto value = ToInteger(field.text());
    if (value && (*value >= 0 || negativeAllowed)) {
        return *value;
    }
    if (!badTariffReported_) {
        badTariffReported_ = true;
        host_.reportBadTariffValue(
            window_.zoneName.text(), field.text(),
            value ? TariffValueFault::Negative : TariffValueFault::NotWholeNumber);
    }
    return 0;
}

void LiveCounter::tick() {
    advanceElapsed();
    const bool feeApplies = host_.freeMinutesUsedUp(elapsed_);
    if (feeApplies) {
        ++providerSeconds_;
    }
    window_.durationText.setText(DurationText(elapsed_));
    countUnits(unitLengthAfterZoneCheck());
    countTelephoneCharge();
    const std::int32_t secondsLeft = showSecondsLeft();
    countProviderChargeAndTotal(feeApplies);
    autosaveWhenTotalChanged();
    host_.showInTitle(total_, elapsed_, secondsLeft);
    warnBeforeNextUnit(secondsLeft);
    host_.showBudgetStatus(total_);
}

void LiveCounter::advanceElapsed() {
    // The monotonic clock decides, so a late or lost tick is caught up; the time still moves on
    // by at least one second per tick.
    const std::int64_t sinceStart = (clock_.monotonicMs() - startMs_) / 1000;
    elapsed_ = SaturateToInt32(std::max<std::int64_t>(elapsed_ + 1LL, sinceStart));
}

std::int32_t LiveCounter::unitLengthAfterZoneCheck() {
    // A new unit, or a new day since the tariff lookup: the zone in force may have changed.
    std::int32_t secPerUnit = tariffValue(window_.secPerUnit);
    const std::string unitText = secPerUnit > 0 ? IntToStr(elapsed_ / secPerUnit + 1LL) : "0";
    if (unitText != rememberedUnitText_ ||
        window_.lookupDate.text() != TodayWithWeekday(clock_.now())) {
        rememberedUnitText_ = unitText;
        const std::string zoneNow = host_.currentZoneIndex();
        // No zone covering this moment is no reason to split: the tariff in force stays.
        if (!zoneNow.empty() && zoneNow != window_.zoneIndex.text()) {
            host_.segmentSplit();
            secPerUnit = tariffValue(window_.secPerUnit);
        }
    }
    return secPerUnit;
}

void LiveCounter::countUnits(std::int32_t secPerUnit) {
    window_.progressMaximum = secPerUnit;
    window_.progressPosition = Remainder(elapsed_, secPerUnit);
    units_ = UnitsForSeconds(elapsed_, secPerUnit);
    window_.unitText.setText(IntToStr(units_));
}

void LiveCounter::countTelephoneCharge() {
    telephone_ =
        SaturateToInt32(static_cast<std::int64_t>(units_) * tariffValue(window_.pfPerUnit));
    window_.telephoneText.setText(MoneyText(telephone_));
}

std::int32_t LiveCounter::showSecondsLeft() {
    const std::int32_t secondsLeft = window_.progressMaximum - window_.progressPosition;
    window_.restText.setText("Rest von " + window_.secPerUnit.text() +
                             " Sekunden : " + IntToStr(secondsLeft) + "  ");
    return secondsLeft;
}

void LiveCounter::countProviderChargeAndTotal(bool feeApplies) {
    if (feeApplies) {
        provider_ = ProviderCharge(tariffValue(window_.providerFee, true), providerSeconds_);
        window_.providerText.setText(MoneyText(provider_));
    }
    // The provider minutes charged so far stay in the total even when the fee stops applying
    // during the connection (a new month, more free minutes entered): they were incurred.
    total_ = SaturateToInt32(static_cast<std::int64_t>(telephone_) + provider_);
    summary_.setCharges(IntToStr(telephone_), IntToStr(provider_), IntToStr(total_));
    window_.totalText.setText(MoneyText(total_));
}

void LiveCounter::autosaveWhenTotalChanged() {
    if (total_ == lastAutosavedTotal_) {
        return;
    }
    lastAutosavedTotal_ = total_;
    const platform::LocalDateTime now = clock_.now();
    ConnectionRecord running = summary_.pending;
    running.tariffName = window_.zoneName.text();
    running.durationSeconds = IntToStr(elapsed_);
    running.units = IntToStr(units_);
    running.endTime = NowTimeTextLong(now);
    running.endDate = TodayText(now);
    host_.writeAutosave(running);
}

void LiveCounter::warnBeforeNextUnit(std::int32_t secondsLeft) {
    if (secondsLeft - host_.warningLeadSeconds() >= 0) {
        window_.warnBox.setChecked(false);
        host_.refreshTrayPicture();
    } else if (window_.warnInTray.checked()) {
        if (window_.warnBeep.checked()) {
            sound_.beep(platform::Beep::Standard);
        }
        window_.warnBox.setChecked(true);
        host_.refreshTrayPicture();
    }
}

}  // namespace ruvo
