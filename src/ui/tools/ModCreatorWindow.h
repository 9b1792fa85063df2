#pragma once

#include "core/platform/Platform.h"
#include "core/tools/ModPackage.h"
#include "ui/tools/ToolWindow.h"

#include <filesystem>
#include <vector>

class QLineEdit;
class QProgressBar;

namespace halvex::ui {

class ModFileList;

// "cmod": gathers a mod's files, dropped from the desktop onto its list, into one folder
// with a descriptor. The folder lies in the program's directory while that can be
// written, else under the user's data folder.
class ModCreatorWindow : public ToolWindow {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 300;
    static constexpr int kClientHeight = 262;
    static constexpr const char* kHelpTopic = "tcmod";

    ModCreatorWindow(Platform& platform, std::filesystem::path modsRoot,
                     QWidget* parent = nullptr);

    // Takes in dropped files, in the order given, as a drop onto the list does.
    void addFiles(const std::vector<std::filesystem::path>& files);

    void newModification();
    void openModification();
    void saveModification();
    void generateModification();

    QLineEdit* titleBox() const { return m_title; }
    QLineEdit* fileNameBox() const { return m_fileName; }
    QLineEdit* versionBox() const { return m_version; }
    ModFileList* fileList() const { return m_list; }
    QProgressBar* progressBar() const { return m_progress; }
    const std::vector<tools::ModFile>& files() const { return m_files; }
protected:
    void closeClicked() override;

private:
    QLineEdit* makeField(const char* name, const QString& label, int top);
    void makeButtons();
    void addFile(const std::filesystem::path& file);
    void showForm(const tools::ModForm& form);
    tools::ModForm form() const;
    void report(const std::string& error);

    Platform& m_platform;
    std::filesystem::path m_modsRoot; // the folder that holds the mod folders
    std::vector<tools::ModFile> m_files;
    QLineEdit* m_title = nullptr;
    QLineEdit* m_fileName = nullptr;
    QLineEdit* m_version = nullptr;
    ModFileList* m_list = nullptr;
    QProgressBar* m_progress = nullptr;
};

} // namespace halvex::ui
