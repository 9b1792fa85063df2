#pragma once

#include "core/Workspace.h"
#include "core/platform/Platform.h"
#include "ui/tools/ToolWindow.h"

#include <cstddef>
#include <cstdint>
#include <optional>

class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace halvex::ui {

// "history": the always-on-top palette that shows the change list. It only shows the
// workspace's list, so hiding or closing it never loses an entry.
class HistoryWindow : public ToolWindow {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 198;
    static constexpr int kClientHeight = 192;
    static constexpr const char* kHelpTopic = "thistory";

    HistoryWindow(Workspace& workspace, Platform& platform, QWidget* parent = nullptr);

    // Shows the change list as it is now: only the row that changed when the list is
    // one change ahead of what is shown, every row otherwise.
    void refresh();
    // Places the window where the settings document's "History" block says; a missing
    // or unreadable coordinate keeps the current one. The window stays on a screen.
    void restorePosition();

    QListWidget* changeList() const { return m_list; }
    QPushButton* reportButton() const { return m_report; }
    QPushButton* saveButton() const { return m_save; }

signals:
    void saveRequested();
    void changesReportRequested();
    void closedByUser();

protected:
    void closeClicked() override;
    void showEvent(QShowEvent* event) override;

private:
    void keepOnScreen();
    void fill();
    // Redraws one row, or adds it after the last; false when the list shows too few rows for that.
    bool showRow(std::size_t row);
    QListWidgetItem* newRow();
    static void showEntry(QListWidgetItem* item, const ChangeEntry& entry);
    void measureRow(int row);
    // Moves the widest row's width from the row that was last to the one that is now.
    void carryWidestOnLastRow(int previousLast);
    void storePosition();
    void onItemChanged(QListWidgetItem* item);

    Workspace& m_workspace;
    Platform& m_platform;
    QListWidget* m_list = nullptr;
    QPushButton* m_report = nullptr;
    QPushButton* m_save = nullptr;
    std::optional<std::uint64_t> m_shownRevision;
    int m_widestRow = 0; // the widest row's natural width, in pixels
    int m_rowHeight = 0;  // 0 until a row was measured
    int m_rowPadding = 0; // a row's width beyond its text
};

} // namespace halvex::ui
