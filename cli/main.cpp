// tarabead-cli: the birth nakshatra from the command line, for scripts and checks.
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliCommands.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    return tarabead::cli::Run(args, std::cin, std::cout, std::cerr);
}
