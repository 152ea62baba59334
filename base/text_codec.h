// Conversion between the program's UTF-8 texts and the Windows-1252 bytes of its data files.
//
// Every byte of Windows-1252 stands for one character. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters of the same number,
// so every byte sequence converts to UTF-8 and back unchanged.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ruvo {

// The UTF-8 form of Windows-1252 bytes. Always succeeds.
std::string Cp1252ToUtf8(std::string_view bytes);
// Appends the UTF-8 form of the bytes to `out`; reuses its capacity.
void AppendCp1252AsUtf8(std::string& out, std::string_view bytes);

// The Windows-1252 form of a UTF-8 text; nothing when the text is not well-formed UTF-8 or holds
// a character that Windows-1252 has no byte for.
std::optional<std::string> Utf8ToCp1252(std::string_view text);

// Whether every character of the UTF-8 text has a Windows-1252 byte (the test the edit fields
// use to refuse input).
bool FitsCp1252(std::string_view text);

// The number of characters of a UTF-8 text: the bytes that do not continue a multi-byte form.
std::size_t CharacterCount(std::string_view text);

}  // namespace ruvo
