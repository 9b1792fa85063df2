// The chat window against the real chat server on 127.0.0.1, driven by keyboard and mouse.
#include "ui/online/ChatWindow.h"

#include "fakes/BundledPages.h"
#include "fakes/ChatServerProcess.h"
#include "fakes/Screenshot.h"
#include "fakes/WidgetTexts.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTcpServer>
#include <QTextEdit>
#include <QtTest>

#include <memory>

using halvex::testing::ChatPeer;
using halvex::testing::ChatServerProcess;
using halvex::testing::texts;
using halvex::ui::ChatWindow;

namespace {

constexpr int kTimeoutMs = 10000;
// A line's colours at its first and its last character; silver is Qt's light grey.
using Colours = std::pair<QColor, QColor>;

} // namespace

class ChatWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ChatServerProcess> m_server;
    ChatWindow* m_window = nullptr;

    void open(quint16 port) {
        m_window = new ChatWindow(halvex::testing::bundledPages(port));
        m_window->setOwnName("Kane");
        m_window->show();
    }

    QString shown() const { return m_window->chatView()->toPlainText(); }
    bool hasShown(const QString& line) const { return shown().split(QLatin1Char('\n')).contains(line); }

    // The colours of the last occurrence of `line`.
    Colours coloursOf(const QString& line) const {
        QTextDocument& document = *m_window->chatView()->document();
        const QTextCursor found = document.find(line, document.characterCount(), QTextDocument::FindBackward);
        auto at = [&](int position) {
            QTextCursor cursor(&document);
            cursor.setPosition(position + 1);
            return cursor.charFormat().foreground().color();
        };
        return {at(found.selectionStart()), at(found.selectionEnd() - 1)};
    }

    void type(const QString& text) const {
        QLineEdit& input = *m_window->inputLine();
        input.setFocus();
        QTest::keyClicks(&input, text);
        QTest::keyClick(&input, Qt::Key_Return);
    }

    void doubleClickRoom(int row) const {
        QListWidget& rooms = *m_window->roomList();
        const QPoint centre = rooms.visualItemRect(rooms.item(row)).center();
        QTest::mouseClick(rooms.viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(rooms.viewport(), Qt::LeftButton, {}, centre);
    }

    bool marked(int row) const { return m_window->roomList()->item(row)->data(ChatWindow::kCurrentRoomRole).toBool(); }

private slots:
    void init() {
        m_server = std::make_unique<ChatServerProcess>();
        QVERIFY(m_server->port() != 0);
    }
    void cleanup() {
        delete m_window;
        m_window = nullptr;
        m_server.reset();
    }

    void logsInAndTalksWithTheRoom() {
        open(m_server->port());
        QVERIFY(shown().startsWith(QStringLiteral("Tamsor's Halvex Online. Version 1.0\n"
                                                  "<System> Connecting to the Halvex Server...")));
        QCOMPARE(texts(*m_window->roomList()), (QStringList{"Main Room", "Tech Support", "Editing Questions"}));
        QVERIFY(marked(0) && !marked(1));

        QTRY_VERIFY_WITH_TIMEOUT(m_window->isConnected(), kTimeoutMs);
        QVERIFY(hasShown(QStringLiteral("<System> Logged in to the Halvex Server!")));
        QVERIFY(hasShown(QStringLiteral("<System> Welcome to channel main")));
        QCOMPARE(texts(*m_window->userList()), QStringList{"Kane"});

        ChatPeer slavik;
        QVERIFY(slavik.logIn(m_server->port(), "Slavik"));
        QTRY_COMPARE_WITH_TIMEOUT(texts(*m_window->userList()), (QStringList{"Kane", "Slavik"}), kTimeoutMs);
        QVERIFY(hasShown(QStringLiteral("<System> Slavik has entered the room")));

        slavik.send(".say The Mammoth needs Cost=3000\r\n");
        QTRY_VERIFY_WITH_TIMEOUT(hasShown(QStringLiteral("<Slavik> The Mammoth needs Cost=3000")), kTimeoutMs);
        QCOMPARE(coloursOf(QStringLiteral("<Slavik> The Mammoth needs Cost=3000")), Colours(Qt::green, Qt::white));

        type(QStringLiteral("Agreed, and Speed=4"));
        QVERIFY(slavik.waitFor("Kane says: Agreed, and Speed=4\r\n"));
        QVERIFY(m_window->inputLine()->text().isEmpty());
        QCOMPARE(coloursOf(QStringLiteral("<Kane> Agreed, and Speed=4")), Colours(Qt::cyan, Qt::white));

        type(QStringLiteral("/w Slavik meet me in tech"));
        QVERIFY(slavik.waitFor("Kane tells you: meet me in tech\r\n"));
        QCOMPARE(coloursOf(QStringLiteral("<Whisper> To Slavik: meet me in tech")), Colours(Qt::lightGray, Qt::lightGray));
        type(QStringLiteral("/w Umagon hello"));
        QVERIFY(hasShown(QStringLiteral("<System> User not in the current room")));
        slavik.send(".tell Kane on my way\r\n");
        QTRY_VERIFY_WITH_TIMEOUT(hasShown(QStringLiteral("<Whisper> From Slavik:  on my way")), kTimeoutMs);
        QCOMPARE(coloursOf(QStringLiteral("<Whisper> From Slavik:  on my way")), Colours(Qt::lightGray, Qt::lightGray));

        ChatPeer umagon;
        QVERIFY(umagon.logIn(m_server->port(), "Umagon"));
        QTRY_COMPARE_WITH_TIMEOUT(m_window->users().size(), std::size_t{3}, kTimeoutMs);
        m_window->activateWindow();
        QTest::qWait(300);
        halvex::testing::saveScreenshot(*m_window, QStringLiteral("chat-talking"));
        umagon.leave();
        QTRY_COMPARE_WITH_TIMEOUT(texts(*m_window->userList()), (QStringList{"Kane", "Slavik"}), kTimeoutMs);
        QVERIFY(hasShown(QStringLiteral("<System> Umagon has left the room")));
        QCOMPARE(coloursOf(QStringLiteral("<System> Umagon has left the room")), Colours(Qt::red, Qt::white));
        const QString markup = QStringLiteral("<b>bold</b> {\\b rtf} &amp; <img src=x>");
        slavik.send(".say " + markup.toLatin1() + "\r\n");
        QTRY_VERIFY_WITH_TIMEOUT(hasShown(QStringLiteral("<Slavik> ") + markup), kTimeoutMs);
        QVERIFY2(!m_window->chatView()->toHtml().contains(QStringLiteral("<img")), "received text is never markup");

        // Moving to another room: the server tells the old room and sends the new list.
        doubleClickRoom(1);
        QVERIFY(marked(1) && !marked(0));
        QVERIFY(m_window->inputLine()->hasFocus());
        QVERIFY(slavik.waitFor("LEAVING: Kane leaves"));
        QTRY_VERIFY_WITH_TIMEOUT(hasShown(QStringLiteral("<System> Welcome to channel tech-support")), kTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(texts(*m_window->userList()), QStringList{"Kane"}, kTimeoutMs);
    }

    void serverClosingStopsSending() {
        open(m_server->port());
        QTRY_VERIFY_WITH_TIMEOUT(m_window->isConnected(), kTimeoutMs);
        m_server->stop();
        QTRY_VERIFY_WITH_TIMEOUT(hasShown(QStringLiteral("<System> You have been disconnected from the Halvex Server")),
                                 kTimeoutMs);
        QVERIFY(!shown().contains(QStringLiteral("Could Not connect")));

        type(QStringLiteral("anyone there?"));
        QVERIFY(hasShown(QStringLiteral("<System> Not Connected to the Halvex Online!")));
        QCOMPARE(m_window->inputLine()->text(), QStringLiteral("anyone there?"));
        doubleClickRoom(2);
        QCOMPARE(shown().count(QStringLiteral("Not Connected to the Halvex Online!")), 2);
        QVERIFY(marked(0) && !marked(2));
    }

    void refusedConnectionIsReported() {
        const quint16 port = halvex::testing::unusedLocalPort();
        QVERIFY(port != 0);
        open(port);
        type(QStringLiteral("too early"));
        QVERIFY(hasShown(QStringLiteral("<System> Not Connected to the Halvex Online!")));
        QCOMPARE(m_window->inputLine()->text(), QStringLiteral("too early"));
        QTRY_VERIFY_WITH_TIMEOUT(hasShown(QStringLiteral("<System> Could Not connect to Halvex Online. Server may be down.")),
                                 kTimeoutMs);
        QVERIFY(!shown().contains(QStringLiteral("disconnected")));
        QVERIFY(!m_window->isConnected());
    }
};

QTEST_MAIN(ChatWindowTest)

#include "chat_window_test.moc"
