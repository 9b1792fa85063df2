// Every object the lists offer, picked through the navigation list of the real main
// window, on every real rules file: each loads without a message, so no entry leads to
// a missing section. Saving afterwards writes nothing, because loading records no edit.
// The source editor gives every file back byte for byte.
#include "core/Files.h"
#include "core/objects/ObjectKind.h"
#include "ui/source/SourceBox.h"
#include "ui/source/SourceEditor.h"

#include "fakes/EditorRig.h"
#include "fakes/RealRules.h"

#include <gtest/gtest.h>

namespace halvex {
namespace {

class RealRulesInEditor : public ::testing::TestWithParam<std::filesystem::path> {
protected:
    void SetUp() override {
        rig.installListFiles();
        rig.open(original);
    }

    testing::EditorRig rig;
    const std::string original = testing::readFile(GetParam());
};

TEST_P(RealRulesInEditor, EveryListedObjectLoadsAndSavingWithoutEditsWritesNothing) {
    using objects::ObjectKind;
    const std::pair<const char*, ObjectKind> lists[] = {{"Units", ObjectKind::Units},
        {"Structures", ObjectKind::Buildings}, {"Weapons", ObjectKind::Weapons}, {"Land", ObjectKind::Land},
        {"Terrain", ObjectKind::Terrain}};
    int loaded = 0;
    for (const auto& [list, kind] : lists) {
        const auto entries = rig.workspace->objectLists().of(kind);
        for (std::size_t i = 0; i < entries.size(); ++i, ++loaded) {
            rig.showList(QString::fromLatin1(list));
            rig.form->clickEntry(static_cast<int>(i) + 1);
            rig.form->pressOk();
            // Nothing listed leads to "Area could not be found", nor to any other message.
            EXPECT_EQ(rig.form->currentSection(), entries[i].id) << list;
            EXPECT_EQ(rig.platform.messageTexts(), std::vector<std::string>{}) << entries[i].id;
            rig.platform.messages.clear();
        }
    }
    EXPECT_GT(loaded, 0);
    EXPECT_TRUE(rig.workspace->changes().empty());
    EXPECT_FALSE(rig.form->saverules());
    EXPECT_EQ(rig.game.read("rules.ini"), original);
}

// The source editor's box holds the file as a plain-text box does; writing it back
// without an edit must still give the file's exact bytes.
TEST_P(RealRulesInEditor, SourceEditorWritesBackTheExactBytesWithoutAnEdit) {
    rig.command(QStringLiteral("Edit Source Code"));
    ui::SourceEditor* sourceEditor = rig.form->sourceEditor();
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
