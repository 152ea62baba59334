#include "base/money.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "base/saturate.h"

namespace ruvo {
namespace {

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

// Two digits with a leading zero for values below 10; longer values as they are.
std::string AtLeastTwoDigits(std::int64_t value) {
    std::string digits = std::to_string(value);
    return digits.size() < 2 ? "0" + digits : digits;
}

}  // namespace

std::optional<std::int32_t> ToInteger(const std::string& text) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos == text.size()) {
        return std::nullopt;
    }
    // The magnitude is bounded by 2^31 while accumulating, so it never overflows however many
    // (leading zero) digits the text has.
    const std::int64_t limit = negative ? -kInt32Min : kInt32Max;
    std::int64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

bool IsInteger(const std::string& text) {
    return ToInteger(text).has_value();
}

std::int32_t StrToInt(const std::string& text) {
    const std::optional<std::int32_t> value = ToInteger(text);
    if (!value) {
        throw ConversionError("'" + text + "' ist kein gültiger Integerwert");
    }
    return *value;
}

std::string IntToStr(std::int64_t value) {
    return std::to_string(value);
}

std::string NumberFieldText(const std::string& text, const std::string& defaultText,
                            bool twoDigits) {
    const std::optional<std::int32_t> value = ToInteger(text);
    if (twoDigits && value) {
        // " 8" and "+8" are the number 8 as well: stored as "08", as the readers of times and
        // dates take two digits.
        return *value < 0 ? IntToStr(*value) : AtLeastTwoDigits(*value);
    }
    const std::string& result = value ? text : defaultText;
    if (twoDigits && result.size() == 1) {
        return "0" + result;
    }
    return result;
}

std::int32_t Remainder(std::int32_t a, std::int32_t b) {
    // b = -1 always leaves 0; handled apart because INT32_MIN % -1 overflows.
    if (b == 0 || b == -1) {
        return 0;
    }
    return a % b;
}

std::int32_t UnitsForSeconds(std::int32_t seconds, std::int32_t secPerUnit) {
    if (secPerUnit <= 0) {
        return 0;
    }
    return SaturateToInt32(std::int64_t{seconds} / secPerUnit + 1);
}

std::int32_t SecondsLeftInUnit(std::int32_t seconds, std::int32_t secPerUnit) {
    return SaturateToInt32(std::int64_t{secPerUnit} - Remainder(seconds, secPerUnit));
}

std::int32_t ProviderCharge(std::int32_t feePerMinute, std::int32_t chargeableSeconds) {
    return SaturateToInt32(std::int64_t{feePerMinute} * (std::int64_t{chargeableSeconds} / 60 + 1));
}

std::string MoneyText(std::int32_t pfennig) {
    // Widened first so that the amount of INT32_MIN Pfennig can be negated.
    const std::int64_t amount = pfennig;
    const std::int64_t magnitude = amount < 0 ? -amount : amount;
    std::string text =
        std::to_string(magnitude / 100) + "," + AtLeastTwoDigits(magnitude % 100) + " DM";
    return amount < 0 ? "- " + text : text;
}

std::string DurationText(std::int32_t seconds) {
    const std::int64_t total = seconds;
    const std::int64_t magnitude = total < 0 ? -total : total;
    std::string text = AtLeastTwoDigits(magnitude / 3600) + ":" +
                       AtLeastTwoDigits(magnitude % 3600 / 60) + ":" +
                       AtLeastTwoDigits(magnitude % 60);
    return total < 0 ? "-" + text : text;
}

std::optional<std::int32_t> ParseMarkAmount(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return std::nullopt;
    }
    const std::string amount = text.substr(first, text.find_last_not_of(' ') + 1 - first);
    const std::size_t separator = amount.find_first_of(",.");
    const std::string marks = amount.substr(0, separator);
    const std::string pfennig = separator == std::string::npos ? "" : amount.substr(separator + 1);
    const auto allDigits = [](const std::string& digits) {
        return std::all_of(digits.begin(), digits.end(),
                           [](char c) { return c >= '0' && c <= '9'; });
    };
    if (marks.empty() || marks.size() > 9 || !allDigits(marks) || !allDigits(pfennig) ||
        (separator != std::string::npos && (pfennig.empty() || pfennig.size() > 2))) {
        return std::nullopt;
    }
    std::int64_t total = std::stoll(marks) * 100;
    if (!pfennig.empty()) {
        total += std::stoll(pfennig) * (pfennig.size() == 1 ? 10 : 1);
    }
    if (total > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(total);
}

}  // namespace ruvo
