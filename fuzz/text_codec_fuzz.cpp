// Any bytes as Windows-1252 come back unchanged through UTF-8; any bytes as UTF-8 that convert
// come back unchanged the other way; and the line reader accounts for every byte.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/line_reader.h"
#include "base/text_codec.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::string utf8 = ruvo::Cp1252ToUtf8(bytes);
    FUZZ_CHECK(ruvo::CharacterCount(utf8) == size);
    FUZZ_CHECK(ruvo::Utf8ToCp1252(utf8) == std::string(bytes));

    if (const auto cp1252 = ruvo::Utf8ToCp1252(bytes)) {
        FUZZ_CHECK(ruvo::Cp1252ToUtf8(*cp1252) == bytes);
        FUZZ_CHECK(cp1252->size() == ruvo::CharacterCount(bytes));
    }

    FUZZ_CHECK(ruvo::CharacterCount(ruvo::PadLeft(utf8, 40)) == std::max<std::size_t>(size, 40));

    ruvo::LineReader lines(bytes);
    std::size_t previousEnd = 0;
    while (const auto line = lines.next()) {
        FUZZ_CHECK(line->text.size() <= ruvo::LineReader::kMaxCharactersPerRead);
        FUZZ_CHECK(line->text.data() == bytes.data() + previousEnd);
        const std::size_t lineEnd = line->end - previousEnd - line->text.size();
        FUZZ_CHECK(line->ending == ruvo::LineEnding::LineEnd ? (lineEnd == 1 || lineEnd == 2)
                                                             : lineEnd == 0);
        previousEnd = line->end;
    }
    FUZZ_CHECK(previousEnd == size);
    return 0;
}
