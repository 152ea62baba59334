#include "features/recovery.h"

namespace ruvo {

Recovery::Recovery(RecoveryWindow& window, Autosave& autosave, DatabaseWriter& database,
                   platform::Timers& timers, platform::Sound& sound, std::function<void()> resume)
    : window_(window),
      autosave_(autosave),
      sound_(sound),
      database_(database),
      resume_(std::move(resume)) {
    timer_ = timers.createTimer(1000, [this] { countdownStep(); });
    window_.onSave = [this] { save(); };
    window_.onDiscard = [this] { discard(); };
    // Closing by the title bar loses nothing: the autosave stays for the next start.
    window_.onCloseBox = [this] { discard(); };
}

void Recovery::show() {
    window_.show();
    timer_->setEnabled(true);
}

void Recovery::countdownStep() {
    ++counter_;
    const int left = 45 - counter_;
    window_.saveButton.setCaption("Speichern in " + std::to_string(left) + " Sek");
    if (left <= 0) {
        save();
    }
}

void Recovery::save() {
    // A record that could not be written is kept by the database writer. An autosave that
    // cannot be read is of no use and goes; one whose record could be neither written nor kept
    // stays for the next start.
    bool keepAutosave = false;
    try {
        const ConnectionRecord autosaved = autosave_.read();
        try {
            database_.saveUnlessStored(autosaved);
        } catch (const platform::RegistryError&) {
            keepAutosave = true;
            throw;
        }
    } catch (const platform::RegistryError&) {
        sound_.beep(platform::Beep::Default);
    }
    if (!keepAutosave) {
        autosave_.remove();
    }
    close();
}

void Recovery::discard() {
    close();
}

void Recovery::close() {
    timer_->setEnabled(false);
    if (resume_) {
        resume_();
    }
    window_.hide();
}

}  // namespace ruvo
