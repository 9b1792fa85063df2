#pragma once

#include <span>
#include <string>
#include <string_view>

// The two requests a desktop program answers on its command line before any window.
namespace halvex {

enum class CommandLineRequest { StartEditor, ShowVersion, ShowHelp };

// The first of --version (-v) and --help (-h) decides; anything else, Qt's own options
// included, is left to the window toolkit. Nothing after "--" is an option.
CommandLineRequest commandLineRequest(std::span<char* const> arguments);

std::string versionText();
std::string helpText();

} // namespace halvex
