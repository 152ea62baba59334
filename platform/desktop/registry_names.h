// Names in the registry's terms and how they map onto files: key paths split at backslashes,
// names compared without regard to case, and the names that cannot be stored in a file.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

namespace ruvo::desktop {

// The parts of a key path, empty parts dropped: "Software\\Quelmar\\" gives {Software, Quelmar}.
std::vector<std::string> SplitKeyPath(const std::string& key);

// Key and value names are equal when they differ only in case (Unicode case folding).
bool SameName(const QString& a, const QString& b);
bool SameName(const std::string& a, const std::string& b);

// A key path part that can be a file or folder name or an INI group: not empty, no slash, no
// NUL, not "." or "..".
bool IsStorableKeyPart(const std::string& part);
// A value name that can be an INI key: not empty, no slash or backslash (the INI format's group
// separators), no NUL, not "." (kept for groups without values).
bool IsStorableValueName(const std::string& name);

// The first of `candidates` that names `wanted` regardless of case.
std::optional<QString> FindSameName(const QStringList& candidates, const QString& wanted);

// The entry of `folder` named `baseName` + `suffix`, the base name compared regardless of case,
// or nothing. Only entries of the asked kind are considered.
enum class EntryKind { File, Folder, Any };
std::optional<QString> FindEntry(const QString& folder, const QString& baseName,
                                 const QString& suffix, EntryKind kind);

}  // namespace ruvo::desktop
