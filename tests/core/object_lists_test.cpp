#include "core/Workspace.h"
#include "core/objects/ObjectChoices.h"
#include "core/objects/ObjectListBuilder.h"

#include "fakes/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace halvex::objects {
namespace {

using Entries = std::vector<ListEntry>;
using Ids = std::vector<std::string>;

// A mod: mostly objects the game lacks, registries written carelessly, one vanilla unit
// renamed, and vanilla objects the list files name but the mod dropped.
constexpr std::string_view kModRules =
    "[General]\r\nName=General\r\n\r\n"
    "[InfantryTypes]\r\n1 = E1\r\n2=ZOMBIE ; risen from the dead\r\n;3=GHOUL\r\n4=E1\r\n5=NOSECTION\r\n"
    "6=\tSPECTRE\r\n\r\n"
    "[AircraftTypes]\r\n1=WYVERN\r\n\r\n[VehicleTypes]\r\n1=HOVERTANK\r\n2=zombie\r\n3=TWINBOTH\r\n\r\n"
    "[BuildingTypes]\r\n1=TWINBOTH\r\n2=NECROPOLE\r\n\r\n[TerrainTypes]\r\n1=BONETREE\r\n\r\n"
    "[Warheads]\r\n1=NecroWH\r\n2=GhostWH ; not written yet\r\n\r\n"
    "[E1]\r\nName=Conscript\r\nPrimary=M60\r\n\r\n"
    "[ZOMBIE]\r\nPrimary=Claws\r\nElitePrimary=Plague\r\nEliteSecondary = SoulDrain ;late game\r\n\r\n"
    "[SPECTRE]\r\n;Name=Old Ghost\r\nName= Spectre \r\n\r\n"
    "[WYVERN]\r\nName=Wyvern\r\n\r\n[HOVERTANK]\r\nStrength=300\r\n\r\n"
    "[TWINBOTH]\r\nName=Twin\r\nSecondary=Zap\r\n\r\n"
    "[NECROPOLE]\r\nName=Necropole\r\nPrimary=Claws\r\n\r\n"
    "[BONETREE]\r\nStrength=800\r\n\r\n[GHOUL]\r\nName=Ghoul\r\n\r\n"
    "[SoulDrain]\r\nProjectile = GhostBeam ; invisible\r\n\r\n[Zap]\r\nProjectile=GhostBeam\r\n\r\n"
    "[Claws]\r\nName=Bone Claws\r\nProjectile=BoneShard\r\n\r\n"
    "[M60]\r\nProjectile=Invisible\r\n\r\n[BoneShard]\r\nROT=0\r\n\r\n[GhostBeam]\r\nROT=5\r\n\r\n"
    "[NecroWH]\r\nVerses=100%\r\n\r\n[Clear]\r\nFoot=100%\r\n";

ListFileSet vanillaListFiles() {
    ListFileSet files;
    files.setEntries(ObjectKind::Units,
                     {{"Hover Tank", "HOVERTANK"}, {"Mobile Construction Vehicle", "MCV"}, {"Light Infantry", "E1"}});
    files.setEntries(ObjectKind::Weapons, {{"Vulcan Cannon", "Vulcan"}, {"M60 Machine Gun", "M60"}});
    files.setEntries(ObjectKind::Terrain, {{"Tree", "TREE01"}});
    files.setEntries(ObjectKind::Land, {{"Clear", "Clear"}, {"Water", "Water"}});
    return files;
}

struct ModLists : ::testing::Test {
    RulesText rules{std::string(kModRules)};
    ObjectLists lists = buildObjectLists(rules, vanillaListFiles());
};

TEST_F(ModLists, UnitsAreTheListFilesThatTheTextHasThenTheModsOwnEachOnce) {
    // List file order first (MCV is gone from the mod), then the registries in the order
    // they stand in the text; the duplicate, the commented and the section-less IDs drop
    // out, and ZOMBIE, listed as infantry and as "zombie" vehicle, stands once.
    EXPECT_EQ(lists.of(ObjectKind::Units), (Entries{{"Hover Tank", "HOVERTANK"}, {"Conscript", "E1"}, {"ZOMBIE", "ZOMBIE"},
                                                    {"Spectre", "SPECTRE"}, {"Wyvern", "WYVERN"}, {"Twin", "TWINBOTH"}}));
    // An ID in a vehicle and a building registry belongs to both kinds.
    EXPECT_EQ(lists.of(ObjectKind::Buildings), (Entries{{"Twin", "TWINBOTH"}, {"Necropole", "NECROPOLE"}}));
    EXPECT_EQ(lists.of(ObjectKind::Terrain), (Entries{{"BONETREE", "BONETREE"}}));
    EXPECT_EQ(lists.of(ObjectKind::Land), (Entries{{"Clear", "Clear"}}));
    ASSERT_NE(lists.find(ObjectKind::Units, "spectre"), nullptr);
    EXPECT_EQ(lists.find(ObjectKind::Units, "spectre")->name, "Spectre");
    EXPECT_EQ(lists.find(ObjectKind::Buildings, "ZOMBIE"), nullptr);
}

TEST_F(ModLists, WeaponsAreFoundThroughEveryWeaponKeyAndCombosOfferThePresetsFirstAndNeverTwice) {
    // M60 keeps its list-file place; the rest follow in the order of their sections.
    // Plague, named by an elite key, has no section of its own.
    EXPECT_EQ(lists.of(ObjectKind::Weapons),
              (Entries{{"M60 Machine Gun", "M60"}, {"SoulDrain", "SoulDrain"}, {"Zap", "Zap"}, {"Bone Claws", "Claws"}}));
    EXPECT_EQ(lists.projectiles, (Ids{"BoneShard", "GhostBeam"}));
    EXPECT_EQ(lists.warheads, (Ids{"NecroWH"}));
    constexpr std::string_view presets[] = {"(none)", "claws", "M60"};
    EXPECT_EQ(presetsThenOwn(presets, idsOf(lists.of(ObjectKind::Weapons))),
              (Ids{"(none)", "claws", "M60", "SoulDrain", "Zap"}));
    EXPECT_EQ(captionWithId({"Scarab Tank", "AATNK"}), "Scarab Tank (AATNK)");
    EXPECT_EQ(captionWithId({"ZOMBIE", "ZOMBIE"}), "ZOMBIE");
}

TEST(WorkspaceObjectLists, FollowTheTextAndReadTheListFilesOnce) {
    testing::TempDir program;
    program.write("units.txt", ";[E1]\r\nName=Light Infantry\r\n;[RAPTOR]\r\nName=Raptor\r\n");
    program.write("Weapons.TXT", ";[M60]\r\nName=M60\r\n");
    Workspace workspace(program.path());
    workspace.rules().replace("[InfantryTypes]\r\n1=E1\r\n[E1]\r\nStrength=100\r\n");
    EXPECT_EQ(workspace.objectLists().of(ObjectKind::Units), (Entries{{"Light Infantry", "E1"}}));

    // The list file is data beside the program: read once, even if it vanishes later.
    std::filesystem::remove(program.path() / "units.txt");
    workspace.rules().replace("[VehicleTypes]\r\n1=HOVER\r\n[HOVER]\r\nName=Hover\r\n[RAPTOR]\r\n");
    EXPECT_EQ(workspace.objectLists().of(ObjectKind::Units), (Entries{{"Raptor", "RAPTOR"}, {"Hover", "HOVER"}}));

    // A file missing from the start is named once, never again; one that was read, never.
    EXPECT_NE(workspace.takeListFileProblem(ObjectKind::Buildings).find("buildings.txt"), std::string::npos);
    EXPECT_EQ(workspace.takeListFileProblem(ObjectKind::Buildings), "");
    EXPECT_EQ(workspace.takeListFileProblem(ObjectKind::Units), "");
}

} // namespace
} // namespace halvex::objects
