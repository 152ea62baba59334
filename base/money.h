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
// What a numeric edit field holds after the user leaves it: its text when IsInteger, otherwise
// `defaultText`. A two-digit field holds the number written plainly with at least two digits
// (" 8", "+8" and "8" -> "08", "-3" stays), and a one-character default gets a "0" in front.
// There is no range check.
std::string NumberFieldText(const std::string& text, const std::string& defaultText,
                            bool twoDigits);

// The charge functions below are defined for every argument: a result that would not fit 32 bits
// stops at INT32_MIN or INT32_MAX instead of wrapping.

// a mod b with the sign of a (-7 mod 2 = -1); 0 when b is 0.
std::int32_t Remainder(std::int32_t a, std::int32_t b);
// Charge units begun after s seconds with units of u seconds: s div u + 1, so the first unit
// counts from the first second; 0 when u <= 0.
std::int32_t UnitsForSeconds(std::int32_t seconds, std::int32_t secPerUnit);
// u - Remainder(s, u): seconds until the next unit begins (u itself right at a boundary).
std::int32_t SecondsLeftInUnit(std::int32_t seconds, std::int32_t secPerUnit);
// Provider fee for p chargeable seconds at f Pfennig per begun minute: f * (p div 60 + 1).
// Whether the fee applies at all (free minutes used up) is the caller's decision.
std::int32_t ProviderCharge(std::int32_t feePerMinute, std::int32_t chargeableSeconds);
// "12,34 DM", no thousands separator; negative amounts as "- 1,50 DM" (INT32_MIN included).
std::string MoneyText(std::int32_t pfennig);
// An amount the user typed in DM, in Pfennig: whole DM ("50") or DM with Pfennig after a comma
// or a point ("12,5", "0,50", "1.5"), blanks around it allowed. Nothing for any other text, a
// negative amount, or one beyond 32 bits.
std::optional<std::int32_t> ParseMarkAmount(const std::string& text);
// "hh:mm:ss", hours not limited to two digits ("100:00:00"). A negative duration is shown as
// "-" followed by the text of its magnitude ("-01:02:05").
std::string DurationText(std::int32_t seconds);

}  // namespace ruvo
