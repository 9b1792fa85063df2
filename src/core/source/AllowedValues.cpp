#include "core/source/AllowedValues.h"

#include <array>

namespace halvex::source {
namespace {

using V = AllowedValue;
constexpr ValueIcon kAction = ValueIcon::Action;

constexpr V kSounds[] = {
    {"RKETINF1"}, {"JUMPJET1"}, {"TSGUN4"},   {"scrin5b"},  {"CYGUN1"},   {"CHAINGN1"}, {"GLNCH4"},
    {"MISL1"},    {"SAMSHOT1"}, {"HOVRMIS1"}, {"BIGGGUN1"}, {"RAILUSE5"}, {"FLAMTNK1"}, {"SILENCER"},
    {"ORCAMIS1"}, {"120 MMF"},  {"120 MMX9"}, {"HUNTER2"},  {"SONIC4"},   {"REPAIR11"}, {"HEALER1"},
    {"OBELRAY1"}, {"LASTUR1"},  {"PLSECAN2"}, {"VICER1"},   {"ICBM1"},    {"FIEND2"},   {"GUN18"}};

constexpr V kWarheads[] = {
    {"IonWH"},    {"Nuke"},        {"EMPuls"},     {"HE"},     {"FirestormWH"}, {"IonCannonWH"}, {"VeinholeWH"},
    {"SA"},       {"AP"},          {"PlasmaWH"},   {"RPG"},    {"SAMWH"},       {"RailShot2"},   {"HollowPoint"},
    {"ORCAAP"},   {"ORCAHE"},      {"SUPER"},      {"ARTYHE"}, {"SonicWarhead"}, {"Mechanical"},  {"Organic"},
    {"Slimer"},   {"Gas"},         {"Shard"},      {"TankOGas"}, {"Meteorite"}};

constexpr V kProjectiles[] = {
    {"NukeUp"},  {"PulsPr"},        {"Invisible"}, {"AAHeatSeeker2"}, {"Invisible3"}, {"ProtonBlast"},
    {"Invisible2"}, {"Lobbed2"},    {"ProtonTorpedo"}, {"Cannon"},    {"Cannon2"},    {"Ballistic"},
    {"Null"},    {"LLine"},         {"LLine2"},    {"ChemMissile"},   {"DogShard"},   {"MultiMissile"}};

constexpr V kYesNo[] = {{"Yes"}, {"No"}};
constexpr V kTrueFalse[] = {{"True"}, {"False"}};
constexpr V kPipScales[] = {{"Tiberium"}, {"Passengers"}, {"Ammo"}};
constexpr V kPipColours[] = {{"white"}, {"green"}, {"red"}, {"yellow"}};

constexpr V kEliteAbilities[] = {{kAbilityManager, kAction}, {"SELF_HEAL"}, {"SENSORS"}, {"VEIN_PROOF"},
                                 {"CRUSHER"}, {"EXPLODES"}, {"SCATTER"}, {"STRONGER"}, {"RADAR_INVISIBLE"}, {"C4"}};

constexpr V kMovementZones[] = {{"AmphibiousDestroyer"}, {"Normal"}, {"Crusher"},  {"AmphibiousCrusher"},
                                {"Fly"}, {"Subterannean"}, {"Infantry"}, {"InfantryDestroyer"}};

constexpr V kCategories[] = {{"AFV"},   {"Support"}, {"LRFS"},     {"Transport"}, {"Civilian"},
                             {"Recon"}, {"Soldier"}, {"AirPower"}, {"AirLift"}};

constexpr V kArmour[] = {{"wood"}, {"heavy"}, {"light"}, {"none"}, {"concrete"}};
constexpr V kCrushSounds[] = {{"SQUISHY2"}, {"SQUISH6"}, {"SANDBAG1"}};

constexpr V kWeapons[] = {
    {"HoverMissile"}, {"120 mmx"},      {"none"},        {"RepairBullet"}, {"155 mm"},      {"SlimeAttack"},
    {"SuicideBomb"},  {"MammothTusk"},  {"AssaultCannon"}, {"BikeMissile"}, {"RaiderCannon"}, {"FireballLauncher"},
    {"SonicZap"},     {"90 mm"},        {"Dragon"},      {"CyCannon"},     {"Minigun"},      {"Grenade"},
    {"BAZOOKA"},      {"MultiCluster"}, {"Heal"},        {"Sniper"},       {"LtRail"},       {"Vulcan3"},
    {"FiendShard"},   {"JumpCannon"},   {"Pistola"},     {"Vulcan2"},      {"Hellfire"},     {"Proton"},
    {"HarpyClaw"},    {"EMPulseWeapon"}, {"LaserFire"},  {"VulcanTower"},  {"RPGTower"},     {"RedEye2"},
    {"LaserFire2"},   {"MechRailgun"}};

constexpr V kActions[] = {{"ChemBomb"}, {"Nuke"}, {"EMPulse"}, {"IonCannon"}};
constexpr V kOwners[] = {{"GDI"}, {"Nod"}, {"GDI, Nod"}, {"Civilian"}, {"Mutant"}};
constexpr V kTechLevels[] = {{"-1"}, {"1"}, {"2"}, {"3"}, {"4"}, {"5"}, {"6"}, {"7"}, {"8"}, {"9"}, {"10"}};
constexpr V kColours[] = {{kSelectColour, kAction}, {"255, 0, 0"}, {"0, 255, 0"}, {"0, 0, 255"}};

struct Row {
    std::string_view key;
    std::span<const AllowedValue> values;
};

// One row per key name, in the order keys are compared. The game reads the tiberium
// vein immunity as ImmuneToVeins; a misspelt key would offer values nobody can use.
constexpr Row kRows[] = {
    {"Report", kSounds},
    {"Warhead", kWarheads},
    {"Projectile", kProjectiles},
    {"SelfHealing", kYesNo},
    {"TiberiumHeal", kYesNo},
    {"TiberiumProof", kYesNo},
    {"Trainable", kYesNo},
    {"Fearless", kYesNo},
    {"ImmuneToVeins", kYesNo},
    {"Cyborg", kYesNo},
    {"Crusher", kYesNo},
    {"CarriesCrate", kYesNo},
    {"IsTrain", kYesNo},
    {"DeployToFire", kYesNo},
    {"FireWhenMoving", kYesNo},
    {"Sensor", kYesNo},
    {"Capturable", kTrueFalse},
    {"Crewed", kYesNo},
    {"Crushable", kYesNo},
    {"PipScale", kPipScales},
    {"Pip", kPipColours},
    {"EliteAbilities", kEliteAbilities},
    {"MovementZone", kMovementZones},
    {"Category", kCategories},
    {"Armor", kArmour},
    {"CrushSound", kCrushSounds},
    {"Secondary", kWeapons},
    {"Elite", kWeapons},
    {"Primary", kWeapons},
    {"Action", kActions},
    {"Owner", kOwners},
    {"CanFitUnderBridge", kYesNo},
    {"AllowedToStartInMultiplayer", kYesNo},
    {"TechLevel", kTechLevels},
    {"LaserInnerColor", kColours},
    {"LaserOuterColor", kColours},
    {"RadialColor", kColours},
    {"LaserColor", kColours},
    {"StartColor1", kColours},
    {"StartColor2", kColours},
    {"RadarColor", kColours},
};

constexpr auto kKeys = [] {
    std::array<std::string_view, std::size(kRows)> keys{};
    for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = kRows[i].key;
    return keys;
}();

} // namespace

std::span<const AllowedValue> allowedvalues(std::string_view key) {
    for (const Row& row : kRows) {
        if (row.key == key) return row.values;
    }
    return {};
}

std::span<const std::string_view> allowedValueKeys() {
    return kKeys;
}

std::string colourValueText(int colour) {
    const auto part = [colour](int shift) { return std::to_string((colour >> shift) & 0xFF); };
    return part(0) + "," + part(8) + "," + part(16);
}

} // namespace halvex::source
