#include "core/Workspace.h"

#include "fakes/TempDir.h"

#include <gtest/gtest.h>

#include <set>

namespace halvex {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

const std::string kRules = "[E1]\r\nCost=300 ;price\r\nSpeed=5\r\n\r\n[E2]\r\nCost=10\r\n";
const std::string kSaved = "[E1]\r\nCost=500\r\nSpeed=5\r\nArmor=heavy\r\n\r\n[E2]\r\nCost=10\r\n";
// What a mod tool made of the file while Halvex had it open.
const std::string kOtherProgramsRules = "[E1]\r\nCost=300 ;price\r\nSpeed=6\r\n\r\n[E2]\r\nCost=10\r\n\r\n"
                                        "[MODTANK]\r\nCost=900\r\n";

// Three entries, the last unticked, over a game folder that spells the file its own way.
struct WorkspaceSave : ::testing::Test {
    TempDir program;
    TempDir game;
    Workspace workspace{program.path()};
    const fs::path rulesFile = game.path() / "Rules.INI";
    const fs::path backup = game.path() / "Rules.INI.bak";

    void SetUp() override {
        game.write("Rules.INI", kRules);
        workspace.setGameDirectory(game.path().string());
        workspace.loadRules(rulesFile, kRules);
        workspace.changes().record("E1", "Cost", "500");
        workspace.changes().record("E1", "Armor", "heavy");
        workspace.changes().record("E2", "Cost", "20");
        workspace.changes().setTicked(2, false);
    }
};

TEST_F(WorkspaceSave, WritesTheFileEmptiesTheListAndReportsInOrderAcrossSaves) {
    const auto first = workspace.saveChanges();
    EXPECT_TRUE(first.written && first.error.empty());
    EXPECT_EQ(game.read("Rules.INI"), kSaved) << "the file as the game folder spells it";
    EXPECT_EQ(game.names(), (std::set<std::string>{"Rules.INI", "Rules.INI.bak"}));
    EXPECT_EQ(workspace.rules().text(), kSaved);
    EXPECT_TRUE(workspace.changes().empty()) << "the unticked entry goes too";

    workspace.changes().record("E1", "Cost", "600");
    workspace.changes().record("GONE", "Cost", "1");
    const auto second = workspace.saveChanges();
    EXPECT_TRUE(second.written);
    EXPECT_EQ(second.missingSections, std::vector<std::string>{"[GONE]"});
    EXPECT_EQ(game.read("Rules.INI.bak"), kRules) << "only the first save of a run keeps the file as loaded";
    std::vector<std::string> rows;
    for (const auto& row : workspace.reportRows()) rows.push_back(row.item + "|" + row.oldValue + "|" + row.newValue);
    EXPECT_EQ(rows, (std::vector<std::string>{"[E1] Cost|300 ;price|500", "[E1] Armor||heavy", "[E1] Cost|500|600",
                                              "[GONE] Cost||1"}));

    fs::remove(rulesFile);
    EXPECT_FALSE(workspace.saveChanges().attempted);
    EXPECT_FALSE(fs::exists(rulesFile)) << "an empty list writes nothing";
}

// A backup that cannot be written stops the save as a failed write of the file does.
TEST_F(WorkspaceSave, AFailedWriteKeepsFileTextListAndReportAndNamesWhatFailed) {
    fs::create_directory(backup);
    const auto blocked = workspace.saveChanges();
    EXPECT_TRUE(blocked.attempted && !blocked.written);
    EXPECT_NE(blocked.error.find(backup.string()), std::string::npos) << blocked.error;
    EXPECT_EQ(game.read("Rules.INI"), kRules);

    const auto blocker = program.write("not-a-folder", "x");
    workspace.setGameDirectory((blocker / "sun").string());
    const auto outcome = workspace.saveChanges();
    EXPECT_TRUE(outcome.attempted && !outcome.written);
    EXPECT_TRUE(outcome.error.starts_with("Rules.ini could not be saved to ")) << outcome.error;
    EXPECT_NE(outcome.error.find((blocker / "sun" / "rules.ini").string()), std::string::npos) << outcome.error;
    EXPECT_EQ(workspace.rules().text(), kRules);
    EXPECT_EQ(workspace.changes().size(), 3u);
    EXPECT_FALSE(workspace.changes().entries()[2].ticked);
    EXPECT_TRUE(workspace.reportRows().empty());

    fs::remove(backup);
    workspace.setGameDirectory(game.path().string());
    EXPECT_TRUE(workspace.saveChanges().written) << "the retry finds everything still there";
    EXPECT_EQ(workspace.reportRows().size(), 2u);
    EXPECT_EQ(game.read("Rules.INI.bak"), kRules);
}

TEST_F(WorkspaceSave, AFileChangedOnDiskIsNotWrittenUntilTheUserChooses) {
    game.write("Rules.INI", kOtherProgramsRules);
    const auto refused = workspace.saveChanges();
    EXPECT_TRUE(refused.changedOnDisk && !refused.written && refused.error.empty());
    EXPECT_TRUE(workspace.saveRulesText().changedOnDisk) << "the source editor's write is held back too";
    EXPECT_EQ(game.read("Rules.INI"), kOtherProgramsRules);
    EXPECT_EQ(workspace.changes().size(), 3u);
    EXPECT_FALSE(fs::exists(backup));

    const auto applied = workspace.saveChanges(ChangedOnDisk::ApplyToNewText);
    ASSERT_TRUE(applied.written) << applied.error;
    const std::string both = "[E1]\r\nCost=500\r\nSpeed=6\r\nArmor=heavy\r\n\r\n[E2]\r\nCost=10\r\n\r\n"
                             "[MODTANK]\r\nCost=900\r\n";
    EXPECT_EQ(game.read("Rules.INI"), both);
    EXPECT_EQ(workspace.rules().text(), both);
    EXPECT_EQ(game.read("Rules.INI.bak"), kRules) << "the file as this run loaded it";

    workspace.changes().record("MODTANK", "Cost", "950");
    EXPECT_TRUE(workspace.saveChanges().written) << "what Halvex wrote is no one else's change";

    game.write("Rules.INI", kOtherProgramsRules);
    workspace.rules().replace("[E1]\r\nCost=1\r\n");
    ASSERT_TRUE(workspace.saveRulesText(ChangedOnDisk::Overwrite).written);
    EXPECT_EQ(game.read("Rules.INI"), "[E1]\r\nCost=1\r\n");
}

TEST_F(WorkspaceSave, ReloadsAChangedFileOnlyWithoutUnsavedEdits) {
    EXPECT_FALSE(workspace.reloadRulesIfChanged()) << "nothing changed";
    game.write("Rules.INI", kOtherProgramsRules);
    EXPECT_FALSE(workspace.reloadRulesIfChanged()) << "unsaved edits: the question comes at save";
    EXPECT_EQ(workspace.rules().text(), kRules);

    workspace.changes().clear();
    EXPECT_TRUE(workspace.reloadRulesIfChanged());
    EXPECT_EQ(workspace.rules().text(), kOtherProgramsRules);
    workspace.changes().record("E2", "Cost", "11");
    EXPECT_TRUE(workspace.saveChanges().written) << "the reloaded file is the known one";

    fs::remove(rulesFile);
    EXPECT_FALSE(workspace.reloadRulesIfChanged()) << "a vanished file leaves the text";
    EXPECT_FALSE(workspace.rules().text().empty());
}

// An object added or deleted makes no entry: the text itself is what is unsaved.
TEST_F(WorkspaceSave, AChangedTextIsUnsavedAndSavedWithoutEntries) {
    workspace.changes().clear();
    EXPECT_FALSE(workspace.hasUnsavedChanges());
    workspace.rules().replace(kRules);
    EXPECT_FALSE(workspace.hasUnsavedChanges()) << "the same text again is no change";
    const std::string added = kRules + "\r\n[MODTANK]\r\nCost=900\r\n";
    workspace.rules().replace(added);
    EXPECT_TRUE(workspace.hasUnsavedChanges());
    EXPECT_FALSE(workspace.reloadRulesIfChanged()) << "a reload would drop the new object";

    game.write("Rules.INI", kOtherProgramsRules);
    const auto asked = workspace.saveChanges(ChangedOnDisk::ApplyToNewText);
    EXPECT_TRUE(asked.changedOnDisk && !asked.written) << "the other program's text lacks the object";
    ASSERT_TRUE(workspace.saveChanges(ChangedOnDisk::Overwrite).written);
    EXPECT_EQ(game.read("Rules.INI"), added);
    EXPECT_FALSE(workspace.hasUnsavedChanges());
}

// Rules read from the program's folder are saved to the game folder: a rules.ini that
// appears there meanwhile is another program's change, and the program's copy stays.
TEST_F(WorkspaceSave, RulesFromTheProgramsFolderMeetAFileInTheGameFolderAsAnotherProgramsChange) {
    fs::remove(rulesFile);
    workspace.loadRules(program.write("rules.ini", kRules), kRules);
    game.write("Rules.INI", kOtherProgramsRules);

    EXPECT_TRUE(workspace.saveChanges().changedOnDisk);
    fs::remove(rulesFile);
    ASSERT_TRUE(workspace.saveChanges().written);
    EXPECT_FALSE(fs::exists(backup)) << "there was nothing to keep";
    EXPECT_EQ(program.read("rules.ini"), kRules);
}

} // namespace
} // namespace halvex
