// The chat server a group runs to host its own rooms: `halvex-chat-server [--host A] [--port N]`.
#include "ChatServer.h"

#include "core/online/ChatProtocol.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHostAddress>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("halvex-chat-server"));

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("The chat server of Halvex Online."));
    options.addHelpOption();
    const QCommandLineOption host(QStringLiteral("host"), QStringLiteral("Address to listen on (default: all)."),
                                  QStringLiteral("address"));
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("Port to listen on; 0 picks a free one (default: 1441)."),
                                  QStringLiteral("number"), QString::number(halvex::online::kChatPort));
    options.addOption(host);
    options.addOption(port);
    options.process(app);

    const QHostAddress address = options.isSet(host) ? QHostAddress(options.value(host)) : QHostAddress::Any;
    bool portIsNumber = false;
    const uint portNumber = options.value(port).toUInt(&portIsNumber);
    if (address.isNull() || !portIsNumber || portNumber > 65535) {
        std::fprintf(stderr, "halvex-chat-server: not an address and port: %s %s\n",
                     qPrintable(options.value(host)), qPrintable(options.value(port)));
        return 2;
    }

    halvex::server::ChatServer server;
    if (!server.listen(address, static_cast<quint16>(portNumber))) {
        std::fprintf(stderr, "halvex-chat-server: cannot listen on port %u: %s\n", portNumber,
                     qPrintable(server.errorString()));
        return 1;
    }
    // Whoever started the server (a test asking for a free port) reads the port here.
    std::printf("Halvex chat server listening on port %u\n", static_cast<unsigned>(server.port()));
    std::fflush(stdout);
    return QCoreApplication::exec();
}
