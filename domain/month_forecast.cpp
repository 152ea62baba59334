#include "domain/month_forecast.h"

#include <algorithm>
#include <array>
#include <chrono>

#include "base/money.h"
#include "base/saturate.h"
#include "domain/calendar.h"

namespace ruvo {
namespace {

constexpr std::int64_t kMinutesPerDay = 24LL * 60;
constexpr int kFirstDayWithForecast = 3;

// a / b rounded to the nearest whole number, halves away from zero; b > 0.
std::int64_t RoundedQuotient(std::int64_t a, std::int64_t b) {
    return a >= 0 ? (a + b / 2) / b : -((-a + b / 2) / b);
}

// "24.12."
std::string DayAndMonth(int day, int month) {
    return PadTwo(IntToStr(day)) + "." + PadTwo(IntToStr(month)) + ".";
}

constexpr std::array<const char*, 12> kMonthNames = {
    "Januar", "Februar", "März",      "April",   "Mai",      "Juni",
    "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
constexpr std::array<const char*, 12> kShortMonthNames = {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun",
                                                          "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};

}  // namespace

std::string MonthName(int month) {
    return month >= 1 && month <= 12 ? kMonthNames[static_cast<std::size_t>(month - 1)] : "";
}

std::string ShortMonthName(int month) {
    return month >= 1 && month <= 12 ? kShortMonthNames[static_cast<std::size_t>(month - 1)] : "";
}

int DaysOfMonth(int year, int month) {
    const std::chrono::year_month_day_last last{std::chrono::year{year} /
                                                std::chrono::month{static_cast<unsigned>(month)} /
                                                std::chrono::last};
    return last.ok() ? static_cast<int>(static_cast<unsigned>(last.day())) : 31;
}

std::optional<MonthForecast> ForecastMonth(std::int32_t spentSoFar,
                                           const platform::LocalDateTime& now,
                                           std::optional<std::int32_t> budget) {
    if (now.day < kFirstDayWithForecast) {
        return std::nullopt;
    }
    const std::int64_t monthMinutes =
        std::int64_t{DaysOfMonth(now.year, now.month)} * kMinutesPerDay;
    const std::int64_t elapsed = std::min<std::int64_t>(
        std::int64_t{now.day - 1} * kMinutesPerDay + std::int64_t{now.hour} * 60 + now.minute,
        monthMinutes);
    MonthForecast forecast;
    forecast.expected = SaturateToInt32(RoundedQuotient(spentSoFar * monthMinutes, elapsed));
    if (!budget) {
        return forecast;
    }
    forecast.budgetAmount = *budget;
    if (spentSoFar >= *budget) {
        forecast.budget = MonthForecast::Budget::UsedUp;
        return forecast;
    }
    // At the pace so far the spending reaches the budget `reached` minutes into the month.
    const std::int64_t reached =
        spentSoFar > 0 ? static_cast<std::int64_t>(*budget) * elapsed / spentSoFar : monthMinutes;
    if (reached >= monthMinutes) {
        forecast.budget = MonthForecast::Budget::Lasts;
    } else {
        forecast.budget = MonthForecast::Budget::RunsOut;
        forecast.runsOutOnDay = static_cast<int>(reached / kMinutesPerDay) + 1;
    }
    return forecast;
}

std::string OutlookText(const std::optional<MonthForecast>& forecast,
                        const platform::LocalDateTime& now) {
    if (!forecast) {
        return "ab dem " + IntToStr(kFirstDayWithForecast) + ". Tag";
    }
    switch (forecast->budget) {
        case MonthForecast::Budget::None:
            return "";
        case MonthForecast::Budget::Lasts:
            return "reicht bis Monatsende";
        case MonthForecast::Budget::RunsOut:
            return "aufgebraucht am " + DayAndMonth(forecast->runsOutOnDay, now.month);
        case MonthForecast::Budget::UsedUp:
            return "schon aufgebraucht";
    }
    return "";
}

std::string ForecastSentence(const std::optional<MonthForecast>& forecast,
                             const platform::LocalDateTime& now) {
    const std::string month = MonthName(now.month);
    if (!forecast) {
        return "Eine Prognose für den Monat gibt es ab dem " + IntToStr(kFirstDayWithForecast) +
               ". " + month + ".";
    }
    std::string expected =
        "Bis Ende " + month + " voraussichtlich " + MoneyText(forecast->expected) + ".";
    const std::string ofBudget = " Das Budget von " + MoneyText(forecast->budgetAmount);
    switch (forecast->budget) {
        case MonthForecast::Budget::None:
            return expected;
        case MonthForecast::Budget::Lasts:
            return expected + ofBudget + " reicht bis zum Monatsende.";
        case MonthForecast::Budget::RunsOut:
            return expected + ofBudget + " ist am " +
                   DayAndMonth(forecast->runsOutOnDay, now.month) + " aufgebraucht.";
        case MonthForecast::Budget::UsedUp:
            return expected + ofBudget + " ist schon aufgebraucht.";
    }
    return expected;
}

}  // namespace ruvo
