#pragma once

#include <QString>
#include <QWidget>

#include <cstdlib>

namespace halvex::testing {

// Saves what a window shows when HALVEX_SCREENSHOT_DIR names a folder, so a person
// can look at every window the tests drive.
inline void saveScreenshot(QWidget& window, const QString& name) {
    const char* folder = std::getenv("HALVEX_SCREENSHOT_DIR");
    if (folder == nullptr) return;
    window.grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/") + name + QStringLiteral(".png"));
}

} // namespace halvex::testing
