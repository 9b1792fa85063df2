#include "core/Text.h"
#include "core/editor/MenuSets.h"
#include "core/editor/Navigation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

using namespace halvex::editor;
using halvex::ListEntry;
using Calls = std::vector<std::string>;

namespace {

// The host of the navigation it drives: records every command as one line of text.
// Every list holds two objects; the land list is empty.
class NavigationTest : public ::testing::Test, public NavigationHost {
protected:
    Calls calls;
    std::vector<ListEntry> objects{{"Light Infantry", "E1"}, {"Disc Thrower", "E2"}};
    std::vector<std::string> ticked;
    bool folderSwitches = true;
    Navigation nav{*this};

    template <typename... Parts> void record(const Parts&... parts) { calls.push_back((std::string(parts) + ...)); }
    std::vector<ListEntry> readList(std::string_view listName) override {
        record("readList ", listName);
        return listName == "land" ? std::vector<ListEntry>{} : objects;
    }
    void loadObject(std::string_view kind, std::string_view id) override { record("loadObject ", kind, " ", id); }
    void loadGeneralView(std::string_view mode, std::string_view caption, std::string_view pane) override {
        record("loadGeneralView ", mode, "|", caption, "|", pane);
    }
    void makeStats(const std::vector<std::string>& entries) override { ticked = entries; record("makeStats"); }
    bool switchGameFolder() override { record("switchGameFolder"); return folderSwitches; }
#define HALVEX_RECORDS(command) \
    void command() override { record(#command); }
    HALVEX_RECORDS(openSourceEditor) HALVEX_RECORDS(runGame) HALVEX_RECORDS(openOnline) HALVEX_RECORDS(save)
    HALVEX_RECORDS(showHelp) HALVEX_RECORDS(exitProgram) HALVEX_RECORDS(openModCreator)
    HALVEX_RECORDS(openChangesReport) HALVEX_RECORDS(prepareAddDelete)
#undef HALVEX_RECORDS

    bool shows(std::span<const MenuEntry> set, bool okCancel = false, bool checkBoxes = false) const {
        return nav.okCancelVisible() == okCancel && nav.checkBoxes() == checkBoxes &&
               std::equal(nav.items().begin(), nav.items().end(), set.begin(), set.end(),
                          [](const NavItem& item, const MenuEntry& entry) { return item.text == entry.text; });
    }
    void pick(std::string_view text) {
        const auto& items = nav.items();
        const auto it = std::find_if(items.begin(), items.end(), [text](const NavItem& i) { return i.text == text; });
        ASSERT_NE(it, items.end()) << "no entry " << text;
        nav.click(static_cast<int>(it - items.begin()) + 1);
    }
    void doubleClickOn(const std::vector<std::string_view>& path) {
        for (std::string_view text : path) {
            pick(text);
            nav.doubleClick();
        }
    }
};

} // namespace

TEST_F(NavigationTest, PickingFromASettingsListLoadsTheObjectAndCancelKeepsTheMode) {
    for (const auto& [entry, kind] : std::vector<std::pair<std::string, std::string>>{
             {"Units", "units"}, {"Structures", "buildings"}, {"Weapons", "weapons"}, {"Terrain", "terrain"}}) {
        SCOPED_TRACE(entry);
        calls.clear();
        doubleClickOn({"Settings"});
        EXPECT_TRUE(shows(settingsEntries(), true));
        pick(entry);
        entry == "Units" ? nav.ok() : nav.doubleClick(); // a double-click in the settings acts at once
        EXPECT_EQ(nav.mode(), "list" + kind);
        EXPECT_TRUE(nav.okCancelVisible() && !nav.checkBoxes() && nav.remembered() == 0);
        pick("Disc Thrower"); // the second entry: its position must pick its section
        nav.ok();
        EXPECT_EQ(calls, (Calls{"readList " + kind, "loadObject " + kind + " E2"}));
        EXPECT_EQ(nav.mode(), kind);
        EXPECT_EQ(nav.loadedKind(), kind);
        EXPECT_TRUE(shows(rootEntries()));
    }
    doubleClickOn({"Settings"});
    nav.cancel();
    EXPECT_EQ(nav.mode(), "settings");
    EXPECT_TRUE(shows(rootEntries()));
    doubleClickOn({"Settings", "Units"});
    nav.cancel();
    EXPECT_EQ(nav.mode(), "listunits");
    EXPECT_EQ(nav.loadedKind(), "terrain"); // the terrain's tabs are still on screen and must go on showing its panes
}

TEST_F(NavigationTest, CommandsAndGeneralViewsReachTheHostAndLeaveTheTopLevelOnShow) {
    struct Command { std::vector<std::string_view> path; std::string call, mode; };
    for (const auto& [path, call, mode] : std::vector<Command>{
             {{"Edit Source Code"}, "openSourceEditor", ""}, {{"Run Tiberian Sun"}, "runGame", ""},
             {{"Halvex Online"}, "openOnline", ""}, {{"Save!"}, "save", ""}, {{"Halvex Help"}, "showHelp", ""},
             {{"Exit"}, "exitProgram", ""}, {{"Tools", "Mod Creator"}, "openModCreator", "tools"},
             {{"Tools", "Changes Report"}, "openChangesReport", "tools"},
             {{"Tools", "Add/Delete"}, "prepareAddDelete", "tools"},
             {{"Settings", "General"}, "loadGeneralView general|General Settings|genmain", "general"},
             {{"Settings", "Artifical Intelligence"}, "loadGeneralView ai|AI Settings|aimain", "ai"},
             {{"Settings", "ION Storms"}, "loadGeneralView ION|ION Storms|ionstorm", "ION"}}) {
        SCOPED_TRACE(call);
        calls.clear();
        doubleClickOn(path);
        EXPECT_EQ(calls, Calls{call});
        EXPECT_EQ(nav.mode(), mode);
        EXPECT_EQ(nav.loadedKind(), path.front() == "Settings" ? mode : ""); // commands load nothing
        EXPECT_TRUE(shows(rootEntries()));
    }
}

TEST_F(NavigationTest, SwitchingGameFoldersForgetsTheLoadedKindOnlyWhenTheFolderChanged) {
    doubleClickOn({"Settings", "Units"});
    pick("Light Infantry");
    nav.ok();
    folderSwitches = false; // the user cancelled
    doubleClickOn({"Settings", kSwitchGameFolder});
    EXPECT_TRUE(shows(settingsEntries(), true));
    EXPECT_EQ(nav.loadedKind(), "units");

    folderSwitches = true;
    pick(kSwitchGameFolder);
    nav.ok();
    EXPECT_EQ(calls, (Calls{"readList units", "loadObject units E1", "switchGameFolder", "switchGameFolder"}));
    EXPECT_TRUE(shows(rootEntries()));
    EXPECT_EQ(nav.mode(), "");
    EXPECT_EQ(nav.loadedKind(), "");
}

TEST_F(NavigationTest, StatsGeneratorPassesTheTickedEntries) {
    doubleClickOn({"Tools", "Stats Generator"});
    EXPECT_TRUE(nav.mode() == "stats" && shows(statsEntries(), true, true));
    for (int position : {1, 5, 3}) nav.setChecked(position, true);
    nav.setChecked(3, false);
    nav.ok(); // no entry clicked: the ticks are what counts
    EXPECT_EQ(calls, Calls{"makeStats"});
    EXPECT_EQ(ticked, (Calls{"GDI Units", "Civilian Units"}));
    EXPECT_EQ(nav.mode(), "stats");
    EXPECT_TRUE(shows(rootEntries()));
    // Without the stats entries on show there is nothing to tick and nothing to make.
    nav.setChecked(1, true);
    nav.ok();
    EXPECT_FALSE(nav.items()[0].checked);
    EXPECT_EQ(calls.size(), 1U);
}

TEST_F(NavigationTest, DoubleClickOnAnObjectRunsOnlyACommandItIsNamedLike) {
    objects = {{"Light Infantry", "E1"}, {"exit", "EXITUNIT"}};
    doubleClickOn({"Settings", "Units", "Light Infantry"});
    EXPECT_EQ(nav.mode(), "listunits");
    EXPECT_EQ(calls, Calls{"readList units"});
    doubleClickOn({"exit"});
    EXPECT_EQ(calls.back(), "exitProgram");
}

// Any remembered entry would run a command or open a list here.
TEST_F(NavigationTest, AStaleOrMissingEntryDoesNothing) {
    doubleClickOn({"Settings"});
    nav.click(8); // "Artifical Intelligence" here; in the top-level set "Exit"
    nav.cancel();
    nav.doubleClick();
    doubleClickOn({"Settings"});
    pick("Units");
    nav.click(static_cast<int>(settingsEntries().size()) + 1); // beside the entries: forgets the one clicked before
    nav.ok();
    nav.doubleClick();
    EXPECT_TRUE(calls.empty());

    // An empty (or unreadable) list still shows its mode, and nothing in it can be picked.
    doubleClickOn({"Land"});
    EXPECT_EQ(nav.mode(), "listland");
    EXPECT_TRUE(nav.items().empty() && nav.okCancelVisible());
    nav.click(1);
    nav.ok();
    nav.doubleClick();
    EXPECT_EQ(calls, Calls{"readList land"});
}

// A Main or Advanced tab shows its panes for the kind and leaves the rest of its own group
// alone; every other object pane is hidden. Land, terrain and General panes are left alone.
TEST(NavigationTabs, TabSwitchShowsTheTabsPanesAndHidesTheOthers) {
    using Panes = std::set<std::string_view>;
    const Panes mains{"mainunits", "mainweapons", "mainbuild", "weapmain"};
    const Panes advanced{"advbuild", "advancedunit", "mvemain", "sbuild"};
    struct Case { std::string_view caption, mode; Panes shown; };
    for (const Case& c : std::vector<Case>{
             {"Main", "units", {"mainunits", "mainweapons"}}, {"main", "UNITS", {"mainunits", "mainweapons"}},
             {"Advanced", "units", {"advancedunit", "mvemain"}}, {"Construction", "units", {"construct"}},
             {"Elite Abilities", "units", {"elitemain"}}, {"Main", "buildings", {"mainbuild", "mainweapons"}},
             {"Advanced", "buildings", {"advbuild", "sbuild"}}, {"Construction", "buildings", {"construct"}},
             {"Main", "weapons", {"weapmain"}}, {"Main", "land", {"landmain"}}, {"Main", "terrain", {"mainterrain"}},
             {"General Settings", "general", {}}, {"AI Settings", "ai", {}}, {"ION Storms", "ION", {}}}) {
        SCOPED_TRACE(std::string(c.caption) + " " + std::string(c.mode));
        std::map<std::string_view, bool> expected{{"elitemain", false}, {"construct", false}};
        for (const auto& [tab, group] : {std::pair{"main", &mains}, std::pair{"advanced", &advanced}}) {
            if (halvex::text::toLower(c.caption) != tab) for (std::string_view pane : *group) expected[pane] = false;
        }
        for (std::string_view pane : c.shown) expected[pane] = true;
        std::map<std::string_view, bool> actual;
        for (const PaneChange& change : tabSwitchPanes(c.caption, c.mode)) {
            EXPECT_TRUE(actual.emplace(change.pane, change.visible).second) << "twice: " << change.pane;
        }
        EXPECT_EQ(actual, expected);
    }
}
