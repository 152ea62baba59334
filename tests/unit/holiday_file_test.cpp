#include "domain/holiday_file.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace ruvo
