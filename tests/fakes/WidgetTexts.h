#pragma once

// What a list, a tree column or a combo shows, row by row, for one comparison of the
// whole list; and typing into a field as a user replaces its text.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QStringList>
#include <QTest>
#include <QTreeWidget>

namespace halvex::testing {

inline QStringList texts(const QListWidget& list) {
    QStringList rows;
    for (int i = 0; i < list.count(); ++i) rows << list.item(i)->text();
    return rows;
}

inline QStringList texts(const QComboBox& combo) {
    QStringList rows;
    for (int i = 0; i < combo.count(); ++i) rows << combo.itemText(i);
    return rows;
}

// The given columns of each top-level row, joined by "|".
inline QStringList texts(const QTreeWidget& tree, std::initializer_list<int> columns = {0}) {
    QStringList rows;
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        QStringList cells;
        for (const int column : columns) cells << tree.topLevelItem(i)->text(column);
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

// Replaces a field's text keystroke by keystroke.
inline void typeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

} // namespace halvex::testing
