#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

// Every edit pane of the main window and every field on it, as data. The main window
// builds its widgets from this table; loading and editing find fields here by key.
// All positions are in twips (15 to a pixel): panes relative to the window's client
// area, fields and labels relative to their pane.
namespace halvex::editor {

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const noexcept { return left + width; }
    constexpr int bottom() const noexcept { return top + height; }
    friend constexpr bool operator==(const TwipRect&, const TwipRect&) = default;
};

enum class FieldKind {
    TextField,   // one-line text box
    Combo,       // drop-down list whose text may also be typed freely
    CheckBox,    // written "yes" / "no"
    AbilityList, // list with a check box on every entry
    OwnerPicker, // combo whose entries carry a small picture
    Button,
};

struct PaneSpec {
    std::string_view name;
    TwipRect rect;
    // The General pane is drawn in the system's menu-text colour; every other pane is black.
    bool menuTextBackground = false;
};

// The index of a control that is not a member of a control array (elitelst, elitecmb,
// elitelbl).
inline constexpr int kNoIndex = -1;

struct FieldSpec {
    std::string_view pane;
    std::string_view array;
    int index = kNoIndex;
    FieldKind kind = FieldKind::TextField;
    // The rules key the field is bound to by its tag; empty for buttons and the ability
    // list, whose key is fixed in its handlers.
    std::string_view key;
    // The label's caption, or the check box's or button's own caption.
    std::string_view caption;
    // The separate label to the left of the field; empty for check boxes, buttons and the
    // ability list.
    std::string_view labelArray;
    int labelIndex = kNoIndex;
    std::string_view tooltip;
    // Entries offered in display order. Fields sharing a list share its storage, so
    // `presets.data() == weaponPresets().data()` tells a weapon combo.
    std::span<const std::string_view> presets;
    TwipRect rect;
    TwipRect labelRect; // meaningful only when hasLabel()

    bool hasLabel() const noexcept { return !labelArray.empty(); }
};

// The 15 edit panes: genmain, aimain, ionstorm, mainunits, mainbuild, mainweapons,
// advancedunit, mvemain, advbuild, sbuild, construct, elitemain, weapmain, landmain,
// mainterrain.
const std::vector<PaneSpec>& panes();

// All fields, pane by pane in the order of panes(), each pane's in display order.
const std::vector<FieldSpec>& fields();

// Fields bound to `key`, compared without regard to case. An empty key matches nothing.
std::vector<const FieldSpec*> fieldsForKey(std::string_view key);

// The member `index` of control array `array` (kNoIndex for a lone control), or nullptr.
const FieldSpec* findField(std::string_view array, int index);

const std::vector<std::string_view>& armorPresets();
const std::vector<std::string_view>& weaponPresets();
const std::vector<std::string_view>& projectilePresets();
const std::vector<std::string_view>& warheadPresets();

struct OwnerEntry {
    std::string_view text;
    int picture = 0; // number in the main window's image list; 0 = none
};

const std::vector<OwnerEntry>& ownerEntries();

// The entries of the elite ability list, as shown.
const std::vector<std::string_view>& abilityEntries();

// An ability as the rules text writes it: capitals, blanks made "_"
// ("Radar Invisible" -> "RADAR_INVISIBLE").
std::string abilityRulesName(std::string_view entry);

} // namespace halvex::editor
