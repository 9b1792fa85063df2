#include "ui/QtPlatform.h"

#include "ui/GameFolderDialog.h"
#include "ui/QtText.h"
#include "ui/StartupLog.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QColorDialog>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTextDocument>
#include <QUrl>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace halvex::ui {
namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::SaveDiscardCancel: return QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    case MessageButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

MessageAnswer answerOf(int button) {
    switch (button) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    case QMessageBox::Save: return MessageAnswer::Save;
    case QMessageBox::Discard: return MessageAnswer::Discard;
    default: return MessageAnswer::Ok;
    }
}

} // namespace

std::optional<std::filesystem::path>
QtPlatform::browseForFolder(const std::string& prompt, const std::vector<std::filesystem::path>& recentFolders) {
    qCInfo(startupLog) << "asking for the game folder";
    GameFolderDialog dialog(toQString(prompt), recentFolders, m_parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.folder();
}

MessageAnswer QtPlatform::showMessage(const std::string& text, MessageIcon icon, MessageButtons buttons,
                                      const std::string& title) {
    qCInfo(startupLog).noquote() << "message:" << toQString(text);
    QMessageBox box(qtIcon(icon), toQString(title), toQString(text), qtButtons(buttons), m_parent);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return answerOf(box.exec());
}

std::optional<int> QtPlatform::chooseColour(int initial) {
    const QColor colour = QColorDialog::getColor(colourFromNumber(initial), m_parent);
    if (!colour.isValid()) return std::nullopt;
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

bool QtPlatform::openDocument(const std::string& target) {
    const QString text = toQString(target);
    const QUrl url = QFileInfo::exists(text) ? QUrl::fromLocalFile(text) : QUrl::fromUserInput(text);
    return QDesktopServices::openUrl(url);
}

bool QtPlatform::startProgram(const std::filesystem::path& program) {
    QProcess process;
    process.setWorkingDirectory(QString::fromStdU16String(program.parent_path().u16string()));
    const QString path = QString::fromStdU16String(program.u16string());
#ifdef Q_OS_WIN
    process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* args) {
        args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        args->startupInfo->wShowWindow = SW_SHOWMINIMIZED;
    });
    process.setProgram(path);
#else
    // A Windows game runs here only through Wine.
    const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
    if (wine.isEmpty()) return false;
    process.setProgram(wine);
    process.setArguments({path});
#endif
    return process.startDetached();
}

std::string QtPlatform::printText(const std::string& text) {
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull()) return "No printer is available.";
    QPrinter device(printer);
    QTextDocument document;
    document.setPlainText(toQString(text));
    document.print(&device);
    return {};
}

DateTime QtPlatform::now() {
    const QDateTime current = QDateTime::currentDateTime();
    const QDate date = current.date();
    const QTime time = current.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

std::string QtPlatform::activeWindowName() {
    const QWidget* active = QApplication::activeWindow();
    return active ? fromQString(active->objectName()) : std::string();
}

} // namespace halvex::ui
