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

std::optional<TariffTables> TariffStore::load() {
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
        // Said only once the default file is there: a message that it is being made must not
        // stand for one that could not be made.
        try {
            SaveTariffFile(path(), DefaultTariffs());
            Inform(platform_.windowSystem,
                   "Die Tarifdatei 'Tarif.dat' ist nicht vorhanden und wird deshalb neu angelegt.");
        } catch (const FileError& error) {
            Inform(platform_.windowSystem,
                   "Die Tarifdatei '" + path() +
                       "' ist nicht vorhanden und kann nicht angelegt werden (" +
                       FileErrorReason(error) +
                       "). Ruvometer versucht es beim nächsten Speichern der Tarife wieder.",
                   platform::MessageIcon::Warning);
        }
        return DefaultTariffs();
    }

    TariffFileContent content = ParseTariffFile(*bytes);
    if (content.problem == TariffFileProblem::MissingHeader) {
        // An empty file has nothing to lose; the next save writes the tables into it.
        Inform(platform_.windowSystem,
               "Die Tarifdatei '" + path() +
                   "' ist leer. Es sind keine Tarife eingetragen, und Telefongebühren werden "
                   "nicht gezählt, bis Sie auf der Seite 'Telefon' Tarife eintragen.",
               platform::MessageIcon::Warning);
    } else if (content.problem != TariffFileProblem::None) {
        state_ = State::Incomplete;
        originalBytes_ = std::move(*bytes);
        tellIncomplete(content);
    }
    return std::move(content.tables);
}

void TariffStore::save(const TariffTables& tables) {
    std::string kept;  // the copy of a file read in part, made just now
    switch (state_) {
        case State::NotLoaded:
            return;
        case State::Unreadable:
            tellSkipped("die Tarifdatei '" + path() +
                        "' konnte beim Start nicht gelesen werden und bleibt unverändert");
            return;
        case State::Incomplete:
            try {
                kept = keepOriginal();
            } catch (const FileError& error) {
                tellSkipped("von der Tarifdatei '" + path() +
                            "', die beim Start nicht vollständig gelesen werden konnte, kann "
                            "keine Kopie angelegt werden (" +
                            FileErrorReason(error) + "); sie bleibt unverändert");
                return;
            }
            state_ = State::Loaded;
            originalBytes_.clear();
            break;
        case State::Loaded:
            break;
    }
    const std::string keptText =
        kept.empty() ? ""
                     : "Der ursprüngliche Inhalt der Tarifdatei '" + path() +
                           "', die beim Start nicht vollständig gelesen werden konnte, ist in '" +
                           kept + "' aufbewahrt. ";
    try {
        SaveTariffFile(path(), tables);
    } catch (const FileError& error) {
        if (!kept.empty() || !toldSaveFailed_) {
            Inform(platform_.windowSystem,
                   keptText + "Die Tarife können nicht in der Tarifdatei '" + path() +
                       "' gespeichert werden (" + FileErrorReason(error) +
                       "). Ruvometer versucht es beim nächsten Speichern wieder; gelingt es bis "
                       "zum Beenden nicht, gehen die Änderungen verloren.",
                   platform::MessageIcon::Warning);
        }
        toldSaveFailed_ = true;
        return;
    }
    toldSaveFailed_ = false;
    if (!kept.empty()) {
        Inform(platform_.windowSystem,
               keptText +
                   "Die Tarifdatei wurde mit den Tarifen neu geschrieben, die Ruvometer kennt.");
    }
}

std::string TariffStore::keepOriginal() const {
    const std::string first = path() + ".defekt";
    for (int n = 1; n <= kMaxCopies; ++n) {
        std::string copy = n == 1 ? first : first + "-" + std::to_string(n);
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
