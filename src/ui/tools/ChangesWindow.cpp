#include "ui/tools/ChangesWindow.h"

#include "core/ChangesReport.h"
#include "core/Files.h"
#include "ui/FlatList.h"
#include "ui/QtText.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

namespace halvex::ui {

ChangesWindow::ChangesWindow(Workspace& workspace, Platform& platform, QWidget* parent)
    : ToolWindow(QStringLiteral(" Changes Report"), QSize(kClientWidth, kClientHeight), HelpButton::Shown, parent),
      m_workspace(workspace), m_platform(platform) {
    setObjectName(QStringLiteral("changes"));

    m_view = new QTreeWidget(this);
    m_view->setObjectName(QStringLiteral("itemview"));
    m_view->setGeometry(6, 22, kClientWidth - 12, 242);
    m_view->setColumnCount(3);
    m_view->setHeaderLabels({QStringLiteral("Item Changed"), QStringLiteral("From"), QStringLiteral("To")});
    makeFlatList(*m_view);
    m_view->header()->setStretchLastSection(true);
    m_view->setColumnWidth(0, 196);
    m_view->setColumnWidth(1, 96);

    m_export = new QPushButton(QStringLiteral("Export"), this);
    m_export->setObjectName(QStringLiteral("Command1_0"));
    m_export->setGeometry(kClientWidth - 6 - 80 - 4 - 80, 269, 80, 25);
    connect(m_export, &QPushButton::clicked, this, &ChangesWindow::exportReport);

    m_print = new QPushButton(QStringLiteral("Print"), this);
    m_print->setObjectName(QStringLiteral("Command1_2"));
    m_print->setGeometry(kClientWidth - 6 - 80, 269, 80, 25);
    connect(m_print, &QPushButton::clicked, this, &ChangesWindow::printReport);

    // The help button is there but has nothing to show.

    refresh();
}

void ChangesWindow::refresh() {
    const std::vector<ReportRow>& rows = m_workspace.reportRows();
    // Rows are only ever appended, so the rows already shown stay where the user scrolled.
    if (static_cast<std::size_t>(m_view->topLevelItemCount()) > rows.size()) m_view->clear();
    for (auto i = static_cast<std::size_t>(m_view->topLevelItemCount()); i < rows.size(); ++i) {
        new QTreeWidgetItem(m_view, QStringList{toQString(rows[i].item), toQString(rows[i].oldValue),
                                                toQString(rows[i].newValue)});
    }
}

void ChangesWindow::exportReport() {
    const DateTime date = m_platform.now();
    const std::filesystem::path& folder = m_workspace.folders().userFiles;
    const files::WriteResult written = halvex::exportReport(folder, m_workspace.reportRows(), date);
    if (written.ok) {
        m_platform.showMessage(exportedMessage(date, files::textFromPath(folder)), MessageIcon::None,
                               MessageButtons::Ok);
    } else {
        m_platform.showMessage("The report could not be saved as " +
                                   files::textFromPath(folder / reportFileName(date)) + ": " + written.error,
                               MessageIcon::Exclamation, MessageButtons::Ok);
    }
}

void ChangesWindow::printReport() {
    const std::string problem = m_platform.printText(reportText(m_workspace.reportRows()));
    if (!problem.empty()) {
        m_platform.showMessage("The report could not be printed: " + problem, MessageIcon::Exclamation,
                               MessageButtons::Ok);
    }
}

void ChangesWindow::showEvent(QShowEvent* event) {
    refresh();
    ToolWindow::showEvent(event);
}

} // namespace halvex::ui
