#include "ui/tools/ToolWindow.h"

#include "ui/Artwork.h"
#include "ui/tools/WindowDragger.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QToolButton>

namespace halvex::ui {
namespace {

constexpr int kButtonSize = 16;
constexpr int kButtonGap = 2;

} // namespace

ToolWindow::ToolWindow(const QString& caption, QSize clientSize, HelpButton help, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint) {
    setFixedSize(clientSize);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    QPalette look = palette();
    look.setColor(QPalette::Window, background());
    look.setColor(QPalette::WindowText, Qt::black);
    setPalette(look);
    setAutoFillBackground(true);

    const int buttonTop = (kTitleHeight - kButtonSize) / 2 + 1;
    int buttonLeft = clientSize.width() - kButtonSize - kButtonGap;
    m_close = makePictureButton(QStringLiteral("clse"), Artwork::closeButton(), QStringLiteral("Close this window"));
    m_close->move(buttonLeft, buttonTop);
    connect(m_close, &QToolButton::clicked, this, &ToolWindow::closeClicked);
    if (help == HelpButton::Shown) {
        buttonLeft -= kButtonSize + kButtonGap;
        m_help = makePictureButton(QStringLiteral("help"), Artwork::helpButton(), QStringLiteral("Help"));
        m_help->move(buttonLeft, buttonTop);
    }

    m_title = new QLabel(caption, this);
    m_title->setObjectName(QStringLiteral("titlelbl"));
    QFont bold = font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_title->setGeometry(0, 0, buttonLeft - kButtonGap, kTitleHeight + 2);
    m_title->lower(); // under the buttons, should a caption run long
    m_dragger = new WindowDragger(m_title);
}

QToolButton* ToolWindow::makePictureButton(const QString& name, const QPixmap& picture, const QString& tip) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setIcon(QIcon(picture));
    button->setIconSize(picture.size());
    button->setFixedSize(kButtonSize, kButtonSize);
    button->setToolTip(tip);
    button->setFocusPolicy(Qt::NoFocus);
    // The picture is the whole button; the style's own bevel would frame it twice.
    button->setStyleSheet(QStringLiteral("QToolButton { border: none; padding: 0px; }"));
    return button;
}

void ToolWindow::paintEvent(QPaintEvent* /*event*/) {
    // Without a system frame the window would melt into a desktop of a like colour.
    QPainter painter(this);
    painter.setPen(background().darker(160));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ToolWindow::offerHelpOn(QWidget* area, const QString& topic) {
    m_helpArea = area;
    m_helpTopic = topic;
    area->installEventFilter(this);
    if (m_help == nullptr) return;
    connect(m_help, &QToolButton::clicked, this, [this] {
        setCursor(Artwork::helpCursor());
        m_helpMode = true;
    });
}

bool ToolWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_helpArea && event->type() == QEvent::MouseButtonPress && m_helpMode) {
        m_helpMode = false;
        unsetCursor();
        emit helpRequested(m_helpTopic);
    }
    return QWidget::eventFilter(watched, event);
}

void ToolWindow::closeClicked() {
    hide();
}

} // namespace halvex::ui
