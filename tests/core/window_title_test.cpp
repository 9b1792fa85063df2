#include "core/editor/WindowTitle.h"

#include <gtest/gtest.h>

namespace halvex::editor {
namespace {

TEST(WindowTitle, TheDesignedCaptionComesFirstThenObjectAndFolder) {
    EXPECT_EQ(windowTitle("", "", ""), "Halvex Editor Proffesional");
    EXPECT_EQ(windowTitle("", "", "C:\\westwood\\sun"), "Halvex Editor Proffesional - C:\\westwood\\sun");
    EXPECT_EQ(windowTitle("AATNK", "Scarab Tank", "D:\\Mods\\Ar\xE8ne"),
              "Halvex Editor Proffesional - Scarab Tank (AATNK) - D:\\Mods\\Ar\xE8ne");
    EXPECT_EQ(windowTitle("General", "", "C:\\sun"), "Halvex Editor Proffesional - General - C:\\sun");
}

} // namespace
} // namespace halvex::editor
