// Runs the core over every real rules file in a folder (see fakes/RealRules.h).
#include "core/Files.h"
#include "core/RulesSaver.h"
#include "core/SectionReader.h"
#include "core/Text.h"

#include "fakes/RealRules.h"
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

// Edits one existing key and adds one new key in each of a few dozen sections spread
// over the file, then walks old and new lines side by side: every line must be either
// unchanged, the edited line of its section, or the added line inside its section.
TEST_P(RealRules, SavingChangesExactlyTheEditedLines) {
    const RulesText rules(testing::readFile(GetParam()));
    const std::string& original = rules.text();
    EXPECT_EQ(applyChanges(rules, {}).text, original) << "no entries, no change";

    auto linesOf = [](const std::string& all) {
        std::vector<std::string_view> lines;
        for (std::size_t at = 0; at < all.size(); at = text::nextLineStart(all, at)) {
            lines.push_back(text::lineAt(all, at));
        }
        return lines;
    };
    auto headerName = [](std::string_view line) -> std::string {
        if (line.empty() || line.front() != '[' || line.find(']') == std::string_view::npos) return {};
        return std::string(line.substr(1, line.find(']') - 1));
    };
    auto keyOf = [](std::string_view line) {
        const std::size_t equals = line.find('=');
        return equals == std::string_view::npos ? std::string_view{} : text::trim(line.substr(0, equals));
    };
    auto plainKey = [](std::string_view key) {
        return !key.empty() && std::all_of(key.begin(), key.end(), [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
        });
    };

    const auto oldLines = linesOf(original);
    std::vector<std::size_t> boundaries; // every line that ends a section: it starts with "["
    std::map<std::string, int> headersOfName;
    for (std::size_t i = 0; i < oldLines.size(); ++i) {
        if (!oldLines[i].empty() && oldLines[i].front() == '[') boundaries.push_back(i);
        if (const std::string name = headerName(oldLines[i]); !name.empty()) ++headersOfName[text::toLower(name)];
    }

    std::vector<ChangeEntry> entries;
    std::map<std::size_t, std::string> editedLines; // old line index -> its new text
    std::map<std::string, std::string> addedLines;  // new line -> the section it belongs to
    std::ptrdiff_t growth = 0;
    const std::size_t step = std::max<std::size_t>(1, boundaries.size() / 36);
    for (std::size_t b = 0; b < boundaries.size(); b += step) {
        const std::size_t header = boundaries[b];
        const std::string name = headerName(oldLines[header]);
        if (name.empty() || headersOfName[text::toLower(name)] != 1) continue;
        const std::size_t end = b + 1 < boundaries.size() ? boundaries[b + 1] : oldLines.size();
        for (std::size_t i = header + 1; i < end; ++i) {
            const std::string_view key = keyOf(oldLines[i]);
            if (key.empty()) continue;
            const std::string_view line = oldLines[i];
            const bool tight = line.size() > key.size() + 1 && line[key.size()] == '=' &&
                               line[key.size() + 1] != ' ' && line[key.size() + 1] != '\t';
            if (!plainKey(key) || !tight) break; // keep the expected lines simple: Key=Value
            bool earlier = false;
            for (std::size_t j = header + 1; j < i; ++j) {
                earlier = earlier || text::equalsIgnoreCase(keyOf(oldLines[j]), key);
            }
            if (earlier) break;
            const std::string tag = std::to_string(entries.size());
            const std::string edited = std::string(key) + "=HalvexEdit" + tag;
            const std::string added = "HalvexAdded" + tag + "=1";
            entries.push_back({"[" + name + "] " + edited, true});
            entries.push_back({"[" + name + "] " + added, true});
            editedLines[i] = edited;
            addedLines[added] = name;
            growth += static_cast<std::ptrdiff_t>(edited.size()) - static_cast<std::ptrdiff_t>(oldLines[i].size());
            growth += static_cast<std::ptrdiff_t>(added.size() + 2);
            break;
        }
    }
    ASSERT_GE(editedLines.size(), 20u) << "too few sections with a plain key line to edit";

    const AppliedChanges result = applyChanges(rules, entries);
    EXPECT_TRUE(result.missingSections.empty());
    ASSERT_EQ(result.rows.size(), entries.size());
    EXPECT_EQ(static_cast<std::ptrdiff_t>(result.text.size()),
              static_cast<std::ptrdiff_t>(original.size()) + growth)
        << "not a byte more or less than the edited and added lines";

    const auto newLines = linesOf(result.text);
    std::size_t changed = 0;
    std::size_t addedFound = 0;
    std::string currentSection;
    std::size_t o = 0;
    std::size_t n = 0;
    while (o < oldLines.size() || n < newLines.size()) {
        ASSERT_LT(n, newLines.size()) << "old line " << o + 1 << " is gone: " << oldLines[o];
        if (const std::string name = headerName(newLines[n]); !name.empty()) currentSection = name;
        const auto edit = editedLines.find(o);
        if (const auto add = addedLines.find(std::string(newLines[n])); add != addedLines.end()) {
            EXPECT_EQ(currentSection, add->second) << newLines[n] << " landed outside its section";
            ++addedFound;
            ++n;
        } else if (edit != editedLines.end()) {
            EXPECT_EQ(newLines[n], edit->second) << "old line " << o + 1;
            ++changed;
            ++o;
            ++n;
        } else {
            ASSERT_LT(o, oldLines.size()) << "unexpected new line " << n + 1 << ": " << newLines[n];
            ASSERT_EQ(newLines[n], oldLines[o]) << "old line " << o + 1 << " changed";
            ++o;
            ++n;
        }
    }
    EXPECT_EQ(changed, editedLines.size());
    EXPECT_EQ(addedFound, addedLines.size());
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
