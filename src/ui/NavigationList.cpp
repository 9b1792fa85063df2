#include "ui/NavigationList.h"

#include "ui/Artwork.h"
#include "ui/QtText.h"

#include <algorithm>

#include <QHeaderView>
#include <QKeyEvent>
#include <QSignalBlocker>

namespace halvex::ui {
namespace {

constexpr int kPictureSize = 12;

// Entries without a picture keep its room, so every text starts in one column.
const QIcon& blankPicture() {
    static const QIcon blank = [] {
        QPixmap empty(kPictureSize, kPictureSize);
        empty.fill(Qt::transparent);
        return QIcon(empty);
    }();
    return blank;
}

QColor mixed(const QColor& a, const QColor& b) {
    return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}

} // namespace

NavigationList::NavigationList(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("menu"));
    setColumnCount(2);
    // The second column shows an object's section ID, so that objects of the same name
    // can be told apart; the entry's text takes what room the ID leaves.
    setHeaderHidden(true);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::Stretch);
    header()->setSectionResizeMode(1, QHeaderView::Fixed);
    setRootIsDecorated(false);
    setIndentation(0);
    setUniformRowHeights(true);
    setIconSize(QSize(kPictureSize, kPictureSize));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);

    // The current entry, not the click: the arrow keys and typing choose an entry too. The
    // current entry is always drawn highlighted (the focus alone makes one current), so
    // what OK acts on is what the user sees. A refill clears quietly and chooses nothing.
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (current != nullptr) current->setSelected(true);
        emit entryChosen(current == nullptr ? 0 : positionOf(current));
    });
    connect(this, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { emit entryDoubleClicked(positionOf(item)); });
    connect(this, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int) {
        emit entryChecked(positionOf(item), item->checkState(0) == Qt::Checked);
    });
}

int NavigationList::positionOf(QTreeWidgetItem* item) const {
    return indexOfTopLevelItem(item) + 1;
}

void NavigationList::showItems(const std::vector<editor::NavItem>& items, bool checkBoxes) {
    {
        const QSignalBlocker quiet(this);
        clear();
        const int rowHeight = rowHeightFor(items.size(), checkBoxes);
        for (const auto& item : items) addEntry(item, checkBoxes, rowHeight);
    }
    const bool listsObjects =
        std::any_of(items.begin(), items.end(), [](const editor::NavItem& item) { return !item.section.empty(); });
    setColumnHidden(1, !listsObjects);
    if (listsObjects) {
        resizeColumnToContents(1);
        setColumnWidth(1, std::min(columnWidth(1), viewport()->width() * 2 / 5));
    }
    scrollToTop();
}

int NavigationList::rowHeightFor(std::size_t entries, bool checkBoxes) const {
    if (checkBoxes) return kCheckRowHeight;
    const bool compactFits = entries * kCompactRowHeight <= static_cast<std::size_t>(viewport()->height());
    return entries * kRowHeight > static_cast<std::size_t>(viewport()->height()) && compactFits ? kCompactRowHeight
                                                                                                : kRowHeight;
}

void NavigationList::addEntry(const editor::NavItem& entry, bool checkBox, int rowHeight) {
    auto* item = new QTreeWidgetItem(this, QStringList{toQString(entry.text), toQString(entry.section)});
    item->setIcon(0, entry.picture > 0 ? QIcon(Artwork::menuPicture(entry.picture)) : blankPicture());
    item->setSizeHint(0, QSize(0, rowHeight));
    item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    if (checkBox) {
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, entry.checked ? Qt::Checked : Qt::Unchecked);
    }
}

void NavigationList::setColours(const QColor& text, const QColor& background) {
    QPalette look = palette();
    look.setColor(QPalette::Text, text);
    look.setColor(QPalette::Base, background);
    // The style outlines check boxes in a shade of Window: a colour between the text and
    // the ground keeps the stats entries' boxes visible on any theme.
    look.setColor(QPalette::Window, mixed(text, background));
    setPalette(look);
}

void NavigationList::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: emit enterPressed(); return;
    case Qt::Key_Escape: emit escapePressed(); return;
    default: QTreeWidget::keyPressEvent(event);
    }
}

void NavigationList::hideEvent(QHideEvent* event) {
    m_focusedWhenHidden = hasFocus();
    QTreeWidget::hideEvent(event);
}

void NavigationList::showEvent(QShowEvent* event) {
    QTreeWidget::showEvent(event);
    if (m_focusedWhenHidden) setFocus(Qt::OtherFocusReason);
    m_focusedWhenHidden = false;
}

} // namespace halvex::ui
