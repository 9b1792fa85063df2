#include "ui/StartupLog.h"

namespace halvex::ui {

Q_LOGGING_CATEGORY(startupLog, "halvex.startup", QtWarningMsg)

} // namespace halvex::ui
