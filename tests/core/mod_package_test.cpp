#include "core/tools/ModPackage.h"

#include "fakes/TempDir.h"

#include <gtest/gtest.h>

namespace halvex::tools {
namespace {

using testing::TempDir;
namespace fs = std::filesystem;

struct ModPackage : ::testing::Test {
    TempDir desktop;
    TempDir program;
    ModForm form{"My Mod", "mymod", "1.2",
                 {{"rules.ini", desktop.write("rules.ini", "[E1]\r\nCost=1\r\n")},
                  {"art.ini", desktop.write("art.ini", "[E1]\r\nVoxel=yes\r\n")}}};
};

TEST_F(ModPackage, GeneratesCopiesAndDescriptorAndASecondRunOverwrites) {
    std::vector<int> progress;
    const auto outcome = generateMod(form, program.path(), [&](int copied) { progress.push_back(copied); });
    ASSERT_EQ(outcome.error, "");
    EXPECT_EQ(createdMessage(outcome.folder),
              "Mod created. Just distribute the files in the " + (program.path() / "mymod").string() + " directory");
    EXPECT_EQ(program.read("mymod/mymod-rules.ini"), "[E1]\r\nCost=1\r\n");
    EXPECT_EQ(program.read("mymod/mymod-art.ini"), "[E1]\r\nVoxel=yes\r\n");
    EXPECT_EQ(program.read("mymod/mymod.mod"), "My Mod\r\nv1.2\r\nrules.ini\r\nart.ini\r\n");
    EXPECT_EQ(progress, (std::vector<int>{1, 2}));

    desktop.write("rules.ini", "[E1]\r\nCost=2\r\n");
    form.version = "1.3";
    ASSERT_EQ(generateMod(form, program.path(), {}).error, "");
    EXPECT_EQ(program.read("mymod/mymod-rules.ini"), "[E1]\r\nCost=2\r\n");
    EXPECT_EQ(program.read("mymod/mymod.mod"), "My Mod\r\nv1.3\r\nrules.ini\r\nart.ini\r\n");
}

TEST_F(ModPackage, RefusesFileNamesThatAreNoPlainNamesAndWritesNothing) {
    for (const std::string name : {"", "   ", ".", "..", "a/b", "a\\b", "c:", "why?", "star*", "pipe|", "q\"",
                                   "<x>", "tab\tname", "dot.", "CON", "lpt1.txt"}) {
        form.fileName = name;
        EXPECT_FALSE(generateMod(form, program.path(), {}).error.empty()) << name;
        EXPECT_FALSE(saveDescriptor(form, program.path()).error.empty()) << name;
    }
    EXPECT_TRUE(fs::is_empty(program.path()));
    form.fileName = " ";
    form.title.clear();
    EXPECT_EQ(generateMod(form, program.path(), {}).error, kModFieldsMissing);
    // A blank title still counts as filled.
    form = ModForm{" ", "Tiberium Wars 2", " ", form.files};
    EXPECT_EQ(generateMod(form, program.path(), {}).error, "");
}

TEST_F(ModPackage, AFailedCopyNamesTheFileAndLeavesNoDescriptor) {
    form.files.push_back({"gone.shp", desktop.path() / "gone.shp"});
    const auto outcome = generateMod(form, program.path(), {});
    EXPECT_NE(outcome.error.find((desktop.path() / "gone.shp").string()), std::string::npos) << outcome.error;
    EXPECT_FALSE(fs::exists(program.path() / "mymod" / "mymod.mod"));
}

TEST(ModFileIcons, FollowTheLastFourCharactersInAnyCase) {
    for (const auto& [name, icon] : std::vector<std::pair<std::string_view, int>>{
             {"Rules.INI", 3}, {"x.JPG", 2}, {"readme.txt", 4}, {"notes.doc", 1}, {"ini", 1}}) {
        EXPECT_EQ(iconNumber(name), icon) << name;
    }
}

TEST_F(ModPackage, ADescriptorReadsBackAndItsCopiesGenerateInPlace) {
    ASSERT_EQ(generateMod(form, program.path(), {}).error, "");
    const fs::path folder = program.path() / "mymod";
    const ModForm opened = readDescriptor(program.read("mymod/mymod.mod"), "mymod", folder);
    EXPECT_EQ(opened.title, "My Mod");
    EXPECT_EQ(opened.version, "1.2");
    ASSERT_EQ(opened.files.size(), 2u);
    EXPECT_EQ(opened.files[1].name, "art.ini");
    EXPECT_EQ(opened.files[1].source, folder / "mymod-art.ini");
    // Generating an opened mod copies each copy onto itself: it must keep its bytes.
    ASSERT_EQ(generateMod(opened, program.path(), {}).error, "");
    EXPECT_EQ(program.read("mymod/mymod-art.ini"), "[E1]\r\nVoxel=yes\r\n");

    form.title = "Draft";
    ASSERT_EQ(saveDescriptor(form, program.path()).error, "");
    EXPECT_EQ(program.read("mymod/mymod.mod"), "Draft\r\nv1.2\r\nrules.ini\r\nart.ini\r\n");
}

TEST_F(ModPackage, AListedNameNeverReachesOutOfTheModFolder) {
    const fs::path folder = program.path() / "mymod";
    const ModForm opened =
        readDescriptor("Evil\r\nv1\r\n../../victim.ini\r\nsub\\x.ini\r\nrules.ini\r\n", "mymod", folder);
    ASSERT_EQ(opened.files.size(), 1u);
    EXPECT_EQ(opened.files[0].source, folder / "mymod-rules.ini");

    form.files.push_back({"../../victim.ini", desktop.write("victim.ini", "x")});
    const auto outcome = generateMod(form, program.path(), {});
    EXPECT_NE(outcome.error.find("\"../../victim.ini\" cannot be a file of the mod"), std::string::npos)
        << outcome.error;
    EXPECT_TRUE(fs::is_empty(program.path()));
}

} // namespace
} // namespace halvex::tools
