#include "platform/desktop/autostart_entries.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QString>
#include <utility>

#include "platform/desktop/desktop_entry.h"
#include "platform/desktop/registry_names.h"
#include "platform/platform.h"

namespace ruvo::desktop {

namespace {

const QString EntrySuffix = QStringLiteral(".desktop");

[[noreturn]] void Fail(const QString& message) {
    throw platform::RegistryError(message.toStdString());
}

}  // namespace

AutostartEntries::AutostartEntries(std::string folder, std::string entryName)
    : folder_(std::move(folder)), entryName_(std::move(entryName)) {}

namespace {

std::optional<QString> FindEntryFile(const std::string& folder, const std::string& name) {
    if (!IsStorableValueName(name)) {
        return std::nullopt;
    }
    return FindEntry(QString::fromStdString(folder), QString::fromStdString(name), EntrySuffix,
                     EntryKind::File);
}

}  // namespace

bool AutostartEntries::valueExists(const std::string& name) const {
    return FindEntryFile(folder_, name).has_value();
}

std::optional<std::string> AutostartEntries::readString(const std::string& name) const {
    const auto path = FindEntryFile(folder_, name);
    if (!path) {
        return std::nullopt;
    }
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly)) {
        Fail(QStringLiteral("Der Autostart-Eintrag \"%1\" kann nicht gelesen werden.").arg(*path));
    }
    const QByteArray text = file.readAll();
    const auto arguments = SplitExecCommand(
        DesktopEntryValue(std::string(text.constData(), size_t(text.size())), "Exec"));
    std::string command;
    for (const std::string& argument : arguments) {
        command += command.empty() ? argument : " " + argument;
    }
    return command;
}

std::string AutostartEntries::entryText(const std::string& program) const {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=" +
           EscapeEntryString(entryName_) +
           "\n"
           "Comment=" +
           std::string(ProgramComment) +
           "\n"
           "Exec=" +
           EscapeEntryString(ExecCommandFor(program)) +
           "\n"
           "Icon=" +
           std::string(ProgramIconName) +
           "\n"
           "X-GNOME-Autostart-enabled=true\n";
}

void AutostartEntries::writeString(const std::string& name, const std::string& program) {
    if (!IsStorableValueName(name)) {
        Fail(QStringLiteral("\"%1\" kann nicht als Autostart-Eintrag gespeichert werden.")
                 .arg(QString::fromStdString(name)));
    }
    const QString folder = QString::fromStdString(folder_);
    if (!QDir().mkpath(folder)) {
        Fail(QStringLiteral("Der Ordner \"%1\" kann nicht angelegt werden.").arg(folder));
    }
    const QString path = FindEntryFile(folder_, name)
                             .value_or(folder + '/' + QString::fromStdString(name) + EntrySuffix);
    const std::string text = entryText(program);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), qint64(text.size())) != qint64(text.size()) || !file.commit()) {
        Fail(QStringLiteral("Der Autostart-Eintrag \"%1\" kann nicht geschrieben werden.")
                 .arg(path));
    }
}

void AutostartEntries::deleteValue(const std::string& name) {
    const auto path = FindEntryFile(folder_, name);
    if (path && !QFile::remove(*path)) {
        Fail(QStringLiteral("Der Autostart-Eintrag \"%1\" kann nicht gelöscht werden.").arg(*path));
    }
}

}  // namespace ruvo::desktop
