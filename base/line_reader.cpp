#include "base/line_reader.h"

#include "base/text_codec.h"

namespace ruvo {

std::optional<FileLine> LineReader::next() {
    if (atEnd()) {
        return std::nullopt;
    }
    const std::size_t start = pos_;
    std::size_t length = 0;
    unsigned char allBytes = 0;  // the text's bytes or-ed together: bit 7 for any non-ASCII
    const auto line = [&](LineEnding ending) {
        return FileLine{bytes_.substr(start, length), ending, pos_, allBytes < 0x80};
    };
    // The line end fits the read only while fewer than 499 characters were taken.
    while (length < kMaxCharactersPerRead) {
        if (start + length >= bytes_.size()) {
            pos_ = bytes_.size();
            return line(LineEnding::EndOfData);
        }
        const char c = bytes_[start + length];
        if (c == '\n' || c == '\r') {
            pos_ = start + length + 1;
            if (c == '\r' && pos_ < bytes_.size() && bytes_[pos_] == '\n') {
                ++pos_;
            }
            return line(LineEnding::LineEnd);
        }
        allBytes |= static_cast<unsigned char>(c);
        ++length;
    }
    pos_ = start + length;
    // Nothing left after a full read is the end of the file, as the next read would find.
    return line(atEnd() ? LineEnding::EndOfData : LineEnding::Full);
}

std::optional<FileLine> LineReader::nextWhole() {
    if (atEnd()) {
        return std::nullopt;
    }
    const std::size_t start = pos_;
    const std::size_t lineEnd = bytes_.find_first_of("\r\n", start);
    if (lineEnd == std::string_view::npos) {
        pos_ = bytes_.size();
        return FileLine{bytes_.substr(start), LineEnding::EndOfData, pos_, false};
    }
    pos_ = lineEnd + 1;
    if (bytes_[lineEnd] == '\r' && pos_ < bytes_.size() && bytes_[pos_] == '\n') {
        ++pos_;
    }
    return FileLine{bytes_.substr(start, lineEnd - start), LineEnding::LineEnd, pos_, false};
}

std::string StripLineEnd(std::string_view text) {
    if (!text.empty() && text.back() == '\n') {
        text.remove_suffix(1);
    }
    return std::string(text);
}

std::string PadLeft(std::string_view text, std::size_t width) {
    const std::size_t count = CharacterCount(text);
    if (count >= width) {
        return std::string(text);
    }
    std::string padded(width - count, ' ');
    padded.append(text);
    return padded;
}

}  // namespace ruvo
