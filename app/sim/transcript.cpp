#include "app/sim/transcript.h"

#include <array>

namespace ruvo::sim {

namespace {

std::string TwoDigits(int value) {
    const int v = ((value % 100) + 100) % 100;
    return std::string(1, static_cast<char>('0' + v / 10)) + static_cast<char>('0' + v % 10);
}

}  // namespace

void Transcript::write(const std::string& text) {
    out_ << timeStamp(clock_.now()) << ' ' << text << '\n' << std::flush;
}

std::string Transcript::timeStamp(const platform::LocalDateTime& t) {
    return TwoDigits(t.day) + "." + TwoDigits(t.month) + "." + TwoDigits(t.year) + " " +
           TwoDigits(t.hour) + ":" + TwoDigits(t.minute) + ":" + TwoDigits(t.second);
}

std::string Transcript::quoted(const std::string& text) {
    static constexpr std::array<char, 16> kHex = {'0', '1', '2', '3', '4', '5', '6', '7',
                                                  '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
    std::string out = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '"') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (byte < 0x20 || byte == 0x7F) {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

std::string Transcript::pictureName(platform::TrayPicture picture) {
    switch (picture) {
        case platform::TrayPicture::Inactive:
            return "inactive";
        case platform::TrayPicture::Offline:
            return "offline";
        case platform::TrayPicture::Online:
            return "online";
        case platform::TrayPicture::Warning:
            return "warning";
        case platform::TrayPicture::None:
            break;
    }
    return "none";
}

}  // namespace ruvo::sim
