#include "core/editor/MenuSets.h"
#include "core/editor/Navigation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <span>
#include <utility>
#include <vector>

using namespace halvex::editor;
using halvex::ListEntry;

namespace {

// Records every command as one line of text.
class RecordingHost : public NavigationHost {
public:
    std::vector<std::string> calls;
    std::map<std::string, std::vector<ListEntry>, std::less<>> lists;

    std::vector<ListEntry> readList(std::string_view listName) override {
        record("readList " + std::string(listName));
        const auto it = lists.find(listName);
        return it == lists.end() ? std::vector<ListEntry>{} : it->second;
    }
    void loadObject(std::string_view kind, std::string_view section) override {
        record("loadObject " + std::string(kind) + " " + std::string(section));
    }
    void loadGeneralView(std::string_view mode, std::string_view caption, std::string_view pane) override {
        record("loadGeneralView " + std::string(mode) + "|" + std::string(caption) + "|" + std::string(pane));
    }
    void openSourceEditor() override { record("openSourceEditor"); }
    void runGame() override { record("runGame"); }
    void openOnline() override { record("openOnline"); }
    void save() override { record("save"); }
    void showHelp() override { record("showHelp"); }
    void exitProgram() override { record("exitProgram"); }
    void openModCreator() override { record("openModCreator"); }
    void openChangesReport() override { record("openChangesReport"); }
    void prepareAddDelete() override { record("prepareAddDelete"); }
    void makeStats(const std::vector<std::string>& ticked) override {
        std::string line = "makeStats";
        for (const std::string& entry : ticked) line += " [" + entry + "]";
        record(line);
    }

private:
    void record(std::string line) { calls.push_back(std::move(line)); }
};

std::vector<std::string> texts(const Navigation& nav) {
    std::vector<std::string> out;
    for (const NavItem& item : nav.items()) out.push_back(item.text);
    return out;
}

std::vector<std::string> texts(std::span<const MenuEntry> entries) {
    std::vector<std::string> out;
    for (const MenuEntry& entry : entries) out.emplace_back(entry.text);
    return out;
}

int positionOf(const Navigation& nav, std::string_view text) {
    for (std::size_t i = 0; i < nav.items().size(); ++i) {
        if (nav.items()[i].text == text) return static_cast<int>(i) + 1;
    }
    ADD_FAILURE() << "no entry " << text;
    return 0;
}

void pick(Navigation& nav, std::string_view text) { nav.click(positionOf(nav, text)); }

void doubleClickOn(Navigation& nav, std::string_view text) {
    pick(nav, text);
    nav.doubleClick();
}

bool showsRoot(const Navigation& nav) {
    return texts(nav) == texts(rootEntries()) && !nav.okCancelVisible() && !nav.checkBoxes();
}

class NavigationTest : public ::testing::Test {
protected:
    NavigationTest() {
        host.lists["units"] = {{"Light Infantry", "E1"}, {"Disc Thrower", "E2"}};
        host.lists["buildings"] = {{"Power Plant", "GAPOWR"}};
        host.lists["weapons"] = {{"Vulcan Cannon", "Vulcan"}};
        host.lists["terrain"] = {{"Tree", "TREE01"}};
    }

    RecordingHost host;
    Navigation nav{host};
};

} // namespace

TEST_F(NavigationTest, StartsOnTheTopLevelWithNoMode) {
    EXPECT_TRUE(showsRoot(nav));
    EXPECT_EQ(nav.items()[1].picture, 7);
    EXPECT_EQ(nav.mode(), "");
    EXPECT_EQ(nav.remembered(), 0);
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(NavigationTest, PickingAUnitLoadsItAndReturnsToTheTopLevel) {
    doubleClickOn(nav, "Settings");
    EXPECT_EQ(nav.mode(), "settings");
    EXPECT_EQ(texts(nav), texts(settingsEntries()));
    EXPECT_TRUE(nav.okCancelVisible());

    pick(nav, "Units");
    nav.ok();
    EXPECT_EQ(nav.mode(), "listunits");
    EXPECT_EQ(nav.items(), (std::vector<NavItem>{{"Light Infantry", "E1", 0, false}, {"Disc Thrower", "E2", 0, false}}));
    EXPECT_TRUE(nav.okCancelVisible());
    EXPECT_FALSE(nav.checkBoxes());
    EXPECT_EQ(nav.remembered(), 0);

    pick(nav, "Disc Thrower");
    nav.ok();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"readList units", "loadObject units E2"}));
    EXPECT_EQ(nav.mode(), "units");
    EXPECT_EQ(nav.loadedKind(), "units");
    EXPECT_TRUE(showsRoot(nav));
}

TEST_F(NavigationTest, EverySettingsListReadsItsFileAndLoadsItsKind) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"Structures", "buildings"}, {"Weapons", "weapons"}, {"Terrain", "terrain"}};
    for (const auto& [entry, kind] : cases) {
        host.calls.clear();
        doubleClickOn(nav, "Settings");
        pick(nav, entry);
        nav.ok();
        EXPECT_EQ(nav.mode(), "list" + kind);
        nav.click(1);
        nav.ok();
        EXPECT_EQ(host.calls.front(), "readList " + kind);
        EXPECT_EQ(host.calls.back(), "loadObject " + kind + " " + host.lists[kind].front().id);
        EXPECT_EQ(nav.mode(), kind);
        EXPECT_TRUE(showsRoot(nav));
    }
}

TEST_F(NavigationTest, AnEmptyOrUnreadableListStillShowsTheListMode) {
    doubleClickOn(nav, "Settings");
    pick(nav, "Land");
    nav.ok();
    EXPECT_EQ(nav.mode(), "listland");
    EXPECT_TRUE(nav.items().empty());
    EXPECT_TRUE(nav.okCancelVisible());

    nav.click(1);
    nav.ok();
    nav.doubleClick();
    EXPECT_EQ(host.calls, std::vector<std::string>{"readList land"});
    EXPECT_EQ(nav.mode(), "listland");

    nav.cancel();
    EXPECT_TRUE(showsRoot(nav));
}

TEST_F(NavigationTest, DoubleClickInSettingsActsAtOnce) {
    doubleClickOn(nav, "Settings");
    doubleClickOn(nav, "General");
    EXPECT_EQ(host.calls, std::vector<std::string>{"loadGeneralView general|General Settings|genmain"});
    EXPECT_EQ(nav.mode(), "general");
    EXPECT_TRUE(showsRoot(nav));

    doubleClickOn(nav, "Settings");
    doubleClickOn(nav, "Artifical Intelligence");
    doubleClickOn(nav, "Settings");
    doubleClickOn(nav, "ION Storms");
    EXPECT_EQ(host.calls, (std::vector<std::string>{"loadGeneralView general|General Settings|genmain",
                                                    "loadGeneralView ai|AI Settings|aimain",
                                                    "loadGeneralView ION|ION Storms|ionstorm"}));
    EXPECT_EQ(nav.mode(), "ION");

    doubleClickOn(nav, "Settings");
    doubleClickOn(nav, "Units");
    EXPECT_EQ(nav.mode(), "listunits");
    EXPECT_EQ(nav.items().size(), 2U);
}

TEST_F(NavigationTest, CancelReturnsToTheTopLevelAndKeepsTheMode) {
    doubleClickOn(nav, "Settings");
    nav.cancel();
    EXPECT_EQ(nav.mode(), "settings");
    EXPECT_TRUE(showsRoot(nav));

    doubleClickOn(nav, "Settings");
    pick(nav, "Units");
    nav.ok();
    nav.click(1);
    nav.ok();
    doubleClickOn(nav, "Settings");
    pick(nav, "Weapons");
    nav.ok();
    nav.cancel();
    EXPECT_EQ(nav.mode(), "listweapons");
    // The unit's tabs are still on screen and must go on showing its panes.
    EXPECT_EQ(nav.loadedKind(), "units");
    const std::vector<PaneChange> main = tabSwitchPanes("Main", nav.loadedKind());
    EXPECT_NE(std::find(main.begin(), main.end(), PaneChange{"mainunits", true}), main.end());
}

TEST_F(NavigationTest, StatsGeneratorPassesTheTickedEntries) {
    doubleClickOn(nav, "Tools");
    EXPECT_EQ(nav.mode(), "tools");
    EXPECT_EQ(texts(nav), texts(toolsEntries()));
    EXPECT_FALSE(nav.okCancelVisible());

    doubleClickOn(nav, "Stats Generator");
    EXPECT_EQ(nav.mode(), "stats");
    EXPECT_EQ(texts(nav), texts(statsEntries()));
    EXPECT_TRUE(nav.checkBoxes());
    EXPECT_TRUE(nav.okCancelVisible());
    for (const NavItem& item : nav.items()) EXPECT_FALSE(item.checked);

    const std::uint64_t before = nav.revision();
    nav.setChecked(1, true);
    nav.setChecked(5, true);
    nav.setChecked(3, true);
    nav.setChecked(3, false);
    nav.setChecked(7, true);
    EXPECT_GT(nav.revision(), before);

    nav.ok(); // no entry clicked: the ticks are what counts
    EXPECT_EQ(host.calls, std::vector<std::string>{"makeStats [GDI Units] [Civilian Units]"});
    EXPECT_EQ(nav.mode(), "stats");
    EXPECT_TRUE(showsRoot(nav));

    // Without the stats entries on show there is nothing to tick and nothing to make.
    nav.setChecked(1, true);
    EXPECT_FALSE(nav.items()[0].checked);
    nav.ok();
    EXPECT_EQ(host.calls.size(), 1U);
}

TEST_F(NavigationTest, TopLevelCommandsReachTheHost) {
    for (const char* entry : {"Edit Source Code", "Run Tiberian Sun", "Halvex Online", "Save!", "Halvex Help"}) {
        doubleClickOn(nav, entry);
        EXPECT_TRUE(showsRoot(nav)) << entry;
    }
    doubleClickOn(nav, "Exit");
    EXPECT_EQ(host.calls, (std::vector<std::string>{"openSourceEditor", "runGame", "openOnline", "save", "showHelp",
                                                    "exitProgram"}));
}

TEST_F(NavigationTest, ToolWindowsLeaveTheTopLevelOnShow) {
    for (const char* entry : {"Mod Creator", "Changes Report", "Add/Delete"}) {
        doubleClickOn(nav, "Tools");
        doubleClickOn(nav, entry);
        EXPECT_TRUE(showsRoot(nav)) << entry;
        EXPECT_EQ(nav.mode(), "tools");
    }
    EXPECT_EQ(host.calls, (std::vector<std::string>{"openModCreator", "openChangesReport", "prepareAddDelete"}));
}

TEST_F(NavigationTest, DoubleClickOnAnObjectRunsOnlyACommandItIsNamedLike) {
    host.lists["units"] = {{"Light Infantry", "E1"}, {"exit", "EXITUNIT"}};
    doubleClickOn(nav, "Settings");
    doubleClickOn(nav, "Units");
    doubleClickOn(nav, "Light Infantry");
    EXPECT_EQ(nav.mode(), "listunits");
    EXPECT_EQ(host.calls, std::vector<std::string>{"readList units"});
    doubleClickOn(nav, "exit");
    EXPECT_EQ(host.calls.back(), "exitProgram");
}

TEST_F(NavigationTest, AStaleOrMissingEntryDoesNothing) {
    nav.ok();
    nav.doubleClick();
    EXPECT_TRUE(host.calls.empty());
    EXPECT_TRUE(showsRoot(nav));

    // Position 8 was "Artifical Intelligence" when clicked; in the top-level set it is "Exit".
    doubleClickOn(nav, "Settings");
    nav.click(8);
    EXPECT_EQ(nav.remembered(), 8);
    nav.cancel();
    EXPECT_EQ(nav.remembered(), 0);
    nav.doubleClick();
    EXPECT_TRUE(host.calls.empty());

    // A click beside the entries forgets the one clicked before.
    doubleClickOn(nav, "Settings");
    pick(nav, "Units");
    nav.click(9);
    EXPECT_EQ(nav.remembered(), 0);
    nav.ok();
    nav.click(0);
    nav.doubleClick();
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(nav.mode(), "settings");
}

TEST_F(NavigationTest, EditWeaponSetsTheWeaponsMode) {
    nav.setMode("weapons");
    EXPECT_EQ(nav.mode(), "weapons");
    EXPECT_EQ(nav.loadedKind(), "weapons");
    EXPECT_TRUE(showsRoot(nav));
}

namespace {

std::map<std::string_view, bool> panesAfter(std::string_view caption, std::string_view mode) {
    std::map<std::string_view, bool> out;
    for (const PaneChange& change : tabSwitchPanes(caption, mode)) {
        EXPECT_TRUE(out.emplace(change.pane, change.visible).second) << "twice: " << change.pane;
    }
    return out;
}

// What every tab hides unless it names the pane itself.
std::map<std::string_view, bool> allHidden() {
    return {{"elitemain", false}, {"construct", false},  {"advbuild", false},    {"advancedunit", false},
            {"mvemain", false},   {"sbuild", false},     {"mainunits", false},   {"mainweapons", false},
            {"mainbuild", false}, {"weapmain", false}};
}

std::map<std::string_view, bool> with(std::map<std::string_view, bool> panes,
                                      std::initializer_list<std::pair<const std::string_view, bool>> changes) {
    for (const auto& [pane, visible] : changes) panes[pane] = visible;
    return panes;
}

std::map<std::string_view, bool> without(std::map<std::string_view, bool> panes,
                                         std::initializer_list<std::string_view> names) {
    for (std::string_view name : names) panes.erase(name);
    return panes;
}

} // namespace

TEST(NavigationTabs, ExtraTabsByKind) {
    EXPECT_EQ(tabCaptionsFor("units"), (std::vector<std::string_view>{"Advanced", "Construction", "Elite Abilities"}));
    EXPECT_EQ(tabCaptionsFor("Buildings"), (std::vector<std::string_view>{"Advanced", "Construction"}));
    for (const char* kind : {"weapons", "land", "terrain", "general"}) EXPECT_TRUE(tabCaptionsFor(kind).empty());
}

TEST(NavigationTabs, UnitTabs) {
    const auto mainPanes = without(allHidden(), {"mainbuild", "weapmain"});
    EXPECT_EQ(panesAfter("Main", "units"), with(mainPanes, {{"mainunits", true}, {"mainweapons", true}}));
    EXPECT_EQ(panesAfter("main", "UNITS"), panesAfter("Main", "units"));
    EXPECT_EQ(panesAfter("Advanced", "units"),
              with(without(allHidden(), {"advbuild", "sbuild"}), {{"advancedunit", true}, {"mvemain", true}}));
    EXPECT_EQ(panesAfter("Construction", "units"), with(allHidden(), {{"construct", true}}));
    EXPECT_EQ(panesAfter("Elite Abilities", "units"), with(allHidden(), {{"elitemain", true}}));
}

TEST(NavigationTabs, BuildingTabs) {
    EXPECT_EQ(panesAfter("Main", "buildings"),
              with(without(allHidden(), {"mainunits", "weapmain"}), {{"mainbuild", true}, {"mainweapons", true}}));
    EXPECT_EQ(panesAfter("Advanced", "buildings"),
              with(without(allHidden(), {"advancedunit", "mvemain"}), {{"advbuild", true}, {"sbuild", true}}));
    EXPECT_EQ(panesAfter("Construction", "buildings"), with(allHidden(), {{"construct", true}}));
}

TEST(NavigationTabs, SingleTabKinds) {
    const auto mainPanes = without(allHidden(), {"mainunits", "mainweapons", "mainbuild", "weapmain"});
    EXPECT_EQ(panesAfter("Main", "weapons"), with(mainPanes, {{"weapmain", true}}));
    EXPECT_EQ(panesAfter("Main", "land"), with(mainPanes, {{"landmain", true}}));
    EXPECT_EQ(panesAfter("Main", "terrain"), with(mainPanes, {{"mainterrain", true}}));
}

TEST(NavigationTabs, GeneralViewsHideObjectPanesAndKeepTheirOwn) {
    EXPECT_EQ(panesAfter("General Settings", "general"), allHidden());
    EXPECT_EQ(panesAfter("AI Settings", "ai"), allHidden());
    EXPECT_EQ(panesAfter("ION Storms", "ION"), allHidden());
}
