#include "core/editor/WindowTitle.h"

#include <gtest/gtest.h>

namespace halvex::editor {
namespace {

TEST(WindowTitle, TheDesignedCaptionComesFirstThenObjectAndFolder) {
    const std::filesystem::path mods = std::filesystem::path(u8"/games/Моды");
    EXPECT_EQ(windowTitle("", "", {}), "Halvex Editor Proffesional");
    // A Windows-1252 name and a folder outside that code page both arrive whole.
    EXPECT_EQ(windowTitle("AATNK", "Scarab Tank \xE9", mods),
              "Halvex Editor Proffesional - Scarab Tank \xC3\xA9 (AATNK) - /games/\xD0\x9C\xD0\xBE\xD0\xB4\xD1\x8B");
    EXPECT_EQ(windowTitle("General", "", "/games/sun"), "Halvex Editor Proffesional - General - /games/sun");
}

} // namespace
} // namespace halvex::editor
