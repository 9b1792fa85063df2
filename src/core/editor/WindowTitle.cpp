#include "core/editor/WindowTitle.h"

#include "core/objects/ObjectChoices.h"

namespace halvex::editor {

std::string windowTitle(std::string_view loadedId, std::string_view loadedName, std::string_view rulesFolder) {
    std::string title(kMainCaption);
    if (!loadedId.empty()) {
        const std::string name(loadedName.empty() ? loadedId : loadedName);
        title += " - " + objects::captionWithId({name, std::string(loadedId)});
    }
    if (!rulesFolder.empty()) title += " - " + std::string(rulesFolder);
    return title;
}

} // namespace halvex::editor
