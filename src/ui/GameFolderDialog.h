#pragma once

#include <QDialog>

#include <filesystem>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace halvex::ui {

// Asks for the game's folder: the instruction where a user reads it, a folder field
// that takes a typed or pasted path, "Browse..." for the desktop's folder picker, and
// the recent folders one click away. Enter takes the folder, Escape cancels.
class GameFolderDialog : public QDialog {
    Q_OBJECT
public:
    GameFolderDialog(const QString& prompt, const std::vector<std::filesystem::path>& recentFolders,
                     QWidget* parent = nullptr);

    // The folder in the field as an absolute, cleaned path; empty while the field is.
    std::filesystem::path folder() const;

    QLabel* promptLabel() const { return m_prompt; }
    QLineEdit* folderField() const { return m_folder; }
    QPushButton* okButton() const { return m_ok; }
    // Null when there were no recent folders to offer.
    QListWidget* recentList() const { return m_recent; }

private:
    QWidget* buildFolderRow();
    void buildRecentList(const std::vector<std::filesystem::path>& recentFolders);
    void browse();
    void takeRecent(const QListWidgetItem* item, bool accepting);

    QLabel* m_prompt = nullptr;
    QLineEdit* m_folder = nullptr;
    QListWidget* m_recent = nullptr;
    QPushButton* m_ok = nullptr;
};

} // namespace halvex::ui
