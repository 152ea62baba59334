// Whole-number arithmetic of charges and durations, and the texts that show them. Money is whole
// Pfennig, durations whole seconds; there is no floating point.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace ruvo {

// A text that should hold an integer does not.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Leading blanks, an optional sign and decimal digits that fit a signed 32-bit integer; nothing
// else (not the empty text, not trailing blanks).
std::optional<std::int32_t> ToInteger(const std::string& text);
bool IsInteger(const std::string& text);
// Like ToInteger, but throws ConversionError ("'x' ist kein gültiger Integerwert").
std::int32_t StrToInt(const std::string& text);
// Plain decimal, "-" for negative values.
std::string IntToStr(std::int64_t value);

// a mod b with the sign of a; 0 when b is 0.
std::int32_t Remainder(std::int32_t a, std::int32_t b);
// Charge units begun after s seconds with units of u seconds; 0 when u <= 0.
std::int32_t UnitsForSeconds(std::int32_t seconds, std::int32_t secPerUnit);
std::int32_t SecondsLeftInUnit(std::int32_t seconds, std::int32_t secPerUnit);
// Provider fee for p chargeable seconds at f Pfennig per begun minute.
std::int32_t ProviderCharge(std::int32_t feePerMinute, std::int32_t chargeableSeconds);
// "12,34 DM"; negative amounts as "- 1,50 DM".
std::string MoneyText(std::int32_t pfennig);
// "hh:mm:ss", hours not limited to two digits.
std::string DurationText(std::int32_t seconds);

}  // namespace ruvo
