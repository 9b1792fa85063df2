#include "core/editor/WindowTitle.h"

#include "core/Cp1252.h"
#include "core/objects/ObjectChoices.h"

namespace halvex::editor {

std::string windowTitle(std::string_view loadedId, std::string_view loadedName,
                        const std::filesystem::path& rulesFolder) {
    std::string title(kMainCaption);
    if (!loadedId.empty()) {
        const std::string name(loadedName.empty() ? loadedId : loadedName);
        title += " - " + cp1252::toUtf8(objects::captionWithId({name, std::string(loadedId)}));
    }
    if (!rulesFolder.empty()) {
        const std::u8string folder = rulesFolder.u8string();
        title += " - " + std::string(folder.begin(), folder.end());
    }
    return title;
}

} // namespace halvex::editor
