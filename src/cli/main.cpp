// SPDX-License-Identifier: GPL-3.0-or-later
// ruvo-cli: the game's rules and turn driver from the command line.
#include "cli/CliApp.h"

#include <filesystem>
#include <iostream>
#include <system_error>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::error_code error;
    std::filesystem::path program = std::filesystem::canonical("/proc/self/exe", error);
    if (error && argc > 0) {
        program = std::filesystem::absolute(argv[0], error);
    }
    return ruvo::CliApp::Run(args, std::cout, std::cerr, program.parent_path().string());
}
