#include "ui/tools/HistoryWindow.h"

#include "core/BlockDocument.h"
#include "core/Theme.h"
#include "ui/Artwork.h"
#include "ui/QtText.h"
#include "ui/Twips.h"
#include "ui/tools/WindowDragger.h"

#include <QEvent>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QToolButton>

#include <algorithm>
#include <string>

namespace halvex::ui {
namespace {

constexpr const char* kBlock = "History";

// The stored coordinate in pixels, or nothing when it is missing or no number.
std::optional<int> storedCoordinate(const std::string& settings, const char* key) {
    const std::string value = GetItem(settings, kBlock, key);
    if (isItemError(value)) return std::nullopt;
    const std::optional<int> number = parseThemeNumber(value);
    if (!number) return std::nullopt;
    return pixels(*number);
}

} // namespace

HistoryWindow::HistoryWindow(Workspace& workspace, Platform& platform, QWidget* parent)
    : ToolWindow(QStringLiteral(" History Pallete"), QSize(kClientWidth, kClientHeight), HelpButton::Shown, parent),
      m_workspace(workspace), m_platform(platform) {
    setObjectName(QStringLiteral("history"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_ShowWithoutActivating);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("calist"));
    m_list->setGeometry(4, 20, 190, 138);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Rows of one size let the view place ten thousand of them without measuring each
    // on every change; it then measures only the last row, which therefore carries the
    // width of the widest (carryWidestOnLastRow).
    m_list->setUniformItemSizes(true);
    connect(m_list, &QListWidget::itemChanged, this, &HistoryWindow::onItemChanged);

    m_report = new QPushButton(QStringLiteral("Changes Report"), this);
    m_report->setObjectName(QStringLiteral("Command1_0"));
    m_report->setGeometry(4, 163, 112, 25);
    connect(m_report, &QPushButton::clicked, this, &HistoryWindow::changesReportRequested);

    m_save = new QPushButton(QStringLiteral("Save!"), this);
    m_save->setObjectName(QStringLiteral("Command1_1"));
    m_save->setGeometry(120, 163, 74, 25);
    connect(m_save, &QPushButton::clicked, this, &HistoryWindow::saveRequested);

    offerHelpOn(m_list->viewport(), QString::fromLatin1(kHelpTopic));
    connect(&dragger(), &WindowDragger::released, this, &HistoryWindow::storePosition);

    fill();
}

void HistoryWindow::refresh() {
    const ChangeList& changes = m_workspace.changes();
    if (m_shownRevision == changes.revision()) return;
    // One edit behind, as after every keystroke: redraw that one row, so a keystroke
    // costs the same with ten pending edits or ten thousand.
    const std::optional<std::size_t> row = changes.lastChangedRow();
    if (m_shownRevision && *m_shownRevision + 1 == changes.revision() && row && showRow(*row)) {
        m_shownRevision = changes.revision();
        return;
    }
    fill();
}

bool HistoryWindow::showRow(std::size_t row) {
    const auto& entries = m_workspace.changes().entries();
    const auto count = static_cast<std::size_t>(m_list->count());
    const bool rewritten = row < count && entries.size() == count;
    const bool added = row == count && entries.size() == count + 1;
    if (!rewritten && !added) return false;
    const QSignalBlocker quiet(m_list);
    showEntry(row < count ? m_list->item(static_cast<int>(row)) : newRow(), entries[row]);
    const int widest = m_widestRow;
    measureRow(static_cast<int>(row));
    // Only a new last row or a wider widest row touch the carried width: a change of
    // it makes the view lay out every row again.
    if (added) {
        carryWidestOnLastRow(static_cast<int>(count) - 1);
    } else if (m_widestRow > widest) {
        carryWidestOnLastRow(-1);
        m_list->doItemsLayout();
    }
    return true;
}

void HistoryWindow::measureRow(int row) {
    const QListWidgetItem* item = m_list->item(row);
    const int textWidth = m_list->fontMetrics().horizontalAdvance(item->text());
    if (m_rowHeight == 0) {
        // Check box and margins, once, from a row that carries no width yet.
        const QSize natural = m_list->sizeHintForIndex(m_list->model()->index(row, 0));
        m_rowHeight = natural.height();
        m_rowPadding = natural.width() - textWidth;
    }
    m_widestRow = std::max(m_widestRow, textWidth + m_rowPadding);
}

void HistoryWindow::carryWidestOnLastRow(int previousLast) {
    const int last = m_list->count() - 1;
    if (previousLast >= 0 && previousLast < last) m_list->item(previousLast)->setSizeHint(QSize());
    if (last >= 0) m_list->item(last)->setSizeHint(QSize(m_widestRow, m_rowHeight));
}

QListWidgetItem* HistoryWindow::newRow() {
    auto* item = new QListWidgetItem(m_list);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    return item;
}

void HistoryWindow::showEntry(QListWidgetItem* item, const ChangeEntry& entry) {
    item->setText(toQString(entry.text));
    item->setCheckState(entry.ticked ? Qt::Checked : Qt::Unchecked);
}

void HistoryWindow::fill() {
    const auto& entries = m_workspace.changes().entries();
    const int current = m_list->currentRow();
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    m_widestRow = 0;
    for (const ChangeEntry& entry : entries) {
        showEntry(newRow(), entry);
        measureRow(m_list->count() - 1);
    }
    carryWidestOnLastRow(-1);
    if (current >= 0 && current < m_list->count()) m_list->setCurrentRow(current);
    m_shownRevision = m_workspace.changes().revision();
}

void HistoryWindow::onItemChanged(QListWidgetItem* item) {
    const int row = m_list->row(item);
    if (row < 0) return;
    m_workspace.changes().setTicked(static_cast<std::size_t>(row), item->checkState() == Qt::Checked);
    // The list already shows this tick; re-reading it would only lose the scroll position.
    m_shownRevision = m_workspace.changes().revision();
}

void HistoryWindow::restorePosition() {
    const std::string& settings = m_workspace.settings();
    const std::optional<int> x = storedCoordinate(settings, "X");
    const std::optional<int> y = storedCoordinate(settings, "Y");
    move(x.value_or(this->x()), y.value_or(this->y()));
    keepOnScreen();
}

void HistoryWindow::keepOnScreen() {
    // A place stored on a wider desk, or beside a main window at the screen's edge,
    // would leave the palette where nobody can reach it.
    const QScreen* screen = QGuiApplication::screenAt(frameGeometry().center());
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->availableGeometry();
    const QSize frame = frameGeometry().size();
    move(std::max(area.left(), std::min(x(), area.right() + 1 - frame.width())),
         std::max(area.top(), std::min(y(), area.bottom() + 1 - frame.height())));
}

void HistoryWindow::storePosition() {
    std::string settings = m_workspace.settings();
    settings = WriteItem(settings, kBlock, "X", std::to_string(twips(x())));
    settings = WriteItem(settings, kBlock, "Y", std::to_string(twips(y())));
    m_workspace.setSettings(std::move(settings));
    const files::WriteResult written = m_workspace.saveSettings();
    if (!written.ok) {
        m_platform.showMessage("The window position could not be saved to " +
                                   files::textFromPath(m_workspace.settingsPath()) + ": " + written.error,
                               MessageIcon::Exclamation, MessageButtons::Ok);
    }
}

void HistoryWindow::showEvent(QShowEvent* event) {
    refresh();
    ToolWindow::showEvent(event);
}

void HistoryWindow::closeClicked() {
    hide();
    emit closedByUser();
}

} // namespace halvex::ui
