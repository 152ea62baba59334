// The text of `ruvometer-sim --help`: the commands, every window and control of the program (taken
// from a program instance, so that new ones appear without changes here), and the transcript.
#pragma once

#include <ostream>

namespace ruvo::sim {

void WriteHelp(std::ostream& out);

}  // namespace ruvo::sim
