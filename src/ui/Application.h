#pragma once

#include <QApplication>

#include <functional>
#include <string>

namespace halvex::ui {

// The program's application object. An exception that escapes an event handler would
// end the program with the user's unsaved edits; here it is caught, reported, and the
// program goes on with the next event.
class Application : public QApplication {
    Q_OBJECT
public:
    using ErrorReporter = std::function<void(const std::string& what)>;

    Application(int& argc, char** argv);

    void setErrorReporter(ErrorReporter reporter) { m_reporter = std::move(reporter); }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void report(const std::string& what) noexcept;

    ErrorReporter m_reporter;
    bool m_reporting = false;
};

} // namespace halvex::ui
