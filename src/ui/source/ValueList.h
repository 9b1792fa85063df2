#pragma once

#include "core/source/OfferedValues.h"

#include <QListWidget>

#include <vector>

namespace halvex::ui {

// "vlst", the source editor's pop-up of the values a key allows. Enter, Space or a
// double-click picks the selected entry; Escape leaves it without a pick.
class ValueList : public QListWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 137;
    static constexpr int kHeight = 89;

    explicit ValueList(QWidget* parent = nullptr);

    // Replaces the entries; the first one is selected, so Enter right away picks it.
    void fill(std::vector<source::OfferedValue> values);

    // The selected entry, or nothing.
    const source::OfferedValue* selectedValue() const;

signals:
    void picked();
    void dismissed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::vector<source::OfferedValue> m_values;
};

} // namespace halvex::ui
