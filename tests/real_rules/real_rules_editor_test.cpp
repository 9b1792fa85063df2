// Every object the list files name, picked through the navigation list of the real
// main window, on every real rules file: it loads without a message, and saving
// afterwards writes nothing, because loading records no edit.
#include "core/ListFile.h"
#include "core/Startup.h"
#include "core/editor/MenuSets.h"
#include "ui/MainForm.h"

#include "fakes/FakePlatform.h"
#include "fakes/RealRules.h"
#include "fakes/TempDir.h"

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
    testing::TempDir program;
    testing::TempDir game;
    const fs::path data = fs::path(HALVEX_SOURCE_DIR) / "data";
    for (const auto list : kListNames) {
        const std::string name = std::string(list) + ".txt";
        program.write(name, testing::readFile(data / name));
    }
    const std::string original = testing::readFile(GetParam());
    game.write("rules.ini", original);
    program.write("settings.iff", freshSettings(game.path().string()));

    testing::FakePlatform platform;
    Workspace workspace(program.path());
    ui::MainForm form(workspace, platform);
    form.loadSequence();

    const int settings = positionOf(editor::rootEntries(), "Settings");
    int loaded = 0;
    for (const auto& kind : kKinds) {
        const auto entries = parseListFile(testing::readFile(data / (std::string(kind.listName) + ".txt")));
        for (std::size_t i = 0; i < entries.size(); ++i) {
            form.clickEntry(settings);
            form.doubleClickEntry();
            form.clickEntry(positionOf(editor::settingsEntries(), kind.settingsEntry));
            form.pressOk();
            form.clickEntry(static_cast<int>(i) + 1);
            form.pressOk();
            EXPECT_EQ(form.currentSection(), entries[i].id) << kind.listName;
            ++loaded;
        }
    }
    EXPECT_GT(loaded, 0);
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{});
    EXPECT_TRUE(workspace.changes().empty());
    EXPECT_FALSE(form.saverules());
    EXPECT_EQ(game.read("rules.ini"), original);
}

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(RealRulesInEditor);
INSTANTIATE_TEST_SUITE_P(Files, RealRulesInEditor, ::testing::ValuesIn(testing::realRulesFiles()));

} // namespace
} // namespace halvex
