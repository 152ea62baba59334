// Crash recovery at start-up: the dialog's countdown, the save of the autosaved connection into
// the year's database, and the discard.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/platform.h"
#include "records/autosave.h"
#include "records/recovery_window.h"

namespace ruvo {

class Recovery {
public:
    // `databasePath` gives the current year's database file; `resume` lets the start-up go on.
    Recovery(RecoveryWindow& window, Autosave& autosave, platform::Timers& timers,
             platform::Sound& sound, std::function<std::string()> databasePath,
             std::function<void()> resume);

    // Shows the dialog and starts the countdown; the caller runs it modally.
    void Show();
    // One step of the countdown.
    void CountdownStep();
    // Appends the autosaved connection to the database and deletes the autosave. When the
    // record cannot be written the autosave stays, so it is offered again at the next start. A
    // connection the database holds already (same start date and time: the program died between
    // storing it and deleting its autosave) is not stored a second time.
    void Save();
    // Leaves the autosave as it is.
    void Discard();

private:
    void close();

    RecoveryWindow& window_;
    Autosave& autosave_;
    platform::Sound& sound_;
    std::function<std::string()> databasePath_;
    std::function<void()> resume_;
    std::unique_ptr<platform::Timer> timer_;
    int counter_ = 0;  // never reset during the run
};

}  // namespace ruvo
