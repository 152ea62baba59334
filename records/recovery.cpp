#include "records/recovery.h"

#include <vector>

#include "records/database_file.h"
#include "records/file_error.h"

namespace ruvo {

namespace {

// Whether the autosaved connection is in the database already: the program died after its
// record was appended (by the summary, a split or an earlier recovery) and before the autosave
// was deleted. Its record has the same start; no other connection starts in the same second. It
// lies in this year's file or, across New Year, in the file of the year it was last autosaved.
bool AlreadyStored(const ConnectionRecord& autosaved, const std::string& databasePath) {
    if (autosaved.startTime.empty() || autosaved.startDate.empty()) {
        return false;
    }
    std::vector<std::string> paths = {databasePath};
    const std::size_t nameLength = DatabaseFileName("00").size();
    if (autosaved.endDate.size() == 8 && databasePath.size() >= nameLength) {
        const std::string folder = databasePath.substr(0, databasePath.size() - nameLength);
        paths.push_back(folder + DatabaseFileName(autosaved.endDate.substr(6, 2)));
    }
    bool found = false;
    for (const std::string& path : paths) {
        ReadDatabaseFile(path, [&](const ConnectionRecord& record) {
            found =
                record.startDate == autosaved.startDate && record.startTime == autosaved.startTime;
            return !found;
        });
        if (found) {
            return true;
        }
    }
    return false;
}

}  // namespace

Recovery::Recovery(RecoveryWindow& window, Autosave& autosave, platform::Timers& timers,
                   platform::Sound& sound, std::function<std::string()> databasePath,
                   std::function<void()> resume)
    : window_(window),
      autosave_(autosave),
      sound_(sound),
      databasePath_(std::move(databasePath)),
      resume_(std::move(resume)) {
    timer_ = timers.createTimer(1000, [this] { CountdownStep(); });
    window_.onSave = [this] { Save(); };
    window_.onDiscard = [this] { Discard(); };
    // Closing by the title bar loses nothing: the autosave stays for the next start.
    window_.onCloseBox = [this] { Discard(); };
}

void Recovery::Show() {
    window_.show();
    timer_->setEnabled(true);
}

void Recovery::CountdownStep() {
    ++counter_;
    const int left = 45 - counter_;
    window_.button1.setCaption("Speichern in " + std::to_string(left) + " Sek");
    if (left <= 0) {
        Save();
    }
}

void Recovery::Save() {
    // A record that could not be written keeps its autosave; an autosave that cannot be read
    // is of no use and goes.
    bool keepAutosave = false;
    try {
        const std::string path = databasePath_();
        const ConnectionRecord autosaved = autosave_.Read();
        if (!AlreadyStored(autosaved, path)) {
            AppendRecord(path, autosaved);
        }
    } catch (const FileError&) {
        sound_.beep(platform::Beep::Default);
        keepAutosave = true;
    } catch (const platform::RegistryError&) {
        sound_.beep(platform::Beep::Default);
    }
    if (!keepAutosave) {
        autosave_.Remove();
    }
    close();
}

void Recovery::Discard() {
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
