#include "platform/desktop/settings_files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QVariant>
#include <utility>

#include "platform/desktop/registry_names.h"
#include "platform/desktop/system_error_text.h"
#include "platform/platform.h"

namespace ruvo::desktop {

namespace {

// The entry that keeps a group without values in the file.
const QString KeepAliveName = QStringLiteral(".");
const QString FileSuffix = QStringLiteral(".conf");

[[noreturn]] void Fail(const QString& message) {
    throw platform::RegistryError(message.toStdString());
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QString JoinGroup(const QString& group, const QString& name) {
    return group.isEmpty() ? name : group + '/' + name;
}

QString ParentGroup(const QString& group) {
    const qsizetype slash = group.lastIndexOf('/');
    return slash < 0 ? QString() : group.left(slash);
}

// Where a key path lies: above the files (the "Software" key and the maker folders, which hold
// no values), in a file, or nowhere a file can hold it.
struct Location {
    enum class Level { Unsupported, Root, Folder, File };
    Level level = Level::Unsupported;
    QString maker;
    QString product;
    QStringList groups;
};

Location Locate(const SettingsFiles::KeyPath& key) {
    Location location;
    if (key.empty()) {
        location.level = Location::Level::Root;
        return location;
    }
    if (!SameName(key[0], "Software")) {
        return location;
    }
    for (const std::string& part : key) {
        if (!IsStorableKeyPart(part)) {
            return location;
        }
    }
    if (key.size() == 1) {
        location.level = Location::Level::Root;
    } else if (key.size() == 2) {
        location.level = Location::Level::Folder;
        location.maker = Q(key[1]);
    } else {
        location.level = Location::Level::File;
        location.maker = Q(key[1]);
        location.product = Q(key[2]);
        for (std::size_t i = 3; i < key.size(); ++i) {
            location.groups.append(Q(key[i]));
        }
    }
    return location;
}

// QSettings guards each write with a QLockFile "<file>.lock", which its holder keeps flock()ed.
// A writer killed right after creating that file leaves one that QLockFile takes for stale only
// after 30 seconds, and every write would wait that long. A lock file that nobody has flock()ed
// is left over from a writer that died, or was made this instant by one that has not locked it
// yet; the second takes microseconds and would at worst let two writers each replace the whole
// file, so the lock file is removed.
void ClearAbandonedLock(const QString& lockPath) {
    const QByteArray path = QFile::encodeName(lockPath);
    const int fd = open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        return;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
        (void)unlink(path.constData());
    }
    close(fd);
}

// One INI file, parsed when opened. Group and value names are looked up regardless of case.
class IniFile {
public:
    IniFile(const QString& path, SettingsFileStamps& stamps)
        : path_(path), key_(path.toStdString()), stamps_(stamps) {
        stamps_.beforeOpen(key_);
        settings_.emplace(path, QSettings::IniFormat);
        (void)settings_->allKeys();  // parses every section, so a damaged one shows in status()
        const bool damaged =
            settings_->status() == QSettings::FormatError || stamps_.knownDamaged(key_);
        if (!damaged) {
            stamps_.seen(key_, false);
        } else if (settings_->status() == QSettings::FormatError) {
            stamps_.seen(key_, true);
        }
        // An access error with a file that can be read comes from changes of an earlier call
        // that could not be written, which QSettings keeps and tries again: the file was read.
        if (damaged ||
            (settings_->status() != QSettings::NoError && !QFile(path).open(QIODevice::ReadOnly))) {
            Fail(QStringLiteral("Die Einstellungsdatei \"%1\" kann nicht gelesen werden.")
                     .arg(path));
        }
    }

    // The stored spelling of the group path, or nothing when a part of it is missing.
    std::optional<QString> findGroup(const QStringList& groups) {
        QString path;
        for (const QString& group : groups) {
            const auto stored = FindSameName(childGroups(path), group);
            if (!stored) {
                return std::nullopt;
            }
            path = JoinGroup(path, *stored);
        }
        return path;
    }

    // The group path with the stored spelling of the parts that exist and the asked spelling of
    // the rest.
    QString groupForWriting(const QStringList& groups) {
        QString path;
        bool existing = true;
        for (const QString& group : groups) {
            std::optional<QString> stored;
            if (existing) {
                stored = FindSameName(childGroups(path), group);
                existing = stored.has_value();
            }
            path = JoinGroup(path, stored.value_or(group));
        }
        return path;
    }

    // The stored names of the group's values that mean `name`.
    QStringList valuesNamed(const QString& group, const QString& name) {
        QStringList result;
        for (const QString& stored : childKeys(group)) {
            if (stored != KeepAliveName && SameName(stored, name)) {
                result.append(stored);
            }
        }
        return result;
    }

    QVariant value(const QString& group, const QString& name) {
        return settings_->value(JoinGroup(group, name));
    }
    bool holdsText(const QString& group, const QString& name, const QString& text) {
        const QVariant current = value(group, name);
        return current.typeId() == QMetaType::QString && current.toString() == text;
    }
    void setValue(const QString& group, const QString& name, const QString& text) {
        settings_->setValue(JoinGroup(group, name), text);
    }
    void remove(const QString& key) { settings_->remove(key); }

    bool isEmptyGroup(const QString& group) {
        return childKeys(group).isEmpty() && childGroups(group).isEmpty();
    }
    // A group that has just lost its last value stays as a key of its own.
    void keepAliveIfEmpty(const QString& group) {
        if (!group.isEmpty() && isEmptyGroup(group)) {
            setValue(group, KeepAliveName, QString());
        }
    }
    // A group with values, and every group above it, needs no placeholder.
    void dropKeepAlive(QString group) {
        while (!group.isEmpty()) {
            settings_->remove(JoinGroup(group, KeepAliveName));
            group = ParentGroup(group);
        }
    }

    // Writes the file and waits until it is on disk.
    void save() {
        const std::string folder = QFileInfo(path_).absolutePath().toStdString();
        // QSettings waits for its lock file without end when the lock file's few bytes cannot
        // be written, as on a full disk: the program would freeze. It is not asked to then.
        if (!HasRoomFor(folder, QFileInfo(path_).size())) {
            failWriting(SystemErrorText(ENOSPC));
        }
        ClearAbandonedLock(path_ + QStringLiteral(".lock"));
        settings_->sync();
        stamps_.seen(key_, false);
        if (settings_->status() != QSettings::NoError) {
            failWriting(WriteFailureReason(folder, key_));
        }
    }

private:
    [[noreturn]] void failWriting(const std::string& reason) {
        Fail(QStringLiteral("Die Einstellungsdatei \"%1\" kann nicht geschrieben werden%2.")
                 .arg(path_, reason.empty() ? QString() : QStringLiteral(": ") + Q(reason)));
    }

    QStringList childGroups(const QString& group) { return children(group, true); }
    QStringList childKeys(const QString& group) { return children(group, false); }
    QStringList children(const QString& group, bool groups) {
        if (!group.isEmpty()) {
            settings_->beginGroup(group);
        }
        QStringList result = groups ? settings_->childGroups() : settings_->childKeys();
        if (!group.isEmpty()) {
            settings_->endGroup();
        }
        return result;
    }

    QString path_;
    std::string key_;
    SettingsFileStamps& stamps_;
    std::optional<QSettings> settings_;
};

}  // namespace

SettingsFiles::SettingsFiles(std::string configFolder) : configFolder_(std::move(configFolder)) {}

namespace {

std::optional<QString> ExistingFolder(const QString& config, const Location& location) {
    return FindEntry(config, location.maker, QString(), EntryKind::Folder);
}

std::optional<QString> ExistingFile(const QString& config, const Location& location) {
    const auto folder = ExistingFolder(config, location);
    if (!folder) {
        return std::nullopt;
    }
    return FindEntry(*folder, location.product, FileSuffix, EntryKind::Any);
}

QString FolderForWriting(const QString& config, const Location& location) {
    QString folder = ExistingFolder(config, location).value_or(config + '/' + location.maker);
    if (!QDir().mkpath(folder)) {
        Fail(QStringLiteral("Der Ordner \"%1\" kann nicht angelegt werden.").arg(folder));
    }
    return folder;
}

QString FileForWriting(const QString& config, const Location& location) {
    if (auto existing = ExistingFile(config, location)) {
        return *existing;
    }
    return FolderForWriting(config, location) + '/' + location.product + FileSuffix;
}

void CreateEmptyFile(const QString& path) {
    if (QFileInfo::exists(path)) {
        return;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.commit()) {
        Fail(QStringLiteral("Die Einstellungsdatei \"%1\" kann nicht angelegt werden.").arg(path));
    }
}

std::string JoinKeyPath(const SettingsFiles::KeyPath& key) {
    std::string joined;
    for (const std::string& part : key) {
        joined += joined.empty() ? part : "\\" + part;
    }
    return joined;
}

[[noreturn]] void FailNotStorable(const std::string& what) {
    Fail(QStringLiteral("\"%1\" kann nicht gespeichert werden.").arg(Q(what)));
}

}  // namespace

bool SettingsFiles::keyExists(const KeyPath& key) const {
    const Location location = Locate(key);
    const QString config = Q(configFolder_);
    switch (location.level) {
        case Location::Level::Unsupported:
            return false;
        case Location::Level::Root:
            return true;
        case Location::Level::Folder:
            return ExistingFolder(config, location).has_value();
        case Location::Level::File:
            break;
    }
    const auto file = ExistingFile(config, location);
    if (!file) {
        return false;
    }
    return location.groups.isEmpty() ||
           IniFile(*file, stamps_).findGroup(location.groups).has_value();
}

void SettingsFiles::createKey(const KeyPath& key) {
    const Location location = Locate(key);
    const QString config = Q(configFolder_);
    switch (location.level) {
        case Location::Level::Unsupported:
            FailNotStorable(JoinKeyPath(key));
        case Location::Level::Root:
            if (!QDir().mkpath(config)) {
                Fail(QStringLiteral("Der Ordner \"%1\" kann nicht angelegt werden.").arg(config));
            }
            return;
        case Location::Level::Folder:
            (void)FolderForWriting(config, location);
            return;
        case Location::Level::File:
            break;
    }
    const QString path = FileForWriting(config, location);
    CreateEmptyFile(path);
    if (location.groups.isEmpty()) {
        return;
    }
    IniFile ini(path, stamps_);
    if (ini.findGroup(location.groups)) {
        return;
    }
    const QString group = ini.groupForWriting(location.groups);
    ini.setValue(group, KeepAliveName, QString());
    ini.dropKeepAlive(ParentGroup(group));
    ini.save();
}

bool SettingsFiles::valueExists(const KeyPath& key, const std::string& name) const {
    const Location location = Locate(key);
    if (location.level != Location::Level::File || !IsStorableValueName(name)) {
        return false;
    }
    const auto file = ExistingFile(Q(configFolder_), location);
    if (!file) {
        return false;
    }
    IniFile ini(*file, stamps_);
    const auto group = ini.findGroup(location.groups);
    return group && !ini.valuesNamed(*group, Q(name)).isEmpty();
}

std::optional<std::string> SettingsFiles::readString(const KeyPath& key,
                                                     const std::string& name) const {
    const Location location = Locate(key);
    if (location.level != Location::Level::File || !IsStorableValueName(name)) {
        return std::nullopt;
    }
    const auto file = ExistingFile(Q(configFolder_), location);
    if (!file) {
        return std::nullopt;
    }
    IniFile ini(*file, stamps_);
    const auto group = ini.findGroup(location.groups);
    if (!group) {
        return std::nullopt;
    }
    const QStringList stored = ini.valuesNamed(*group, Q(name));
    if (stored.isEmpty()) {
        return std::nullopt;
    }
    const QVariant value = ini.value(*group, stored.first());
    if (value.typeId() != QMetaType::QString) {
        Fail(QStringLiteral("Ungültiger Datentyp für \"%1\" in \"%2\".").arg(Q(name), *file));
    }
    return value.toString().toStdString();
}

void SettingsFiles::writeString(const KeyPath& key, const std::string& name,
                                const std::string& text) {
    const Location location = Locate(key);
    if (location.level != Location::Level::File || !IsStorableValueName(name)) {
        FailNotStorable(name);
    }
    IniFile ini(FileForWriting(Q(configFolder_), location), stamps_);
    const QString group = ini.groupForWriting(location.groups);
    QStringList stored = ini.valuesNamed(group, Q(name));
    // A value that holds the text already is left alone: a save is a new file synced to disk,
    // and some values are written again and again unchanged (the budget sums every 4 seconds).
    if (stored.size() == 1 && ini.holdsText(group, stored.first(), Q(text))) {
        return;
    }
    // A hand edit may have left the same name twice in different case: keep the first.
    const QString target = stored.isEmpty() ? Q(name) : stored.takeFirst();
    for (const QString& duplicate : stored) {
        ini.remove(JoinGroup(group, duplicate));
    }
    ini.setValue(group, target, Q(text));
    ini.dropKeepAlive(group);
    ini.save();
}

void SettingsFiles::deleteValue(const KeyPath& key, const std::string& name) {
    const Location location = Locate(key);
    if (location.level != Location::Level::File || !IsStorableValueName(name)) {
        return;
    }
    const auto file = ExistingFile(Q(configFolder_), location);
    if (!file) {
        return;
    }
    IniFile ini(*file, stamps_);
    const auto group = ini.findGroup(location.groups);
    if (!group) {
        return;
    }
    const QStringList stored = ini.valuesNamed(*group, Q(name));
    if (stored.isEmpty()) {
        return;
    }
    for (const QString& each : stored) {
        ini.remove(JoinGroup(*group, each));
    }
    ini.keepAliveIfEmpty(*group);
    ini.save();
}

void SettingsFiles::deleteKeyTree(const KeyPath& key) {
    const Location location = Locate(key);
    const QString config = Q(configFolder_);
    switch (location.level) {
        case Location::Level::Unsupported:
            return;
        case Location::Level::Root:
            // That would be every program's settings.
            Fail(QStringLiteral("Der Schlüssel \"Software\" kann nicht gelöscht werden."));
        case Location::Level::Folder: {
            const auto folder = ExistingFolder(config, location);
            if (!folder) {
                return;
            }
            // Only the files this store keeps; the folder goes when nothing else is left in it.
            QDir dir(*folder);
            const QStringList files =
                dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
            for (const QString& entry : files) {
                if (entry.endsWith(FileSuffix, Qt::CaseInsensitive) && !dir.remove(entry)) {
                    Fail(QStringLiteral("Die Einstellungsdatei \"%1\" kann nicht gelöscht werden.")
                             .arg(dir.filePath(entry)));
                }
            }
            (void)QDir().rmdir(*folder);
            return;
        }
        case Location::Level::File:
            break;
    }
    const auto file = ExistingFile(config, location);
    if (!file) {
        return;
    }
    if (location.groups.isEmpty()) {
        if (!QFile::remove(*file)) {
            Fail(QStringLiteral("Die Einstellungsdatei \"%1\" kann nicht gelöscht werden.")
                     .arg(*file));
        }
        stamps_.forget(file->toStdString());
        return;
    }
    IniFile ini(*file, stamps_);
    const auto group = ini.findGroup(location.groups);
    if (!group) {
        return;
    }
    ini.remove(*group);
    ini.keepAliveIfEmpty(ParentGroup(*group));
    ini.save();
}

void SettingsFiles::replaceKey(const KeyPath& key,
                               const std::vector<std::pair<std::string, std::string>>& values) {
    const Location location = Locate(key);
    if (location.level != Location::Level::File) {
        FailNotStorable(JoinKeyPath(key));
    }
    for (const auto& [name, text] : values) {
        if (!IsStorableValueName(name)) {
            FailNotStorable(name);
        }
    }
    IniFile ini(FileForWriting(Q(configFolder_), location), stamps_);
    const QString group = ini.groupForWriting(location.groups);
    // An empty key removes everything in the file: the product key's values and subkeys.
    ini.remove(ini.findGroup(location.groups).value_or(group));
    for (const auto& [name, text] : values) {
        const QStringList stored = ini.valuesNamed(group, Q(name));
        ini.setValue(group, stored.isEmpty() ? Q(name) : stored.first(), Q(text));
    }
    if (values.empty()) {
        ini.keepAliveIfEmpty(group);
    } else {
        ini.dropKeepAlive(group);
    }
    ini.save();
}

}  // namespace ruvo::desktop
