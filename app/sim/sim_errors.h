// What ends a simulation run early. None of these derives from std::exception: they pass through
// the program's own handlers, whose error guard catches only the program's errors, up to the
// simulator's outermost loop.
#pragma once

#include <string>

namespace ruvo::sim {

// A script line that cannot be run. Ends the run with exit status 2.
struct ScriptError {
    int line = 0;  // 0: not tied to one line
    std::string message;
};

// The machine failed under the simulation (the registry file cannot be written). Ends the run
// with exit status 1.
struct MachineFailure {
    std::string message;
};

// Every running program was killed while its code was on the stack (a `kill` read inside a
// message box or modal window, or the script ended there). Unwinds to the outermost loop.
struct ProgramsKilled {};

}  // namespace ruvo::sim
