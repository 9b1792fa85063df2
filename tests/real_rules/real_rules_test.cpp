// Runs the core over every real rules file in a folder (see fakes/RealRules.h).
#include "core/Files.h"
#include "core/RulesSaver.h"
#include "core/SectionReader.h"
#include "core/Text.h"
#include "core/editor/FieldCatalogue.h"
#include "core/objects/ObjectListBuilder.h"
#include "core/tools/ObjectAdder.h"
#include "core/tools/ObjectRemover.h"

#include "fakes/RealRules.h"
#include "fakes/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <utility>
#include <vector>

namespace halvex {
namespace {

namespace fs = std::filesystem;
using Pairs = std::vector<std::pair<std::string, std::string>>;
using Sections = std::map<std::string, Pairs>;

std::optional<std::string> headerName(std::string_view line) {
    const std::size_t close = line.find(']');
    if (!line.starts_with('[') || close == line.npos) return std::nullopt;
    return std::string(line.substr(1, close - 1));
}

struct Line { std::string_view full, content; }; // with and without its line break

std::vector<Line> linesOf(std::string_view all) {
    std::vector<Line> lines;
    for (std::size_t at = 0; at < all.size(); at = text::nextLineStart(all, at)) {
        lines.push_back({all.substr(at, text::nextLineStart(all, at) - at), text::lineAt(all, at)});
    }
    return lines;
}

// What a plain line-by-line INI reader sees: sections by their first header (names as
// written, so [REPAIR] and [Repair] stay apart), key lines
// as key "=" value with the ";" comment and trailing white space removed.
Sections plainSections(std::string_view bytes) {
    Sections sections;
    Pairs* current = nullptr;
    for (const Line& line : linesOf(bytes)) {
        if (const auto name = headerName(line.content)) {
            current = sections.count(*name) ? nullptr : &sections[*name];
            continue;
        }
        const std::size_t equals = line.content.find('=');
        if (!current || equals == std::string_view::npos) continue;
        std::string_view value = line.content.substr(equals + 1);
        value = value.substr(0, value.find(';'));
        while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.remove_suffix(1);
        current->emplace_back(std::string(line.content.substr(0, equals)), std::string(value));
    }
    return sections;
}

long long highestNumberedKey(const Pairs& list) {
    long long highest = 0;
    for (const auto& [key, value] : list) {
        const std::string number(text::trim(key));
        if (!number.empty() && number.find_first_not_of("0123456789") == std::string::npos && number.size() < 18) {
            highest = std::max(highest, std::stoll(number));
        }
    }
    return highest;
}

class RealRules : public ::testing::TestWithParam<fs::path> {
protected:
    const std::string original = testing::readFile(GetParam());
    const RulesText rules{original};
    const Sections sections = plainSections(original);
    const Sections lowered = [this] { // by lower-cased name, the first of each
        Sections byLower;
        for (const auto& [name, pairs] : sections) byLower.emplace(text::toLower(name), pairs);
        return byLower;
    }();

    objects::ObjectLists lists() const {
        return objects::buildObjectLists(rules, objects::ListFileSet::read(fs::path(HALVEX_SOURCE_DIR) / "data"));
    }
    // The first section a type list names that the text has.
    std::string firstRegistered(const std::string& registry) const {
        const auto list = lowered.find(text::toLower(registry));
        if (list == lowered.end()) return {};
        for (const auto& [key, value] : list->second) {
            if (lowered.count(text::toLower(text::trim(value)))) return std::string(text::trim(value));
        }
        return {};
    }
};

TEST_P(RealRules, WritesBackByteForByte) {
    testing::TempDir out;
    ASSERT_TRUE(files::writeText(out.path() / "rules.ini", original).ok);
    // The program always ends a file with CRLF; real files already do.
    EXPECT_EQ(out.read("rules.ini"), files::withClosingLineBreak(original));
    EXPECT_TRUE(text::endsWith(original, "\r\n")) << GetParam() << " does not end with a line break";
}

TEST_P(RealRules, EverySectionReadsAsAPlainIniReaderReadsIt) {
    ASSERT_FALSE(sections.empty());
    for (const auto& [name, pairs] : sections) {
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
    EXPECT_EQ(applyChanges(rules, {}).text, original) << "no entries, no change";
    const auto oldLines = linesOf(original);
    std::map<std::string, int> headersOfName;
    for (const Line& line : oldLines) {
        if (const auto name = headerName(line.content)) ++headersOfName[text::toLower(*name)];
    }
    const std::size_t every = std::max<std::size_t>(1, headersOfName.size() / 36);
    std::vector<ChangeEntry> entries;
    std::map<std::string, std::string> addedIn; // added line with its CRLF -> the section it belongs to
    std::vector<std::string> expected;          // the original lines, with the edits
    std::string toEdit; // the section whose first key line comes next, when it is one to edit
    for (std::size_t headers = 0; const Line& line : oldLines) {
        expected.emplace_back(line.full);
        if (line.content.starts_with('[')) { // ends a section, header or not
            const std::string name = headerName(line.content).value_or("");
            toEdit = headers++ % every == 0 && headersOfName[text::toLower(name)] == 1 ? name : "";
            continue;
        }
        const std::size_t eq = line.content.find('=');
        if (toEdit.empty() || eq == std::string_view::npos) continue;
        const std::string section = std::exchange(toEdit, "");
        // Only a plain "Key=Value" line, so that the edited line is simply key "=" new value.
        const std::string_view word = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_";
        const bool plain = eq > 0 && line.content.find_first_not_of(word) == eq &&
                           line.content.substr(eq + 1).find_first_of(" \t") != 0;
        if (!plain) continue;
        const std::string tag = std::to_string(entries.size());
        const std::string edited = std::string(line.content.substr(0, eq)) + "=HalvexEdit" + tag;
        entries.push_back({"[" + section + "] " + edited, true});
        entries.push_back({"[" + section + "] HalvexAdded" + tag + "=1", true});
        expected.back() = edited + std::string(line.full.substr(line.content.size()));
        addedIn["HalvexAdded" + tag + "=1\r\n"] = section;
    }
    ASSERT_GE(addedIn.size(), 20u) << "too few sections with a plain key line to edit";

    std::vector<std::string> kept;
    const std::string result = applyChanges(rules, entries).text;
    for (std::string section; const Line& line : linesOf(result)) {
        if (const auto name = headerName(line.content)) section = *name;
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

// Every object a registry names is reachable exactly once in its kind's list. That no
// entry leads to a missing section, the editor's test shows by loading every one.
TEST_P(RealRules, ObjectListsHoldEveryRegisteredObjectOnce) {
    const auto lists = this->lists();
    const std::pair<std::string_view, objects::ObjectKind> registries[] = {
        {"InfantryTypes", objects::ObjectKind::Units},    {"VehicleTypes", objects::ObjectKind::Units},
        {"AircraftTypes", objects::ObjectKind::Units},    {"BuildingTypes", objects::ObjectKind::Buildings},
        {"TerrainTypes", objects::ObjectKind::Terrain}};
    int registered = 0;
    for (const auto& [registry, kind] : registries) {
        const auto found = sections.find(std::string(registry));
        if (found == sections.end()) continue;
        for (const auto& [key, value] : found->second) {
            const std::string id(text::trim(value));
            if (text::trim(key).starts_with(';') || !lowered.count(text::toLower(id))) continue;
            const auto& entries = lists.of(kind);
            const auto times = std::count_if(entries.begin(), entries.end(),
                                             [&](const ListEntry& e) { return text::equalsIgnoreCase(e.id, id); });
            EXPECT_EQ(times, 1) << registry << " names " << id;
            ++registered;
        }
    }
    EXPECT_GT(registered, 0);
}

// What the new section holds, the add tests check byte for byte.
TEST_P(RealRules, AddedObjectsGoJustBeforeTheirTemplatesAndDeletingThemLeavesEveryOtherSection) {
    std::vector<std::pair<tools::KindOption, std::string>> cases = {
        {tools::KindOption::Infantry, firstRegistered("InfantryTypes")},
        {tools::KindOption::Building, firstRegistered("BuildingTypes")}};
    if (const auto weapons = lists().of(objects::ObjectKind::Weapons); !weapons.empty()) {
        cases.emplace_back(tools::KindOption::Weapon, weapons.front().id);
    }
    for (const auto& [kind, templ] : cases) {
        if (templ.empty()) continue;
        SCOPED_TRACE(templ);
        const auto added = tools::addObject(rules, {kind, templ, "HALVEXNEW", "Halvex New", "HALVEXART"});
        ASSERT_TRUE(added.text) << added.error;
        auto after = plainSections(*added.text);
        const auto newSection = after.find("HALVEXNEW");
        ASSERT_NE(newSection, after.end());
        // The new header is the last before the template's.
        const std::size_t header = added.text->find("\n[HALVEXNEW]");
        EXPECT_EQ(findSectionStart(*added.text, text::nextLineStart(*added.text, header + 1)),
                  added.text->find("\n[" + templ + "]") + 1);
        after.erase(newSection);
        if (const auto registry = std::string(tools::typeListOf(kind)); !registry.empty()) {
            auto& list = after.at(registry);
            const std::string entry = std::to_string(highestNumberedKey(sections.at(registry)) + 1);
            const auto line = std::find(list.begin(), list.end(), Pairs::value_type{entry, "HALVEXNEW"});
            ASSERT_NE(line, list.end()) << "no " << entry << "=HALVEXNEW";
            list.erase(line);
        }
        EXPECT_TRUE(after == sections) << "an added object changed another section";

        const auto removed = tools::removeObject(RulesText(*added.text), "HALVEXNEW", tools::objectKindOf(kind));
        ASSERT_TRUE(removed.text);
        EXPECT_TRUE(plainSections(*removed.text) == sections);
    }
}

// Real files name their objects elsewhere too (Crew=E1, Pilot=E1): only the object's section
// and its type list entries go.
TEST_P(RealRules, DeletingAnObjectRemovesOnlyItsSectionAndTypeListEntries) {
    const std::string victim = firstRegistered("InfantryTypes");
    if (victim.empty()) GTEST_SKIP() << "no infantry";
    const auto removed = tools::removeObject(rules, victim, objects::ObjectKind::Units);
    ASSERT_TRUE(removed.text) << removed.error;
    auto expected = sections;
    std::erase_if(expected, [&](const auto& section) { return text::equalsIgnoreCase(section.first, victim); });
    for (const std::string registry : {"InfantryTypes", "VehicleTypes", "AircraftTypes"}) {
        if (!expected.count(registry)) continue;
        std::erase_if(expected[registry],
                      [&](const auto& pair) { return text::equalsIgnoreCase(text::trim(pair.second), victim); });
    }
    EXPECT_TRUE(plainSections(*removed.text) == expected);
    EXPECT_LT(removed.text->size(), original.size());
}

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(RealRules);
INSTANTIATE_TEST_SUITE_P(Files, RealRules, ::testing::ValuesIn(testing::realRulesFiles()));

TEST(RealRulesFolder, SaysWhenThereIsNothingToCheck) {
    if (testing::realRulesFiles().empty()) {
        GTEST_SKIP() << "No real rules files: set HALVEX_REAL_RULES_DIR to a folder of *.ini files.";
    }
}

// A field bound to a key the game never reads shows nothing of the file and writes a line
// the game ignores. Every bound key must be set somewhere in the game's own rules.ini, or be
// one that its notes on infantry, objects or buildings describe without any section setting
// it. Mods may leave keys out, so this holds against the vanilla file only.
TEST(VanillaRules, EveryKeyTheFormsBindIsAKeyOfTheGame) {
    const fs::path vanilla = fs::path(HALVEX_DEFAULT_REAL_RULES_DIR) / "rules.ini";
    if (!fs::exists(vanilla)) GTEST_SKIP() << "No vanilla rules.ini at " << vanilla;
    const std::set<std::string_view> documentedOnly = {"Disguised", "FemaleVoice", "IsCanine",
                                                       "Thief",     "Invisible",   "Fake"};
    std::set<std::string> setKeys;
    readSectionLines(testing::readFile(vanilla), [&](std::string_view key, std::string_view) {
        setKeys.insert(text::toLower(text::trim(key)));
    });
    for (const auto& field : editor::fields()) {
        if (field.key.empty() || documentedOnly.contains(field.key)) continue;
        EXPECT_TRUE(setKeys.contains(text::toLower(field.key))) << field.array << " " << field.index << " binds "
                                                                 << field.key << ", which no real file sets";
    }
}

} // namespace
} // namespace halvex
