#include "ui/editor/FieldCombo.h"

#include <QCompleter>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QWheelEvent>

namespace halvex::ui {

FieldCombo::FieldCombo(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // The combo matches a left text against its entries as its completer compares: a
    // case-sensitive completer keeps "none" from becoming "None". It offers nothing, so
    // typing is never completed into a text the user did not type.
    auto* silent = new QCompleter(new QStringListModel(this), this);
    silent->setCaseSensitivity(Qt::CaseSensitive);
    setCompleter(silent);

    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& typed) {
        m_settledText = typed;
        emit userEdited(typed);
    });
    connect(this, &QComboBox::activated, this, &FieldCombo::reportPick);
}

void FieldCombo::showValue(const QString& value) {
    m_settledText = value;
    setEditText(value);
}

void FieldCombo::replaceEntries(const QStringList& entries) {
    const QString shown = currentText();
    const QSignalBlocker quiet(this);
    clear();
    addItems(entries);
    setCurrentIndex(-1);
    setEditText(shown);
}

void FieldCombo::wheelEvent(QWheelEvent* event) {
    if (hasFocus()) {
        QComboBox::wheelEvent(event);
    } else {
        event->ignore();
    }
}

void FieldCombo::reportPick() {
    // Leaving or confirming a text that equals an entry "activates" it without changing
    // anything; only a pick that changes the text is the user's edit.
    const QString now = currentText();
    if (now == m_settledText) return;
    m_settledText = now;
    emit userEdited(now);
}

} // namespace halvex::ui
