#pragma once

// The real chat server, started for a test on 127.0.0.1 on a free port, and a raw
// client that plays another user in the room.
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace halvex::testing {

// A port on 127.0.0.1 that nobody listens on: one the system handed out and took back.
inline quint16 unusedLocalPort() {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0)) return 0;
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

class ChatServerProcess {
public:
    ChatServerProcess() {
        m_process.start(QStringLiteral(HALVEX_CHAT_SERVER),
                        {QStringLiteral("--host"), QStringLiteral("127.0.0.1"), QStringLiteral("--port"), QStringLiteral("0")});
        const bool started = QTest::qWaitFor([this] {
            m_output += m_process.readAllStandardOutput();
            return m_output.contains('\n') || m_process.state() == QProcess::NotRunning;
        }, 10000);
        const auto match = QRegularExpression(QStringLiteral("port (\\d+)")).match(QString::fromLatin1(m_output));
        if (started && match.hasMatch()) m_port = match.captured(1).toUShort();
    }
    ~ChatServerProcess() { stop(); }
    ChatServerProcess(const ChatServerProcess&) = delete;
    ChatServerProcess& operator=(const ChatServerProcess&) = delete;

    quint16 port() const { return m_port; } // 0 when it did not start
    void stop() {
        if (m_process.state() == QProcess::NotRunning) return;
        m_process.kill();
        m_process.waitForFinished(5000);
    }

private:
    QProcess m_process;
    QByteArray m_output;
    quint16 m_port = 0;
};

class ChatPeer {
public:
    // Connects and answers the name prompt with `name`.
    bool answerPrompt(quint16 port, const QByteArray& name) {
        m_socket.connectToHost(QStringLiteral("127.0.0.1"), port);
        if (!waitFor("Give me a name: ")) return false;
        send(name + "\r\n");
        return true;
    }
    // Answers the prompt and waits until the server has put it in a room.
    bool logIn(quint16 port, const QByteArray& name) { return answerPrompt(port, name) && waitFor("Channel: main"); }
    void send(const QByteArray& line) {
        m_socket.write(line);
        m_socket.flush();
    }
    // Waits until the text has arrived; what arrived up to it is consumed.
    bool waitFor(const QByteArray& text, int timeoutMs = 10000) {
        const bool seen = QTest::qWaitFor([&] {
            m_received += m_socket.readAll();
            return m_received.contains(text);
        }, timeoutMs);
        if (seen) m_received.remove(0, m_received.indexOf(text) + text.size());
        return seen;
    }
    QByteArray receivedSoFar() {
        m_received += m_socket.readAll();
        return m_received;
    }
    void leave() { m_socket.disconnectFromHost(); }

private:
    QTcpSocket m_socket;
    QByteArray m_received;
};

} // namespace halvex::testing
