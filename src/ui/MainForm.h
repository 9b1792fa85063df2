#pragma once

#include "core/ListFile.h"
#include "core/Theme.h"
#include "core/Workspace.h"
#include "core/editor/MenuSets.h"
#include "core/platform/Platform.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <span>
#include <string_view>
#include <vector>

class QLabel;
class QTreeWidget;

namespace halvex::ui {

class LabelButton;
class ProgressBar;
class TabStrip;

// The editor's main window, "mainform": a fixed 640 x 480 client area with the edit
// panes at the left and the navigation list, its OK/Cancel buttons, the status label
// and the progress bar at the right.
class MainForm : public QWidget {
    Q_OBJECT
public:
    // Where loadlist puts the entries: the navigation list or one of the hidden object lists.
    enum class ListTarget { Navigation, Units, Buildings, Weapons };

    static constexpr int kClientWidth = 640;
    static constexpr int kClientHeight = 480;

    MainForm(Workspace& workspace, Platform& platform, QWidget* parent = nullptr);
    ~MainForm() override;

    // Start-up in order: settings and rules text, the theme, the root entries.
    void loadSequence();

    void resetmenu();
    // Fills the target from "<listName>.txt"; a file that cannot be read is reported by
    // name and leaves the target empty. False in that case.
    bool loadlist(std::string_view listName, ListTarget target);
    void createtab(const QString& caption, bool selected);
    bool exec(const std::string& target);
    void applyTheme(const Theme& theme);

    const std::vector<ListEntry>& objectList(ListTarget target) const;

    QTreeWidget* menu() const { return m_menu; }
    TabStrip& tabs() const { return *m_tabs; }
    ProgressBar* progressBar() const { return m_progress; }
    QLabel* statusLabel() const { return m_status; }
    LabelButton* okButton() const { return m_ok; }
    LabelButton* cancelButton() const { return m_cancel; }
    bool hasCustomBackground() const { return m_customBackground; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildNavigation();
    void addMenuEntries(std::span<const editor::MenuEntry> entries);
    void addMenuEntry(const QString& text, int picture, const QString& section = {});
    void setOkCancelVisible(bool visible);
    void setMenuColours(const QColor& text, const QColor& background);

    Workspace& m_workspace;
    Platform& m_platform;
    QPixmap m_background;
    bool m_customBackground = false;
    QTreeWidget* m_menu = nullptr;
    LabelButton* m_ok = nullptr;
    LabelButton* m_cancel = nullptr;
    QLabel* m_status = nullptr;
    ProgressBar* m_progress = nullptr;
    TabStrip* m_tabs = nullptr;
    std::array<std::vector<ListEntry>, 3> m_objectLists;
};

} // namespace halvex::ui
