#include "domain/holiday_file.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <random>
#include <string>

namespace ruvo {
namespace {

TEST(HolidayFile, ReadsDateAndNamePairs) {
    const HolidayList twoEntries = {{"01.01.99", "Neujahr"}, {"06.01.99", "Heilige Drei Könige"}};
    const std::string example =
        "01.01.99\r\nNeujahr\r\n06.01.99\r\nHeilige Drei K\xF6nige\r\n0\r\n24.12.99\r\n"
        "Heiliger Abend";
    const struct {
        std::string name;
        std::string bytes;
        HolidayList holidays;
    } cases[] = {
        {"a line 0 ends the list", example, twoEntries},
        {"end of file ends it", "01.01.99\r\nNeujahr", {{"01.01.99", "Neujahr"}}},
        {"a last line end invents no entry", "01.01.99\r\nNeujahr\r\n", {{"01.01.99", "Neujahr"}}},
        {"a date without a name is not taken",
         "01.01.99\r\nNeujahr\r\n06.01.99\r\n",
         {{"01.01.99", "Neujahr"}}},
        {"an empty name line is a name", "01.01.99\r\n\r\n", {{"01.01.99", ""}}},
        {"lines end in LF too", "01.01.99\nNeujahr\n0\n", {{"01.01.99", "Neujahr"}}},
        {"0 in the place of a name is a name", "01.01.99\r\n0\r\n", {{"01.01.99", "0"}}},
        {"empty file", "", {}},
        {"only the end mark", "0\r\n01.01.99\r\nNeujahr", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseHolidayFile(c.bytes), c.holidays) << c.name;
    }
}

// Entries whose date line is a real day dd.mm.yy; `count` of them, each `bytes` long.
std::string Entries(std::size_t count, std::size_t bytes = 13) {
    std::string file;
    for (std::size_t i = 0; i < count; ++i) {
        file += "01.01.99\r\n" + std::string(bytes - 12, 'N') + "\r\n";
    }
    return file;
}

std::string RandomBytes(std::size_t size) {
    std::mt19937 generator(1999);
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(generator() & 0xFF);
    }
    return bytes;
}

// What an import would take: only entries of a real date and a name, nothing from a file that
// has none or is beyond the limits.
TEST(HolidayFile, ImportTakesUsableEntriesOfFilesWithinTheLimits) {
    using Problem = HolidayImport::Problem;
    const struct {
        std::string name;
        std::string bytes;
        Problem problem;
        std::size_t usable;
        std::size_t firstUnusable;
    } cases[] = {
        {"a year's file", "01.01.99\r\nNeujahr\r\n29.02.00\r\nSchalttag\r\n0\r\n", Problem::None, 2,
         0},
        {"random bytes", RandomBytes(4096), Problem::NoUsableEntry, 0, 1},
        {"empty file", "", Problem::NoUsableEntry, 0, 0},
        {"only the end mark", "0\r\n", Problem::NoUsableEntry, 0, 0},
        {"no real day", "32.01.99\r\nA\r\n29.02.99\r\nB\r\n00.00.00\r\nC\r\n",
         Problem::NoUsableEntry, 0, 1},
        {"not the file's form", "1.1.99\r\nA\r\n01.01.1999\r\nB\r\n01-01-99\r\nC\r\n",
         Problem::NoUsableEntry, 0, 1},
        {"blank names", "01.01.99\r\n\r\n02.01.99\r\n \t \r\n", Problem::NoUsableEntry, 0, 1},
        {"a bad entry among good ones",
         "01.01.99\r\nNeujahr\r\nxx\r\nyy\r\n24.12.99\r\nHeiligabend", Problem::None, 2, 2},
        {"at both limits",
         Entries(kMaxHolidayFileEntries, kMaxHolidayFileBytes / kMaxHolidayFileEntries),
         Problem::None, kMaxHolidayFileEntries, 0},
        {"one entry too many", Entries(kMaxHolidayFileEntries + 1), Problem::TooManyEntries, 0, 0},
        {"one byte too large", Entries(1) + std::string(kMaxHolidayFileBytes - 12, '\n'),
         Problem::TooLarge, 0, 0},
    };
    for (const auto& c : cases) {
        const HolidayImport file = CheckHolidayFile(c.bytes);
        EXPECT_EQ(file.problem, c.problem) << c.name;
        EXPECT_EQ(file.holidays.size(), c.usable) << c.name;
        EXPECT_EQ(file.firstUnusable, c.firstUnusable) << c.name;
        for (const HolidayEntry& entry : file.holidays) {
            EXPECT_TRUE(IsUsableHoliday(entry)) << c.name;
        }
    }
}

}  // namespace
}  // namespace ruvo
