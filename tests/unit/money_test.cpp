#include "base/money.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace ruvo {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

struct ConversionCase {
    std::string text;
    std::optional<std::int32_t> value;
};

TEST(Money, IntegerTextsTakeLeadingBlanksASignAndDigitsOnly) {
    const std::vector<ConversionCase> cases = {
        {"12", 12},
        {" 12", 12},
        {"   12", 12},
        {"-3", -3},
        {"+7", 7},
        {"  -0", 0},
        {"0012", 12},
        {"0000000000000000000000001", 1},
        {"2147483647", kMax},
        {"-2147483648", kMin},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999999", std::nullopt},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"-", std::nullopt},
        {"+", std::nullopt},
        {"12 ", std::nullopt},
        {"12,1", std::nullopt},
        {"1a", std::nullopt},
        {"\t12", std::nullopt},
        {"- 3", std::nullopt},
        {"+-3", std::nullopt},
        {"$1F", std::nullopt},
        {std::string("1\0"
                     "2",
                     3),
         std::nullopt},
    };
    for (const ConversionCase& c : cases) {
        EXPECT_EQ(ToInteger(c.text), c.value) << "'" << c.text << "'";
        EXPECT_EQ(IsInteger(c.text), c.value.has_value()) << "'" << c.text << "'";
        if (c.value) {
            EXPECT_EQ(StrToInt(c.text), *c.value);
        }
    }
}

TEST(Money, StrToIntNamesTheTextThatDidNotConvert) {
    try {
        StrToInt("12,1");
        FAIL() << "no exception";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'12,1' ist kein gültiger Integerwert");
    }
    EXPECT_THROW(StrToInt(""), ConversionError);
    EXPECT_EQ(IntToStr(-42), "-42");
    EXPECT_EQ(IntToStr(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}

struct FieldCase {
    const char* text;
    const char* defaultText;
    bool twoDigits;
    const char* result;
};

TEST(Money, NumberFieldsFallBackToTheirDefaultAndPadToTwoDigits) {
    const std::vector<FieldCase> cases = {
        {"8", "00", true, "08"},    {"abc", "01", true, "01"}, {"", "0", false, "0"},
        {"123", "00", true, "123"}, {"-3", "0", false, "-3"},  {"-", "00", true, "00"},
        {"", "0", true, "00"},      {"7", "0", false, "7"},    {" 8", "00", true, "08"},
        {"+8", "00", true, "08"},   {"-8", "00", true, "-8"},  {" 0", "01", true, "00"},
        {" 8", "0", false, " 8"},
    };
    for (const FieldCase& c : cases) {
        EXPECT_EQ(NumberFieldText(c.text, c.defaultText, c.twoDigits), c.result) << c.text;
    }
}

struct ArithmeticCase {
    std::int32_t a;
    std::int32_t b;
    std::int32_t result;
};

TEST(Money, RemainderKeepsTheSignOfTheDividend) {
    const std::vector<ArithmeticCase> cases = {
        {7, 0, 0},    {-7, 2, -1},   {7, -2, 1},    {7, 2, 1},          {5, 5, 0},
        {0, 3, 0},    {kMin, -1, 0}, {kMin, 1, 0},  {kMax, kMin, kMax}, {kMin, kMax, -1},
        {kMin, 0, 0}, {179, 90, 89}, {-91, 90, -1},
    };
    for (const ArithmeticCase& c : cases) {
        EXPECT_EQ(Remainder(c.a, c.b), c.result) << c.a << " mod " << c.b;
    }
}

TEST(Money, UnitsBeginAtTheFirstSecondAndAtEachMultiple) {
    const std::vector<ArithmeticCase> cases = {
        {1, 90, 1},   {89, 90, 1},     {90, 90, 2},     {180, 90, 3},
        {0, 90, 1},   {1, 0, 0},       {500, 0, 0},     {500, -90, 0},
        {-90, 90, 0}, {kMax, 1, kMax}, {kMax, kMax, 2}, {kMin, 1, kMin + 1},
    };
    for (const ArithmeticCase& c : cases) {
        EXPECT_EQ(UnitsForSeconds(c.a, c.b), c.result) << c.a << " s / " << c.b;
    }
}

TEST(Money, SecondsLeftCountDownToTheNextUnit) {
    const std::vector<ArithmeticCase> cases = {
        {1, 90, 89},        {90, 90, 90}, {0, 90, 90},
        {179, 90, 1},       {5, 0, 0},    {-1, kMax, kMax},  // would be 2^31: stops at the limit
        {kMin, kMin, kMin},
    };
    for (const ArithmeticCase& c : cases) {
        EXPECT_EQ(SecondsLeftInUnit(c.a, c.b), c.result) << c.a << " s / " << c.b;
    }
}

TEST(Money, ProviderChargesEveryBegunMinute) {
    const std::vector<ArithmeticCase> cases = {
        {5, 1, 5},      {5, 59, 5},         {5, 60, 10},       {5, 0, 5},     {0, 3600, 0},
        {5, 3599, 300}, {kMax, kMax, kMax}, {kMin, 120, kMin}, {-5, 60, -10},
    };
    for (const ArithmeticCase& c : cases) {
        EXPECT_EQ(ProviderCharge(c.a, c.b), c.result) << c.a << " Pf, " << c.b << " s";
    }
}

struct TextCase {
    std::int32_t value;
    const char* text;
};

TEST(Money, MoneyTextInMarkWithDecimalComma) {
    const std::vector<TextCase> cases = {
        {0, "0,00 DM"},           {5, "0,05 DM"},
        {10, "0,10 DM"},          {100, "1,00 DM"},
        {1234, "12,34 DM"},       {100000, "1000,00 DM"},
        {-150, "- 1,50 DM"},      {-5, "- 0,05 DM"},
        {kMax, "21474836,47 DM"}, {kMin, "- 21474836,48 DM"},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(MoneyText(c.value), c.text) << c.value;
    }
}

TEST(Money, DurationTextWithUnlimitedHours) {
    const std::vector<TextCase> cases = {
        {0, "00:00:00"},      {59, "00:00:59"},    {60, "00:01:00"},        {3599, "00:59:59"},
        {3725, "01:02:05"},   {86399, "23:59:59"}, {360000, "100:00:00"},   {kMax, "596523:14:07"},
        {-3725, "-01:02:05"}, {-1, "-00:00:01"},   {kMin, "-596523:14:08"},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(DurationText(c.value), c.text) << c.value;
    }
}

}  // namespace
}  // namespace ruvo
