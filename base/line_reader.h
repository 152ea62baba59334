// Reading the data files line by line, and the small text helpers the files and printouts share.
//
// The data files are read as a program with a fixed 500-byte line buffer reads a text file: one
// read takes the characters up to and including the next line end, but never more than 499
// characters, where a line end (CR LF, LF or a lone CR) counts as one character. So a line of up
// to 498 characters comes back whole; a longer line comes back in pieces of 499 characters, its
// rest being the next line; and a line of exactly 499 characters is followed by an empty line
// that holds only its line end. Every file byte is one character (Windows-1252).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ruvo {

// How a line read from a file ended.
enum class LineEnding {
    LineEnd,    // with a line end, which is not part of the text
    Full,       // after 499 characters; the line goes on in the next read
    EndOfData,  // at the end of the file, without a line end
};

struct FileLine {
    std::string_view text;  // the bytes of the line, without its line end
    LineEnding ending = LineEnding::LineEnd;
    std::size_t end = 0;  // offset just after the line and its line end
    bool ascii = true;    // every byte of the text is below 0x80: it reads the same in UTF-8
};

// Walks the lines of a file's bytes. The bytes must outlive the reader and its lines.
class LineReader {
public:
    static constexpr std::size_t kMaxCharactersPerRead = 499;

    explicit LineReader(std::string_view bytes) : bytes_(bytes) {}

    // The next line; nothing when no bytes are left. A file that ends with a line end therefore
    // has no empty line after it.
    std::optional<FileLine> next();
    // The next line whatever its length, up to its line end or the end of the file.
    std::optional<FileLine> nextWhole();

    bool atEnd() const { return pos_ >= bytes_.size(); }
    // Offset of the first byte not yet read.
    std::size_t offset() const { return pos_; }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

// The text without its last character when that is a line feed; nothing else is trimmed.
std::string StripLineEnd(std::string_view text);

// The text with blanks in front until it is at least `width` characters long; a longer text
// comes back unchanged. Characters are counted, not bytes.
std::string PadLeft(std::string_view text, std::size_t width);

}  // namespace ruvo
