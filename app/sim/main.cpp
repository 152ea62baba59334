// ruvometer-sim DIR SCRIPT: the whole program in virtual time, driven by a script.
// ruvometer-sim --tarifvergleich DIR TARIFDATEI VON BIS: the recorded connections re-rated.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "app/sim/help.h"
#include "app/sim/sim_errors.h"
#include "app/sim/simulator.h"
#include "app/sim/tariff_comparison_command.h"

int main(int argc, char** argv) {
    using namespace ruvo::sim;
    if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
        WriteHelp(std::cout);
        return 0;
    }
    if (argc >= 2 && std::string(argv[1]) == "--tarifvergleich") {
        return RunTariffComparison(std::vector<std::string>(argv + 2, argv + argc), std::cout,
                                   std::cerr);
    }
    if (argc != 3) {
        std::cerr << "usage: ruvometer-sim DIR SCRIPT  (ruvometer-sim --help tells more)\n";
        return 2;
    }
    const std::string directory = argv[1];
    const std::string scriptPath = argv[2];
    std::error_code error;
    if (!std::filesystem::is_directory(directory, error)) {
        std::cerr << "ruvometer-sim: " << directory << " is not a directory\n";
        return 1;
    }
    std::ifstream file;
    if (scriptPath != "-") {
        file.open(scriptPath, std::ios::binary);
        if (!file.is_open()) {
            std::cerr << "ruvometer-sim: cannot read " << scriptPath << '\n';
            return 1;
        }
    }
    const std::string scriptName = scriptPath == "-" ? "<stdin>" : scriptPath;
    std::istream& script = scriptPath == "-" ? std::cin : file;
    try {
        Simulator simulator(directory, script, std::cout);
        simulator.run();
    } catch (const ScriptError& failure) {
        std::cout.flush();
        std::cerr << "ruvometer-sim: " << scriptName << ':' << failure.line << ": "
                  << failure.message << '\n';
        return 2;
    } catch (const MachineFailure& failure) {
        std::cout.flush();
        std::cerr << "ruvometer-sim: " << failure.message << '\n';
        return 1;
    } catch (const std::exception& failure) {
        std::cout.flush();
        std::cerr << "ruvometer-sim: the program failed: " << failure.what() << '\n';
        return 1;
    }
    return 0;
}
