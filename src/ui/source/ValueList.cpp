#include "ui/source/ValueList.h"

#include "ui/Artwork.h"
#include "ui/QtText.h"

#include <QKeyEvent>

namespace halvex::ui {

ValueList::ValueList(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("vlst"));
    setFixedSize(kWidth, kHeight);
    setIconSize(QSize(16, 16));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    hide();
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { emit picked(); });
}

void ValueList::fill(std::vector<source::OfferedValue> values) {
    m_values = std::move(values);
    clear();
    static const QIcon valueIcon(Artwork::valueMark());
    static const QIcon actionIcon(Artwork::actionMark());
    for (const auto& value : m_values) {
        addItem(new QListWidgetItem(value.icon == source::ValueIcon::Action ? actionIcon : valueIcon,
                                    toQString(value.text)));
    }
    if (count() > 0) setCurrentRow(0);
}

const source::OfferedValue* ValueList::selectedValue() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    if (selected.isEmpty()) return nullptr;
    const int row = this->row(selected.front());
    if (row < 0 || static_cast<std::size_t>(row) >= m_values.size()) return nullptr;
    return &m_values[static_cast<std::size_t>(row)];
}

void ValueList::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit picked();
        return;
    case Qt::Key_Escape:
        emit dismissed();
        return;
    default:
        QListWidget::keyPressEvent(event);
    }
}

} // namespace halvex::ui
