#pragma once

#include <QPainter>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <cstdlib>

namespace halvex::testing {

// Where a screenshot of that name goes: HALVEX_SCREENSHOT_DIR, or nowhere when unset.
inline QString screenshotFile(const QString& name) {
    const char* folder = std::getenv("HALVEX_SCREENSHOT_DIR");
    if (folder == nullptr) return {};
    return QString::fromLocal8Bit(folder) + QStringLiteral("/") + name + QStringLiteral(".png");
}

// Saves what a window shows when HALVEX_SCREENSHOT_DIR names a folder, so a person
// can look at every window the tests drive.
inline void saveScreenshot(QWidget& window, const QString& name) {
    const QString file = screenshotFile(name);
    if (!file.isEmpty()) window.grab().save(file);
}

// The same with a title bar drawn above it, showing the window's title: the offscreen
// platform draws no frames of its own.
inline void saveScreenshotWithTitle(QWidget& window, const QString& name) {
    const QString file = screenshotFile(name);
    if (file.isEmpty()) return;
    constexpr int kBarHeight = 22;
    const QPixmap client = window.grab();
    QPixmap framed(client.width(), client.height() + kBarHeight);
    framed.fill(QColor(0, 0, 128));
    QPainter painter(&framed);
    painter.setPen(Qt::white);
    painter.drawText(QRect(6, 0, client.width() - 12, kBarHeight), Qt::AlignVCenter | Qt::AlignLeft,
                     window.windowTitle());
    painter.drawPixmap(0, kBarHeight, client);
    painter.end();
    framed.save(file);
}

} // namespace halvex::testing
