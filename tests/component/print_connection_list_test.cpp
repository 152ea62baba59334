// The connection list printed through the desktop printing into a PDF file, read back as text:
// the page header, the column heading, the rows and the totals line stand on the paper.
#include <gtest/gtest.h>

#include <QPageSize>
#include <QPrinterInfo>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "domain/database_file.h"
#include "features/connection_list.h"
#include "features/print_list.h"
#include "platform/desktop/desktop_printing.h"
#include "platform/fake/fake_platform.h"
#include "tests/component/x_session.h"
#include "tests/support/temp_folder.h"
#include "window_models/connection_list_window.h"

namespace ruvo::testing {
namespace {

// Today is Tuesday 07.12.99.
const platform::LocalDateTime Today{1999, 12, 7, 18, 30, 0};

ConnectionRecord Record(const std::string& date, const std::string& seconds,
                        const std::string& total, const std::string& tariff) {
    return {tariff, seconds, "3", total, "0", total, "10:00:12", date, "10:01:12", date};
}

// Runs the command and gives back what it wrote to its standard output.
std::string Output(const std::string& command) {
    std::string text;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    if (!pipe) {
        return text;
    }
    char buffer[4096];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0) {
        text.append(buffer, read);
    }
    return text;
}

// Runs of blanks as one blank: the text of a PDF keeps the order of the words, not always the
// exact number of blanks between them.
std::string Squeezed(const std::string& text) {
    std::string result;
    for (const char c : text) {
        if (c != ' ' || result.empty() || result.back() != ' ') {
            result += c;
        }
    }
    return result;
}

std::vector<std::string> Pages(const std::string& text) {
    std::vector<std::string> pages;
    std::size_t start = 0;
    for (std::size_t feed = text.find('\f'); feed != std::string::npos;
         feed = text.find('\f', start)) {
        pages.push_back(text.substr(start, feed - start));
        start = feed + 1;
    }
    if (start < text.size() && text.find_first_not_of(" \n", start) != std::string::npos) {
        pages.push_back(text.substr(start));
    }
    return pages;
}

class PrintConnectionListTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string whyNot;
        ASSERT_NE(test::TestApplication(test::NeedsX::No, whyNot), nullptr) << whyNot;
        if (test::FindProgram("pdftotext").empty()) {
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        }
    }

    // Prints the list of the database's records for the period and gives back the text of the
    // PDF, page by page.
    std::vector<std::string> printed(const std::vector<ConnectionRecord>& records,
                                     const std::string& period) {
        const std::string pdf = folder.file("Verbindungen.pdf");
        desktop::DesktopPrinting printing(pdf, QPageSize(QPageSize::A4));
        printList(records, period, printing);
        return Pages(Output("pdftotext -layout '" + pdf + "' -"));
    }

    // Prints the list of the database's records for the period through `printing`; gives back
    // the texts of the message boxes shown meanwhile (every question answered Ja).
    std::vector<std::string> printList(const std::vector<ConnectionRecord>& records,
                                       const std::string& period, platform::Printing& printing) {
        std::string bytes(kDatabaseHeader);
        for (const ConnectionRecord& record : records) {
            bytes += SerializeRecord(record);
        }
        WriteBytes(folder.file("RVDaten99.db"), bytes);

        fake::FakeMachine machine(Today, folder.path() + "/");
        fake::FakeProcess process(machine);
        platform::Platform base = process.platform();
        platform::Platform platform{base.clock,
                                    base.timers,
                                    base.registry,
                                    base.instanceLock,
                                    base.hostAddresses,
                                    base.tray,
                                    base.foregroundWindows,
                                    base.sound,
                                    printing,
                                    base.clipboard,
                                    base.paths,
                                    base.windowSystem,
                                    base.notifications};
        ConnectionListWindow window;
        UnreadableRecords unreadable(machine.windowSystem);
        ConnectionList list(window, platform, unreadable,
                            [this] { return folder.file("RVDaten99.db"); });
        window.show();
        window.activate();
        window.periodBox.setText(period);
        window.printItem.click();
        return machine.windowSystem.messageTexts();
    }

    TempFolder folder;
};

TEST_F(PrintConnectionListTest, HeaderHeadingRowsAndTotalsStandOnThePage) {
    const std::vector<std::string> pages =
        printed({Record("30.11.99", "60", "12", "Ganztag"), Record("06.12.99", "30", "24", "Tag"),
                 Record("07.12.99", "5400", "123456", "Mondschein")},
                "Aktueller Monat");
    ASSERT_EQ(pages.size(), 1U);
    const std::string page = Squeezed(pages[0]);
    for (const std::string& expected : {
             std::string("Quelmar Ruvometer"),
             std::string("Verbindungen : Aktueller Monat (12.99) Blatt : 1"),
             Squeezed(kColumnHeading),
             std::string("06.12.99 10:00 10:01 00:00:30 0,24 DM 0,00 DM 0,24 DM 3 Tag"),
             std::string(
                 "07.12.99 10:00 10:01 01:30:00 1234,56 DM 0,00 DM 1234,56 DM 3 Mondschein"),
             std::string("2 Verbindungen: 01:30:30 1234,80 DM 0,00 DM 1234,80 DM 6"),
         }) {
        EXPECT_NE(page.find(expected), std::string::npos) << expected << "\n---\n" << pages[0];
    }
    // The last month's connection is not in this period.
    EXPECT_EQ(page.find("30.11.99"), std::string::npos);
    // The totals line comes after the last row.
    EXPECT_LT(page.find("Mondschein"), page.find("Verbindungen:"));
}

TEST_F(PrintConnectionListTest, TheFiftyFirstRowAndTheTotalsGoOnASecondPage) {
    std::vector<ConnectionRecord> records;
    records.reserve(51);
    for (int i = 0; i < 51; ++i) {
        records.push_back(Record("07.12.99", "60", "12", "Zeile" + std::to_string(i + 1)));
    }
    const std::vector<std::string> pages = printed(records, "Heute");
    ASSERT_EQ(pages.size(), 2U);
    const std::string first = Squeezed(pages[0]);
    const std::string second = Squeezed(pages[1]);
    EXPECT_NE(first.find("Verbindungen : Heute (07.12.99) Blatt : 1"), std::string::npos);
    EXPECT_NE(first.find("Zeile50"), std::string::npos);
    EXPECT_EQ(first.find("Zeile51"), std::string::npos);
    EXPECT_EQ(first.find("Verbindungen:"), std::string::npos);
    EXPECT_NE(second.find("Blatt : 2"), std::string::npos);
    EXPECT_NE(second.find(Squeezed(kColumnHeading)), std::string::npos);
    EXPECT_NE(second.find("Zeile51"), std::string::npos);
    EXPECT_NE(second.find("51 Verbindungen: 00:51:00 6,12 DM 0,00 DM 6,12 DM 153"),
              std::string::npos)
        << pages[1];
}

// The desktop printing on a machine without a printer, with a user who picks this file in the
// PDF file dialog.
class NoPrinterButAFile final : public platform::Printing {
public:
    explicit NoPrinterButAFile(std::string pdf) : pdf_(std::move(pdf)) {}
    platform::PrintOutcome print(const platform::PrintJob& job) override {
        return desktop_.print(job);
    }
    platform::PrintOutcome printToPdf(const platform::PrintJob& job,
                                      const std::string& fileName) override {
        return desktop_.printToPdf(job, fileName);
    }
    std::optional<std::string> choosePdfFile(const std::string&) override { return pdf_; }
    void printerSetup() override {}

private:
    desktop::DesktopPrinting desktop_;
    std::string pdf_;
};

TEST_F(PrintConnectionListTest, WithoutAPrinterTheListGoesIntoThePdfFileTheUserNames) {
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) {
        GTEST_SKIP() << "this machine has a printer set up";
    }
    const std::string pdf = folder.file("Meine Liste.pdf");
    NoPrinterButAFile printing(pdf);
    const std::vector<std::string> told =
        printList({Record("07.12.99", "60", "12", "Mondschein")}, "Heute", printing);
    ASSERT_EQ(told.size(), 2U);
    EXPECT_NE(told[0].find("Es ist kein Drucker eingerichtet."), std::string::npos);
    EXPECT_EQ(told[1], "Die Verbindungsliste wurde in die PDF-Datei '" + pdf + "' gedruckt.");
    const std::vector<std::string> pages = Pages(Output("pdftotext -layout '" + pdf + "' -"));
    ASSERT_EQ(pages.size(), 1U);
    EXPECT_NE(Squeezed(pages[0]).find("1 Verbindungen: 00:01:00 0,12 DM 0,00 DM 0,12 DM 3"),
              std::string::npos)
        << pages[0];
}

}  // namespace
}  // namespace ruvo::testing
