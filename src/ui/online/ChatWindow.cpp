#include "ui/online/ChatWindow.h"

#include "core/online/ChatInput.h"
#include "core/online/ChatProtocol.h"
#include "core/online/ChatRooms.h"
#include "ui/Artwork.h"
#include "ui/QtText.h"
#include "ui/online/WebView.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTcpSocket>
#include <QTextBlock>
#include <QTextEdit>

#include <algorithm>

namespace halvex::ui {
namespace {

using online::ChatAction;

QColor colourOf(online::ChatColour colour) {
    return {colour.red, colour.green, colour.blue};
}

// The view keeps its own paragraphs; the protocol's CR LF pairs become its line breaks.
QString shownText(std::string_view text) {
    QString shown = toQString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

QListWidget* makeList(QWidget* parent, const QString& name, const QRect& place) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setGeometry(place);
    return list;
}

void makeCaption(QWidget* parent, const QString& text, int left, int top) {
    auto* caption = new QLabel(text, parent);
    caption->move(left, top);
}

} // namespace

ChatWindow::ChatWindow(const online::ServerAddresses& servers, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("mainon"));
    setWindowTitle(QStringLiteral("Halvex Online"));
    setWindowIcon(Artwork::windowIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kClientWidth, kClientHeight);
    buildWidgets();

    m_page->open(QUrl(toQString(servers.chatPage())));
    showHeading();
    addtext("<System> Connecting to the Halvex Server...\r\n", online::kRed, online::kWhite);
    showRooms(0);

    m_socket = new QTcpSocket(this);
    m_socket->setObjectName(QStringLiteral("Winsock1"));
    connect(m_socket, &QTcpSocket::readyRead, this, &ChatWindow::received);
    connect(m_socket, &QTcpSocket::disconnected, this, &ChatWindow::closedByServer);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &ChatWindow::socketFailed);
    m_socket->connectToHost(toQString(servers.chatHost), servers.chatPort);
}

ChatWindow::~ChatWindow() {
    // The socket goes with the window and says so; nobody is left to hear it.
    m_socket->disconnect(this);
    m_rooms->removeEventFilter(this);
}

void ChatWindow::buildWidgets() {
    m_page = new WebView(this);
    m_page->setObjectName(QStringLiteral("WebBrowser1"));
    m_page->setGeometry(8, 8, 604, 90);

    m_chat = new QTextEdit(this);
    m_chat->setObjectName(QStringLiteral("chattext"));
    m_chat->setGeometry(8, 106, 440, 320);
    m_chat->setReadOnly(true);
    m_chat->setUndoRedoEnabled(false);
    m_chat->setAcceptRichText(false);
    m_chat->document()->setMaximumBlockCount(kMaxChatLines);
    QPalette dark = m_chat->palette();
    dark.setColor(QPalette::Base, Qt::black);
    dark.setColor(QPalette::Text, Qt::white);
    m_chat->setPalette(dark);

    makeCaption(this, QStringLiteral("In this room:"), 456, 106);
    m_userList = makeList(this, QStringLiteral("userview"), QRect(456, 124, 156, 160));
    m_userList->setFocusPolicy(Qt::NoFocus);
    makeCaption(this, QStringLiteral("Rooms (double-click to go):"), 456, 292);
    m_rooms = makeList(this, QStringLiteral("roomview"), QRect(456, 310, 156, 116));
    m_rooms->installEventFilter(this);
    connect(m_rooms, &QListWidget::itemDoubleClicked, this,
            [this](const QListWidgetItem* item) { roomChosen(item->text()); });

    m_input = new QLineEdit(this);
    m_input->setObjectName(QStringLiteral("saytext"));
    m_input->setGeometry(8, 436, 604, 26);
    m_input->setPlaceholderText(QStringLiteral("Type and press Enter; /w name message whispers"));
    connect(m_input, &QLineEdit::returnPressed, this, &ChatWindow::enterPressed);
}

void ChatWindow::showHeading() {
    QTextCursor cursor(m_chat->document());
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.setBlockFormat(centred);
    QTextCharFormat white;
    white.setForeground(Qt::white);
    cursor.insertText(QStringLiteral("Tamsor's Halvex Online. Version 1.0"), white);
    QTextBlockFormat left;
    left.setAlignment(Qt::AlignLeft);
    cursor.insertBlock(left);
}

void ChatWindow::addtext(std::string_view text, online::ChatColour prefix, online::ChatColour rest) {
    QTextCursor cursor(m_chat->document());
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat format;
    const std::size_t split = text.find("> ");
    if (split != std::string_view::npos) {
        format.setForeground(colourOf(prefix));
        cursor.insertText(shownText(text.substr(0, split + 1)), format);
        text.remove_prefix(split + 1);
    }
    format.setForeground(colourOf(rest));
    cursor.insertText(shownText(text), format);
    m_chat->verticalScrollBar()->setValue(m_chat->verticalScrollBar()->maximum());
}

void ChatWindow::received() {
    const QByteArray bytes = m_socket->readAll();
    for (const std::string& message : m_splitter.feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
        apply(online::parse(message, m_ownName, m_users));
    }
}

void ChatWindow::enterPressed() {
    const std::string input = fromQString(m_input->text());
    const online::InputOutcome outcome = online::interpretInput(input, {m_ownName, m_users, canSend()});
    apply(outcome.actions);
    if (outcome.clearInput) m_input->clear();
}

void ChatWindow::roomChosen(const QString& entry) {
    const online::RoomChange change = online::changeRoom(fromQString(entry), canSend());
    if (change.moved) showRooms(change.markedRoom);
    apply(change.actions);
    m_input->setFocus();
}

void ChatWindow::apply(const std::vector<ChatAction>& actions) {
    bool usersChanged = false;
    for (const ChatAction& action : actions) {
        switch (action.kind) {
        case ChatAction::Kind::Show:
            addtext(action.text, action.prefixColour, action.textColour);
            break;
        case ChatAction::Kind::Send:
            send(action.text);
            break;
        case ChatAction::Kind::SetConnected:
            m_connected = true;
            break;
        default:
            applyToUsers(action);
            usersChanged = true;
            break;
        }
    }
    if (usersChanged) showUsers();
}

void ChatWindow::applyToUsers(const ChatAction& action) {
    if (action.kind == ChatAction::Kind::ClearUsers) {
        m_users.clear();
    } else if (action.kind == ChatAction::Kind::AddUser) {
        m_users.push_back(action.text);
    } else if (const auto found = std::find(m_users.begin(), m_users.end(), action.text); found != m_users.end()) {
        m_users.erase(found);
    }
}

void ChatWindow::send(const std::string& line) {
    if (m_socket->state() != QAbstractSocket::ConnectedState) return;
    m_socket->write(line.data(), static_cast<qint64>(line.size()));
}

bool ChatWindow::canSend() const {
    return m_connected && m_socket->state() == QAbstractSocket::ConnectedState;
}

void ChatWindow::showRooms(std::optional<std::size_t> marked) {
    m_rooms->clear();
    QPixmap blank(Artwork::roomMarker().size());
    blank.fill(Qt::transparent);
    for (std::size_t i = 0; i < online::kChatRooms.size(); ++i) {
        auto* item = new QListWidgetItem(toQString(online::kChatRooms.at(i).entry), m_rooms);
        // Every room gets a picture, most of them an empty one, so the names line up.
        const bool current = marked == i;
        item->setData(kCurrentRoomRole, current);
        item->setIcon(current ? QIcon(Artwork::roomMarker()) : QIcon(blank));
    }
}

void ChatWindow::showUsers() {
    m_userList->clear();
    for (const std::string& name : m_users) m_userList->addItem(toQString(name));
}

void ChatWindow::closedByServer() {
    if (m_closedHere) return;
    addtext("<System> You have been disconnected from the Halvex Server\r\n", online::kRed, online::kWhite);
}

void ChatWindow::socketFailed(QAbstractSocket::SocketError error) {
    // The server ending the connection is told by closedByServer, not as a failure.
    if (error == QAbstractSocket::RemoteHostClosedError) return;
    m_closedHere = true;
    m_socket->abort();
    addtext("<System> Could Not connect to Halvex Online. Server may be down.\r\n", online::kRed, online::kWhite);
}

void ChatWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) m_input->setFocus();
}

bool ChatWindow::eventFilter(QObject* watched, QEvent* event) {
    // Enter on a room does what a double-click does.
    if (watched == m_rooms && event->type() == QEvent::KeyPress) {
        const auto key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_rooms->currentItem() != nullptr) {
            roomChosen(m_rooms->currentItem()->text());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace halvex::ui
