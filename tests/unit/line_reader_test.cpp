#include "base/line_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ruvo {
namespace {

struct Read {
    std::string text;
    LineEnding ending;
    friend bool operator==(const Read&, const Read&) = default;
    friend void PrintTo(const Read& r, std::ostream* os) {
        *os << "{\"" << r.text << "\" (" << r.text.size() << "), " << static_cast<int>(r.ending)
            << "}";
    }
};

std::vector<Read> ReadAll(const std::string& bytes) {
    std::vector<Read> reads;
    LineReader reader(bytes);
    while (const auto line = reader.next()) {
        reads.push_back({std::string(line->text), line->ending});
        EXPECT_EQ(line->end, reader.offset());
    }
    EXPECT_TRUE(reader.atEnd());
    return reads;
}

constexpr auto kEnd = LineEnding::LineEnd;
constexpr auto kFull = LineEnding::Full;
constexpr auto kEof = LineEnding::EndOfData;

TEST(LineReader, SplitsAtEachKindOfLineEnd) {
    const struct {
        std::string bytes;
        std::vector<Read> lines;
    } cases[] = {
        {"", {}},
        {"a", {{"a", kEof}}},
        {"a\r\nb", {{"a", kEnd}, {"b", kEof}}},
        // A final line end ends the last line; it does not start an empty one.
        {"a\r\nb\r\n", {{"a", kEnd}, {"b", kEnd}}},
        {"a\nb\rc", {{"a", kEnd}, {"b", kEnd}, {"c", kEof}}},
        {"\r\n\r\n", {{"", kEnd}, {"", kEnd}}},
        // LF CR is two line ends; CR CR LF is a lone CR and a CR LF.
        {"a\n\rb", {{"a", kEnd}, {"", kEnd}, {"b", kEof}}},
        {"a\r\r\nb", {{"a", kEnd}, {"", kEnd}, {"b", kEof}}},
        {"trailing blank \r\n", {{"trailing blank ", kEnd}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadAll(c.bytes), c.lines) << ::testing::PrintToString(c.bytes);
    }
}

// A read holds 499 characters, its line end counted as one of them.
TEST(LineReader, SplitsLongLinesAsAFixedBufferReadDoes) {
    const std::string a498(498, 'a');
    const std::string a499(499, 'a');
    const std::string b101(101, 'b');
    const struct {
        std::string bytes;
        std::vector<Read> lines;
    } cases[] = {
        {a498 + "\r\nx", {{a498, kEnd}, {"x", kEof}}},
        {a499 + "\r\nx", {{a499, kFull}, {"", kEnd}, {"x", kEof}}},
        {a499 + "\nx", {{a499, kFull}, {"", kEnd}, {"x", kEof}}},
        {a499 + b101 + "\r\nx", {{a499, kFull}, {b101, kEnd}, {"x", kEof}}},
        {a499 + a499 + "\r\n", {{a499, kFull}, {a499, kFull}, {"", kEnd}}},
        // A full read that takes the file's last byte ended at the end of the file.
        {a499, {{a499, kEof}}},
        {a498 + "\r", {{a498, kEnd}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadAll(c.bytes), c.lines) << c.bytes.size() << " bytes";
    }
}

// Only the text's own bytes count, not its line end, nor the rest of a long line.
TEST(LineReader, TellsWhetherALineIsAscii) {
    const std::string a499(499, 'a');
    const struct {
        std::string bytes;
        std::vector<bool> ascii;
    } cases[] = {
        {"plain\r\n\x7F~\r\n\r\n", {true, true, true}},
        {"\xE4\r\nx\xFF\nx\x80y\r\x81", {false, false, false, false}},
        {a499 + "\xE4\r\n", {true, false}},
        {"\xE4" + a499, {false, true}},
    };
    for (const auto& c : cases) {
        std::vector<bool> ascii;
        LineReader reader(c.bytes);
        while (const auto line = reader.next()) {
            ascii.push_back(line->ascii);
        }
        EXPECT_EQ(ascii, c.ascii) << ::testing::PrintToString(c.bytes);
    }
}

TEST(StripLineEnd, RemovesOnlyOneTrailingLineFeed) {
    const struct {
        std::string in;
        std::string out;
    } cases[] = {
        {"abc\n", "abc"}, {"abc\n\n", "abc\n"}, {"abc\r", "abc\r"}, {"abc \n", "abc "},
        {"abc ", "abc "}, {"\n", ""},           {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StripLineEnd(c.in), c.out) << ::testing::PrintToString(c.in);
    }
}

TEST(PadLeft, RightAlignsByCharacters) {
    const struct {
        std::string in;
        std::size_t width;
        std::string out;
    } cases[] = {
        {"12,34 DM", 9, " 12,34 DM"},
        {"1.234,56 DM", 9, "1.234,56 DM"},
        {"123.456,7 DM", 9, "123.456,7 DM"},
        {"0,00 DM", 7, "0,00 DM"},
        {"", 3, "   "},
        {"abc", 0, "abc"},
        // Two characters of two bytes each: padded to width by characters.
        {"äö", 4, "  äö"},
        {"Könige", 6, "Könige"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PadLeft(c.in, c.width), c.out) << c.in << " to " << c.width;
    }
}

}  // namespace
}  // namespace ruvo
