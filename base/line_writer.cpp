#include "base/line_writer.h"

#include "base/file_error.h"
#include "base/text_codec.h"

namespace ruvo {

void AppendLineText(std::string& out, std::string_view text) {
    auto bytes = Utf8ToCp1252(text);
    if (!bytes) {
        throw FileError(FileError::Kind::Unencodable, "",
                        "text with a character that Windows-1252 cannot hold");
    }
    for (char& c : *bytes) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    out.append(*bytes);
}

}  // namespace ruvo
