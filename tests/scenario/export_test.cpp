// The connection list's export: the shown or selected rows as a CSV file, its bytes read back;
// an existing file replaced only after asking, a failed write told with its reason and the old
// file left as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/connection_fixture.h"

namespace ruvo::testing {
namespace {

using platform::MessageAnswer;

const std::string kHeading =
    "Datum;Start;Ende;Dauer (Sekunden);Dauer;Telefongeb\xFChren (DM);Providergeb\xFChren (DM);"
    "Gesamte Geb\xFChren (DM);Einheiten;Tarif\r\n";

class ExportTest : public ConnectionTest {
protected:
    ExportTest() {
        std::string bytes(kDatabaseHeader);
        bytes += SerializeRecord(
            {"Tag", "150", "3", "36", "5", "41", "17:58:12", "30.11.99", "18:00:43", "30.11.99"});
        bytes += SerializeRecord({"Tarif \"Mond\"; billig", "3725", "1", "1234", "0", "1234",
                                  "23:10:00", "07.12.99", "00:12:05", "08.12.99"});
        writeFile("RVDaten99.db", bytes);
    }

    void openList() {
        startSettled();
        app().userAction([&] { app().showConnectionList(); });
        list().onChooseExportFile = [this](const std::string& offered) {
            offered_ = offered;
            return chosen_;
        };
    }
    ConnectionListWindow& list() { return app().connectionListWindow; }
    void exportRows() {
        app().userAction([&] { list().exportieren.click(); });
    }
    // Answers every question of the program with `answer`, and counts them.
    void answerQuestions(MessageAnswer answer) {
        machine().windowSystem.setMessageHandler([this, answer](const platform::MessageBox& box) {
            questions_ += box.buttons != platform::MessageButtons::Ok ? 1 : 0;
            return box.buttons == platform::MessageButtons::Ok ? MessageAnswer::Ok : answer;
        });
    }

    std::optional<std::string> chosen_;
    std::string offered_;
    int questions_ = 0;
};

TEST_F(ExportTest, TheShownOrSelectedRowsAsSemicolonSeparatedWindows1252) {
    openList();
    const std::string row1 = "30.11.1999;17:58;18:00;150;00:02:30;0,36;0,05;0,41;3;Tag\r\n";
    const std::string row2 =
        "07.12.1999;23:10;00:12;3725;01:02:05;12,34;0,00;12,34;1;\"Tarif \"\"Mond\"\"; "
        "billig\"\r\n";
    struct Case {
        const char* name;
        const char* period;
        std::vector<std::size_t> selected;
        std::string offered;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {"the whole year",
         "Gesamtes Jahr",
         {},
         "Verbindungen-Gesamtes-Jahr-99.csv",
         kHeading + row1 + row2},
        {"the selected row only",
         "Gesamtes Jahr",
         {1},
         "Verbindungen-Gesamtes-Jahr-99.csv",
         kHeading + row2},
        {"the month's rows",
         "Aktueller Monat",
         {},
         "Verbindungen-Aktueller-Monat-12.99.csv",
         kHeading + row2},
        {"a period without rows", "Gestern", {}, "Verbindungen-Gestern-06.12.99.csv", kHeading},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string name = std::string("out-") + std::to_string(&c - cases.data()) + ".csv";
        chosen_ = directory() + name;
        app().userAction([&] { list().periodBox.setText(c.period); });
        app().userAction([&] {
            for (const std::size_t row : c.selected) {
                list().connectionTable.setSelected(row, true);
            }
        });
        exportRows();
        EXPECT_EQ(offered_, c.offered);
        EXPECT_EQ(file(name), c.bytes);
    }
    // Cancelled in the dialog: nothing is written, nothing said.
    const std::size_t files = std::distance(std::filesystem::directory_iterator(directory()),
                                            std::filesystem::directory_iterator());
    const std::size_t messages = machine().windowSystem.messages().size();
    chosen_.reset();
    exportRows();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory()),
                            std::filesystem::directory_iterator()),
              static_cast<std::ptrdiff_t>(files));
    EXPECT_EQ(machine().windowSystem.messages().size(), messages);
}

TEST_F(ExportTest, AnExistingFileIsReplacedOnlyAfterAsking) {
    openList();
    chosen_ = directory() + "Verbindungen.csv";
    writeFile("Verbindungen.csv", "old");
    answerQuestions(MessageAnswer::No);
    exportRows();
    EXPECT_EQ(questions_, 1);
    EXPECT_EQ(messagesContaining("ist schon vorhanden"), 1U);
    EXPECT_EQ(file("Verbindungen.csv"), "old");

    answerQuestions(MessageAnswer::Yes);
    exportRows();
    EXPECT_EQ(questions_, 2);
    EXPECT_EQ(file("Verbindungen.csv").substr(0, kHeading.size()), kHeading);
}

TEST_F(ExportTest, AFailedWriteIsToldWithItsReasonAndLeavesWhatIsThere) {
    openList();
    answerQuestions(MessageAnswer::Yes);
    std::filesystem::create_directory(directory() + "Ordner.csv");
    writeFile("Ordner.csv/inside", "kept");
    const struct {
        const char* name;
        std::string path;
        const char* reason;
    } cases[] = {
        {"a folder that is not there", directory() + "fehlt/Verbindungen.csv",
         "kann nicht geschrieben werden: "},
        {"a folder of that name", directory() + "Ordner.csv", "kann nicht geschrieben werden: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::size_t before = machine().windowSystem.messages().size();
        chosen_ = c.path;
        exportRows();
        ASSERT_EQ(machine().windowSystem.messages().size(), before + 1);
        const std::string text = machine().windowSystem.messages().back().text;
        EXPECT_NE(text.find("'" + c.path + "' " + c.reason), std::string::npos) << text;
        EXPECT_NE(text.find("Eine vorhandene Datei ist unverändert."), std::string::npos);
    }
    EXPECT_EQ(file("Ordner.csv/inside"), "kept");
    EXPECT_FALSE(std::filesystem::exists(directory() + "fehlt"));
}

}  // namespace
}  // namespace ruvo::testing
