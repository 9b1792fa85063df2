#include "ui/ProgressBar.h"

#include "ui/Twips.h"

#include <algorithm>

namespace halvex::ui {

ProgressBar::ProgressBar(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("progbar"));
    setGeometry(pixelRect(6720, 3800, 0, 135));
    setAutoFillBackground(true);
    setFillColour(QColor(0, 200, 70));
}

void ProgressBar::setWidthTwips(int widthTwips) {
    m_widthTwips = std::clamp(widthTwips, 0, kFullWidth);
    resize(pixels(m_widthTwips), height());
}

void ProgressBar::setFillColour(const QColor& colour) {
    QPalette look = palette();
    look.setColor(QPalette::Window, colour);
    setPalette(look);
}

} // namespace halvex::ui
