#include "core/BlockDocument.h"

#include <gtest/gtest.h>

namespace halvex {
namespace {

const std::string kPathDoc = "Settings {\r\nPath: C:\\westwood\\sun;\r\n}\r\n";

TEST(BlockDocument, ReadsKeysRegardlessOfCaseAndAnswersErrorForWhatIsMissing) {
    EXPECT_EQ(GetItem(kPathDoc, "settings", "PATH"), "C:\\westwood\\sun");
    EXPECT_EQ(GetItem(kPathDoc, "Theme", "Back"), "Error");
    EXPECT_EQ(GetItem(kPathDoc, "Settings", "Username"), "Error");
    EXPECT_EQ(GetItem("", "Settings", "Path"), "Error");
    EXPECT_EQ(GetItem("Mode {\r\nMode: old\r\n}", "Mode", "Mode"), "Error") << "a key line needs its closing ';'";
    EXPECT_EQ(GetItem("Settings {\r\nPath: x;\r\n", "Settings", "Path"), "Error") << "a block needs its closing line";
}

// Rewriting a key leaves every other byte in place; creating a block or key appends it,
// and only then is the caller's document changed too.
TEST(BlockDocument, WritesFollowTheWorkedExampleAndLeaveTheRestUntouched) {
    std::string doc = "; hand-written note\r\n" + kPathDoc + "\r\nbetween blocks\r\n";
    const std::string before = doc;
    doc = WriteItem(doc, "History", "X", "1200");
    EXPECT_EQ(doc, before + "\r\n\r\nHistory {\r\nX: 1200;\r\n}");
    doc = WriteItem(doc, "History", "Y", "300");
    std::string copy = doc;
    doc = WriteItem(copy, "History", "X", "900");
    EXPECT_EQ(doc, before + "\r\n\r\nHistory {\r\nX: 900;\r\nY: 300;\r\n}");
    EXPECT_NE(copy, doc) << "an existing key is rewritten in the returned text only";
    EXPECT_EQ(GetItem(WriteItem(doc, "Settings", "Path", ""), "Settings", "Path"), "");

    std::string unterminated = "Mode {\r\nMode: old\r\n}";
    EXPECT_EQ(WriteItem(unterminated, "Mode", "Mode", "new"), "Mode {\r\nMode: new;\r\n}");

    // A value holding a ";" is replaced whole, as GetItem reads it.
    std::string semicolons = "Settings {\r\nPath: D:\\Games;Mods;\r\n}";
    EXPECT_EQ(WriteItem(semicolons, "Settings", "Path", "E:\\ts"), "Settings {\r\nPath: E:\\ts;\r\n}");
}

TEST(BlockDocument, AddItemCreatesWithThePlaceholderAndLeavesAnExistingKey) {
    std::string doc = kPathDoc;
    AddItem(doc, "History", "X", "ignored");
    EXPECT_EQ(doc, kPathDoc + "\r\n\r\nHistory {\r\nX: newvale;\r\n}");
    const std::string before = doc;
    EXPECT_EQ(AddItem(doc, "History", "x", "ignored"), before);
}

TEST(BlockDocument, MatchesNamesOnlyAtTheStartOfALine) {
    std::string online = "Halvex Online {\r\nUsername: bob;\r\n}\r\n";
    EXPECT_EQ(GetItem(online, "Online", "Username"), "Error");
    online = WriteItem(online, "Online", "Username", "eve");
    EXPECT_EQ(GetItem(online, "Halvex Online", "Username"), "bob");
    EXPECT_EQ(GetItem(online, "Online", "Username"), "eve");
}

// "Back" must not be taken from "MenuBack" above it.
TEST(BlockDocument, FollowsAnLfDocumentsLineBreakAndSkipsAByteOrderMark) {
    std::string doc = "\xEF\xBB\xBFTheme {\nMenuBack: 0;\nBack: pic.jpg;\n}\n";
    EXPECT_TRUE(hasUtf8ByteOrderMark(doc));
    EXPECT_EQ(GetItem(doc, "Theme", "Back"), "pic.jpg");
    doc = WriteItem(doc, "Theme", "Back", "x.png");
    doc = WriteItem(doc, "History", "X", "12");
    EXPECT_EQ(doc, "\xEF\xBB\xBFTheme {\nMenuBack: 0;\nBack: x.png;\n}\n\n\nHistory {\nX: 12;\n}");
}

} // namespace
} // namespace halvex
