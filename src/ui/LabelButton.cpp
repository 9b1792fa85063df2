#include "ui/LabelButton.h"

#include <QMouseEvent>

namespace halvex::ui {

LabelButton::LabelButton(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
    setPressedLook(false);
}

void LabelButton::setPressedLook(bool pressed) {
    setStyleSheet(pressed ? QStringLiteral("color: white; background: black;")
                          : QStringLiteral("color: white; background: transparent;"));
}

void LabelButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) setPressedLook(true);
    QLabel::mousePressEvent(event);
}

void LabelButton::mouseReleaseEvent(QMouseEvent* event) {
    setPressedLook(false);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace halvex::ui
