// Runs the core over every real rules file in a folder (see fakes/RealRules.h).
#include "core/Files.h"
#include "core/RulesSaver.h"
#include "core/SectionReader.h"
#include "core/Text.h"
#include "core/editor/FieldCatalogue.h"
#include "core/objects/ObjectListBuilder.h"
#include "core/tools/HtmlText.h"
#include "core/tools/ObjectAdder.h"
#include "core/tools/ObjectRemover.h"
#include "core/tools/StatsPage.h"

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

// Every object a registry names is reachable exactly once in its kind's list, and
// nothing in any list leads to a missing section.
TEST_P(RealRules, ObjectListsHoldEveryRegisteredObjectOnceAndOnlyExistingSections) {
    const RulesText rules(testing::readFile(GetParam()));
    const auto sections = plainSections(rules.text());
    std::set<std::string> existing;
    for (const auto& [name, pairs] : sections) existing.insert(text::toLower(name));
    const auto lists = objects::buildObjectLists(
        rules, objects::ListFileSet::read(fs::path(HALVEX_SOURCE_DIR) / "data"));

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
            if (text::trim(key).starts_with(';') || !existing.count(text::toLower(id))) continue;
            const auto& entries = lists.of(kind);
            const auto times = std::count_if(entries.begin(), entries.end(),
                                             [&](const ListEntry& e) { return text::equalsIgnoreCase(e.id, id); });
            EXPECT_EQ(times, 1) << registry << " names " << id;
            ++registered;
        }
    }
    EXPECT_GT(registered, 0);
    for (const objects::ObjectKind kind : objects::kObjectKinds) {
        for (const ListEntry& entry : lists.of(kind)) {
            EXPECT_TRUE(existing.count(text::toLower(entry.id))) << entry.id << " has no section";
        }
    }
}

// Sections by lower-cased name, the first of each, as plainSections reads them.
std::map<std::string, Pairs> sectionsByLowerName(const std::map<std::string, Pairs>& sections) {
    std::map<std::string, Pairs> lowered;
    for (const auto& [name, pairs] : sections) lowered.emplace(text::toLower(name), pairs);
    return lowered;
}

// The last value of `key` (any case) in the pairs, cut at a control character, as the
// editor shows values.
std::string valueOf(const Pairs& pairs, std::string_view key) {
    std::string found;
    for (const auto& [k, v] : pairs) {
        if (!text::equalsIgnoreCase(k, key)) continue;
        const auto control = std::find_if(v.begin(), v.end(), [](char c) { return static_cast<unsigned char>(c) < 32; });
        found = std::string(text::trimRightSpaces(std::string_view(v).substr(0, static_cast<std::size_t>(control - v.begin()))));
    }
    return found;
}

bool ownedByATickableSide(std::string owner) {
    if (text::trim(owner).empty()) return true;
    for (std::size_t at = 0; at <= owner.size();) {
        const std::size_t comma = std::min(owner.find(',', at), owner.size());
        const std::string side = text::toLower(text::trim(std::string_view(owner).substr(at, comma - at)));
        if (side == "gdi" || side == "nod" || side == "civilian") return true;
        at = comma + 1;
    }
    return false;
}

TEST_P(RealRules, StatsPageWithEveryEntryHasARowPerNamedUnitAndBuildingInListOrder) {
    const RulesText rules(testing::readFile(GetParam()));
    const auto lists = objects::buildObjectLists(rules, objects::ListFileSet::read(fs::path(HALVEX_SOURCE_DIR) / "data"));
    const auto sections = sectionsByLowerName(plainSections(rules.text()));
    tools::StatsPage page({"GDI Units", "NOD Units", "GDI Structures", "NOD Structures", "Civilian Units",
                           "Civilian Structures"},
                          "d", "t");
    std::string expected;
    const std::pair<objects::ObjectKind, tools::StatsPass> passes[] = {
        {objects::ObjectKind::Units, tools::StatsPass::Units}, {objects::ObjectKind::Buildings, tools::StatsPass::Structures}};
    for (const auto& [kind, pass] : passes) {
        for (const ListEntry& entry : lists.of(kind)) {
            page.adddata(rules, entry.id, pass);
            const auto section = sections.find(text::toLower(entry.id));
            if (section == sections.end() || valueOf(section->second, "Name").empty()) continue;
            std::string owner = valueOf(section->second, "Owner");
            if (!ownedByATickableSide(owner)) continue;
            expected += "<tr bgcolor=#0000FF><td>";
            for (const std::string_view key : {"Name", "Cost", "Armor", "Strength", "Primary", "Speed", "Sight", "Owner",
                                               "Prerequisite", "TechLevel"}) {
                std::string value = valueOf(section->second, key);
                if (key == "Owner" && value.empty()) value = "Civilian";
                expected += tools::escapeHtml(value) + (key == "TechLevel" ? "</td></tr>\r\n" : "</td><td>");
            }
        }
    }
    const std::string built = page.finish();
    const std::string_view head = "Tech Level&nbsp;</td></tr>";
    const std::size_t rows = built.find(head) + head.size();
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(built.substr(rows), expected + "</table>");
}

// The first section a type list names that the text has.
std::string firstRegistered(const std::map<std::string, Pairs>& sections, const std::string& registry) {
    const auto list = sections.find(text::toLower(registry));
    if (list == sections.end()) return {};
    for (const auto& [key, value] : list->second) {
        if (sections.count(text::toLower(text::trim(value)))) return std::string(text::trim(value));
    }
    return {};
}

long long highestOf(const Pairs& list) {
    long long highest = 0;
    for (const auto& [key, value] : list) {
        const std::string number(text::trim(key));
        if (!number.empty() && number.find_first_not_of("0123456789") == std::string::npos && number.size() < 18) {
            highest = std::max(highest, std::stoll(number));
        }
    }
    return highest;
}

TEST_P(RealRules, AddedObjectsCopyTheirTemplatesAndDeletingThemLeavesEveryOtherSection) {
    const RulesText rules(testing::readFile(GetParam()));
    const auto original = plainSections(rules.text());
    const auto lowered = sectionsByLowerName(original);
    const auto lists = objects::buildObjectLists(rules, objects::ListFileSet::read(fs::path(HALVEX_SOURCE_DIR) / "data"));
    struct Case { tools::KindOption kind; std::string templ; };
    std::vector<Case> cases = {{tools::KindOption::Infantry, firstRegistered(lowered, "InfantryTypes")},
                               {tools::KindOption::Building, firstRegistered(lowered, "BuildingTypes")}};
    if (const auto& weapons = lists.of(objects::ObjectKind::Weapons); !weapons.empty()) {
        cases.push_back({tools::KindOption::Weapon, weapons.front().id});
    }
    for (const auto& [kind, templ] : cases) {
        if (templ.empty()) continue;
        SCOPED_TRACE(templ);
        const auto added = tools::addObject(rules, {kind, templ, "HALVEXNEW", "Halvex New", "HALVEXART"});
        ASSERT_TRUE(added.text) << added.error;
        auto after = plainSections(*added.text);
        const auto newSection = after.find("HALVEXNEW");
        ASSERT_NE(newSection, after.end());
        EXPECT_EQ(valueOf(newSection->second, "Image"), "HALVEXART");
        if (!valueOf(lowered.at(text::toLower(templ)), "Name").empty()) {
            EXPECT_EQ(valueOf(newSection->second, "Name"), "Halvex New");
        }
        // The new header is the last before the template's.
        const std::size_t header = added.text->find("\n[HALVEXNEW]");
        EXPECT_EQ(findSectionStart(*added.text, text::nextLineStart(*added.text, header + 1)),
                  added.text->find("\n[" + templ + "]") + 1);
        after.erase(newSection);
        if (const auto registry = tools::typeListOf(kind); !registry.empty()) {
            auto& list = after.at(std::string(registry));
            const std::string entry = std::to_string(highestOf(original.at(std::string(registry))) + 1);
            const auto line = std::find(list.begin(), list.end(), std::pair<std::string, std::string>{entry, "HALVEXNEW"});
            ASSERT_NE(line, list.end()) << "no " << entry << "=HALVEXNEW";
            list.erase(line);
        }
        EXPECT_TRUE(after == original) << "an added object changed another section";

        const auto removed = tools::removeObject(RulesText(*added.text), "HALVEXNEW", tools::objectKindOf(kind));
        ASSERT_TRUE(removed.text);
        EXPECT_TRUE(plainSections(*removed.text) == original);
    }
}

TEST_P(RealRules, DeletingAnObjectRemovesOnlyItsSectionAndTypeListEntries) {
    const RulesText rules(testing::readFile(GetParam()));
    const auto lowered = sectionsByLowerName(plainSections(rules.text()));
    const std::string victim = firstRegistered(lowered, "InfantryTypes");
    if (victim.empty()) GTEST_SKIP() << "no infantry";
    const auto removed = tools::removeObject(rules, victim, objects::ObjectKind::Units);
    ASSERT_TRUE(removed.text) << removed.error;
    auto expected = plainSections(rules.text());
    for (auto it = expected.begin(); it != expected.end();) {
        it = text::equalsIgnoreCase(it->first, victim) ? expected.erase(it) : std::next(it);
    }
    for (const std::string registry : {"InfantryTypes", "VehicleTypes", "AircraftTypes"}) {
        if (!expected.count(registry)) continue;
        std::erase_if(expected[registry], [&](const auto& pair) {
            return text::equalsIgnoreCase(text::trim(pair.second), victim);
        });
    }
    EXPECT_TRUE(plainSections(*removed.text) == expected);
    EXPECT_LT(removed.text->size(), rules.text().size());
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
// the game ignores. Every bound key must be set somewhere in the game's own rules.ini, or be
// one the game documents there without any section of it setting it. Mods may leave keys out,
// so this holds against the vanilla file only.
TEST(VanillaRules, EveryKeyTheFormsBindIsAKeyOfTheGame) {
    const fs::path vanilla = fs::path(HALVEX_DEFAULT_REAL_RULES_DIR) / "rules.ini";
    if (!fs::exists(vanilla)) GTEST_SKIP() << "No vanilla rules.ini at " << vanilla;
    const std::map<std::string_view, std::string_view> documentedOnly = {
        {"Disguised", "described in the infantry notes of the game's own rules.ini"},
        {"FemaleVoice", "described in the infantry notes of the game's own rules.ini"},
        {"IsCanine", "described in the infantry notes of the game's own rules.ini"},
        {"Thief", "described in the infantry notes of the game's own rules.ini"},
        {"Invisible", "described in the object notes of the game's own rules.ini"},
        {"Fake", "described in the building notes of the game's own rules.ini"},
    };
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
