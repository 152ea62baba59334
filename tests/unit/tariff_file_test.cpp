#include "domain/tariff_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "base/file_error.h"
#include "base/file_io.h"
#include "tests/support/temp_folder.h"

namespace ruvo {
namespace {

std::string Lines(const std::vector<std::string>& lines, bool lineEndAfterLast) {
    std::string bytes;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        bytes += lines[i];
        if (i + 1 < lines.size() || lineEndAfterLast) {
            bytes += "\r\n";
        }
    }
    return bytes;
}

std::size_t LineCount(const std::string& bytes) {
    std::size_t lineEnds = 0;
    for (std::size_t pos = bytes.find("\r\n"); pos != std::string::npos;
         pos = bytes.find("\r\n", pos + 2)) {
        ++lineEnds;
    }
    const bool lastHasLineEnd = bytes.size() >= 2 && bytes.ends_with("\r\n");
    return lastHasLineEnd ? lineEnds : lineEnds + 1;
}

TariffTables TwoZones() {
    TariffTables tables;
    tables.providerFee = "12";
    tables.freeMinutes = "600";
    tables.holidayTariffsOn = false;
    tables.zoneList = {"Tag", "Nacht ä"};
    tables.table(DayClass::Werktag) = {{"Tag", "0800", "1800", "12", "90"},
                                       {"Nacht ä", "1800", "2400", "12", "240"}};
    tables.table(DayClass::Wochenende) = {{"Tag", "0000", "2400", "12", "150"},
                                          {"Nacht ä", "0000", "0000", "0", "0"}};
    tables.table(DayClass::Feiertag) = {{"Tag", "0000", "2400", "12", "240"},
                                        {"Nacht ä", "0000", "0000", "0", "0"}};
    return tables;
}

const std::vector<std::string> kTwoZoneLines = {
    "12,600,0,", "Tag",  "0800", "1800", "12",  "90",         "0000", "2400", "12",
    "150",       "0000", "2400", "12",   "240", "Nacht \xE4", "1800", "2400", "12",
    "240",       "0000", "0000", "0",    "0",   "0000",       "0000", "0",    "0",
};

TEST(TariffFile, TwoZonesAre27LinesTheLastWithoutLineEnd) {
    const std::string bytes = SerializeTariffs(TwoZones());
    EXPECT_EQ(bytes, Lines(kTwoZoneLines, false));
    EXPECT_EQ(LineCount(bytes), 27U);
    const TariffFileContent read = ParseTariffFile(bytes);
    EXPECT_EQ(read.problem, TariffFileProblem::None);
    EXPECT_EQ(read.tables, TwoZones());
}

TEST(TariffFile, DefaultFileIs14Lines) {
    const std::string bytes = SerializeTariffs(DefaultTariffs());
    EXPECT_EQ(bytes, Lines({"0,0,1,", "Ganztag", "0000", "0000", "0", "0", "0000", "0000", "0", "0",
                            "0000", "0000", "0", "0"},
                           false));
    EXPECT_EQ(LineCount(bytes), 14U);
    EXPECT_EQ(ParseTariffFile(bytes).tables, DefaultTariffs());
}

TEST(TariffFile, BuiltInContentIsFourZonesThatNeverApply) {
    const TariffTables tables = BuiltInTariffs();
    EXPECT_EQ(tables.zoneList,
              (std::vector<std::string>{"Vormittag", "Nachmittag", "Freizeit", "Mondschein"}));
    for (const TariffTable& table : tables.tables) {
        ASSERT_EQ(table.size(), 4U);
        EXPECT_EQ(table[2], (TariffRow{"Freizeit", "0000", "0000", "0", "0"}));
    }
}

TEST(TariffFile, ZonelessTablesAreTheHeaderWithItsLineEnd) {
    TariffTables tables;
    EXPECT_EQ(SerializeTariffs(tables), "0,0,1,\r\n");
    EXPECT_EQ(ParseTariffFile("0,0,1,\r\n").tables, tables);
}

TEST(TariffFile, HeaderFields) {
    const struct {
        std::string header;
        std::string fee;
        std::string freeMinutes;
        bool holidaysOn;
    } cases[] = {
        {"12,600,0,", "12", "600", false},
        {"0,0,", "0", "0", true},  // empty flag: on
        {"0,0,1,", "0", "0", true},
        {"5,30,0,,,", "5", "30", false},  // further commas are dropped
        {"5,30,0,0", "5", "30", true},    // the flag is "00"
        {"7", "7", "", true},
        {"", "", "", true},
    };
    for (const auto& c : cases) {
        const TariffTables tables = ParseTariffFile(c.header + "\r\n").tables;
        EXPECT_EQ(tables.providerFee, c.fee) << c.header;
        EXPECT_EQ(tables.freeMinutes, c.freeMinutes) << c.header;
        EXPECT_EQ(tables.holidayTariffsOn, c.holidaysOn) << c.header;
    }
}

TEST(TariffFile, WhereTheZoneListEnds) {
    const std::vector<std::string> zoneA = {"A", "0000", "2400", "1",    "1", "0000", "2400",
                                            "1", "1",    "0000", "2400", "1", "1"};
    std::vector<std::string> withZero = {"0,0,1,"};
    withZero.insert(withZero.end(), zoneA.begin(), zoneA.end());
    withZero.push_back("0");
    withZero.insert(withZero.end(), zoneA.begin(), zoneA.end());

    std::vector<std::string> withEnd = {"0,0,1,", "END"};
    withEnd.insert(withEnd.end(), zoneA.begin(), zoneA.end());
    withEnd.push_back("END");

    std::vector<std::string> oneZone = {"0,0,1,"};
    oneZone.insert(oneZone.end(), zoneA.begin(), zoneA.end());

    const struct {
        std::string name;
        std::string bytes;
        std::size_t zones;
        TariffFileProblem problem;
    } cases[] = {
        // The zones after it are not read: saving would lose them.
        {"a name line 0 ends the list", Lines(withZero, false), 1, TariffFileProblem::TextAfterEnd},
        {"only line ends after a 0", Lines(oneZone, true) + "0\r\n\r\n", 1,
         TariffFileProblem::None},
        {"a byte order mark", "\xEF\xBB\xBF" + Lines(oneZone, false), 1,
         TariffFileProblem::OtherEncoding},
        {"a zero byte", Lines(oneZone, true) + std::string("B\0\r\n", 4), 1,
         TariffFileProblem::NotText},
        {"a line too long", Lines(oneZone, true) + std::string(500, 'x'), 1,
         TariffFileProblem::LineTooLong},
        {"END is skipped", Lines(withEnd, false), 1, TariffFileProblem::None},
        {"a last line end invents no zone", Lines(oneZone, true), 1, TariffFileProblem::None},
        {"an empty line after it is a zone cut short", Lines(oneZone, true) + "\r\n", 1,
         TariffFileProblem::ZoneCutShort},
        {"a zone without its last value is cut short",
         Lines(std::vector(oneZone.begin(), oneZone.end() - 1), true), 0,
         TariffFileProblem::ZoneCutShort},
        {"empty file", "", 0, TariffFileProblem::MissingHeader},
    };
    for (const auto& c : cases) {
        const TariffFileContent read = ParseTariffFile(c.bytes);
        EXPECT_EQ(read.problem, c.problem) << c.name;
        EXPECT_EQ(read.tables.zoneList.size(), c.zones) << c.name;
        for (const TariffTable& table : read.tables.tables) {
            EXPECT_EQ(table.size(), c.zones) << c.name;
        }
    }
}

TEST(TariffFile, ACutZoneIsNamed) {
    const TariffFileContent read = ParseTariffFile("0,0,1,\r\nSp\xE4t\r\n0800\r\n");
    EXPECT_EQ(read.problem, TariffFileProblem::ZoneCutShort);
    EXPECT_EQ(read.cutZone, "Spät");
}

// Left without its line end, an empty last value would not be in the file at all.
TEST(TariffFile, AnEmptyLastValueKeepsItsLineEnd) {
    TariffTables tables = TwoZones();
    tables.table(DayClass::Feiertag)[1].secPerUnit = "";
    const std::string bytes = SerializeTariffs(tables);
    EXPECT_TRUE(bytes.ends_with("0000\r\n0\r\n\r\n"));
    const TariffFileContent read = ParseTariffFile(bytes);
    EXPECT_EQ(read.problem, TariffFileProblem::None);
    EXPECT_EQ(read.tables, tables);
}

TEST(TariffFile, AZoneMissingFromATableIsWrittenAsNeverApplying) {
    TariffTables tables = TwoZones();
    tables.table(DayClass::Feiertag).pop_back();
    TariffTables expected = TwoZones();
    expected.table(DayClass::Feiertag)[1] = {"Nacht ä", "0000", "0000", "0", "0"};
    EXPECT_EQ(ParseTariffFile(SerializeTariffs(tables)).tables, expected);
}

TEST(TariffFile, SaveReplacesTheFileAndRefusesUnencodableNames) {
    testing::TempFolder folder;
    const std::string path = folder.file("Tarif.dat");
    SaveTariffFile(path, BuiltInTariffs());
    SaveTariffFile(path, TwoZones());
    EXPECT_EQ(ReadTariffFile(path).tables, TwoZones());

    TariffTables bad = TwoZones();
    bad.zoneList[0] = "Ω";
    EXPECT_THROW(SaveTariffFile(path, bad), FileError);
    EXPECT_EQ(ReadTariffFile(path).tables, TwoZones());
    EXPECT_THROW(ReadTariffFile(folder.file("missing.dat")), FileError);
}

TEST(ValidateTariffs, NamesTheFirstValueThatIsNotAWholeNumberOrIsNegative) {
    EXPECT_EQ(ValidateTariffs(TwoZones()), std::nullopt);
    EXPECT_EQ(ValidateTariffs(BuiltInTariffs()), std::nullopt);
    EXPECT_EQ(ValidateTariffs(DefaultTariffs()), std::nullopt);

    using enum TariffValueFault;
    const struct {
        DayClass dayClass;
        std::size_t zone;
        bool price;
        std::string value;
        std::optional<TariffValueFault> fault;
    } cases[] = {
        {DayClass::Werktag, 0, true, "12,5", NotWholeNumber},
        {DayClass::Wochenende, 1, false, "", NotWholeNumber},
        {DayClass::Feiertag, 1, false, "90 ", NotWholeNumber},
        {DayClass::Feiertag, 0, true, "2147483648", NotWholeNumber},
        {DayClass::Werktag, 1, true, " -12", Negative},
        {DayClass::Feiertag, 0, true, "-1", Negative},
        {DayClass::Werktag, 1, false, "-2147483648", Negative},
        {DayClass::Wochenende, 0, false, "-90", Negative},
        {DayClass::Werktag, 1, false, "+90", std::nullopt},
        {DayClass::Werktag, 0, true, "0", std::nullopt},
        {DayClass::Werktag, 0, false, "0", std::nullopt},
        {DayClass::Feiertag, 1, true, "-0", std::nullopt},
    };
    for (const auto& c : cases) {
        TariffTables tables = TwoZones();
        TariffRow& row = tables.table(c.dayClass)[c.zone];
        (c.price ? row.pfPerUnit : row.secPerUnit) = c.value;
        const auto problem = ValidateTariffs(tables);
        if (!c.fault) {
            EXPECT_EQ(problem, std::nullopt) << c.value;
            continue;
        }
        EXPECT_EQ(problem,
                  (TariffValueProblem{c.zone, tables.zoneList[c.zone], c.dayClass,
                                      c.price ? "PfPerUnit" : "SecPerUnit", c.value, *c.fault}))
            << c.value;
    }
}

}  // namespace
}  // namespace ruvo
