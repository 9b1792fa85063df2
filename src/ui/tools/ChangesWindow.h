#pragma once

#include "core/Workspace.h"
#include "core/platform/Platform.h"
#include "ui/tools/ToolWindow.h"

class QPushButton;
class QTreeWidget;

namespace halvex::ui {

// "changes": the report of what saving changed during this run, with export to a
// dated text file and printing. The rows belong to the workspace; the window shows them.
class ChangesWindow : public ToolWindow {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 420;
    static constexpr int kClientHeight = 300;

    ChangesWindow(Workspace& workspace, Platform& platform, QWidget* parent = nullptr);

    // Shows the rows saving has added since the last refresh.
    void refresh();

    void exportReport();
    void printReport();

    QTreeWidget* reportList() const { return m_view; }
    QPushButton* exportButton() const { return m_export; }
    QPushButton* printButton() const { return m_print; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    Workspace& m_workspace;
    Platform& m_platform;
    QTreeWidget* m_view = nullptr;
    QPushButton* m_export = nullptr;
    QPushButton* m_print = nullptr;
};

} // namespace halvex::ui
