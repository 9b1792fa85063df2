#pragma once

#include "core/ListFile.h"

#include <string>
#include <string_view>
#include <vector>

namespace halvex::editor {

// Implemented by the main window; tests use a recording fake. A host may call back
// into the Navigation from any of these.
class NavigationHost {
public:
    virtual ~NavigationHost() = default;

    // The objects of a kind ("units", "buildings", "weapons", "land", "terrain") as the
    // loaded rules text and the list files give them. The host reports an unreadable
    // list file itself.
    virtual std::vector<ListEntry> readList(std::string_view listName) = 0;

    // Load one object of `kind` ("units", "buildings", "weapons", "land", "terrain"):
    // clear the fields, create the kind's tabs (tabCaptionsFor), read the section, run
    // the tab switch for tab 0 and make `section` the current section.
    virtual void loadObject(std::string_view kind, std::string_view section) = 0;

    // Load a view of the General section: `mode` is "general", "ai" or "ION"; tab 0
    // gets `tabCaption` and `pane` is shown.
    virtual void loadGeneralView(std::string_view mode, std::string_view tabCaption, std::string_view pane) = 0;

    virtual void openSourceEditor() = 0;
    virtual void runGame() = 0; // does nothing when the game program is missing
    virtual void openOnline() = 0;
    virtual void save() = 0;
    virtual void showHelp() = 0;
    virtual void exitProgram() = 0; // asks about unsaved changes itself
    virtual void openModCreator() = 0;
    virtual void openChangesReport() = 0;
    virtual void prepareAddDelete() = 0;
    // Asks for another game folder (about unsaved edits first) and loads its rules;
    // true when the program now works on the new folder.
    virtual bool switchGameFolder() = 0;
    virtual void makeStats(const std::vector<std::string>& tickedStatsEntries) = 0;
};

} // namespace halvex::editor
