#include "ui/online/UserNameDialog.h"

#include "core/BlockDocument.h"
#include "core/Files.h"
#include "core/online/ProgramVersion.h"
#include "core/online/UserName.h"
#include "ui/QtText.h"
#include "ui/online/ChatWindow.h"
#include "ui/online/UserNameValidator.h"

#include <QLabel>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>

namespace halvex::ui {
namespace {

constexpr std::string_view kOnlineBlock = "Halvex Online";
constexpr std::string_view kUsernameKey = "Username";
constexpr std::string_view kUpdateRequired = "An update for Halvex is required to Continue. Your web browser will be "
                                             "opened with a page to download the update";

} // namespace

UserNameDialog::UserNameDialog(Workspace& workspace, Platform& platform, QWidget* parent)
    : ToolWindow(QStringLiteral(" Enter a name for Halvex Online"), QSize(kClientWidth, kClientHeight),
                 HelpButton::None, parent),
      m_workspace(workspace), m_platform(platform) {
    setObjectName(QStringLiteral("enternme"));
    setWindowTitle(QStringLiteral("Enter a name for Halvex Online"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_network = new QNetworkAccessManager(this);

    auto* caption = new QLabel(QStringLiteral("Username:"), this);
    caption->setGeometry(10, 32, 60, 20);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("Text1"));
    m_name->setGeometry(72, 30, 218, 22);
    m_name->setValidator(new UserNameValidator(m_name));
    const std::string stored = GetItem(m_workspace.settings(), kOnlineBlock, kUsernameKey);
    if (!isItemError(stored)) m_name->setText(toQString(stored));

    m_login = new QPushButton(QStringLiteral("Log in to Halvex Online"), this);
    m_login->setObjectName(QStringLiteral("Command1_0"));
    m_login->setGeometry(10, 64, 180, 26);
    connect(m_login, &QPushButton::clicked, this, &UserNameDialog::logIn);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("Command1_1"));
    m_cancel->setGeometry(200, 64, 90, 26);
    connect(m_cancel, &QPushButton::clicked, this, &QWidget::close);
}

UserNameDialog::~UserNameDialog() {
    // A check still running ends with the window and must not report to it.
    for (QNetworkReply* reply : m_network->findChildren<QNetworkReply*>()) reply->disconnect(this);
}

void UserNameDialog::closeClicked() {
    close();
}

void UserNameDialog::logIn() {
    if (m_checking) return;
    if (!online::isAcceptableUserName(fromQString(m_name->text()))) {
        m_platform.showMessage("Invalid Username", MessageIcon::None, MessageButtons::Ok);
        return;
    }
    m_servers = online::readServerAddresses(m_workspace.settings(), m_workspace.folders().data);
    QNetworkRequest request(QUrl(toQString(m_servers.versionFile())));
    request.setTransferTimeout(kVersionTimeoutMs);
    QNetworkReply* reply = m_network->get(request);
    connect(reply, &QNetworkReply::finished, this, [this, reply] { versionArrived(reply); });
    setChecking(true);
}

void UserNameDialog::versionArrived(QNetworkReply* reply) {
    reply->deleteLater();
    setChecking(false);
    if (reply->error() != QNetworkReply::NoError) {
        m_platform.showMessage("Halvex could not check for an update, so Halvex Online was not opened.\n\n" +
                                   m_servers.versionFile() + " could not be read: " + fromQString(reply->errorString()),
                               MessageIcon::Critical, MessageButtons::Ok);
        return;
    }
    const QByteArray version = reply->read(kMaxVersionFile);
    if (!online::isCurrentVersion(std::string_view(version.constData(), static_cast<std::size_t>(version.size())))) {
        m_platform.showMessage(std::string(kUpdateRequired), MessageIcon::Critical, MessageButtons::Ok);
        m_platform.openDocument(m_servers.downloadPage());
        close();
        return;
    }
    openChat(fromQString(m_name->text()));
}

void UserNameDialog::openChat(const std::string& name) {
    auto* chat = new ChatWindow(m_servers, parentWidget());
    chat->setOwnName(name);
    std::string settings = m_workspace.settings();
    m_workspace.setSettings(WriteItem(settings, kOnlineBlock, kUsernameKey, name));
    const files::WriteResult written = m_workspace.saveSettings();
    if (!written.ok) {
        m_platform.showMessage("Your name could not be kept for the next time: " +
                                   files::textFromPath(m_workspace.settingsPath()) + " could not be written. " +
                                   written.error,
                               MessageIcon::Exclamation, MessageButtons::Ok);
    }
    chat->show();
    emit chatOpened(chat);
    close();
}

void UserNameDialog::setChecking(bool checking) {
    m_checking = checking;
    m_login->setEnabled(!checking);
    m_login->setText(checking ? QStringLiteral("Checking the version...") : QStringLiteral("Log in to Halvex Online"));
}

} // namespace halvex::ui
