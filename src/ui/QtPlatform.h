#pragma once

#include "core/platform/Platform.h"

class QWidget;

namespace halvex::ui {

// The desktop as Qt offers it. Dialogs are owned by the main window once it exists.
class QtPlatform : public Platform {
public:
    void setDialogParent(QWidget* parent) { m_parent = parent; }

    std::optional<std::filesystem::path>
    browseForFolder(const std::string& prompt, const std::vector<std::filesystem::path>& recentFolders) override;
    MessageAnswer showMessage(const std::string& text, MessageIcon icon, MessageButtons buttons,
                              const std::string& title) override;
    std::optional<int> chooseColour(int initial) override;
    bool openDocument(const std::string& target) override;
    bool startProgram(const std::filesystem::path& program) override;
    std::string printText(const std::string& text) override;
    DateTime now() override;
    std::string activeWindowName() override;

private:
    QWidget* m_parent = nullptr;
};

} // namespace halvex::ui
