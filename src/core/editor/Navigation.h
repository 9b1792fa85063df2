#pragma once

#include "core/ListFile.h"
#include "core/editor/NavigationHost.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The navigation list, the main window's only menu: which entries it shows, the
// navigation mode, the remembered entry, and what a double-click, OK and Cancel do.
// The main window shows this state and carries out the commands through NavigationHost.
namespace halvex::editor {

struct NavItem {
    std::string text;
    std::string section; // the object's rules section; empty outside object lists
    int picture = 0;     // 1 to 12 into the window's pictures; 0 = none
    bool checked = false;
    friend bool operator==(const NavItem&, const NavItem&) = default;
};

class Navigation {
public:
    // Starts on the top-level entries with no mode.
    explicit Navigation(NavigationHost& host);

    const std::vector<NavItem>& items() const noexcept { return m_items; }
    bool okCancelVisible() const noexcept { return m_okCancelVisible; }
    bool checkBoxes() const noexcept { return m_checkBoxes; }

    // What the list shows ("tools", "settings", "stats", "listunits"...) or, once an
    // object or view is loaded, its kind ("units"..., "general", "ai", "ION"). Cancel
    // leaves it unchanged.
    const std::string& mode() const noexcept { return m_mode; }

    // For a host that loads an object itself ("Edit Weapon" sets "weapons"): sets the
    // mode and the loaded kind.
    void setMode(std::string mode);

    // The kind of the object or view loaded last ("" before any). The tab switch must
    // use this rather than mode(): opening a list and cancelling it changes the mode
    // while the loaded object's tabs stay on screen.
    const std::string& loadedKind() const noexcept { return m_loadedKind; }

    // 1-based position of the entry clicked last; 0 when none, and after every refill
    // of the list, so OK never acts on an entry the user did not pick in this list.
    int remembered() const noexcept { return m_remembered; }

    // A click on entry `position` (1-based). A position outside the list (a click on
    // its empty area) forgets the remembered entry.
    void click(int position);

    // Ticks or unticks an entry's check box; ignored while the list has none.
    void setChecked(int position, bool checked);

    // Runs the command named by the remembered entry's text; nothing without one.
    void doubleClick();
    void ok();
    void cancel();

    // Grows whenever the entries or the OK/Cancel visibility change, so the view can
    // tell when to redraw.
    std::uint64_t revision() const noexcept { return m_revision; }

private:
    const NavItem* rememberedItem() const;
    bool modeIs(std::string_view mode) const;
    void fill(std::vector<NavItem> items, bool okCancel, bool checkBoxes);
    void showRoot();
    void showTools();
    void showSettings();
    void showStats();
    void showList(std::string_view listName);
    void loadGeneralView(std::string_view mode, std::string_view caption, std::string_view pane);
    void switchGameFolder();

    NavigationHost& m_host;
    std::vector<NavItem> m_items;
    bool m_okCancelVisible = false;
    bool m_checkBoxes = false;
    std::string m_mode;
    std::string m_loadedKind;
    int m_remembered = 0;
    std::uint64_t m_revision = 0;
};

// The tabs an object kind gets besides tab 0 ("Main"), in order.
std::vector<std::string_view> tabCaptionsFor(std::string_view kind);

struct PaneChange {
    std::string_view pane;
    bool visible = false;
    friend bool operator==(const PaneChange&, const PaneChange&) = default;
};

// What clicking a tab captioned `caption` does to the panes, for an object or view
// of kind `mode`. Panes absent from the result keep their state: the General views'
// panes, and the land and terrain panes, are hidden only when the fields are cleared.
std::vector<PaneChange> tabSwitchPanes(std::string_view caption, std::string_view mode);

} // namespace halvex::editor
