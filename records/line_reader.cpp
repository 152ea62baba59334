#include "records/line_reader.h"

#include "records/text_codec.h"

namespace ruvo {

std::optional<FileLine> LineReader::next() {
    if (atEnd()) {
        return std::nullopt;
    }
    const std::size_t start = pos_;
    std::size_t length = 0;
    // The line end fits the read only while fewer than 499 characters were taken.
    while (length < kMaxCharactersPerRead) {
        if (start + length >= bytes_.size()) {
            pos_ = bytes_.size();
            return FileLine{bytes_.substr(start, length), LineEnding::EndOfData, pos_};
        }
        const char c = bytes_[start + length];
        if (c == '\n' || c == '\r') {
            pos_ = start + length + 1;
            if (c == '\r' && pos_ < bytes_.size() && bytes_[pos_] == '\n') {
                ++pos_;
            }
            return FileLine{bytes_.substr(start, length), LineEnding::LineEnd, pos_};
        }
        ++length;
    }
    pos_ = start + length;
    // Nothing left after a full read is the end of the file, as the next read would find.
    const LineEnding ending = atEnd() ? LineEnding::EndOfData : LineEnding::Full;
    return FileLine{bytes_.substr(start, length), ending, pos_};
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
