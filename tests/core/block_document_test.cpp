#include "core/BlockDocument.h"

#include <gtest/gtest.h>

namespace halvex {
namespace {

const std::string kPathDoc = "Settings {\r\nPath: C:\\westwood\\sun;\r\n}\r\n";

TEST(BlockDocument, ReadsKeysRegardlessOfCaseAndAnswersErrorForWhatIsMissing) {
    EXPECT_EQ(GetItem(kPathDoc, "Settings", "Path"), "C:\\westwood\\sun");
    EXPECT_EQ(GetItem(kPathDoc, "settings", "PATH"), "C:\\westwood\\sun");
    EXPECT_EQ(GetItem(kPathDoc, "Theme", "Back"), "Error");
    EXPECT_EQ(GetItem(kPathDoc, "Settings", "Username"), "Error");
    EXPECT_EQ(GetItem("", "Settings", "Path"), "Error");
    // A key line without its closing ";" cannot be read.
    EXPECT_EQ(GetItem("Mode {\r\nMode: old\r\n}", "Mode", "Mode"), "Error");
    // A header without a closing line counts as no block.
    EXPECT_EQ(GetItem("Settings {\r\nPath: x;\r\n", "Settings", "Path"), "Error");
}

TEST(BlockDocument, WritesFollowTheWorkedExample) {
    std::string doc = kPathDoc;
    doc = WriteItem(doc, "History", "X", "1200");
    EXPECT_EQ(doc, kPathDoc + "\r\n\r\nHistory {\r\nX: 1200;\r\n}");
    doc = WriteItem(doc, "History", "Y", "300");
    EXPECT_EQ(doc, kPathDoc + "\r\n\r\nHistory {\r\nX: 1200;\r\nY: 300;\r\n}");
    doc = WriteItem(doc, "History", "X", "900");
    EXPECT_EQ(doc, kPathDoc + "\r\n\r\nHistory {\r\nX: 900;\r\nY: 300;\r\n}");
    EXPECT_EQ(GetItem(doc, "History", "Y"), "300");
    EXPECT_EQ(GetItem(doc, "Settings", "Path"), "C:\\westwood\\sun");
}

TEST(BlockDocument, CreatesBlocksAndKeysWithThePlaceholder) {
    std::string empty;
    EXPECT_EQ(WriteItem(empty, "Theme", "Back", "pic.jpg"), "\r\n\r\nTheme {\r\nBack: pic.jpg;\r\n}");

    std::string doc = kPathDoc;
    AddItem(doc, "History", "X", "ignored");
    EXPECT_EQ(doc, kPathDoc + "\r\n\r\nHistory {\r\nX: newvale;\r\n}");
    const std::string before = doc;
    EXPECT_EQ(AddItem(doc, "History", "x", "ignored"), before) << "an existing key is left alone";

    std::string unterminated = "Mode {\r\nMode: old\r\n}";
    EXPECT_EQ(WriteItem(unterminated, "Mode", "Mode", "new"), "Mode {\r\nMode: new;\r\n}");

    // A value holding a ";" is replaced whole, as GetItem reads it.
    std::string semicolons = "Settings {\r\nPath: D:\\Games;Mods;\r\n}";
    semicolons = WriteItem(semicolons, "Settings", "Path", "E:\\ts");
    EXPECT_EQ(semicolons, "Settings {\r\nPath: E:\\ts;\r\n}");

    std::string blank = kPathDoc;
    blank = WriteItem(blank, "Settings", "Path", "");
    EXPECT_EQ(GetItem(blank, "Settings", "Path"), "");
}

TEST(BlockDocument, MatchesNamesOnlyAtTheStartOfALine) {
    const std::string theme = "Theme {\r\nMenuBack: 0;\r\nBack: pic.jpg;\r\n}\r\n";
    EXPECT_EQ(GetItem(theme, "Theme", "Back"), "pic.jpg");
    EXPECT_EQ(GetItem(theme, "Theme", "MenuBack"), "0");
    std::string doc = theme;
    doc = WriteItem(doc, "Theme", "Back", "other.png");
    EXPECT_EQ(doc, "Theme {\r\nMenuBack: 0;\r\nBack: other.png;\r\n}\r\n");

    const std::string online = "Halvex Online {\r\nUsername: bob;\r\n}\r\n";
    EXPECT_EQ(GetItem(online, "Online", "Username"), "Error");
    EXPECT_EQ(GetItem(online, "Halvex Online", "Username"), "bob");
    std::string written = online;
    written = WriteItem(written, "Online", "Username", "eve");
    EXPECT_EQ(GetItem(written, "Halvex Online", "Username"), "bob");
    EXPECT_EQ(GetItem(written, "Online", "Username"), "eve");
}

TEST(BlockDocument, WritingOneBlockLeavesTheRestUntouched) {
    const std::string doc = "; hand-written note\r\nSettings {\r\nPath: D:\\ts;\r\n}\r\n\r\nbetween blocks\r\n"
                            "History {\r\nX: 1;\r\nY: 2;\r\n}\r\n";
    std::string copy = doc;
    const std::string written = WriteItem(copy, "History", "Y", "77");
    EXPECT_EQ(written, "; hand-written note\r\nSettings {\r\nPath: D:\\ts;\r\n}\r\n\r\nbetween blocks\r\n"
                       "History {\r\nX: 1;\r\nY: 77;\r\n}\r\n");
    EXPECT_EQ(copy, doc) << "WriteItem changes the caller's document only when it creates something";
}

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
