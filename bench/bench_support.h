// What the benchmarks share: a year's connection database of any size, a temporary data folder,
// and the whole program settled on a fake machine in virtual time.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>

#include "base/file_io.h"
#include "base/settings_store.h"
#include "base/settings_table.h"
#include "domain/calendar.h"
#include "domain/database_file.h"
#include "domain/tariff_file.h"
#include "domain/tariff_tables.h"
#include "platform/fake/fake_platform.h"
#include "program/application.h"
#include "tests/support/temp_folder.h"

namespace ruvo::bench {

// Every benchmark's "now": Tuesday, 7 December 1999, 10:00. Its week runs from Sunday 05.12.99
// to Saturday 11.12.99.
inline platform::LocalDateTime BenchStart() {
    return {1999, 12, 7, 10, 0, 0};
}
inline constexpr const char* kBenchToday = "07.12.99";
inline constexpr const char* kBenchDatabase = "RVDaten99.db";

// The bytes of a database holding `count` connections spread evenly over 01.01.99 to 06.12.99,
// in the order they were saved, with varied tariffs, times and charges. A record is about 100
// bytes, so 10,000 records are a file of about 1 MB.
inline std::string YearDatabase(int count) {
    static const char* const kTariffs[] = {"Vormittag", "Nachmittag", "Freizeit", "Mondschein"};
    std::string bytes(kDatabaseHeader);
    for (int i = 0; i < count; ++i) {
        const std::int64_t day = static_cast<std::int64_t>(i) * 340 / count;
        const std::string date = AddDays("01.01.99", day);
        const int duration = 60 + (i * 37) % 3600;
        const int units = duration / 90 + 1;
        const int minute = (i * 7) % 60;
        const std::string hour = PadTwo(std::to_string(8 + i % 14));
        const std::string start = hour + ":" + PadTwo(std::to_string(minute)) + ":00";
        const std::string end = hour + ":" + PadTwo(std::to_string(minute)) + ":59";
        const ConnectionRecord record{kTariffs[i % 4],
                                      std::to_string(duration),
                                      std::to_string(units),
                                      std::to_string(units * 12),
                                      std::to_string(i % 5),
                                      std::to_string(units * 12 + i % 5),
                                      start,
                                      date,
                                      end,
                                      date};
        bytes += SerializeRecord(record);
    }
    return bytes;
}

using testing::TempFolder;
using testing::WriteBytes;

// One zone the whole day, every day: `pfPerUnit` Pfennig per `secPerUnit` seconds.
inline TariffTables AllDayTariff(const std::string& pfPerUnit, const std::string& secPerUnit) {
    TariffTables tables;
    AddZone(tables, "Ganztag", TariffRow{"Ganztag", "0000", "2400", pfPerUnit, secPerUnit});
    return tables;
}

// The program started on a fake machine whose data folder holds the given database and tariffs,
// with settings that ask no first-start question, and run through its start-up: the clock stands
// 1 ms after the first housekeeping tick (08.001 s after the start), the next one is due in
// 3999 ms. Not connected; the budgets are not in use. Any message, error box or modal window
// is a broken set-up and throws.
class BenchProgram {
public:
    BenchProgram(const std::string& database, const TariffTables& tariffs)
        : machine_(BenchStart(), folder_.directory()) {
        WriteBytes(folder_.file(kBenchDatabase), database);
        WriteBytes(folder_.file("Tarif.dat"), SerializeTariffs(tariffs));
        // A user's year was written long before the program starts: its times have settled, so
        // an unchanged file is not read again (base/file_io.h).
        std::this_thread::sleep_for(std::chrono::nanoseconds(kFileTimeSettleNs));
        settle();
        machine_.windowSystem.setModalHandler([](platform::ModalWindow& window) {
            throw std::logic_error("unexpected modal window " + window.windowName());
        });
        process_ = std::make_unique<fake::FakeProcess>(machine_);
        app_ = std::make_unique<Ruvometer>(process_->platform());
        if (!app_->start()) {
            throw std::runtime_error("the program did not start");
        }
        machine_.time.advanceMs(8001);
        checkQuiet();
    }
    ~BenchProgram() {
        app_.reset();
        process_->end();
    }
    BenchProgram(const BenchProgram&) = delete;
    BenchProgram& operator=(const BenchProgram&) = delete;

    // Throws when the program showed a message or an error box since it started.
    void checkQuiet() const {
        if (!machine_.windowSystem.messages().empty()) {
            throw std::runtime_error("unexpected message: " +
                                     machine_.windowSystem.messages().front().text);
        }
        if (!machine_.windowSystem.errors().empty()) {
            throw std::runtime_error("unexpected error box: " +
                                     machine_.windowSystem.errors().front());
        }
    }

    // A connection comes up and the program is told at once, as the online poll would tell it,
    // but at this moment rather than at the next poll: the counter's ticks then fall between
    // the housekeeping ticks instead of on them.
    void connectNow() {
        machine_.hostAddresses.set(2);
        app_->userAction([this] { app_->mainWindow.online.setChecked(true); });
        if (!app_->mainWindow.online.checked() || !app_->counterWindow.visible()) {
            throw std::runtime_error("the connection was not noticed");
        }
    }

    std::string autosaveValue(const std::string& name) {
        return machine_.registry
            .readString(platform::Hive::CurrentUser, SettingsStore::settingsKey() + "\\Temp", name)
            .value_or("");
    }

    Ruvometer& app() { return *app_; }
    fake::FakeMachine& machine() { return machine_; }
    const TempFolder& folder() const { return folder_; }

private:
    // Settings as a fresh start leaves them, and this year's holidays.
    void settle() {
        SettingsStore settings(machine_.registry);
        ResetAllSettings(settings, ResetMoment{kBenchToday, 1});
        const auto put = [&](const std::string& key, const std::string& name,
                             const std::string& text) {
            machine_.registry.writeString(platform::Hive::CurrentUser, key, name, text);
        };
        const std::string key = SettingsStore::settingsKey();
        put(key, "RESETALLSETTINGS", "1");
        put(key, "EMailQuestion", "asked");
        put(key, "AskAutostartQuestion", "0");
        put(key, "Offline IPs", "1");
        put(key, "WochenBudgetAN", "0");
        put(key, "MonatsBudgetAN", "0");
        put(key + "\\Feiertage", "0A", "24.12.99");
        put(key + "\\Feiertage", "0B", "Heiliger Abend");
    }

    TempFolder folder_;
    fake::FakeMachine machine_;
    std::unique_ptr<fake::FakeProcess> process_;
    std::unique_ptr<Ruvometer> app_;
};

// The sizes of a year's database that the readers are measured with, as the benchmark's
// argument; the time is fitted against the record count.
inline void YearSizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(1000)->Arg(10000)->Arg(100000)->Complexity(benchmark::oN);
}

}  // namespace ruvo::bench
