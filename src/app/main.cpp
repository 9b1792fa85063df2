#include "core/Workspace.h"
#include "ui/MainForm.h"
#include "ui/QtPlatform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Halvex"));

    halvex::Workspace workspace(QCoreApplication::applicationDirPath().toStdU16String());
    halvex::ui::QtPlatform platform;
    halvex::ui::MainForm window(workspace, platform);
    platform.setDialogParent(&window);
    // Cancelling the game folder prompt is the user's way to leave before anything starts.
    if (!window.loadSequence()) return 0;
    window.show();
    return QApplication::exec();
}
