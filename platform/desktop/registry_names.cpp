#include "platform/desktop/registry_names.h"

#include <QDir>
#include <QFileInfo>

namespace ruvo::desktop {

std::vector<std::string> SplitKeyPath(const std::string& key) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : key) {
        if (c == '\\') {
            if (!part.empty()) {
                parts.push_back(part);
                part.clear();
            }
        } else {
            part += c;
        }
    }
    if (!part.empty()) {
        parts.push_back(part);
    }
    return parts;
}

bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool SameName(const std::string& a, const std::string& b) {
    return SameName(QString::fromStdString(a), QString::fromStdString(b));
}

bool IsStorableKeyPart(const std::string& part) {
    return !part.empty() && part != "." && part != ".." &&
           part.find_first_of(std::string("/\0", 2)) == std::string::npos;
}

bool IsStorableValueName(const std::string& name) {
    return !name.empty() && name != "." &&
           name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

std::optional<QString> FindSameName(const QStringList& candidates, const QString& wanted) {
    for (const QString& candidate : candidates) {
        if (SameName(candidate, wanted)) {
            return candidate;
        }
    }
    return std::nullopt;
}

std::optional<QString> FindEntry(const QString& folder, const QString& baseName,
                                 const QString& suffix, EntryKind kind) {
    // The exact spelling first: it needs no listing of the folder.
    const QFileInfo exact(folder + '/' + baseName + suffix);
    const bool exactFits = kind == EntryKind::File     ? exact.isFile()
                           : kind == EntryKind::Folder ? exact.isDir()
                                                       : exact.exists();
    if (exactFits) {
        return exact.filePath();
    }
    const QDir::Filters kinds = kind == EntryKind::File     ? QDir::Files
                                : kind == EntryKind::Folder ? QDir::Dirs
                                                            : QDir::Files | QDir::Dirs;
    const QDir::Filters filter = kinds | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    const QStringList entries = QDir(folder).entryList(filter, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.size() >= suffix.size() && entry.endsWith(suffix, Qt::CaseInsensitive) &&
            SameName(entry.left(entry.size() - suffix.size()), baseName)) {
            return folder + '/' + entry;
        }
    }
    return std::nullopt;
}

}  // namespace ruvo::desktop
