// Runs the core over every real rules file in a folder: HALVEX_REAL_RULES_DIR, or the
// shared data folder beside the project. Any folder of real files must do.
#include "core/Files.h"
#include "core/SectionReader.h"
#include "core/Text.h"

#include "fakes/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <utility>
#include <vector>

namespace halvex {
namespace {

namespace fs = std::filesystem;
using Pairs = std::vector<std::pair<std::string, std::string>>;

std::vector<fs::path> realRulesFiles() {
    const char* fromEnvironment = std::getenv("HALVEX_REAL_RULES_DIR");
    const fs::path folder = fromEnvironment ? fs::path(fromEnvironment) : fs::path(HALVEX_DEFAULT_REAL_RULES_DIR);
    std::vector<fs::path> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (text::equalsIgnoreCase(it->path().extension().string(), ".ini")) found.push_back(it->path());
    }
    std::sort(found.begin(), found.end());
    return found;
}

// What a plain line-by-line INI reader sees: sections by their first header (names as
// written, so [REPAIR] and [Repair] stay apart), key lines
// as key "=" value with the ";" comment and trailing white space removed.
std::map<std::string, Pairs> plainSections(const std::string& bytes) {
    std::map<std::string, Pairs> sections;
    Pairs* current = nullptr;
    for (std::size_t at = 0; at < bytes.size(); at = text::nextLineStart(bytes, at)) {
        const std::string_view line = text::lineAt(bytes, at);
        if (!line.empty() && line.front() == '[' && line.find(']') != std::string_view::npos) {
            const std::string name(line.substr(1, line.find(']') - 1));
            current = sections.count(name) ? nullptr : &sections[name];
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!current || equals == std::string_view::npos) continue;
        std::string_view value = line.substr(equals + 1);
        value = value.substr(0, value.find(';'));
        while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.remove_suffix(1);
        current->emplace_back(std::string(line.substr(0, equals)), std::string(value));
    }
    return sections;
}

class RealRules : public ::testing::TestWithParam<fs::path> {};

TEST_P(RealRules, WritesBackByteForByte) {
    const std::string original = testing::readFile(GetParam());
    testing::TempDir out;
    ASSERT_TRUE(files::writeText(out.path() / "rules.ini", original).ok);
    // The program always ends a file with CRLF; real files already do.
    EXPECT_EQ(out.read("rules.ini"), files::withClosingCrlf(original));
    EXPECT_TRUE(text::endsWith(original, "\r\n")) << GetParam() << " does not end with a line break";
}

TEST_P(RealRules, EverySectionReadsAsAPlainIniReaderReadsIt) {
    const RulesText rules(testing::readFile(GetParam()));
    const auto expected = plainSections(rules.text());
    ASSERT_FALSE(expected.empty());
    for (const auto& [name, pairs] : expected) {
        Pairs read;
        const bool found = readSection(rules, name, [&](std::string_view k, std::string_view v) {
            read.emplace_back(std::string(k), std::string(v));
        });
        EXPECT_TRUE(found) << "[" << name << "]";
        EXPECT_EQ(read, pairs) << "[" << name << "]";
    }
}

std::string testNameOf(const ::testing::TestParamInfo<fs::path>& param) {
    std::string name = param.param.stem().string();
    std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); },
                    '_');
    return name + "_" + std::to_string(param.index);
}

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(RealRules);
INSTANTIATE_TEST_SUITE_P(Files, RealRules, ::testing::ValuesIn(realRulesFiles()), testNameOf);

TEST(RealRulesFolder, SaysWhenThereIsNothingToCheck) {
    if (realRulesFiles().empty()) {
        GTEST_SKIP() << "No real rules files: set HALVEX_REAL_RULES_DIR to a folder of *.ini files.";
    }
}

} // namespace
} // namespace halvex
