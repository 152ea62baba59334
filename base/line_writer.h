// Building the bytes of the data files: Windows-1252 text with CR LF line ends.
#pragma once

#include <string>
#include <string_view>

namespace ruvo {

inline constexpr std::string_view kFileLineEnd = "\r\n";

// Appends the Windows-1252 form of a UTF-8 text as the content of one line (without line end).
// A CR or LF inside the text is written as a blank, so that the text stays one line and the
// file stays in step. Throws FileError (Unencodable, no path) for a text that is not UTF-8 or
// holds a character Windows-1252 has no byte for.
void AppendLineText(std::string& out, std::string_view text);

}  // namespace ruvo
