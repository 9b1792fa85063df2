#include "core/CommandLine.h"

#include "core/Version.h"

namespace halvex {

CommandLineRequest commandLineRequest(std::span<char* const> arguments) {
    for (const std::string_view argument : arguments.subspan(arguments.empty() ? 0 : 1)) {
        if (argument == "--") break;
        if (argument == "--version" || argument == "-v") return CommandLineRequest::ShowVersion;
        if (argument == "--help" || argument == "-h") return CommandLineRequest::ShowHelp;
    }
    return CommandLineRequest::StartEditor;
}

std::string versionText() {
    return "Halvex " + std::string(kVersion) + "\n";
}

std::string helpText() {
    return "Usage: halvex [options]\n"
           "Halvex edits rules.ini, the rules file of Tiberian Sun, in labelled forms.\n"
           "The game folder is asked for at the first start and remembered.\n"
           "\n"
           "Options:\n"
           "  -h, --help     Show this help and exit.\n"
           "  -v, --version  Show the version and exit.\n";
}

} // namespace halvex
