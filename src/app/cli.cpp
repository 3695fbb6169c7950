// ruvo-cli: the game's rules and turn driver from the command line.
#include "cli/CliApp.h"

#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return ruvo::CliApp::Run(args, std::cout, std::cerr);
}
