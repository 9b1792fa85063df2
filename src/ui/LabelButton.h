#pragma once

#include <QLabel>

namespace halvex::ui {

// A caption that acts as a button: white text on a transparent ground, black behind
// the text while the mouse button is held down on it.
class LabelButton : public QLabel {
    Q_OBJECT
public:
    explicit LabelButton(const QString& caption, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setPressedLook(bool pressed);
};

} // namespace halvex::ui
