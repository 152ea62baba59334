// The "Tarifvergleich" window in the running program: reached from the connection list, the
// file typed or chosen, the period, the rows and the totals; files that cannot be used.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/support/connection_fixture.h"

namespace ruvo::testing {
namespace {

class TariffComparisonTest : public ConnectionTest {
protected:
    TariffComparisonTest() {
        std::string bytes(kDatabaseHeader);
        bytes += SerializeRecord({"Ganztag", "150", "3", "36", "0", "36", "10:00:00", "30.11.99",
                                  "10:02:31", "30.11.99"});
        bytes += SerializeRecord({"Ganztag", "90", "2", "24", "0", "24", "10:00:00", "07.12.99",
                                  "10:01:31", "07.12.99"});
        writeFile("RVDaten99.db", bytes);
        useTariffs(Tariffs({{"Tag", "0000", "2400", "12", "60"}}));
        writeFile("Anders.dat", SerializeTariffs(Tariffs({{"Billig", "0000", "2400", "5", "90"}})));
    }

    TariffComparisonWindow& window() { return app().tariffComparisonWindow; }
    void act(const std::function<void()>& action) { app().userAction(action); }
    std::vector<std::string> column(std::size_t index) {
        std::vector<std::string> values;
        for (const auto& row : window().table.rows()) {
            values.push_back(row.at(index));
        }
        return values;
    }
};

TEST_F(TariffComparisonTest, FromTheConnectionListWithAChosenFileAndAPeriod) {
    startSettled();
    act([&] { app().showConnectionList(); });
    act([&] { app().connectionListWindow.tarifvergleich.click(); });
    ASSERT_TRUE(window().visible());
    EXPECT_TRUE(window().table.rows().empty());
    EXPECT_EQ(window().summary.text(),
              "Bitte wählen Sie die Tarifdatei, mit der verglichen werden soll.");

    // Cancelled in the file dialog: nothing changes.
    std::optional<std::string> chosen;
    window().onChooseTariffFile = [&] { return chosen; };
    act([&] { window().durchsuchen.click(); });
    EXPECT_EQ(window().tariffFile.text(), "");

    chosen = directory() + "Anders.dat";
    act([&] { window().durchsuchen.click(); });
    EXPECT_EQ(window().tariffFile.text(), directory() + "Anders.dat");
    EXPECT_EQ(window().table.rows(),
              (std::vector<ListControl::Row>{{"30.11.99", "10:00:00", "00:02:30", "Ganztag",
                                              "0,36 DM", "Billig", "0,10 DM", "- 0,26 DM"},
                                             {"07.12.99", "10:00:00", "00:01:30", "Ganztag",
                                              "0,24 DM", "Billig", "0,10 DM", "- 0,14 DM"}}));
    EXPECT_EQ(window().summary.text(),
              "2 Verbindungen, 00:04:00: bisher 0,60 DM, mit der anderen Tarifdatei 0,20 DM, "
              "Differenz - 0,40 DM");

    act([&] { window().periodBox.setText("Aktueller Monat"); });
    EXPECT_EQ(column(0), (std::vector<std::string>{"07.12.99"}));
    EXPECT_EQ(window().summary.text(),
              "1 Verbindung, 00:01:30: bisher 0,24 DM, mit der anderen Tarifdatei 0,10 DM, "
              "Differenz - 0,14 DM");

    act([&] { window().closeItem.click(); });
    EXPECT_FALSE(window().visible());
}

TEST_F(TariffComparisonTest, FilesThatCannotBeUsed) {
    startSettled();
    act([&] { app().ShowTariffComparison(); });
    writeFile("Leer.dat", "0,0,1,\r\n");
    const struct {
        const char* name;
        std::string path;
        const char* summary;
        const char* message;
    } cases[] = {
        {"missing", directory() + "fehlt.dat", "", "kann nicht gelesen werden: "},
        {"without zones", directory() + "Leer.dat", "enthält keine Tarife.", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::size_t before = machine().windowSystem.messages().size();
        act([&] { window().tariffFile.enter(c.path); });
        EXPECT_TRUE(window().table.rows().empty());
        EXPECT_NE(window().summary.text().find(c.summary), std::string::npos);
        if (c.message != nullptr) {
            EXPECT_EQ(messagesContaining("'" + c.path + "' " + c.message, before), 1U);
        } else {
            EXPECT_EQ(machine().windowSystem.messages().size(), before);
        }
    }
}

}  // namespace
}  // namespace ruvo::testing
