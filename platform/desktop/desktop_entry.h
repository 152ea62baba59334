// The parts of the Desktop Entry format that an autostart entry needs: the escapes of a string
// value and the quoting of the Exec key's arguments.
#pragma once

#include <string>
#include <vector>

namespace ruvo::desktop {

// What the program's autostart entries share with the launcher that installing it puts in the
// applications menu: the icon's name in the icon theme and the comment.
inline constexpr const char* ProgramIconName = "org.example.ruvometer";
inline constexpr const char* ProgramComment =
    "Behält die Internetverbindungen und ihre Gebühren im Überblick";

// A value of type string as written in the file: backslash, newline, tab and carriage return
// escaped, a leading space as "\s".
std::string EscapeEntryString(const std::string& text);
std::string UnescapeEntryString(const std::string& value);

// The Exec value (before string escaping) that runs `program` with no arguments: the path as it
// is when it holds no reserved character, otherwise in double quotes with '"', '`', '$' and '\'
// escaped by a backslash; '%' is doubled either way.
std::string ExecCommandFor(const std::string& program);

// The arguments of an Exec value (after string unescaping): quoted arguments unquoted, "%%" as
// '%', field codes such as %f or %U dropped. Never fails; malformed quoting is taken as far as it
// goes.
std::vector<std::string> SplitExecCommand(const std::string& command);

// The [Desktop Entry] group's value of `key` in the text of a desktop file, unescaped, or empty
// when it has none. Lines may end in LF or CR LF; the first occurrence wins.
std::string DesktopEntryValue(const std::string& fileText, const std::string& key);

}  // namespace ruvo::desktop
