// The tariff file "Tarif.dat" between runs: read once at start-up, written at the save moments.
//
// A file that is not there is created with the default tables. A file that is there is never
// lost: one that cannot be read at all (no permission, an I/O error, too many open files) is left
// as it is and no save replaces it in this session; one that was read only in part has its
// original bytes kept beside it ("Tarif.dat.defekt") before the first save replaces it. The user
// is told what happened, with the file's path and the reason, and only what did happen: a save
// that fails is told once, and again only after a save worked in between.
#pragma once

#include <optional>
#include <string>

#include "domain/tariff_file.h"
#include "domain/tariff_tables.h"
#include "platform/platform.h"

namespace ruvo {

class TariffStore {
public:
    explicit TariffStore(platform::Platform& platform) : platform_(platform) {}

    // The tables of the file; the default tables when there is none (written to a new file when
    // it can be made); nothing when the file cannot be read.
    std::optional<TariffTables> load();
    // Replaces the file with the tables, unless no file was loaded: after a failed load the save
    // is skipped, and the user is told so once. The first save over a file read only in part
    // keeps its original bytes first, and is skipped while that copy cannot be made.
    void save(const TariffTables& tables);

private:
    enum class State {
        NotLoaded,   // no load yet: nothing to save over
        Loaded,      // the tables hold all of the file (or the file is ours)
        Incomplete,  // the tables hold part of the file; originalBytes_ are not kept yet
        Unreadable,  // the file could not be read; it is left alone
    };

    std::string path() const;
    // Keeps the original bytes in "Tarif.dat.defekt", or "-2", "-3" ... when that holds other
    // bytes; a copy that holds the same bytes is used again. The copy's path; throws FileError.
    std::string keepOriginal() const;
    void tellIncomplete(const TariffFileContent& content) const;
    void tellSkipped(const std::string& why);

    platform::Platform& platform_;
    State state_ = State::NotLoaded;
    std::string originalBytes_;
    bool toldSkipped_ = false;
    bool toldSaveFailed_ = false;  // since the last save that worked
};

}  // namespace ruvo
