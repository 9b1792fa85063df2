#include "core/CommandLine.h"
#include "core/Workspace.h"
#include "ui/Application.h"
#include "ui/MainForm.h"
#include "ui/ProgramFolderLocations.h"
#include "ui/QtPlatform.h"
#include "ui/StartupLog.h"

#include <cstdio>
#include <span>
#include <string>

namespace {

int print(const std::string& text) {
    return std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : 1;
}

QString shown(const std::filesystem::path& folder) {
    return QString::fromStdU16String(folder.u16string());
}

void logFolders(const halvex::ProgramFolders& folders) {
    qCInfo(halvex::ui::startupLog).noquote() << "data folder:" << shown(folders.data);
    qCInfo(halvex::ui::startupLog).noquote() << "settings folder:" << shown(folders.settings);
    qCInfo(halvex::ui::startupLog).noquote() << "pages folder:" << shown(folders.pages);
    qCInfo(halvex::ui::startupLog).noquote() << "user files folder:" << shown(folders.userFiles);
}

} // namespace

int main(int argc, char* argv[]) {
    // Answered before the application object exists: no display is needed to ask.
    switch (halvex::commandLineRequest(std::span<char* const>(argv, static_cast<std::size_t>(argc)))) {
    case halvex::CommandLineRequest::ShowVersion:
        return print(halvex::versionText());
    case halvex::CommandLineRequest::ShowHelp:
        return print(halvex::helpText());
    case halvex::CommandLineRequest::StartEditor:
        break;
    }

    // The embedded web views share the window's graphics context only when asked before start.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    halvex::ui::Application app(argc, argv);
    halvex::ui::Application::setApplicationName(QStringLiteral("Halvex"));

    halvex::ui::Application::setDesktopFileName(QStringLiteral("org.halvex.Halvex"));

    halvex::Workspace workspace(halvex::ui::locateProgramFolders());
    logFolders(workspace.folders());
    halvex::ui::QtPlatform platform;
    app.setErrorReporter([&platform](const std::string& what) {
        platform.showMessage(what, halvex::MessageIcon::Critical, halvex::MessageButtons::Ok, halvex::kApplicationTitle);
    });
    halvex::ui::MainForm window(workspace, platform);
    platform.setDialogParent(&window);
    // Cancelling the game folder prompt is the user's way to leave before anything starts.
    if (!window.loadSequence()) return 0;
    window.show();
    qCInfo(halvex::ui::startupLog).noquote() << "main window shown:" << window.windowTitle();
    return halvex::ui::Application::exec();
}
