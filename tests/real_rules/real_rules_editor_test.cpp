// Every object the list files name, picked through the navigation list of the real
// main window, on every real rules file: an object the file holds loads without a
// message; one it lacks (a mod drops vanilla objects) gives exactly the "Area could not
// be found" message. Saving afterwards writes nothing, because loading records no edit.
// The source editor gives every file back byte for byte.
#include "core/Files.h"
#include "core/ListFile.h"
#include "core/editor/MenuSets.h"
#include "ui/source/SourceBox.h"
#include "ui/source/SourceEditor.h"

#include "fakes/EditorRig.h"
#include "fakes/RealRules.h"

#include <gtest/gtest.h>

namespace halvex {
namespace {

namespace fs = std::filesystem;

struct ObjectKind {
    std::string_view settingsEntry;
    std::string_view listName;
};

constexpr ObjectKind kKinds[] = {
    {"Units", "units"}, {"Structures", "buildings"}, {"Weapons", "weapons"}, {"Land", "land"}, {"Terrain", "terrain"}};

int positionOf(std::span<const editor::MenuEntry> entries, std::string_view text) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].text == text) return static_cast<int>(i) + 1;
    }
    return 0;
}

class RealRulesInEditor : public ::testing::TestWithParam<fs::path> {};

TEST_P(RealRulesInEditor, EveryListedObjectLoadsAndSavingWithoutEditsWritesNothing) {
    testing::EditorRig rig;
    rig.installListFiles();
    const std::string original = testing::readFile(GetParam());
    ui::MainForm& form = rig.open(original);
    const fs::path data = fs::path(HALVEX_SOURCE_DIR) / "data";

    const int settings = positionOf(editor::rootEntries(), "Settings");
    int loaded = 0;
    for (const auto& kind : kKinds) {
        const auto entries = parseListFile(testing::readFile(data / (std::string(kind.listName) + ".txt")));
        for (std::size_t i = 0; i < entries.size(); ++i) {
            form.clickEntry(settings);
            form.doubleClickEntry();
            form.clickEntry(positionOf(editor::settingsEntries(), kind.settingsEntry));
            form.pressOk();
            const std::size_t messagesBefore = rig.platform.messages.size();
            form.clickEntry(static_cast<int>(i) + 1);
            form.pressOk();
            std::vector<std::string> said = rig.platform.messageTexts();
            said.erase(said.begin(), said.begin() + static_cast<std::ptrdiff_t>(messagesBefore));
            if (rig.workspace->rules().findSection(entries[i].id)) {
                EXPECT_EQ(form.currentSection(), entries[i].id) << kind.listName;
                EXPECT_EQ(said, std::vector<std::string>{}) << entries[i].id;
                ++loaded;
            } else {
                EXPECT_EQ(form.currentSection(), "") << entries[i].id;
                EXPECT_EQ(said, std::vector<std::string>{"Area could not be found. Rules.ini may be corrupted"});
            }
        }
    }
    EXPECT_GT(loaded, 0);
    EXPECT_TRUE(rig.workspace->changes().empty());
    EXPECT_FALSE(form.saverules());
    EXPECT_EQ(rig.game.read("rules.ini"), original);
}

// The source editor's box holds the file as a plain-text box does; writing it back
// without an edit must still give the file's exact bytes.
TEST_P(RealRulesInEditor, SourceEditorWritesBackTheExactBytesWithoutAnEdit) {
    testing::EditorRig rig;
    rig.installListFiles();
    const std::string original = testing::readFile(GetParam());
    ui::MainForm& form = rig.open(original);
    form.clickEntry(positionOf(editor::rootEntries(), "Edit Source Code"));
    form.doubleClickEntry();
    ui::SourceEditor* sourceEditor = form.sourceEditor();
    ASSERT_NE(sourceEditor, nullptr);
    EXPECT_TRUE(sourceEditor->box()->rulesText() == original) << "the box does not give the file back";
    ASSERT_TRUE(sourceEditor->saveChanges());
    EXPECT_TRUE(rig.game.read("rules.ini") == files::withClosingLineBreak(original)) << "rules.ini changed";
    EXPECT_TRUE(rig.workspace->rules().text() == original);
    EXPECT_EQ(rig.platform.messageTexts(), std::vector<std::string>{});
}

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(RealRulesInEditor);
INSTANTIATE_TEST_SUITE_P(Files, RealRulesInEditor, ::testing::ValuesIn(testing::realRulesFiles()));

} // namespace
} // namespace halvex
