// Print jobs rendered to PDF and read back with pdftotext.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "platform/desktop/desktop_printing.h"
#include "tests/support/temp_folder.h"
#include "x_session.h"

namespace ruvo::desktop {
namespace {

using platform::PrintFont;
using platform::PrintItem;
using platform::PrintJob;

const PrintFont Courier{"Courier New", 10, false, 0x000000};
const PrintFont CourierBold{"Courier New", 10, true, 0x000000};
const PrintFont CourierBlue{"Courier New", 10, false, 0x0000FF};
const PrintFont TitleFont{"TimesNewRoman", 12, false, 0x0000FF};
const PrintFont CreditFont{"TimesNewRoman", 6, false, 0x0000FF};
const PrintFont HeaderFont{"TimesNewRoman", 8, false, 0x000000};
const std::string ColumnHeading =
    "Datum      Start   Ende    Dauer      Telefon     Provider    Gesamt      Einh.   Tarif";

std::string Row(int n) {
    char line[160];
    std::snprintf(line, sizeof line,
                  "%02d.02.26   08:00   08:05   00:05:00   %9s   %9s   %9s   %5d   %s", n % 28 + 1,
                  "1000,24", "2000,00", "3000,24", 99999, "Fernzone 2");
    return line;
}

// A page laid out as the connection list prints it, with `rows` rows and, on the last page, the
// totals block.
std::vector<PrintItem> Page(int pageNumber, int firstRow, int rows, bool withTotals) {
    std::vector<PrintItem> items = {
        {1, 10, TitleFont, "Quelmar Ruvometer"},
        {1, 100, TitleFont, std::string(95, '_')},
        {1, 80, CreditFont, "Verbindungskosten im Blick"},
        {700, 70, HeaderFont,
         "   Verbindungen : Gesamtes Jahr ('26)" + std::string(44, ' ') +
             "Blatt : " + std::to_string(pageNumber)},
        {70, 260, CourierBold, ColumnHeading},
    };
    for (int j = 1; j <= rows; ++j) {
        items.push_back({70, 270 + 70 * j, Courier, Row(firstRow + j)});
    }
    if (withTotals) {
        items.push_back({1, 340 + 70 * rows, CourierBlue, std::string(121, '_')});
        items.push_back({70, 410 + 70 * rows, CourierBlue,
                         "   53 Verbindungen:         04:25:00     53012,72    106000,00    "
                         "159012,72   99999"});
    }
    return items;
}

std::string RunPdfToText(const std::vector<std::string>& arguments) {
    std::string command = "pdftotext";
    for (const auto& argument : arguments) {
        command += " '" + argument + "'";
    }
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t got = 0;
        while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            output.append(buffer, got);
        }
        pclose(pipe);
    }
    return output;
}

// Runs of spaces as one: pdftotext places words by their position, not by their spaces.
std::string Squeezed(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (!(c == ' ' && !out.empty() && out.back() == ' ')) {
            out += c;
        }
    }
    while (!out.empty() && (out.back() == ' ' || out.back() == '\n')) {
        out.pop_back();
    }
    while (!out.empty() && out.front() == ' ') {
        out.erase(0, 1);
    }
    return out;
}

std::vector<std::string> NonEmptyLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (line.find_first_not_of(" \f") != std::string::npos) {
            lines.push_back(Squeezed(line.substr(line.find_first_not_of(" \f"))));
        }
    }
    return lines;
}

class PrintingTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string whyNot;
        ASSERT_NE(test::TestApplication(test::NeedsX::No, whyNot), nullptr) << whyNot;
        if (test::FindProgram("pdftotext").empty()) {
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        }
    }
    testing::TempFolder folder;
};

TEST_F(PrintingTest, TheTextReadsBackLineByLine) {
    const std::string pdf = folder.file("job.pdf");
    DesktopPrinting printing(pdf, QPageSize(QPageSize::A4));
    PrintJob job{"Quelmar Ruvometer - Verbindungen", {Page(1, 0, 50, false), Page(2, 50, 3, true)}};
    ASSERT_EQ(printing.print(job).result, platform::PrintOutcome::Result::Printed);

    const std::vector<std::string> lines = NonEmptyLines(RunPdfToText({"-layout", pdf, "-"}));
    std::vector<std::string> expected;
    for (int page = 1; page <= 2; ++page) {
        expected.push_back("Quelmar Ruvometer");
        // The credit line and the period line share a height, so they read as one line.
        expected.push_back(
            "Verbindungskosten im Blick Verbindungen : Gesamtes Jahr ('26) Blatt : " +
            std::to_string(page));
        expected.push_back(std::string(95, '_'));
        expected.push_back(Squeezed(ColumnHeading));
        const int rows = page == 1 ? 50 : 3;
        for (int j = 1; j <= rows; ++j) {
            expected.push_back(Squeezed(Row((page - 1) * 50 + j)));
        }
    }
    expected.push_back(std::string(121, '_'));
    expected.push_back("53 Verbindungen: 04:25:00 53012,72 106000,00 159012,72 99999");
    EXPECT_EQ(lines, expected);
    const std::string text = RunPdfToText({pdf, "-"});
    EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 2) << "two pages";
}

// A page of 50 rows with its header and totals lies wholly on A4 and on Letter paper, rows evenly
// spaced.
TEST_F(PrintingTest, AFullPageFitsA4AndLetter) {
    for (const auto& size : {QPageSize(QPageSize::A4), QPageSize(QPageSize::Letter)}) {
        const std::string pdf = folder.file(size.key().toStdString() + ".pdf");
        DesktopPrinting printing(pdf, size);
        std::vector<PrintItem> page = Page(1, 0, 50, true);
        ASSERT_EQ(printing.print({"Fit", {page}}).result, platform::PrintOutcome::Result::Printed);
        const std::string boxes = RunPdfToText({"-bbox", pdf, "-"});
        const std::regex pageBox(R"re(<page width="([0-9.]+)" height="([0-9.]+)")re");
        std::smatch match;
        ASSERT_TRUE(std::regex_search(boxes, match, pageBox)) << boxes.substr(0, 500);
        const double width = std::stod(match[1]);
        const double height = std::stod(match[2]);
        const std::regex wordBox(
            R"re(<word xMin="([-0-9.]+)" yMin="([-0-9.]+)" xMax="([-0-9.]+)" yMax="([-0-9.]+)">([^<]*)</word>)re");
        int words = 0;
        std::vector<double> rowTops;
        for (auto it = std::sregex_iterator(boxes.begin(), boxes.end(), wordBox);
             it != std::sregex_iterator(); ++it) {
            ++words;
            const double xMin = std::stod((*it)[1]);
            const double yMin = std::stod((*it)[2]);
            const double xMax = std::stod((*it)[3]);
            const double yMax = std::stod((*it)[4]);
            EXPECT_GE(xMin, 0) << (*it)[5];
            EXPECT_GE(yMin, 0) << (*it)[5];
            EXPECT_LE(xMax, width) << (*it)[5] << " on " << size.key().toStdString();
            EXPECT_LE(yMax, height) << (*it)[5] << " on " << size.key().toStdString();
            if ((*it)[5] == "08:00") {
                rowTops.push_back(yMin);
            }
        }
        EXPECT_GT(words, 50 * 9);
        ASSERT_EQ(rowTops.size(), 50u);
        const double spacing = (rowTops.back() - rowTops.front()) / 49;
        for (std::size_t i = 1; i < rowTops.size(); ++i) {
            EXPECT_NEAR(rowTops[i] - rowTops[i - 1], spacing, 0.2);
        }
        // 70 units at 400 per inch are 12.6 points; a smaller page may shrink that a little.
        EXPECT_GT(spacing, 11.0);
        EXPECT_LE(spacing, 12.61);
    }
}

TEST_F(PrintingTest, AFileThatCannotBeWrittenFailsTheJobWithTheReason) {
    const std::string pdf = folder.file("no/such/folder/job.pdf");
    DesktopPrinting printing(pdf, QPageSize(QPageSize::A4));
    const platform::PrintOutcome outcome = printing.print({"x", {Page(1, 0, 1, true)}});
    EXPECT_EQ(outcome.result, platform::PrintOutcome::Result::Failed);
    EXPECT_EQ(outcome.pdfFile, pdf);
    EXPECT_EQ(outcome.systemError, ENOENT);
}

// Runs the printer setup dialog as a user who chooses printing into the PDF file `pdf` there.
void ChoosePdfInSetupDialog(DesktopPrinting& printing, const QString& pdf) {
    bool chosen = false;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || chosen) {
            return;
        }
        chosen = true;
        auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
        auto* fileName = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
        if (printers == nullptr || fileName == nullptr) {
            ADD_FAILURE() << "the print dialog has no printer box or file name field";
            dialog->reject();
            return;
        }
        printers->setCurrentIndex(printers->count() - 1);  // "Print to File (PDF)"
        fileName->setText(pdf);
        dialog->accept();
    });
    driver.start(20);
    printing.printerSetup();
    EXPECT_TRUE(chosen) << "the print dialog never showed";
}

// Without a printer a job is refused as such, not silently dropped; a PDF file takes it instead,
// and a PDF file chosen in the setup dialog afterwards takes every job of the session.
TEST_F(PrintingTest, WithoutAPrinterJobsGoIntoTheChosenPdfFile) {
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) {
        GTEST_SKIP() << "this machine has a printer set up";
    }
    DesktopPrinting printing;
    const PrintJob job{"Liste", {Page(1, 0, 3, true)}};
    EXPECT_EQ(printing.print(job).result, platform::PrintOutcome::Result::NoPrinter);

    const std::string offered = folder.file("Angeboten.pdf");
    const platform::PrintOutcome intoFile = printing.printToPdf(job, offered);
    EXPECT_EQ(intoFile.result, platform::PrintOutcome::Result::Printed);
    EXPECT_EQ(intoFile.pdfFile, offered);
    EXPECT_NE(RunPdfToText({offered, "-"}).find("Quelmar Ruvometer"), std::string::npos);

    const std::string chosen = folder.file("Gewählt.pdf");
    ChoosePdfInSetupDialog(printing, QString::fromStdString(chosen));
    for (int time = 1; time <= 2; ++time) {
        std::filesystem::remove(chosen);
        const platform::PrintOutcome outcome = printing.print(job);
        EXPECT_EQ(outcome.result, platform::PrintOutcome::Result::Printed) << time;
        EXPECT_EQ(outcome.pdfFile, chosen) << time;
        EXPECT_NE(RunPdfToText({chosen, "-"}).find("Quelmar Ruvometer"), std::string::npos) << time;
    }
}

}  // namespace
}  // namespace ruvo::desktop
