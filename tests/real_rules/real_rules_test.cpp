// Runs the core over every real rules file in a folder (see fakes/RealRules.h).
#include "core/Files.h"
#include "core/RulesSaver.h"
#include "core/SectionReader.h"
#include "core/Text.h"
#include "core/editor/FieldCatalogue.h"

#include "fakes/RealRules.h"
#include "fakes/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace halvex {
namespace {

namespace fs = std::filesystem;
using Pairs = std::vector<std::pair<std::string, std::string>>;

using testing::realRulesFiles;

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
    EXPECT_EQ(out.read("rules.ini"), files::withClosingLineBreak(original));
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

// Edits the first key line and adds a key in a few dozen sections; nothing else may change.
TEST_P(RealRules, SavingChangesExactlyTheEditedLines) {
    const RulesText rules(testing::readFile(GetParam()));
    EXPECT_EQ(applyChanges(rules, {}).text, rules.text()) << "no entries, no change";

    struct Line { std::string_view full, content; }; // with and without its line break
    const auto linesOf = [](std::string_view all) {
        std::vector<Line> lines;
        for (std::size_t at = 0; at < all.size(); at = text::nextLineStart(all, at)) {
            lines.push_back({all.substr(at, text::nextLineStart(all, at) - at), text::lineAt(all, at)});
        }
        return lines;
    };
    const auto headerName = [](std::string_view l) {
        return std::string(l.starts_with('[') && l.find(']') != l.npos ? l.substr(1, l.find(']') - 1) : "");
    };
    const auto oldLines = linesOf(rules.text());
    std::vector<std::size_t> starts; // every line that starts with "[" ends a section
    std::map<std::string, int> headersOfName;
    std::vector<std::string> expected; // the original lines, with the edits
    for (std::size_t i = 0; i < oldLines.size(); ++i) {
        if (oldLines[i].content.starts_with('[')) starts.push_back(i);
        ++headersOfName[text::toLower(headerName(oldLines[i].content))];
        expected.emplace_back(oldLines[i].full);
    }

    std::vector<ChangeEntry> entries;
    std::map<std::string, std::string> addedIn; // added line with its CRLF -> the section it belongs to
    for (std::size_t s = 0; s < starts.size(); s += std::max<std::size_t>(1, starts.size() / 36)) {
        const std::string name = headerName(oldLines[starts[s]].content);
        const std::size_t end = s + 1 < starts.size() ? starts[s + 1] : oldLines.size();
        std::size_t i = starts[s] + 1;
        while (i < end && oldLines[i].content.find('=') == std::string_view::npos) ++i;
        if (name.empty() || headersOfName[text::toLower(name)] != 1 || i == end) continue;
        // Only a plain "Key=Value" line, so that the edited line is simply key "=" new value.
        const std::string_view line = oldLines[i].content;
        const std::size_t eq = line.find('=');
        const std::string_view word = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_";
        if (eq == 0 || line.find_first_not_of(word) != eq || line.substr(eq + 1).find_first_of(" \t") == 0) continue;
        const std::string tag = std::to_string(entries.size());
        const std::string edited = std::string(line.substr(0, eq)) + "=HalvexEdit" + tag;
        entries.push_back({"[" + name + "] " + edited, true});
        entries.push_back({"[" + name + "] HalvexAdded" + tag + "=1", true});
        expected[i] = edited + std::string(oldLines[i].full.substr(line.size()));
        addedIn["HalvexAdded" + tag + "=1\r\n"] = name;
    }
    ASSERT_GE(addedIn.size(), 20u) << "too few sections with a plain key line to edit";

    std::vector<std::string> kept;
    const std::string result = applyChanges(rules, entries).text;
    for (std::string section; const Line& line : linesOf(result)) {
        if (const std::string name = headerName(line.content); !name.empty()) section = name;
        if (const auto added = addedIn.find(std::string(line.full)); added == addedIn.end()) {
            kept.emplace_back(line.full);
        } else {
            EXPECT_EQ(section, added->second) << line.content << " landed outside its section";
            addedIn.erase(added);
        }
    }
    EXPECT_TRUE(addedIn.empty()) << addedIn.size() << " added lines are missing";
    const auto diff = std::mismatch(kept.begin(), kept.end(), expected.begin(), expected.end()).first - kept.begin();
    EXPECT_TRUE(kept == expected) << "line " << diff + 1 << " differs from the original with the edits";
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

// A field bound to a key the game never reads shows nothing of the file and writes a line
// the game ignores. Every bound key must be set somewhere in the real files, or be one the
// game documents in its own rules.ini without any section of it setting it.
TEST(RealRulesFolder, EveryKeyTheFormsBindIsAKeyOfTheGame) {
    if (realRulesFiles().empty()) GTEST_SKIP() << "No real rules files.";
    const std::map<std::string_view, std::string_view> documentedOnly = {
        {"Disguised", "described in the infantry notes of the game's own rules.ini"},
        {"FemaleVoice", "described in the infantry notes of the game's own rules.ini"},
        {"IsCanine", "described in the infantry notes of the game's own rules.ini"},
        {"Thief", "described in the infantry notes of the game's own rules.ini"},
        {"Invisible", "described in the object notes of the game's own rules.ini"},
        {"Fake", "described in the building notes of the game's own rules.ini"},
    };
    std::set<std::string> setKeys;
    for (const fs::path& file : realRulesFiles()) {
        const std::string bytes = testing::readFile(file);
        readSectionLines(bytes, [&](std::string_view key, std::string_view) {
            setKeys.insert(text::toLower(text::trim(key)));
        });
    }
    for (const auto& field : editor::fields()) {
        if (field.key.empty() || documentedOnly.contains(field.key)) continue;
        EXPECT_TRUE(setKeys.contains(text::toLower(field.key))) << field.array << " " << field.index << " binds "
                                                                 << field.key << ", which no real file sets";
    }
}

} // namespace
} // namespace halvex
