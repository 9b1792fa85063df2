#include "ui/Application.h"

#include <exception>

namespace halvex::ui {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        report(error.what());
    } catch (...) {
        report("an unknown error");
    }
    return false;
}

void Application::report(const std::string& what) noexcept {
    // The report's own dialog runs an event loop; a second failure inside it is dropped
    // rather than stacking dialogs.
    if (m_reporting || !m_reporter) return;
    m_reporting = true;
    try {
        m_reporter("Halvex met an unexpected error and stopped that action: " + what +
                   ". Your unsaved changes are kept.");
    } catch (...) {
    }
    m_reporting = false;
}

} // namespace halvex::ui
