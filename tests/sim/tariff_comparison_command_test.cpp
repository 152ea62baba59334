// ruvometer-sim --tarifvergleich: a data folder's connections of a period, across the change of
// year, re-rated under another tariff file and printed; wrong arguments and unreadable files.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/sim/tariff_comparison_command.h"
#include "domain/database_file.h"
#include "domain/tariff_file.h"
#include "tests/support/temp_folder.h"

namespace ruvo::sim {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

std::string Database(const std::vector<ConnectionRecord>& records) {
    std::string bytes(kDatabaseHeader);
    for (const ConnectionRecord& record : records) {
        bytes += SerializeRecord(record);
    }
    return bytes;
}

class TariffComparisonCommandTest : public ::testing::Test {
protected:
    TariffComparisonCommandTest() {
        WriteBytes(folder_.file("RVDaten99.db"),
                   Database({{"Tag", "60", "1", "12", "0", "12", "10:00:00", "30.11.99", "10:01:01",
                              "30.11.99"},
                             {"Tag", "120", "2", "24", "0", "24", "17:58:12", "07.12.99",
                              "18:00:12", "07.12.99"},
                             {"Abend", "30", "1", "6", "0", "6", "18:00:12", "07.12.99", "18:00:43",
                              "07.12.99"}}));
        WriteBytes(folder_.file("RVDaten00.db"),
                   Database({{"Tag", "90", "2", "24", "0", "24", "10:00:00", "03.01.00", "10:01:31",
                              "03.01.00"},
                             {"Tag", "90", "2", "24", "0", "24", "10:00:00", "01.02.00", "10:01:31",
                              "01.02.00"}}));
        // Monday 03.01.2000 is a holiday here: its own price.
        WriteBytes(folder_.file("Feiertage.dat"), "03.01.00\r\nTest\r\n");
        TariffTables other;
        AddZone(other, "Ganztag", TariffRow{"", "0000", "2400", "10", "60"});
        other.table(DayClass::Feiertag)[0].pfPerUnit = "4";
        WriteBytes(folder_.file("Anders.dat"), SerializeTariffs(other));
    }

    int run(std::vector<std::string> arguments) {
        out_.str("");
        err_.str("");
        return RunTariffComparison(arguments, out_, err_);
    }

    TempFolder folder_;
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(TariffComparisonCommandTest, PrintsEachConnectionOfThePeriodAndTheTotals) {
    ASSERT_EQ(run({folder_.directory(), folder_.file("Anders.dat"), "01.12.1999", "31.01.2000"}), 0)
        << err_.str();
    EXPECT_EQ(out_.str(),
              "07.12.99\t17:58:12\t00:02:30\tTag, Abend\t0,30 DM\tGanztag\t0,30 DM\t0,00 DM\n"
              "03.01.00\t10:00:00\t00:01:30\tTag\t0,24 DM\tGanztag\t0,08 DM\t- 0,16 DM\n"
              "2 Verbindungen, 00:04:00: bisher 0,54 DM, mit der anderen Tarifdatei 0,38 DM, "
              "Differenz - 0,16 DM\n");
    EXPECT_EQ(err_.str(), "");
}

TEST_F(TariffComparisonCommandTest, WrongArgumentsAndUnreadableFiles) {
    const std::string dir = folder_.directory();
    const std::string tariffs = folder_.file("Anders.dat");
    const struct {
        std::vector<std::string> arguments;
        int status;
        const char* error;
    } cases[] = {
        {{dir, tariffs, "01.12.1999"}, 2, "usage: ruvometer-sim --tarifvergleich"},
        {{dir, tariffs, "1.12.1999", "31.12.1999"}, 2, "the period must be"},
        {{dir, tariffs, "29.02.1900", "31.12.1900"}, 2, "the period must be"},
        {{dir, tariffs, "31.12.1999", "01.12.1999"}, 2, "the period must be"},
        {{dir, dir + "fehlt.dat", "01.12.1999", "31.12.1999"}, 1, "fehlt.dat: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.back());
        EXPECT_EQ(run(c.arguments), c.status);
        EXPECT_NE(err_.str().find(c.error), std::string::npos) << err_.str();
        EXPECT_EQ(out_.str(), "");
    }
}

}  // namespace
}  // namespace ruvo::sim
