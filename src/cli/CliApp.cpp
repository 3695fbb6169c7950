// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliApp.h"

#include "Version.h"
#include "cli/MovesCommand.h"
#include "cli/OptionParser.h"
#include "cli/PlayCommand.h"
#include "cli/UsageError.h"
#include "files/FileError.h"
#include "files/ShownText.h"

#include <filesystem>

namespace ruvo {

const char* CliApp::Usage() {
    return "Usage: ruvo-cli moves [--computer LEVEL] [--seed S] PLAYER THROWS POS0 POS1 POS2 POS3\n"
           "       ruvo-cli play [--config FILE] [--enabled FLAGS] [--computer LEVELS] "
           "[--games N] [--seed S | --draws FILE] [--turns T] [--save FILE] [--load FILE] "
           "[--log]\n"
           "       ruvo-cli --help | --version\n";
}

const char* CliApp::UsageLine() {
    return "Usage: ruvo-cli {moves [OPTION]... PLAYER THROWS POS0..POS3 | play [OPTION]...}; "
           "ruvo-cli --help lists the options.\n";
}

std::string CliApp::Help() {
    return std::string(Usage()) +
           "\n"
           "Plays the dice race game Ruvo without its window.\n"
           "\n"
           "moves  prints the possible moves of PLAYER (0..3) with the throws THROWS (\"6,2\")\n"
           "       and the pieces at POS0..POS3 (each player's four positions, \"76,77,78,79\"),\n"
           "       then the computer's choice and each piece's options.\n"
           "  --computer LEVEL the computer's level: easy, standard (default) or strong\n"
           "  --seed S         a seed for the easy and strong levels\n"
           "play   plays computer games with the game's turn driver, without waits or sound.\n"
           "  --config FILE    the settings file (default: ruvo.cfg in the current folder, else\n"
           "                   ~/.config/ruvo/ruvo.cfg, else the one installed with the game)\n"
           "  --enabled FLAGS  four digits 0 or 1: the players taking part\n"
           "  --computer LEVELS  four levels, players 1 to 4 (\"strong,standard,standard,easy\")\n"
           "  --games N        how many games to play (default 1)\n"
           "  --seed S         a seed for the dice\n"
           "  --draws FILE     the dice draws 1..6 from a file instead\n"
           "  --turns T        stop at the top of the round with turn count T\n"
           "  --save FILE      with --turns: save the game there before stopping\n"
           "  --load FILE      start from a saved game\n"
           "  --log            print every moves-log line as COLOUR|TEXT\n"
           "Options take their value as --option VALUE or --option=VALUE.\n"
           "\n"
           "  -h, --help       print this help and exit\n"
           "  -V, --version    print the version and exit\n"
           "\n"
           "Exit status: 0 success, 2 a bad argument or a file that cannot be used.\n";
}

int CliApp::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                const std::string& programFolder) {
    try {
        const OptionParser::Result top =
            OptionParser::Parse(args, {{"help", false, 'h'}, {"version", false, 'V'}}, true);
        for (const auto& [name, value] : top.options) {
            if (name == "--help") {
                out << Help();
                return 0;
            }
            out << "ruvo-cli " << Version << '\n';
            return 0;
        }
        if (top.rest.empty()) {
            throw UsageError("no command given");
        }
        const std::vector<std::string> rest(top.rest.begin() + 1, top.rest.end());
        if (top.rest[0] == "moves") {
            return MovesCommand::Run(rest, out);
        }
        if (top.rest[0] == "play") {
            return PlayCommand::Run(rest, out, programFolder);
        }
        throw UsageError("unknown command '" + top.rest[0] + "'");
    } catch (const UsageError& error) {
        out.flush();
        err << "ruvo-cli: " << ShownText::Escaped(error.what()) << '\n' << UsageLine();
        return 2;
    } catch (const FileError& error) {
        out.flush();
        err << "ruvo-cli: " << ShownText::Escaped(error.what()) << '\n';
        return 2;
    } catch (const std::filesystem::filesystem_error& error) {
        // Where a file is looked for, the system refused to look (an unsearchable folder).
        out.flush();
        const std::string where = error.path1().empty() ? "" : error.path1().string() + ": ";
        err << "ruvo-cli: " << ShownText::Escaped(where)
            << "cannot be looked for: " << error.code().message() << '\n';
        return 2;
    } catch (const std::exception& error) {
        out.flush();
        err << "ruvo-cli: " << ShownText::Escaped(error.what()) << '\n';
        return 2;
    }
}

} // namespace ruvo
