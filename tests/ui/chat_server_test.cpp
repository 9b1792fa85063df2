// The chat server's refusals, as a raw client meets them.
#include "fakes/ChatServerProcess.h"

#include <QtTest>

#include <memory>

using halvex::testing::ChatPeer;
using halvex::testing::ChatServerProcess;

class ChatServerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ChatServerProcess> m_server;

private slots:
    void init() {
        m_server = std::make_unique<ChatServerProcess>();
        QVERIFY(m_server->port() != 0);
    }
    void cleanup() { m_server.reset(); }

    void namesInUseOrReservedAreRefused_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("answer");
        QTest::newRow("in use, other case") << QByteArray("kANE") << QByteArray("The name kANE is already in use.");
        QTest::newRow("reserved") << QByteArray("system") << QByteArray("That name cannot be used here.");
        QTest::newRow("blank inside") << QByteArray("Kane Jr") << QByteArray("That name cannot be used here.");
        QTest::newRow("too long") << QByteArray(21, 'N') << QByteArray("That name cannot be used here.");
    }
    void namesInUseOrReservedAreRefused() {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, answer);
        ChatPeer kane;
        QVERIFY(kane.logIn(m_server->port(), "Kane"));
        ChatPeer second;
        QVERIFY(second.answerPrompt(m_server->port(), name));
        QVERIFY(second.waitFor("Server says: " + answer + "\r\n"));
        QVERIFY(!second.receivedSoFar().contains("Welcome"));
        QVERIFY(!kane.receivedSoFar().contains("COMING:"));
    }

    void aLineWithoutEndIsCutOff() {
        ChatPeer kane;
        QVERIFY(kane.logIn(m_server->port(), "Kane"));
        ChatPeer flood;
        QVERIFY(flood.logIn(m_server->port(), "Flood"));
        flood.send(QByteArray(4096, 'x'));
        QVERIFY(flood.waitFor("Server says: That line is too long.\r\n"));
        QVERIFY(kane.waitFor("LEAVING: Flood leaves\r\n"));
        QVERIFY(!kane.receivedSoFar().contains("xxxx"));
    }
};

QTEST_MAIN(ChatServerTest)

#include "chat_server_test.moc"
