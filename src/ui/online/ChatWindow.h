#pragma once

#include "core/online/ChatAction.h"
#include "core/online/ChatLineSplitter.h"
#include "core/online/ServerAddresses.h"

#include <QAbstractSocket>
#include <QWidget>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QLineEdit;
class QListWidget;
class QTcpSocket;
class QTextEdit;

namespace halvex::ui {

class WebView;

// "mainon", the chat client: the conversation, the input line, the people in the room,
// the rooms and the chat page. It connects as soon as it is made; the protocol in the
// core decides what every message and every Enter does, this window carries it out.
class ChatWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 620;
    static constexpr int kClientHeight = 470;
    // A long evening's talk is kept to this many lines.
    static constexpr int kMaxChatLines = 5000;
    // The room list's entry data that is true for the room the user is in.
    static constexpr int kCurrentRoomRole = Qt::UserRole;

    explicit ChatWindow(const online::ServerAddresses& servers, QWidget* parent = nullptr);
    ~ChatWindow() override;

    // The user's chat name; set before the connection delivers anything.
    void setOwnName(std::string name) { m_ownName = std::move(name); }
    const std::string& ownName() const { return m_ownName; }

    // Appends a message; its part up to the first "> " in `prefix`, the rest in `rest`.
    // The text is shown as it stands, never read as markup.
    void addtext(std::string_view text, online::ChatColour prefix, online::ChatColour rest);

    bool isConnected() const { return m_connected; }
    const std::vector<std::string>& users() const { return m_users; }
    QTextEdit* chatView() const { return m_chat; }
    QLineEdit* inputLine() const { return m_input; }
    QListWidget* userList() const { return m_userList; }
    QListWidget* roomList() const { return m_rooms; }
    QTcpSocket* socket() const { return m_socket; }
    WebView* page() const { return m_page; }

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWidgets();
    void showHeading();
    void received();
    void enterPressed();
    void roomChosen(const QString& entry);
    void apply(const std::vector<online::ChatAction>& actions);
    void applyToUsers(const online::ChatAction& action);
    void send(const std::string& line);
    bool canSend() const;
    void showRooms(std::optional<std::size_t> marked);
    void showUsers();
    void closedByServer();
    void socketFailed(QAbstractSocket::SocketError error);

    std::string m_ownName;
    std::vector<std::string> m_users;
    bool m_connected = false;
    bool m_closedHere = false;
    online::ChatLineSplitter m_splitter;
    WebView* m_page = nullptr;
    QTextEdit* m_chat = nullptr;
    QLineEdit* m_input = nullptr;
    QListWidget* m_userList = nullptr;
    QListWidget* m_rooms = nullptr;
    QTcpSocket* m_socket = nullptr;
};

} // namespace halvex::ui
