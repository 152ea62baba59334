// Crash recovery at start-up: the dialog's countdown, the save of the autosaved connection into
// the year's database, and the discard.
#pragma once

#include <functional>
#include <memory>

#include "features/autosave.h"
#include "features/database_writer.h"
#include "platform/platform.h"
#include "window_models/recovery_window.h"

namespace ruvo {

class Recovery {
public:
    // `resume` lets the start-up go on.
    Recovery(RecoveryWindow& window, Autosave& autosave, DatabaseWriter& database,
             platform::Timers& timers, platform::Sound& sound, std::function<void()> resume);

    // Shows the dialog and starts the countdown; the caller runs it modally.
    void show();
    // One step of the countdown.
    void countdownStep();
    // Appends the autosaved connection to the database and deletes the autosave. A record that
    // cannot be written is kept by the database writer until it can. A connection the database
    // holds already (same start date and time: the program died between storing it and deleting
    // its autosave) is not stored a second time.
    void save();
    // Leaves the autosave as it is.
    void discard();

private:
    void close();

    RecoveryWindow& window_;
    Autosave& autosave_;
    platform::Sound& sound_;
    DatabaseWriter& database_;
    std::function<void()> resume_;
    std::unique_ptr<platform::Timer> timer_;
    int counter_ = 0;  // never reset during the run
};

}  // namespace ruvo
