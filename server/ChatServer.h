#pragma once

#include "Talker.h"

#include <QByteArray>
#include <QObject>
#include <QTcpServer>

#include <map>

class QTcpSocket;

namespace halvex::server {

// The sockets around the Talker. Every connection's waiting text and every write
// backlog is bounded, so one peer that never ends a line or never reads cannot take
// the server's memory; such a peer is dropped.
class ChatServer : public QObject {
    Q_OBJECT
public:
    static constexpr qsizetype kMaxLine = 1024;
    static constexpr qint64 kMaxBacklog = 64 * 1024;
    static constexpr std::size_t kMaxClients = 100;

    explicit ChatServer(QObject* parent = nullptr);

    bool listen(const QHostAddress& address, quint16 port);
    quint16 port() const { return m_server.serverPort(); }
    QString errorString() const { return m_server.errorString(); }

private:
    struct Connection {
        QTcpSocket* socket = nullptr;
        QByteArray pending;
    };

    void accept();
    void read(Talker::ClientId id);
    void deliver(const Talker::Outcome& outcome);
    void refuse(QTcpSocket* socket, const char* reason);
    void forget(Talker::ClientId id);

    QTcpServer m_server;
    Talker m_talker;
    std::map<Talker::ClientId, Connection> m_connections;
    Talker::ClientId m_nextId = 1;
};

} // namespace halvex::server
