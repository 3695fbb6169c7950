// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliApp.h"

#include "cli/MovesCommand.h"
#include "cli/PlayCommand.h"
#include "cli/UsageError.h"
#include "files/FileError.h"
#include "files/ShownText.h"

#include <filesystem>

namespace ruvo {

const char* CliApp::Usage() {
    return "usage: ruvo-cli moves [--computer LEVEL] [--seed S] PLAYER THROWS POS0 POS1 POS2 POS3\n"
           "       ruvo-cli play [--config FILE] [--enabled FLAGS] [--computer LEVELS] "
           "[--games N] [--seed S | --draws FILE] [--turns T] [--save FILE] [--load FILE] "
           "[--log]\n";
}

int CliApp::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                const std::string& programFolder) {
    try {
        if (args.empty()) {
            throw UsageError("no command given");
        }
        const std::vector<std::string> rest(args.begin() + 1, args.end());
        if (args[0] == "moves") {
            return MovesCommand::Run(rest, out);
        }
        if (args[0] == "play") {
            return PlayCommand::Run(rest, out, programFolder);
        }
        if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
            out << Usage();
            return 0;
        }
        throw UsageError("unknown command '" + args[0] + "'");
    } catch (const UsageError& error) {
        out.flush();
        err << "ruvo-cli: " << ShownText::Escaped(error.what()) << '\n';
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
