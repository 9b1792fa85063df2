#include "core/editor/Navigation.h"

#include "core/Text.h"
#include "core/editor/MenuSets.h"

#include <optional>
#include <span>
#include <utility>

namespace halvex::editor {
namespace {

using text::equalsIgnoreCase;

std::vector<NavItem> itemsOf(std::span<const MenuEntry> entries) {
    std::vector<NavItem> items;
    items.reserve(entries.size());
    for (const MenuEntry& entry : entries) items.push_back(NavItem{std::string(entry.text), {}, entry.picture, false});
    return items;
}

struct ListChoice {
    std::string_view entry;
    std::string_view listName;
};

constexpr ListChoice kListChoices[] = {
    {"Units", "units"}, {"Structures", "buildings"}, {"Weapons", "weapons"}, {"Land", "land"}, {"Terrain", "terrain"},
};

} // namespace

Navigation::Navigation(NavigationHost& host) : m_host(host) { showRoot(); }

void Navigation::setMode(std::string mode) {
    m_loadedKind = mode;
    m_mode = std::move(mode);
}

void Navigation::click(int position) {
    const bool onEntry = position >= 1 && static_cast<std::size_t>(position) <= m_items.size();
    m_remembered = onEntry ? position : 0;
}

void Navigation::setChecked(int position, bool checked) {
    if (!m_checkBoxes || position < 1 || static_cast<std::size_t>(position) > m_items.size()) return;
    NavItem& item = m_items[static_cast<std::size_t>(position - 1)];
    if (item.checked == checked) return;
    item.checked = checked;
    ++m_revision;
}

void Navigation::doubleClick() {
    const NavItem* item = rememberedItem();
    if (item == nullptr) return;
    // Copied: the commands below refill the list the entry lives in.
    const std::string text = item->text;
    const auto is = [&text](std::string_view command) { return equalsIgnoreCase(text, command); };

    if (modeIs("settings")) ok();
    // Every test is made on purpose: an entry runs each command whose text it equals,
    // whatever the list shows, so an object named like a command runs that command.
    if (is("Tools")) {
        m_mode = "tools";
        showTools();
    }
    if (is("Settings")) {
        m_mode = "settings";
        showSettings();
    }
    if (is("Edit Source Code")) m_host.openSourceEditor();
    if (is("Run Tiberian Sun")) m_host.runGame();
    if (is("Halvex Online")) m_host.openOnline();
    if (is("Save!")) m_host.save();
    if (is("Halvex Help")) m_host.showHelp();
    if (is("Exit")) m_host.exitProgram();
    if (is("Mod Creator")) {
        cancel();
        m_host.openModCreator();
    }
    if (is("Changes Report")) {
        cancel();
        m_host.openChangesReport();
    }
    if (is("Add/Delete")) {
        m_host.prepareAddDelete();
        cancel();
    }
    if (is("Stats Generator")) {
        m_mode = "stats";
        showStats();
    }
}

void Navigation::ok() {
    std::optional<NavItem> entry;
    if (const NavItem* item = rememberedItem()) entry = *item;

    // Each step tests the mode as the step before left it.
    if (text::startsWithIgnoreCase(m_mode, "list")) {
        if (!entry) return;
        const std::string kind = m_mode.substr(4);
        m_mode = kind;
        m_loadedKind = kind;
        m_host.loadObject(kind, entry->section);
        cancel();
    }
    if (modeIs("settings")) {
        if (!entry) return;
        if (equalsIgnoreCase(entry->text, "General")) {
            loadGeneralView("general", "General Settings", "genmain");
        } else if (equalsIgnoreCase(entry->text, "Artifical Intelligence")) {
            loadGeneralView("ai", "AI Settings", "aimain");
        } else if (equalsIgnoreCase(entry->text, "ION Storms")) {
            loadGeneralView("ION", "ION Storms", "ionstorm");
        } else if (equalsIgnoreCase(entry->text, kSwitchGameFolder)) {
            switchGameFolder();
        } else {
            for (const ListChoice& choice : kListChoices) {
                if (!equalsIgnoreCase(entry->text, choice.entry)) continue;
                m_mode = "list" + std::string(choice.listName);
                showList(choice.listName);
                break;
            }
        }
    }
    // Only the stats entries carry check boxes; without them the list shows something
    // else and there is no choice to make a page from.
    if (modeIs("stats") && m_checkBoxes) {
        std::vector<std::string> ticked;
        for (const NavItem& item : m_items) {
            if (item.checked) ticked.push_back(item.text);
        }
        m_host.makeStats(ticked);
        cancel();
    }
}

void Navigation::cancel() { showRoot(); }

void Navigation::switchGameFolder() {
    if (!m_host.switchGameFolder()) return;
    // Whatever was loaded belonged to the folder left.
    m_mode.clear();
    m_loadedKind.clear();
    cancel();
}

const NavItem* Navigation::rememberedItem() const {
    if (m_remembered < 1 || static_cast<std::size_t>(m_remembered) > m_items.size()) return nullptr;
    return &m_items[static_cast<std::size_t>(m_remembered - 1)];
}

bool Navigation::modeIs(std::string_view mode) const { return equalsIgnoreCase(m_mode, mode); }

void Navigation::fill(std::vector<NavItem> items, bool okCancel, bool checkBoxes) {
    m_items = std::move(items);
    m_okCancelVisible = okCancel;
    m_checkBoxes = checkBoxes;
    m_remembered = 0;
    ++m_revision;
}

void Navigation::showRoot() { fill(itemsOf(rootEntries()), false, false); }
void Navigation::showTools() { fill(itemsOf(toolsEntries()), false, false); }
void Navigation::showSettings() { fill(itemsOf(settingsEntries()), true, false); }
void Navigation::showStats() { fill(itemsOf(statsEntries()), true, true); }

void Navigation::showList(std::string_view listName) {
    std::vector<NavItem> items;
    for (ListEntry& entry : m_host.readList(listName)) {
        items.push_back(NavItem{std::move(entry.name), std::move(entry.id), 0, false});
    }
    fill(std::move(items), true, false);
}

void Navigation::loadGeneralView(std::string_view mode, std::string_view caption, std::string_view pane) {
    m_mode = mode;
    m_loadedKind = mode;
    m_host.loadGeneralView(mode, caption, pane);
    cancel();
}

std::vector<std::string_view> tabCaptionsFor(std::string_view kind) {
    if (equalsIgnoreCase(kind, "units")) return {"Advanced", "Construction", "Elite Abilities"};
    if (equalsIgnoreCase(kind, "buildings")) return {"Advanced", "Construction"};
    return {};
}

std::vector<PaneChange> tabSwitchPanes(std::string_view caption, std::string_view mode) {
    const auto captionIs = [caption](std::string_view c) { return equalsIgnoreCase(caption, c); };
    const auto modeIs = [mode](std::string_view m) { return equalsIgnoreCase(mode, m); };

    std::vector<PaneChange> changes{{"elitemain", captionIs("Elite Abilities")},
                                    {"construct", captionIs("Construction")}};
    if (captionIs("Advanced")) {
        if (modeIs("buildings")) changes.insert(changes.end(), {{"advbuild", true}, {"sbuild", true}});
        if (modeIs("units")) changes.insert(changes.end(), {{"advancedunit", true}, {"mvemain", true}});
    } else {
        changes.insert(changes.end(),
                       {{"advbuild", false}, {"advancedunit", false}, {"mvemain", false}, {"sbuild", false}});
    }
    if (captionIs("Main")) {
        if (modeIs("units")) changes.push_back({"mainunits", true});
        if (modeIs("buildings")) changes.push_back({"mainbuild", true});
        if (modeIs("weapons")) changes.push_back({"weapmain", true});
        if (modeIs("units") || modeIs("buildings")) changes.push_back({"mainweapons", true});
        if (modeIs("terrain")) changes.push_back({"mainterrain", true});
        if (modeIs("land")) changes.push_back({"landmain", true});
    } else {
        changes.insert(changes.end(),
                       {{"mainunits", false}, {"mainweapons", false}, {"mainbuild", false}, {"weapmain", false}});
    }
    return changes;
}

} // namespace halvex::editor
