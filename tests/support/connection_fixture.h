// A settled program (no first-start questions) with a tariff file, ready to count connections.
#pragma once

#include <string>
#include <vector>

#include "domain/database_file.h"
#include "domain/tariff_file.h"
#include "tests/support/program_fixture.h"

namespace ruvo::testing {

struct ZoneSpec {
    std::string name;
    std::string begin;
    std::string end;
    std::string pfPerUnit;
    std::string secPerUnit;
};

inline TariffTables Tariffs(const std::vector<ZoneSpec>& zones, const std::string& fee = "0",
                            const std::string& freeMinutes = "0") {
    TariffTables tables;
    tables.providerFee = fee;
    tables.freeMinutes = freeMinutes;
    for (const ZoneSpec& z : zones) {
        AddZone(tables, z.name, TariffRow{z.name, z.begin, z.end, z.pfPerUnit, z.secPerUnit});
    }
    return tables;
}

class ConnectionTest : public ProgramTest {
protected:
    explicit ConnectionTest(platform::LocalDateTime start = At(1999, 12, 7, 10, 0, 0))
        : ProgramTest(start) {
        prepareSettledSettings();
        // Holidays of the right year, so that start-up shows no holiday message.
        machine().registry.writeString(platform::Hive::CurrentUser,
                                       SettingsStore::settingsKey() + "\\Feiertage", "0A",
                                       "24.12.99");
        machine().registry.writeString(platform::Hive::CurrentUser,
                                       SettingsStore::settingsKey() + "\\Feiertage", "0B",
                                       "Heiliger Abend");
        useTariffs(Tariffs({{"Ganztag", "0000", "2400", "12", "60"}}));
    }

    void useTariffs(const TariffTables& tables) {
        writeFile("Tarif.dat", SerializeTariffs(tables));
    }

    // Starts the program and lets the start-up run to the monitor's first poll.
    void startSettled() {
        ASSERT_TRUE(startProgram());
        wait(8.001);
    }

    // The dial-up connection comes up (or goes): the next poll notices it.
    void connect() {
        machine().hostAddresses.set(2);
        wait(4);
    }
    void hangUp() {
        machine().hostAddresses.set(1);
        wait(4);
    }

    std::vector<ConnectionRecord> records(const std::string& file = "RVDaten99.db") const {
        std::vector<ConnectionRecord> result;
        ScanDatabase(this->file(file), [&](const ConnectionRecord& r) {
            result.push_back(r);
            return true;
        });
        return result;
    }

    std::string autosaveValue(const std::string& name) {
        return machine()
            .registry
            .readString(platform::Hive::CurrentUser, SettingsStore::settingsKey() + "\\Temp", name)
            .value_or("<absent>");
    }
    bool autosaveExists() {
        return machine().registry.keyExists(platform::Hive::CurrentUser,
                                            SettingsStore::settingsKey() + "\\Temp");
    }
};

}  // namespace ruvo::testing
