#include "ChatServer.h"

#include <QTcpSocket>

namespace halvex::server {

ChatServer::ChatServer(QObject* parent) : QObject(parent) {
    connect(&m_server, &QTcpServer::newConnection, this, &ChatServer::accept);
}

bool ChatServer::listen(const QHostAddress& address, quint16 port) {
    return m_server.listen(address, port);
}

void ChatServer::accept() {
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        if (m_connections.size() >= kMaxClients) {
            refuse(socket, "Server says: The chat is full. Try again later.\r\n");
            continue;
        }
        const Talker::ClientId id = m_nextId++;
        m_connections[id] = Connection{socket, {}};
        connect(socket, &QTcpSocket::readyRead, this, [this, id] { read(id); });
        connect(socket, &QTcpSocket::disconnected, this, [this, id] { forget(id); });
        deliver(m_talker.join(id));
    }
}

void ChatServer::refuse(QTcpSocket* socket, const char* reason) {
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    socket->write(reason);
    socket->disconnectFromHost();
}

void ChatServer::read(Talker::ClientId id) {
    const auto found = m_connections.find(id);
    if (found == m_connections.end()) return;
    Connection& connection = found->second;
    const QByteArray received = connection.socket->readAll();
    // A connection on its way out has had its say.
    if (connection.socket->state() != QAbstractSocket::ConnectedState) return;
    connection.pending += received;
    qsizetype end = 0;
    while ((end = connection.pending.indexOf('\n')) >= 0) {
        QByteArray line = connection.pending.left(end);
        connection.pending.remove(0, end + 1);
        if (line.endsWith('\r')) line.chop(1);
        deliver(m_talker.receive(id, std::string_view(line.constData(), static_cast<std::size_t>(line.size()))));
        // The delivery may have closed this very connection.
        if (!m_connections.contains(id)) return;
    }
    if (connection.pending.size() > kMaxLine) {
        connection.pending.clear();
        connection.socket->write("Server says: That line is too long.\r\n");
        connection.socket->disconnectFromHost();
    }
}

void ChatServer::deliver(const Talker::Outcome& outcome) {
    for (const auto& delivery : outcome.deliveries) {
        const auto found = m_connections.find(delivery.to);
        if (found == m_connections.end()) continue;
        QTcpSocket* socket = found->second.socket;
        socket->write(delivery.text.data(), static_cast<qint64>(delivery.text.size()));
        // A peer that stopped reading is dropped before its backlog fills the memory.
        if (socket->bytesToWrite() > kMaxBacklog) socket->abort();
    }
    for (const Talker::ClientId id : outcome.closing) {
        const auto found = m_connections.find(id);
        if (found != m_connections.end()) found->second.socket->disconnectFromHost();
    }
}

void ChatServer::forget(Talker::ClientId id) {
    const auto found = m_connections.find(id);
    if (found == m_connections.end()) return;
    found->second.socket->deleteLater();
    m_connections.erase(found);
    deliver(m_talker.leave(id));
}

} // namespace halvex::server
