#include "core/Cp1252.h"
#include "core/Files.h"

#include "fakes/TempDir.h"

#include <gtest/gtest.h>

namespace halvex {
namespace {

TEST(Cp1252, EveryByteComesBackUnchanged) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(cp1252::fromUtf8(cp1252::toUtf8(all)), all);
    EXPECT_EQ(cp1252::toUtf8("Caf\xE9 \x80"), "Caf\xC3\xA9 \xE2\x82\xAC");
}

TEST(Cp1252, MalformedUtf8BecomesOneQuestionMarkPerBrokenSequence) {
    const std::pair<const char*, const char*> cases[] = {
        {"\xC1\xA9", "overlong i"},
        {"\xC0\xAF", "overlong slash in two bytes"},
        {"\xE0\x80\xAF", "overlong slash in three bytes"},
        {"\xF0\x80\x80\xAF", "overlong slash in four bytes"},
        {"\xED\xA0\x80", "a UTF-16 surrogate"},
        {"\xF4\x90\x80\x80", "above U+10FFFF"},
        {"\xF8\x88\x80\x80\x80", "a five-byte form"},
        {"\xE2\x82", "cut off at the end"},
    };
    for (const auto& [bytes, what] : cases) {
        const std::string decoded = cp1252::fromUtf8(std::string("a") + bytes + "z");
        EXPECT_EQ(decoded, "a" + std::string(decoded.size() - 2, '?') + "z") << what;
    }
    EXPECT_EQ(cp1252::fromUtf8("\xE2\x82" "A"), "?A") << "the byte that broke a sequence is read anew";
    EXPECT_EQ(cp1252::fromUtf8("\xC3\xA9\xEF\xBF\xBF\xF0\x9F\x98\x80"), "\xE9??") << "valid, not in the code page";
}

#ifndef _WIN32
// Only POSIX file names can hold bytes that are no UTF-8.
TEST(Cp1252, AFileNamedWithAnOverlongSequenceIsNotTakenForRulesIni) {
    testing::TempDir game;
    game.write("rules.in\xC1\xA9", "[Planted]\r\n");
    EXPECT_FALSE(files::findIgnoreCase(game.path(), "rules.ini").has_value());
    game.write("RULES.INI", "[Real]\r\n");
    EXPECT_EQ(files::findIgnoreCase(game.path(), "rules.ini"), game.path() / "RULES.INI");
}
#endif

} // namespace
} // namespace halvex
