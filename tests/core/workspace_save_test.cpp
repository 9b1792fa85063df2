#include "core/Workspace.h"

#include "fakes/TempDir.h"

#include <gtest/gtest.h>

namespace halvex {
namespace {

using testing::TempDir;

const std::string kRules = "[E1]\r\nCost=300 ;price\r\nSpeed=5\r\n\r\n[E2]\r\nCost=10\r\n";

struct WorkspaceSave : ::testing::Test {
    TempDir program;
    TempDir game;
    Workspace workspace{program.path()};

    void SetUp() override {
        game.write("Rules.INI", kRules);
        workspace.setGameDirectory(game.path().string());
        workspace.rules().replace(kRules);
        workspace.changes().record("E1", "Cost", "500");
        workspace.changes().record("E1", "Armor", "heavy");
        workspace.changes().record("E2", "Cost", "20");
        workspace.changes().setTicked(2, false);
    }
};

TEST_F(WorkspaceSave, WritesTheFileEmptiesTheListAndReportsTheAppliedEntries) {
    const auto outcome = workspace.saveChanges();

    EXPECT_TRUE(outcome.attempted);
    EXPECT_TRUE(outcome.written);
    EXPECT_TRUE(outcome.error.empty());
    const std::string saved = "[E1]\r\nCost=500\r\nSpeed=5\r\nArmor=heavy\r\n\r\n[E2]\r\nCost=10\r\n";
    EXPECT_EQ(game.read("Rules.INI"), saved) << "the file as the game folder spells it";
    EXPECT_FALSE(std::filesystem::exists(game.path() / "rules.ini"));
    EXPECT_EQ(workspace.rules().text(), saved);
    EXPECT_TRUE(workspace.changes().empty()) << "the unticked entry goes too";
    EXPECT_FALSE(workspace.hasUnsavedChanges());
    ASSERT_EQ(workspace.reportRows().size(), 2u);
    EXPECT_EQ(workspace.reportRows()[0].item, "[E1] Cost");
    EXPECT_EQ(workspace.reportRows()[1].item, "[E1] Armor");
}

TEST_F(WorkspaceSave, RowsOfLaterSavesFollowTheEarlierOnesAndAnEmptyListSavesNothing) {
    ASSERT_TRUE(workspace.saveChanges().written);
    std::filesystem::remove(game.path() / "Rules.INI");

    const auto idle = workspace.saveChanges();
    EXPECT_FALSE(idle.attempted);
    EXPECT_FALSE(idle.written);
    EXPECT_FALSE(std::filesystem::exists(game.path() / "Rules.INI")) << "nothing was written";

    workspace.changes().record("E1", "Cost", "600");
    workspace.changes().record("GONE", "Cost", "1");
    const auto second = workspace.saveChanges();
    EXPECT_TRUE(second.written);
    EXPECT_EQ(second.missingSections, std::vector<std::string>{"[GONE]"});
    ASSERT_EQ(workspace.reportRows().size(), 4u);
    EXPECT_EQ(workspace.reportRows()[2].item, "[E1] Cost");
    EXPECT_EQ(workspace.reportRows()[2].oldValue, "500");
    EXPECT_EQ(workspace.reportRows()[3].oldValue, "");
}

TEST_F(WorkspaceSave, AFailedWriteKeepsTextListAndReportAndNamesTheFile) {
    const auto blocker = program.write("not-a-folder", "x");
    workspace.setGameDirectory((blocker / "sun").string());
    const auto entriesBefore = workspace.changes().entries();
    const auto revisionBefore = workspace.changes().revision();

    const auto outcome = workspace.saveChanges();

    EXPECT_TRUE(outcome.attempted);
    EXPECT_FALSE(outcome.written);
    EXPECT_NE(outcome.error.find((blocker / "sun" / "rules.ini").string()), std::string::npos) << outcome.error;
    EXPECT_EQ(outcome.error.rfind("Rules.ini could not be saved to ", 0), 0u) << outcome.error;
    EXPECT_EQ(workspace.rules().text(), kRules);
    EXPECT_EQ(workspace.changes().size(), entriesBefore.size());
    EXPECT_FALSE(workspace.changes().entries()[2].ticked);
    EXPECT_EQ(workspace.changes().revision(), revisionBefore);
    EXPECT_TRUE(workspace.reportRows().empty());

    workspace.setGameDirectory(game.path().string());
    EXPECT_TRUE(workspace.saveChanges().written) << "the retry finds everything still there";
    EXPECT_EQ(workspace.reportRows().size(), 2u);
}

} // namespace
} // namespace halvex
