// The user-name dialog: what may be typed, the names refused, the version check over
// file: and http:// addresses, and the name kept for the next time.
#include "core/BlockDocument.h"
#include "core/online/ServerAddresses.h"
#include "ui/online/ChatWindow.h"
#include "ui/online/UserNameDialog.h"

#include "fakes/ChatServerProcess.h"
#include "fakes/FakePlatform.h"
#include "fakes/Screenshot.h"
#include "fakes/TempDir.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <memory>

using halvex::MessageIcon;
using halvex::testing::FakePlatform;
using halvex::testing::TempDir;
using halvex::ui::ChatWindow;
using halvex::ui::UserNameDialog;

namespace {

constexpr int kTimeoutMs = 15000;
constexpr std::string_view kUpdateRequired =
    "An update for Halvex is required to Continue. Your web browser will be opened with a page to download the update";

// Answers every request with the same body, as a web server holding the version file would.
class VersionServer : public QObject {
public:
    explicit VersionServer(QByteArray body) : m_body(std::move(body)) {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    if (!socket->readAll().contains("GET /halvex/update.iff ")) return;
                    socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nConnection: close\r\nContent-Length: " +
                                  QByteArray::number(m_body.size()) + "\r\n\r\n" + m_body);
                    socket->disconnectFromHost();
                });
            }
        });
    }
    std::string address() const { return "http://127.0.0.1:" + std::to_string(m_server.serverPort()); }

private:
    QTcpServer m_server;
    QByteArray m_body;
};

} // namespace

class UserNameDialogTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDir> m_program;
    FakePlatform m_platform;
    std::unique_ptr<halvex::Workspace> m_workspace;
    QPointer<UserNameDialog> m_dialog;

    // Settings whose web server is `web`; the chat goes to a port where nobody listens.
    void useWebServer(const std::string& web) {
        m_workspace->setSettings("Settings {\r\nPath: C:\\westwood\\sun;\r\n}\r\n\r\nServers {\r\nWeb: " + web +
                                 ";\r\nChat: 127.0.0.1;\r\nChatPort: " + std::to_string(halvex::testing::unusedLocalPort()) + ";\r\n}");
    }
    // A web folder of the test's own whose version file holds `version`.
    std::string webFolderWith(std::string_view version) const {
        m_program->write("site/halvex/update.iff", version);
        return halvex::online::fileAddress(m_program->path() / "site");
    }

    UserNameDialog& open() {
        m_dialog = new UserNameDialog(*m_workspace, m_platform);
        m_dialog->show();
        return *m_dialog;
    }
    static void overFileAndHttp() {
        QTest::addColumn<bool>("overHttp");
        QTest::newRow("file") << false;
        QTest::newRow("http") << true;
    }
    void logInAs(const QString& name) const {
        m_dialog->nameBox()->setText(name);
        QTest::mouseClick(m_dialog->loginButton(), Qt::LeftButton);
    }

private slots:
    void init() {
        m_program = std::make_unique<TempDir>();
        m_platform = FakePlatform();
        m_workspace = std::make_unique<halvex::Workspace>(m_program->path());
        useWebServer(webFolderWith("1.05\r\n"));
    }
    void cleanup() {
        delete m_dialog.data();
        m_workspace.reset();
    }

    void onlyNameCharactersCanBeTypedOrPastedAndReservedOnesAreRefused() {
        open();
        QCOMPARE(m_dialog->titleLabel()->text(), QStringLiteral(" Enter a name for Halvex Online"));
        QLineEdit& box = *m_dialog->nameBox();
        box.setFocus();
        QTest::keyClicks(&box, QStringLiteral("Kane0 z.Z9_[GDI]"));
        QCOMPARE(box.text(), QStringLiteral("KaneZ9_[GDI]"));
        QTest::keyClick(&box, Qt::Key_Backspace);
        QCOMPARE(box.text(), QStringLiteral("KaneZ9_[GDI"));
        QTest::keyClick(&box, Qt::Key_Return); // Enter does not log in
        QTest::qWait(50);
        QVERIFY(!m_dialog->isChecking() && m_platform.messages.empty());
        QApplication::clipboard()->setText(QStringLiteral("Slavik\r\n.say hi"));
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.text(), QStringLiteral("KaneZ9_[GDI"));
        halvex::testing::saveScreenshot(*m_dialog, QStringLiteral("enternme"));

        for (const auto* name : {"tAMSOR", "SYSTEM", "whisper", ""}) {
            m_platform.messages.clear();
            logInAs(QString::fromLatin1(name));
            QCOMPARE(m_platform.messageTexts(), std::vector<std::string>{"Invalid Username"});
            QCOMPARE(m_platform.messages.front().icon, MessageIcon::None);
            QVERIFY(!m_dialog->isChecking() && m_dialog->isVisible());
        }
        QVERIFY(!std::filesystem::exists(m_program->path() / "settings.iff"));
    }

    // The version file ends in its own line break, over file: and over http://.
    void currentVersionOpensTheChatAndKeepsTheName_data() { overFileAndHttp(); }
    void currentVersionOpensTheChatAndKeepsTheName() {
        QFETCH(bool, overHttp);
        VersionServer web("1.05\n");
        if (overHttp) useWebServer(web.address());
        open();
        QSignalSpy opened(m_dialog.data(), &UserNameDialog::chatOpened);
        logInAs(QStringLiteral("Kane"));
        QTRY_COMPARE_WITH_TIMEOUT(opened.count(), 1, kTimeoutMs);
        const std::unique_ptr<ChatWindow> chat(opened.at(0).at(0).value<ChatWindow*>());
        QCOMPARE(chat->ownName(), std::string("Kane"));
        QVERIFY(chat->isVisible());
        QTRY_VERIFY(m_dialog.isNull()); // closed and gone
        QVERIFY(m_platform.openedDocuments.empty() && m_platform.messages.empty());
        QCOMPARE(halvex::GetItem(m_program->read("settings.iff"), "Halvex Online", "Username"), "Kane");

        // Offered on the next opening, and after a restart that reads settings.iff again.
        QCOMPARE(open().nameBox()->text(), QStringLiteral("Kane"));
        delete m_dialog.data();
        m_workspace = std::make_unique<halvex::Workspace>(m_program->path());
        m_workspace->setSettings(m_program->read("settings.iff"));
        QCOMPARE(open().nameBox()->text(), QStringLiteral("Kane"));
    }

    void otherVersionSendsTheUserToTheDownloadPage() {
        useWebServer(webFolderWith("1.06\r\n"));
        open();
        logInAs(QStringLiteral("Kane"));
        QTRY_VERIFY_WITH_TIMEOUT(m_dialog.isNull(), kTimeoutMs);
        QCOMPARE(m_platform.messageTexts(), std::vector<std::string>{std::string(kUpdateRequired)});
        QCOMPARE(m_platform.messages.front().icon, MessageIcon::Critical);
        QCOMPARE(m_platform.openedDocuments,
                 std::vector<std::string>{halvex::online::fileAddress(m_program->path() / "site") + "/halvex/update.html"});
        QVERIFY(!std::filesystem::exists(m_program->path() / "settings.iff"));
    }

    // A missing file, and a refused connection.
    void unreachableVersionFileOpensNothing_data() { overFileAndHttp(); }
    void unreachableVersionFileOpensNothing() {
        QFETCH(bool, overHttp);
        useWebServer(overHttp ? "http://127.0.0.1:" + std::to_string(halvex::testing::unusedLocalPort())
                              : halvex::online::fileAddress(m_program->path() / "nowhere"));
        open();
        QSignalSpy opened(m_dialog.data(), &UserNameDialog::chatOpened);
        logInAs(QStringLiteral("Kane"));
        QTRY_VERIFY_WITH_TIMEOUT(!m_platform.messages.empty(), kTimeoutMs);
        const std::string& text = m_platform.messages.front().text;
        QVERIFY2(text.starts_with("Halvex could not check for an update") && text.find("/halvex/update.iff") != std::string::npos,
                 text.c_str());
        QCOMPARE(m_platform.messages.front().icon, MessageIcon::Critical);
        QVERIFY(m_platform.openedDocuments.empty());
        QCOMPARE(opened.count(), 0);
        // The window stays for another try.
        QVERIFY(!m_dialog.isNull() && m_dialog->isVisible() && m_dialog->loginButton()->isEnabled());
    }
};

QTEST_MAIN(UserNameDialogTest)

#include "user_name_dialog_test.moc"
