// The transcript: one line per event of the simulated program, each beginning with the virtual
// date and time, written to standard output as it happens.
#pragma once

#include <ostream>
#include <string>

#include "platform/platform.h"

namespace ruvo::sim {

class Transcript {
public:
    Transcript(std::ostream& out, const platform::Clock& clock) : out_(out), clock_(clock) {}

    // "DD.MM.YY HH:MM:SS text", flushed, so that a run driven from standard input is followed.
    void write(const std::string& text);

    // "DD.MM.YY HH:MM:SS"
    static std::string timeStamp(const platform::LocalDateTime& t);
    // The text in double quotes, with backslash, double quote and line break escaped (\\ \" \n);
    // any other control character is written as \xHH.
    static std::string quoted(const std::string& text);
    // inactive, offline, online, warning, none
    static std::string pictureName(platform::TrayPicture picture);

private:
    std::ostream& out_;
    const platform::Clock& clock_;
};

}  // namespace ruvo::sim
