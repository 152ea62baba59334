#include "features/tariff_store.h"

#include <utility>

#include "base/file_error.h"
#include "base/file_error_text.h"
#include "base/file_io.h"
#include "base/messages.h"

namespace ruvo {
namespace {

// Copies beyond this many would be a folder full of them: something else is wrong then.
constexpr int kMaxCopies = 99;

// What of the file the tables do not hold, as the end of a sentence.
std::string WhatWasNotRead(const TariffFileContent& content) {
    const std::string line = std::to_string(content.problemLine);
    switch (content.problem) {
        case TariffFileProblem::ZoneCutShort:
            return "sie endet in Zeile " + line + " mitten im Tarif '" + content.cutZone + "'";
        case TariffFileProblem::OtherEncoding:
            return "sie ist nicht im Zeichensatz Windows-1252 gespeichert, sondern als UTF-8 oder "
                   "UTF-16";
        case TariffFileProblem::NotText:
            return "sie enthält in Zeile " + line + " ein Null-Byte und ist keine Textdatei";
        case TariffFileProblem::LineTooLong:
            return "die Zeile " + line + " ist länger als 498 Zeichen";
        case TariffFileProblem::TextAfterEnd:
            return "ab Zeile " + line +
                   " folgt noch Text nach der Zeile '0', die die Liste der Tarife beendet";
        case TariffFileProblem::None:
        case TariffFileProblem::MissingHeader:
            break;
    }
    return "";
}

}  // namespace

std::string TariffStore::path() const {
    return platform_.paths.programDirectory() + "Tarif.dat";
}

std::optional<TariffTables> TariffStore::Load() {
    std::optional<std::string> bytes;
    try {
        bytes = ReadFileIfPresent(path());
    } catch (const FileError& error) {
        // Only a file that is not there is replaced by the default one: any other failure
        // leaves the user's file as it is.
        state_ = State::Unreadable;
        Inform(platform_.windowSystem,
               "Die Tarifdatei '" + path() + "' kann nicht gelesen werden (" +
                   FileErrorReason(error) +
                   "). Sie bleibt unverändert; Änderungen an den Tarifen werden nicht "
                   "gespeichert, bis Ruvometer sie bei einem späteren Start lesen kann.",
               platform::MessageIcon::Warning);
        return std::nullopt;
    }
    state_ = State::Loaded;
    if (!bytes) {
        Inform(platform_.windowSystem,
               "Die Tarifdatei 'Tarif.dat' ist nicht vorhanden und wird deshalb neu angelegt.");
        try {
            SaveTariffFile(path(), DefaultTariffs());
        } catch (const FileError&) {
            platform_.sound.beep(platform::Beep::Default);
            return std::nullopt;
        }
        return DefaultTariffs();
    }

    TariffFileContent content = ParseTariffFile(*bytes);
    if (content.problem == TariffFileProblem::MissingHeader) {
        platform_.sound.beep(platform::Beep::Default);  // an empty file: nothing to lose
    } else if (content.problem != TariffFileProblem::None) {
        state_ = State::Incomplete;
        originalBytes_ = std::move(*bytes);
        tellIncomplete(content);
    }
    return std::move(content.tables);
}

void TariffStore::Save(const TariffTables& tables) {
    switch (state_) {
        case State::NotLoaded:
            return;
        case State::Unreadable:
            tellSkipped("die Tarifdatei '" + path() +
                        "' konnte beim Start nicht gelesen werden und bleibt unverändert");
            return;
        case State::Incomplete:
            try {
                const std::string copy = keepOriginal();
                state_ = State::Loaded;
                originalBytes_.clear();
                Inform(platform_.windowSystem,
                       "Der ursprüngliche Inhalt der Tarifdatei '" + path() +
                           "', die beim Start nicht vollständig gelesen werden konnte, ist in '" +
                           copy +
                           "' aufbewahrt. Die Tarifdatei wird jetzt mit den Tarifen neu "
                           "geschrieben, die Ruvometer kennt.");
            } catch (const FileError& error) {
                tellSkipped("von der Tarifdatei '" + path() +
                            "', die beim Start nicht vollständig gelesen werden konnte, kann "
                            "keine Kopie angelegt werden (" +
                            FileErrorReason(error) + "); sie bleibt unverändert");
                return;
            }
            break;
        case State::Loaded:
            break;
    }
    try {
        SaveTariffFile(path(), tables);
    } catch (const FileError&) {
        platform_.sound.beep(platform::Beep::Default);
    }
}

std::string TariffStore::keepOriginal() const {
    const std::string first = path() + ".defekt";
    for (int n = 1; n <= kMaxCopies; ++n) {
        const std::string copy = n == 1 ? first : first + "-" + std::to_string(n);
        if (CreateNewFile(copy, originalBytes_)) {
            return copy;
        }
        try {
            if (ReadWholeFile(copy) == originalBytes_) {
                return copy;  // kept by an earlier session
            }
        } catch (const FileError&) {
            // Something of that name that cannot be read holds other bytes: the next name.
        }
    }
    throw FileError(FileError::Kind::Write, first, "every name for a copy is taken", EEXIST);
}

void TariffStore::tellIncomplete(const TariffFileContent& content) const {
    Inform(platform_.windowSystem,
           "Die Tarifdatei '" + path() +
               "' konnte nicht vollständig gelesen werden: " + WhatWasNotRead(content) +
               ". Übernommen wurden nur die Tarife, die gelesen werden konnten. Bevor die Datei "
               "neu geschrieben wird, wird ihr ursprünglicher Inhalt in einer Kopie daneben "
               "aufbewahrt.",
           platform::MessageIcon::Warning);
}

void TariffStore::tellSkipped(const std::string& why) {
    if (toldSkipped_) {
        return;
    }
    toldSkipped_ = true;
    Inform(platform_.windowSystem, "Die Tarife wurden nicht gespeichert: " + why + ".",
           platform::MessageIcon::Warning);
}

}  // namespace ruvo
