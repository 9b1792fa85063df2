#pragma once

#include "core/editor/Navigation.h"

#include <QTreeWidget>

#include <vector>

namespace halvex::ui {

// The navigation list "menu": the entries the navigation shows, two columns (the text
// and, for objects, their section ID), a small picture per entry. It reports the entry
// the user has chosen however it was chosen (a click, the arrow keys, typing its first
// letters) and gives Enter and Escape to the window.
class NavigationList : public QTreeWidget {
    Q_OBJECT
public:
    // Rows of the designed height, so the list's 109 pixels hold all eight top-level entries.
    static constexpr int kRowHeight = 13;
    // A set one entry longer (the settings with the folder switch) closes up to fit.
    static constexpr int kCompactRowHeight = 12;
    // Rows with a check box leave room between the boxes; there are only six of them.
    static constexpr int kCheckRowHeight = 16;

    explicit NavigationList(QWidget* parent);

    // Replaces the entries and starts at the top, nothing chosen.
    void showItems(const std::vector<editor::NavItem>& items, bool checkBoxes);
    void setColours(const QColor& text, const QColor& background);

signals:
    // 1-based position of the chosen entry; 0 when none is chosen.
    void entryChosen(int position);
    void entryDoubleClicked(int position);
    void entryChecked(int position, bool checked);
    void enterPressed();
    void escapePressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // The list hides while a list loads or an object is read; the keyboard user must find
    // the focus where it was when it comes back.
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void addEntry(const editor::NavItem& entry, bool checkBox, int rowHeight);
    int rowHeightFor(std::size_t entries, bool checkBoxes) const;
    int positionOf(QTreeWidgetItem* item) const;

    bool m_focusedWhenHidden = false;
};

} // namespace halvex::ui
