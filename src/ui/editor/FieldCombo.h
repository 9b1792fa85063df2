#pragma once

#include <QComboBox>
#include <QString>

namespace halvex::ui {

// An editable combo of the edit panes that reports only what the user did: typing in
// its text, or picking an entry that changes the text (from the list, by the arrow keys
// or the wheel). QComboBox by itself also "activates" an entry when the focus merely
// leaves a text that matches one, and then rewrites the text in the entry's letter case;
// this combo never changes a text the user did not change.
class FieldCombo : public QComboBox {
    Q_OBJECT
public:
    explicit FieldCombo(QWidget* parent = nullptr);

    // Shows a value as loaded (or cleared); never reported.
    void showValue(const QString& value);
    // Offers other entries; the text shown stays as it is, whether an entry names it or not.
    void replaceEntries(const QStringList& entries);

signals:
    void userEdited(const QString& text);

protected:
    // Turning the wheel over a combo the user is not working in must not change it.
    void wheelEvent(QWheelEvent* event) override;

private:
    void reportPick();

    // The text as the user last saw it settle: loaded, typed or picked.
    QString m_settledText;
};

} // namespace halvex::ui
