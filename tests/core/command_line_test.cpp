#include "core/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace halvex {
namespace {

// The arguments as main receives them, the program's own path first.
CommandLineRequest requestOf(std::vector<std::string> arguments) {
    std::vector<char*> argv;
    for (auto& argument : arguments) argv.push_back(argument.data());
    return commandLineRequest(argv);
}

TEST(CommandLine, TheFirstRequestDecidesAndEverythingElseStartsTheEditor) {
    EXPECT_EQ(requestOf({"halvex"}), CommandLineRequest::StartEditor);
    EXPECT_EQ(requestOf({}), CommandLineRequest::StartEditor);
    EXPECT_EQ(requestOf({"halvex", "-platform", "offscreen", "-style", "fusion"}), CommandLineRequest::StartEditor)
        << "the window toolkit's own options";
    EXPECT_EQ(requestOf({"halvex", "-platform", "offscreen", "--version"}), CommandLineRequest::ShowVersion);
    EXPECT_EQ(requestOf({"halvex", "--help", "--version"}), CommandLineRequest::ShowHelp);
    EXPECT_EQ(requestOf({"halvex", "-v", "-h"}), CommandLineRequest::ShowVersion);
    EXPECT_EQ(requestOf({"--help"}), CommandLineRequest::StartEditor) << "a program may be named anything";
    EXPECT_EQ(requestOf({"halvex", "--", "--version"}), CommandLineRequest::StartEditor);
    EXPECT_EQ(requestOf({"halvex", "--versions", "-help"}), CommandLineRequest::StartEditor);
}

} // namespace
} // namespace halvex
