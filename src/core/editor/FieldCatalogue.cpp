#include "core/editor/FieldCatalogue.h"

#include "core/Text.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <map>
#include <utility>

namespace halvex::editor {

namespace {

using Entries = std::span<const std::string_view>;

constexpr int kTextHeight = 285;
constexpr int kComboHeight = 315; // buttons too
constexpr int kCheckHeight = 255;
constexpr int kLabelHeight = 255;

// Labels sit at one left edge in every pane and end this far short of their field.
constexpr int kLabelLeft = 120;
constexpr int kLabelGap = 120;

constexpr std::array<std::string_view, 2> kYesNo{"Yes", "No"};
constexpr std::array<std::string_view, 2> kTrueFalse{"True", "False"};
constexpr std::array<std::string_view, 2> kZeroOne{"0", "1"};
constexpr std::array<std::string_view, 1> kRestrictedTo{"Railroad"};
constexpr std::array<std::string_view, 8> kMovementZones{
    "AmphibiousDestroyer", "Normal", "Crusher", "AmphibiousCrusher",
    "Fly", "Subterannean", "Infantry", "InfantryDestroyer"};
constexpr std::array<std::string_view, 2> kSpeedTypes{"Hover", "Amphibious"};
constexpr std::array<std::string_view, 11> kTechLevels{
    "-1", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};

const std::vector<std::string_view>& ownerTexts() {
    static const std::vector<std::string_view> texts = [] {
        std::vector<std::string_view> out;
        for (const OwnerEntry& owner : ownerEntries()) out.push_back(owner.text);
        return out;
    }();
    return texts;
}

int heightOf(FieldKind kind) {
    switch (kind) {
    case FieldKind::TextField: return kTextHeight;
    case FieldKind::CheckBox: return kCheckHeight;
    case FieldKind::Combo:
    case FieldKind::OwnerPicker:
    case FieldKind::Button:
    case FieldKind::AbilityList: break;
    }
    return kComboHeight;
}

// One row of a pane's table, before it is placed.
struct Row {
    std::string_view array;
    int index;
    FieldKind kind;
    std::string_view key;
    std::string_view caption;
    std::string_view tooltip;
    Entries presets;
};

Row textField(std::string_view array, int index, std::string_view key, std::string_view caption,
              std::string_view tooltip) {
    return {array, index, FieldKind::TextField, key, caption, tooltip, {}};
}

Row combo(std::string_view array, int index, std::string_view key, std::string_view caption,
          std::string_view tooltip, Entries presets = {}) {
    return {array, index, FieldKind::Combo, key, caption, tooltip, presets};
}

Row check(std::string_view array, int index, std::string_view key, std::string_view caption,
          std::string_view tooltip) {
    return {array, index, FieldKind::CheckBox, key, caption, tooltip, {}};
}

Row editWeapon(int index) {
    return {"editw", index, FieldKind::Button, {}, "Edit Weapon", {}, {}};
}

class Builder {
public:
    // Places rows one under another, `step` apart.
    void column(std::string_view pane, std::string_view labelArray, int left, int width, int top,
                int step, std::initializer_list<Row> rows, int labelLeft = kLabelLeft) {
        for (const Row& row : rows) {
            add(pane, labelArray, row, {left, top, width, heightOf(row.kind)}, labelLeft);
            top += step;
        }
    }

    FieldSpec& at(std::string_view pane, std::string_view labelArray, const Row& row, int left, int top,
                  int width) {
        return add(pane, labelArray, row, {left, top, width, heightOf(row.kind)}, kLabelLeft);
    }

    FieldSpec& add(std::string_view pane, std::string_view labelArray, const Row& row, TwipRect rect,
                   int labelLeft = kLabelLeft) {
        FieldSpec& f = m_fields.emplace_back();
        f.pane = pane;
        f.array = row.array;
        f.index = row.index;
        f.kind = row.kind;
        f.key = row.key;
        f.caption = row.caption;
        f.tooltip = row.tooltip;
        f.presets = row.presets;
        f.rect = rect;
        const bool ownCaption = row.kind == FieldKind::CheckBox || row.kind == FieldKind::Button;
        if (!labelArray.empty() && !ownCaption) {
            f.labelArray = labelArray;
            f.labelIndex = m_nextLabel[labelArray]++;
            f.labelRect = {labelLeft, rect.top, rect.left - kLabelGap - labelLeft, kLabelHeight};
        }
        return f;
    }

    std::vector<FieldSpec> take() { return std::move(m_fields); }

private:
    std::vector<FieldSpec> m_fields;
    std::map<std::string_view, int> m_nextLabel;
};

std::vector<FieldSpec> buildFields() {
    Builder b;

    b.column("genmain", "genlbl", 1920, 2775, 120, 360, {
        combo("gencmb", 0, "FogOfWar", "Fog Of War:", "Is there Fog Of War?", kYesNo),
        combo("gencmb", 1, "Visceroids", "Visceroids:", "Are there random Visceroids?", kYesNo),
        combo("gencmb", 2, "Meteorites", "Meteorites:", "Are there random Meteorites?", kYesNo),
        combo("gencmb", 3, "CrewEscape", "The Crew Escapes:", "Percent chance the crew will escape"),
        combo("gencmb", 4, "CameraRange", "Spy Camera Range:", "Spy Camera Range"),
        combo("gencmb", 5, "FineDiffControl", "5 difficulty levels:", "Are there 5 difficulty levels?", kYesNo),
        combo("gencmb", 6, "Pilot", "Pilot:", "What unit comes out of an aircraft that has been destroyed?"),
        combo("gencmb", 7, "Crew", "Crew:", "What unit comes out of a vehicle that is destroyed"),
        combo("gencmb", 8, "Technician", "Technician:", "What unit is a technician?"),
        combo("gencmb", 9, "Disguise", "Disguise:", "What unit will anything disguised look like?"),
        combo("gencmb", 10, "Paratrooper", "Paratrooper:", "Unit that is used as a paratrooper"),
        combo("gencmb", 11, "MultipleFactory", "Multiple Factories:",
              "Does multiple factorys make units build faster? (0=No,1=Yes)", kZeroOne),
    });

    b.column("aimain", "ailbl", 2040, 2895, 120, 360, {
        textField("aiedit", 0, "AIHateDelays", "AI Hate Delays:",
                  "How Long (in frames) does it take until the computer chooses and enemy"),
        textField("aiedit", 1, "AIAlternateProductionCreditCutoff", "AI Change Spending:",
                  "If the AI goes below this amount of credits, it will spend money better"),
        combo("aicmb", 0, "AIBuildsWalls", "AI Builds Walls:", "Does the AI build walls?", kYesNo),
        combo("aicmb", 1, "NodAIBuildsWalls", "Nod AI Builds Walls:", "Does the NOD AI build walls?", kYesNo),
        textField("aiedit", 2, "AIIonCannonConYardValue", "Ion Construction Yard:",
                  "The point value for IONing a Construction Yard"),
        textField("aiedit", 3, "AIIonCannonWarFactoryValue", "Ion War Factory:",
                  "The point value for IONing a War Factory"),
        textField("aiedit", 4, "AIIonCannonPowerValue", "Ion Power Plant:", "The point value for IONing a Power Plant"),
        textField("aiedit", 5, "AIIonCannonEngineerValue", "Ion Engineer:", "The point value for IONing an Engineer"),
        textField("aiedit", 6, "AIIonCannonThiefValue", "Ion Thief:", "The point value for IONing a Thief"),
        textField("aiedit", 7, "AIIonCannonHarvesterValue", "Ion Harvester:", "The point value for IONing a Harvester"),
        textField("aiedit", 8, "AIIonCannonMCVValue", "Ion MCV:",
                  "The point value for IONing a Mobile Construction Yard"),
        textField("aiedit", 9, "AIIonCannonAPCValue", "Ion APC:",
                  "The point value for IONing an Armored Personal Carryer"),
        textField("aiedit", 10, "AIIonCannonBaseDefenseValue", "Ion Base Defense:",
                  "The point value for IONing a Base Defense"),
        textField("aiedit", 11, "AIIonCannonPlugValue", "Ion Plugin:", "The point value for IONing a Building Add-On"),
        textField("aiedit", 12, "AIIonCannonTempleValue", "Ion Temple:", "The point value for IONing a temple of NOD"),
    });

    b.column("ionstorm", "ionlbl", 2160, 3135, 120, 480, {
        textField("ionedit", 0, "IonLightningFrequency", "Lightning Frequency:",
                  "Percent chance that lightning will strike this frame"),
        textField("ionedit", 1, "IonLightningRandomness", "Lightning Randomness:",
                  "Percent chance that the lightning will strike a random cell instead of an object."),
        textField("ionedit", 2, "IonLightningDamage", "Lightning Damage:", {}),
        textField("ionedit", 3, "IonStormDuration", "Storm Duration:", "Ion storm duration in seconds"),
        textField("ionedit", 4, "IonStormWarning", "Storm Warning:", "Warning time in seconds before an Ion Storm hits"),
        textField("ionedit", 5, "IonStorms", "Random Ion Storms:", "Are random ion storms going to appear?"),
        textField("ionedit", 6, "IonStormWarhead", "Lightning Warhead:", "Warhead used by ion storm strike"),
    });

    // mainlbl spans three panes and is numbered like mainedit: units, weapons, buildings.
    b.column("mainunits", "mainlbl", 1920, 2175, 120, 360, {
        textField("mainedit", 0, "Name", "Name:", "The name of the units"),
        combo("maincombo", 0, "Armor", "Armor: ", "The armor of the unit/building", armorPresets()),
        textField("mainedit", 1, "Strength", "Hit Points:", "How much damage can it take?"),
        textField("mainedit", 2, "Cost", "Cost:", "How much does it cost?"),
        textField("mainedit", 3, "Speed", "Speed:", "How fast is this unit?"),
        textField("mainedit", 4, "Sight", "Sight:", "How far can it see?"),
    });

    b.at("mainweapons", "mainlbl",
         combo("maincombo", 1, "Primary", "Primary Weapon:", "Primary Weapon of the Unit/Building", weaponPresets()),
         1920, 120, 2295);
    b.at("mainweapons", {}, editWeapon(0), 4320, 120, 1095);
    b.at("mainweapons", "mainlbl",
         combo("maincombo", 2, "Secondary", "Secondary Weapon:", "Secondary Weapon of the Unit/Building",
               weaponPresets()),
         1920, 480, 2295);
    b.at("mainweapons", {}, editWeapon(1), 4320, 480, 1095);
    b.at("mainweapons", "mainlbl",
         textField("mainedit", 5, "Ammo", "Ammo:",
                   "How much ammo the unit/building can hold at a time. -1 means unlimited"),
         960, 960, 2535);
    b.at("mainweapons", "mainlbl",
         textField("mainedit", 6, "Reload", "Reload:", "How long it takes the unit/building to reload"), 960, 1320, 2535);
    // The laser box would reach 255 twips into the C4 box; it ends where C4 begins.
    b.at("mainweapons", {},
         check("mainchk", 0, "TargetLaser", "Uses Targeting Laser", "Shows a red laser every time it fires"), 240,
         1680, 3120 - 240);
    b.at("mainweapons", {}, check("mainchk", 1, "C4", "Has C4", "Has C4 explosives"), 3120, 1680, 2295);

    b.column("mainbuild", "mainlbl", 1080, 1695, 120, 360, {
        textField("mainedit", 7, "Name", "Name:", "The name of the units"),
        combo("maincombo", 3, "Armor", "Armor: ", "The armor of the unit/building", armorPresets()),
        textField("mainedit", 8, "Strength", "Hit Points:", "How much damage can it take?"),
        textField("mainedit", 9, "Cost", "Cost:", "How much does it cost?"),
        textField("mainedit", 11, "Sight", "Sight:", "How far can it see?"),
        combo("maincombo", 4, "Capturable", "Capturable:", "The building can be captured by an engineer",
              kTrueFalse),
    });
    // The right column's labels stand in the gap after the left column's fields.
    b.column("mainbuild", "mainlbl", 3720, 1695, 120, 480, {
        combo("maincombo", 5, "Crewed", "Crewed:", "The building is crewed by infantry", kYesNo),
        textField("mainedit", 10, "Power", "Power:",
                  "How much power does this building take up? Positive number means building gives power"),
    }, 1080 + 1695 + kLabelGap);

    b.column("advancedunit", {}, 120, 1920 - kLabelGap - 120, 120, 360, {
        check("achk", 0, "Immune", "Invincible", "Unit is invincible"),
        check("achk", 1, "Cloakable", "Cloaked", "Unit is cloaked"),
        check("achk", 2, "Sensors", "Can detect cloak", "Unit can detect cloaked units and stuctures"),
        check("achk", 3, "Infiltrate", "Infiltrator", "Can go into a building like an engineer or spy"),
        check("achk", 4, "Explodes", "Explodes", "Unit explodes when destroyed"),
        check("achk", 5, "SelfHealing", "Self Heal", "Unit heals itself slowly up to half health"),
        check("achk", 6, "TiberiumHeal", "Tiberium Heal", "Unit heals slowly in Tiberium"),
        check("achk", 7, "ImmuneToVeins", "Immune to Veins", "Unit is not affected by Tiberium Viens"),
        check("achk", 8, "Invisible", "Invisible", "Unit is always invisible even near a cloak detector"),
    });
    b.column("advancedunit", {}, 1920, 3600 - kLabelGap - 1920, 120, 360, {
        check("achk", 9, "Nominal", "Nominal",
              "When mouse is put over, real name appears instead of \"Enemy Unit\""),
        check("achk", 11, "Selectable", "Selectable", "Unit can be selected"),
        check("achk", 12, "Agent", "Agent", "Unit can gather information about building it enters"),
        check("achk", 13, "Cyborg", "Cyborg", "Unit dies like a Cyborg"),
        check("achk", 14, "Engineer", "Engineer", "Can the unit take over and repair buildings?"),
        check("achk", 15, "Thief", "Thief", "Does the unit steal money when it enters a building?"),
        check("achk", 16, "Civilian", "Civilian", "Unit counts as a civilian for kill tracking"),
        check("achk", 17, "FemaleVoice", "Female", "Unit uses the female Civilian voice"),
        check("achk", 18, "Disguised", "Disgiused",
              "Unit looks like infantry when see by enemy aka the Spy in Red Alert"),
    });
    b.column("advancedunit", {}, 3600, 5535 - kLabelGap - 3600, 120, 360, {
        check("achk", 10, "LegalTarget", "Legal Target", "Can this unit be attacked during combat?"),
        check("achk", 19, "VehicleThief", "Vehicle Thief", "Does the unit steal vehicles?"),
        check("achk", 20, "CrateGoodie", "Crate Goodie", "Can this unit be found in a crate?"),
        check("achk", 21, "AllowedToStartInMultiplayer", "Starts in Multiplayer",
              "Can you get this unit at the beginning of a multiplayer game?"),
        check("achk", 22, "Crushable", "Crushable", "Can this unit be run over?"),
        check("achk", 23, "FraidyCat", "Fraidy Cat", "Unit becomes afraid easily"),
        check("achk", 24, "IsCanine", "Is a Dog", "Unit acts like a dog"),
        check("achk", 25, "Harvester", "Harvester", "Unit acts like a Harvester"),
        check("achk", 26, "Weeder", "Weeder", "Unit acts like a Tiberium Weeder"),
    });

    b.column("mvemain", "mvelabel", 2040, 2175, 120, 480, {
        combo("mvecmb", 0, "MovementRestrictedTo", "Restricted Movement to:",
              "Can this unit only move on a certain type of terrain?", kRestrictedTo),
        combo("mvecmb", 1, "MovementZone", "Movement Zone:", "The type of movement this unit has", kMovementZones),
        combo("mvecmb", 2, "SpeedType", "Special Movement:", "Does this unit hover/go on water?", kSpeedTypes),
    });

    b.column("advbuild", {}, 120, 2280 - kLabelGap - 120, 120, 360, {
        check("advchk", 0, "Fake", "Fake", "Is this building a fake building?"),
        check("advchk", 1, "WeaponsFactory", "Weapons Factory", "Is this building a weapons factory?"),
        check("advchk", 2, "ConstructionYard", "Construction Yard", "Is this building a constrcution yard?"),
        check("advchk", 3, "SensorArray", "Sensor Array", "Can this building detect cloacked units?"),
        check("advchk", 4, "BaseNormal", "Normal Base", "Is thiis building a normal building?"),
        check("advchk", 5, "Refinery", "Refinery", "Is this building a refinery?"),
        check("advchk", 6, "UnitReload", "Unit Reloader", "Can this building reload units?"),
    });
    b.column("advbuild", {}, 2280, 4080 - kLabelGap - 2280, 120, 360, {
        check("advchk", 7, "Helipad", "Helipad", "Can aircraft land on this building?"),
        check("advchk", 8, "Powered", "Powered", "Does this building become disabled during a low power time?"),
        check("advchk", 9, "UnitRepair", "Unit Repairer", "Can this building repair units?"),
        check("advchk", 10, "HasSpotlight", "Has Spotlight", "Does this building have a spotlight?"),
        check("advchk", 11, "IsPlug", "Is Plugin", "Does this building attach to other buildings?"),
        check("advchk", 12, "IsBaseDefense", "Is a Base Defense", "Is this building a base defense?"),
        check("advchk", 13, "FirestormWall", "Is a firestorm wall", "Is this building a Firestorm Wall?"),
    });
    b.at("advbuild", {}, check("advchk", 14, "Repairable", "Repairable", "Can this building be repaired?"), 4080,
         120, 5535 - kLabelGap - 4080);

    b.at("sbuild", {},
         check("advchk", 15, "CloakGenerator", "Cloak Generator",
               "Does this building cloack other friendly units and buildings around?"),
         240, 120, 2055);
    b.at("sbuild", "advbuildlbl",
         textField("advtxt", 0, "CloakRadiusInCells", "Cloak Radius:", "How far in cells does this building cloak?"), 1800,
         480, 2295);
    b.at("sbuild", "advbuildlbl",
         textField("advtxt", 1, "FreeUnit", "Free Unit:", "What unit do you get for free when you create this building?"),
         1800, 960, 2295);

    b.column("construct", "clabel", 2040, 2055, 120, 480, {
        combo("ccmb", 0, "Prerequisite", "Prerequisite:",
              "Building you are required to have to build this unit/building"),
        Row{"imgcombo", 0, FieldKind::OwnerPicker, "Owner", "Owner:", {}, ownerTexts()},
        combo("ccmb", 2, "TechLevel", "Tech Level: ", {}, kTechLevels),
        textField("cedit", 0, "BuildLimit", "Build Limit:",
                  "How many of this unit/building can you build? -1 means unlimited"),
    });

    b.add("elitemain", {}, Row{"elitelst", kNoIndex, FieldKind::AbilityList, {}, {}, {}, abilityEntries()},
          {480, 120, 4575, 2175});
    b.at("elitemain", "elitelbl", combo("elitecmb", kNoIndex, "Elite", "Elite Weapon:", {}, weaponPresets()), 1440,
         2400, 2775)
        .labelIndex = kNoIndex; // a lone label, not an array member
    b.at("elitemain", {}, editWeapon(2), 4320, 2400, 1095);

    constexpr int kWeaponLeft = 1920;
    constexpr int kWeaponWidth = 3255;
    b.at("weapmain", "weaplbl",
         textField("weaptxt", 0, "Damage", "Damage:", "The amount of damage the weapn does at each shot"), kWeaponLeft,
         120, kWeaponWidth);
    b.at("weapmain", "weaplbl", textField("weaptxt", 1, "AmbientDamage", "Ambient Damage:", {}), kWeaponLeft, 600,
         kWeaponWidth);
    b.at("weapmain", "weaplbl",
         textField("weaptxt", 2, "ROF", "Rate of Fire:", "How fast does this weapon fire? 15=1 second"), kWeaponLeft,
         1080, kWeaponWidth);
    b.at("weapmain", "weaplbl", textField("weaptxt", 3, "Range", "Range:", "How far can this weapon fire?"),
         kWeaponLeft, 1560, kWeaponWidth);
    b.at("weapmain", "weaplbl",
         combo("weapcmb", 0, "Projectile", "Projectile:",
               "Projectile that weapon uses (The thing that flys between the gun and the target)",
               projectilePresets()),
         kWeaponLeft, 1980, kWeaponWidth);
    b.at("weapmain", "weaplbl",
         textField("weaptxt", 4, "Speed", "Speed:", "How fast does this weapon's projectile fly? 100 is the maximum"),
         kWeaponLeft, 2460, kWeaponWidth);
    b.at("weapmain", "weaplbl",
         combo("weapcmb", 1, "Warhead", "Warhead:",
               "Warhead that the unit uses (The graphics for when the weapon hits)", warheadPresets()),
         kWeaponLeft, 2970, kWeaponWidth);
    b.at("weapmain", "weaplbl",
         textField("weaptxt", 5, "MinimumRange", "Minimum Range:", "How far away the target has to be for the weapon to hit"),
         kWeaponLeft, 3480, kWeaponWidth);

    b.column("landmain", "landlbl", 1560, 3615, 120, 360, {
        textField("landedit", 0, "Float", "Floating Speed:", "% of full speed for ships"),
        textField("landedit", 1, "Foot", "Foot Speed:", "% of full speed for soilders"),
        textField("landedit", 2, "Track", "Track Speed:", "% of full speed for tracked vehicles"),
        textField("landedit", 3, "Wheel", "Wheel Speed:", "% of full speed for wheeled vehicles"),
        textField("landedit", 4, "Hover", "Hover Speed:", "% of full speed for Hover vehicles"),
        textField("landedit", 5, "Amphibious", "Amphibious:", "% of full speed for Amphibious vehicles"),
        combo("landcmb", 0, "Buildable", "Buildable:", "Can buildings be built on this type of land?", kYesNo),
    });

    b.column("mainterrain", "terrainlbl", 1560, 3135, 120, 360, {
        combo("terraincmb", 0, "Immune", "Invincible:", "Is this Terrain Invincible", kYesNo),
        combo("terraincmb", 1, "WaterBound", "In Water:", "Is this Terrian only in water?", kYesNo),
        combo("terraincmb", 2, "SpawnsTiberium", "Creates Tibeirum:", "Does this Terrain create Tiberium around it?",
              kYesNo),
        combo("terraincmb", 3, "IsFlammable", "Flammable:", "Can this Terrain spread forest fires?", kYesNo),
        combo("terraincmb", 4, "RadarColor", "Radar Color:", "The color of the terrain on radar"),
    });

    std::vector<FieldSpec> out = b.take();
    const auto paneOrder = [](std::string_view pane) {
        const auto& all = panes();
        const auto it = std::find_if(all.begin(), all.end(), [&](const PaneSpec& p) { return p.name == pane; });
        return it - all.begin();
    };
    std::stable_sort(out.begin(), out.end(), [&](const FieldSpec& lhs, const FieldSpec& rhs) {
        return paneOrder(lhs.pane) < paneOrder(rhs.pane);
    });
    return out;
}

} // namespace

const std::vector<PaneSpec>& panes() {
    static const std::vector<PaneSpec> all{
        {"genmain", {480, 960, 5535, 4575}, true},
        {"aimain", {480, 960, 5535, 5535}, false},
        {"ionstorm", {480, 960, 5535, 3375}, false},
        {"mainunits", {480, 960, 5535, 2415}, false},
        {"mainbuild", {480, 960, 5535, 2415}, false},
        {"mainweapons", {480, 4320, 5535, 2175}, false},
        {"advancedunit", {480, 960, 5535, 3375}, false},
        {"mvemain", {480, 4680, 5535, 1695}, false},
        {"advbuild", {480, 960, 5535, 2775}, false},
        {"sbuild", {480, 4800, 5535, 1695}, false},
        {"construct", {480, 960, 5535, 2055}, false},
        {"elitemain", {480, 960, 5535, 2895}, false},
        {"weapmain", {480, 960, 5535, 3975}, false},
        {"landmain", {480, 960, 5535, 2775}, false},
        {"mainterrain", {480, 960, 5535, 2055}, false},
    };
    return all;
}

const std::vector<FieldSpec>& fields() {
    static const std::vector<FieldSpec> all = buildFields();
    return all;
}

std::vector<const FieldSpec*> fieldsForKey(std::string_view key) {
    std::vector<const FieldSpec*> out;
    if (key.empty()) return out;
    for (const FieldSpec& f : fields()) {
        if (text::equalsIgnoreCase(f.key, key)) out.push_back(&f);
    }
    return out;
}

const FieldSpec* findField(std::string_view array, int index) {
    for (const FieldSpec& f : fields()) {
        if (f.array == array && f.index == index) return &f;
    }
    return nullptr;
}

const std::vector<std::string_view>& armorPresets() {
    static const std::vector<std::string_view> list{"None", "Light", "Wood", "Heavy", "Concrete"};
    return list;
}

const std::vector<std::string_view>& weaponPresets() {
    static const std::vector<std::string_view> list{
        "(none)", "120mmx", "155mm", "90mm", "AssaultCannon", "BAZOOKA", "BikeMissile", "CyCannon", "Dragon",
        "EMPulseWeapon", "FiendShard", "FireballLauncher", "Grenade", "HarpyClaw", "Heal", "Hellfire",
        "HoverMissile", "JumpCannon", "LaserFire", "LaserFire2", "LtRail", "MammothTusk", "MechRailgun",
        "Minigun", "MultiCluster", "Pistola", "Proton", "RaiderCannon", "RedEye2", "RepairBullet", "RPGTower",
        "SlimeAttack", "Sniper", "SonicZap", "SuicideBomb", "Vulcan2", "Vulcan3", "VulcanTower"};
    return list;
}

const std::vector<std::string_view>& projectilePresets() {
    static const std::vector<std::string_view> list{
        "AAHeatSeeker2", "Ballistic", "Cannon", "Cannon2", "ChemMissile", "DogShard", "Invisible",
        "Invisible2", "Invisible3", "LLine", "LLine2", "Lobbed2", "MultiMissile", "NukeUp", "Null",
        "ProtonBlast", "ProtonTorpedo", "PulsPr"};
    return list;
}

const std::vector<std::string_view>& warheadPresets() {
    static const std::vector<std::string_view> list{
        "AP", "ARTYHE", "EMPuls", "FirestormWH", "Gas", "HE", "HollowPoint", "IonCannonWH", "IonWH",
        "Mechanical", "Meteorite", "Nuke", "ORCAAP", "ORCAHE", "Organic", "PlasmaWH", "RailShot2", "RPG",
        "SA", "SAMWH", "Shard", "Slimer", "SonicWarhead", "SUPER", "TankOGas", "VeinholeWH"};
    return list;
}

const std::vector<OwnerEntry>& ownerEntries() {
    static const std::vector<OwnerEntry> list{
        {"GDI", 1}, {"Nod", 2}, {"GDI,Nod", 3}, {"Mutant", 0}, {"Civilian", 0}};
    return list;
}

const std::vector<std::string_view>& abilityEntries() {
    static const std::vector<std::string_view> list{
        "C4", "Cloak", "Crusher", "Explodes", "Faster", "Fearless", "Firepower", "Guard Area",
        "Radar Invisible", "Rof", "Scatter", "Self Heal", "Sensors", "Sight", "Stronger", "Tiberium Heal",
        "Tiberium Proof", "Vein Proof"};
    return list;
}

std::string abilityRulesName(std::string_view entry) {
    std::string out = text::toUpper(entry);
    std::replace(out.begin(), out.end(), ' ', '_');
    return out;
}

} // namespace halvex::editor
