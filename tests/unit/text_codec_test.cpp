#include "base/text_codec.h"

#include <gtest/gtest.h>

#include <string>

namespace ruvo {
namespace {

struct Pair {
    std::string cp1252;
    std::string utf8;
};

TEST(TextCodec, ConvertsBothWays) {
    const Pair pairs[] = {
        {"Tarif", "Tarif"},
        {"Heilige Drei K\xF6nige", "Heilige Drei Könige"},
        {"\xC4\xD6\xDC\xE4\xF6\xFC\xDF", "ÄÖÜäöüß"},
        {"\x80 \x84\x93 \x96 \x99", "€ „“ – ™"},
        {"\x8A\x8C\x8E\x9A\x9C\x9E\x9F", "ŠŒŽšœžŸ"},
        {"\xA0\xA9\xFF", "\u00A0©ÿ"},
        // The five bytes the code page leaves open stand for the control characters of their
        // number.
        {"\x81\x8D\x8F\x90\x9D", "\u0081\u008D\u008F\u0090\u009D"},
        {"", ""},
    };
    for (const auto& [cp1252, utf8] : pairs) {
        EXPECT_EQ(Cp1252ToUtf8(cp1252), utf8) << utf8;
        EXPECT_EQ(Utf8ToCp1252(utf8), cp1252) << utf8;
    }
}

TEST(TextCodec, EveryByteComesBackUnchanged) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    EXPECT_EQ(CharacterCount(Cp1252ToUtf8(all)), 256U);
}

TEST(TextCodec, RefusesWhatTheCodePageCannotHoldAndMalformedText) {
    const std::string refused[] = {
        "Ω",                     // outside the code page
        "\u0080",                // a control character the code page gives to the euro sign
        "\u0160\u20AD",          // one good, one without a byte
        "\xF0\x9F\x98\x80",      // outside the Basic Multilingual Plane
        "\xC3",                  // cut short
        "\xC3\x28",              // lead byte without continuation
        "\x80",                  // stray continuation byte
        "\xC0\x80",              // overlong zero
        "\xE2\x82",              // cut-short euro sign
        "\xED\xA0\x80",          // surrogate
        "\xF8\x88\x80\x80\x80",  // five-byte form
    };
    for (const auto& text : refused) {
        EXPECT_EQ(Utf8ToCp1252(text), std::nullopt) << ::testing::PrintToString(text);
        EXPECT_FALSE(FitsCp1252(text));
    }
}

TEST(TextCodec, CountsCharactersNotBytes) {
    EXPECT_EQ(CharacterCount(""), 0U);
    EXPECT_EQ(CharacterCount("0,00 DM"), 7U);
    EXPECT_EQ(CharacterCount("Könige €"), 8U);
}

}  // namespace
}  // namespace ruvo
