#pragma once

#include <QLoggingCategory>

namespace halvex::ui {

// What the program does on its way up, for a check that starts it without anyone
// watching (an installed package, a desktop session): silent unless asked for with
// QT_LOGGING_RULES="halvex.startup.info=true".
Q_DECLARE_LOGGING_CATEGORY(startupLog)

} // namespace halvex::ui
