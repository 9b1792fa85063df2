#include "ui/tools/WindowDragger.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

namespace halvex::ui {

WindowDragger::WindowDragger(QWidget* handle) : QObject(handle), m_handle(handle) {
    handle->installEventFilter(this);
}

bool WindowDragger::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_handle) return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_origin = static_cast<QMouseEvent*>(event)->position().toPoint();
        m_pressed = true;
        break;
    case QEvent::MouseMove: {
        const auto* move = static_cast<QMouseEvent*>(event);
        QWidget* window = m_handle->window();
        const bool normal =
            (window->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) == 0;
        if (m_pressed && move->buttons() != Qt::NoButton && normal) {
            window->move(window->pos() + (move->position().toPoint() - m_origin));
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        if (m_pressed && static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton) {
            m_pressed = false;
            emit released();
        }
        break;
    default:
        break;
    }
    return false;
}

} // namespace halvex::ui
