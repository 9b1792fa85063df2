#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace halvex::ui {

// Lets a frameless window be dragged by one of its widgets (its title label): the
// point grabbed stays under the pointer while a mouse button is held.
class WindowDragger : public QObject {
    Q_OBJECT
public:
    // Watches `handle` and moves the window that holds it; the dragger lives as long
    // as the handle.
    explicit WindowDragger(QWidget* handle);

signals:
    // A mouse button went up on the handle, after a drag or after a plain click.
    void released();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_handle;
    QPoint m_origin;
    bool m_pressed = false;
};

} // namespace halvex::ui
