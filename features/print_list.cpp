#include "features/print_list.h"

#include "base/identity.h"
#include "base/line_reader.h"
#include "base/money.h"
#include "domain/calendar.h"

namespace ruvo {

namespace {

constexpr std::uint32_t kBlue = 0x0000FF;
constexpr std::uint32_t kBlack = 0x000000;
constexpr const char* kSeparator = "   ";

const platform::PrintFont kTitleFont{"TimesNewRoman", 12, false, kBlue};
const platform::PrintFont kCreditFont{"TimesNewRoman", 6, false, kBlue};
const platform::PrintFont kPeriodFont{"TimesNewRoman", 8, false, kBlack};
const platform::PrintFont kHeadingFont{"Courier New", 10, true, kBlack};
const platform::PrintFont kRowFont{"Courier New", 10, false, kBlack};
const platform::PrintFont kTotalsFont{"Courier New", 10, false, kBlue};

std::string Cell(const ListControl::Row& row, std::size_t column) {
    return column < row.size() ? row[column] : std::string();
}

// A week from its Sunday to its Saturday.
std::string WeekText(const std::string& sunday) {
    return sunday + "-" + AddDays(sunday, 6);
}

void AddPageHeader(std::vector<platform::PrintItem>& page, const std::string& periodText,
                   std::size_t pageNumber) {
    page.push_back({1, 10, kTitleFont, ApplicationTitle});
    page.push_back({1, 100, kTitleFont, std::string(95, '_')});
    page.push_back({1, 80, kCreditFont, std::string("Erstellt mit ") + VersionName});
    page.push_back({700, 70, kPeriodFont,
                    "   Verbindungen : " + periodText + std::string(44, ' ') +
                        "Blatt : " + IntToStr(static_cast<std::int64_t>(pageNumber))});
    page.push_back({70, 260, kHeadingFont, kColumnHeading});
}

}  // namespace

std::string RowLine(const ListControl::Row& shown) {
    std::string line = Cell(shown, 0);
    for (std::size_t column : {1, 2, 3}) {
        line += kSeparator + Cell(shown, column);
    }
    for (std::size_t column : {4, 5, 6}) {
        line += kSeparator + PadLeft(Cell(shown, column), 9);
    }
    line += kSeparator + PadLeft(Cell(shown, 7), 5);
    line += kSeparator + Cell(shown, 8);
    return line;
}

std::string PeriodText(const std::string& periodBoxText, const platform::LocalDateTime& today) {
    const std::string t = TodayText(today);
    const int year = today.year;
    std::string inBrackets;
    if (periodBoxText == PeriodName(Period::CurrentMonth)) {
        inBrackets = MonthKey(t);
    } else if (periodBoxText == PeriodName(Period::CurrentWeek)) {
        inBrackets = WeekText(WeekStart(t, year));
    } else if (periodBoxText == PeriodName(Period::Today)) {
        inBrackets = t;
    } else if (periodBoxText == PeriodName(Period::LastMonth)) {
        inBrackets = MonthKey(PreviousDay("01." + MonthKey(t)));
    } else if (periodBoxText == PeriodName(Period::LastWeek)) {
        inBrackets = WeekText(WeekStart(PreviousDay(WeekStart(t, year)), year));
    } else if (periodBoxText == PeriodName(Period::Yesterday)) {
        inBrackets = PreviousDay(t);
    } else {
        inBrackets = "'" + t.substr(6, 2);
    }
    return periodBoxText + " (" + inBrackets + ")";
}

std::string TotalsLine(const RowTotals& totals) {
    std::string line = PadLeft(PadLeft(IntToStr(totals.count), 5) + " Verbindungen:   ", 27);
    line += TotalDurationText(totals.seconds);
    for (std::int64_t pfennig : {totals.telephone, totals.provider, totals.total}) {
        line += kSeparator + PadLeft(TotalMoneyText(pfennig), 9);
    }
    line += kSeparator + PadLeft(IntToStr(totals.units), 5);
    return line;
}

platform::PrintJob BuildPrintJob(const std::vector<ListControl::Row>& shown,
                                 const RowTotals& totals, const std::string& periodText) {
    platform::PrintJob job;
    job.title = kPrintJobTitle;
    const std::size_t perPage = kRowsPerPage;
    const std::size_t pageCount = shown.size() / perPage + 1;
    int rowsOnLastPage = 0;
    for (std::size_t p = 1; p <= pageCount; ++p) {
        std::vector<platform::PrintItem>& page = job.pages.emplace_back();
        AddPageHeader(page, periodText, p);
        rowsOnLastPage = 0;
        for (int j = 1; j <= kRowsPerPage; ++j) {
            const std::size_t index = (p - 1) * perPage + static_cast<std::size_t>(j) - 1;
            if (index >= shown.size()) {
                break;
            }
            page.push_back({70, 270 + 70 * j, kRowFont, RowLine(shown[index])});
            rowsOnLastPage = j;
        }
        if (p * perPage >= shown.size()) {
            break;  // the last row is printed (or there was none)
        }
    }
    std::vector<platform::PrintItem>& last = job.pages.back();
    last.push_back({1, 340 + 70 * rowsOnLastPage, kTotalsFont, std::string(121, '_')});
    last.push_back({70, 410 + 70 * rowsOnLastPage, kTotalsFont, TotalsLine(totals)});
    return job;
}

std::string CopyText(const std::vector<ListControl::Row>& rows) {
    std::string text;
    for (const ListControl::Row& row : rows) {
        text += RowLine(row) + " \r\n";
    }
    return text;
}

}  // namespace ruvo
