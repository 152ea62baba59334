// ruvo-data-check: checks a data folder of the program (see data_check.h).
#include <fstream>
#include <iostream>
#include <string>

#include "base/file_error.h"
#include "base/file_io.h"
#include "base/money.h"
#include "tests/system/folder_check.h"

namespace {

constexpr const char* kUsage =
    "usage: ruvo-data-check [options] DIR\n"
    "Checks the data folder DIR: every RVDaten*.db reads as whole, plausible records (a cut\n"
    "tail after the last at most), Tarif.dat and registry.reg read back as written, an autosave\n"
    "holds all ten values.\n"
    "  --slack N          start-to-end time may differ from the duration by N s (default 2)\n"
    "  --tariffs FILE     Tarif.dat must hold the same bytes as FILE\n"
    "  --previous LIST    records and autosave listed by an earlier check must not be lost\n"
    "  --write-list LIST  list this folder's records and autosave for a later check\n"
    "Prints one line of figures; problems go to standard error. Exit status 0 when every check\n"
    "passes, 1 when one fails, 2 for a usage error.\n";

bool WriteText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.flush();
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace ruvo::check;
    FolderOptions options;
    std::string folder;
    std::string previousList;
    std::string writeList;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--slack" && hasValue) {
            const auto slack = ruvo::ToInteger(argv[++i]);
            if (!slack || *slack < 0) {
                std::cerr << kUsage;
                return 2;
            }
            options.timeSlackSeconds = *slack;
        } else if (arg == "--tariffs" && hasValue) {
            try {
                options.expectedTariffFile = ruvo::ReadWholeFile(argv[++i]);
            } catch (const ruvo::FileError& error) {
                std::cerr << "ruvo-data-check: " << error.what() << '\n';
                return 2;
            }
        } else if (arg == "--previous" && hasValue) {
            previousList = argv[++i];
        } else if (arg == "--write-list" && hasValue) {
            writeList = argv[++i];
        } else if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        } else if (folder.empty() && !arg.starts_with("--")) {
            folder = arg;
        } else {
            std::cerr << kUsage;
            return 2;
        }
    }
    if (folder.empty()) {
        std::cerr << kUsage;
        return 2;
    }

    FolderReport report = CheckFolder(folder, options);
    if (!previousList.empty()) {
        std::optional<FolderState> previous;
        try {
            previous = ParseState(ruvo::ReadWholeFile(previousList));
        } catch (const ruvo::FileError& error) {
            report.problems.push_back(error.what());
        }
        if (!previous) {
            report.problems.push_back(previousList + " is no list of an earlier check");
        } else {
            for (const std::string& problem : CompareStates(*previous, report.state)) {
                report.problems.push_back(problem);
            }
        }
    }
    if (!writeList.empty() && !WriteText(writeList, FormatState(report.state))) {
        report.problems.push_back("cannot write " + writeList);
    }

    std::size_t records = 0;
    for (const auto& [file, list] : report.state.records) {
        records += list.size();
    }
    std::cout << "records " << records << " in " << report.databaseFiles << " files, cut tail "
              << report.cutTailBytes << " bytes, autosave "
              << (report.state.autosave ? "yes" : "no") << ", problems " << report.problems.size()
              << '\n';
    for (const std::string& problem : report.problems) {
        std::cerr << folder << ": " << problem << '\n';
    }
    return report.problems.empty() ? 0 : 1;
}
