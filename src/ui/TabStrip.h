#pragma once

#include <QLabel>
#include <QObject>
#include <QString>

#include <vector>

namespace halvex::ui {

// The row of tab labels above the edit panes. Tab 0 always exists; the others are
// made for the loaded object's kind and removed when the fields are cleared.
class TabStrip : public QObject {
    Q_OBJECT
public:
    explicit TabStrip(QWidget* window);

    int count() const { return static_cast<int>(m_tabs.size()); }
    QLabel* tab(int index) const { return m_tabs.at(static_cast<std::size_t>(index)); }
    QString caption(int index) const { return tab(index)->text(); }

    // Appends a tab after the last one, 180 twips to its right.
    void createTab(const QString& caption, bool selected);
    // Back to the designed tab 0 ("Main", hidden, flat) and nothing else.
    void reset();
    void setCaption(int index, const QString& caption);
    // Draws every tab flat and the given one raised.
    void select(int index);
    bool isRaised(int index) const;

signals:
    void tabClicked(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* makeTab(const QString& caption);
    void setRaised(QLabel* tab, bool raised);
    void fitWidth(QLabel* tab);

    QWidget* m_window;
    std::vector<QLabel*> m_tabs;
};

} // namespace halvex::ui
