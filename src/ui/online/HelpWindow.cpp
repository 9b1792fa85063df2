#include "ui/online/HelpWindow.h"

#include "ui/QtText.h"
#include "ui/Twips.h"
#include "ui/online/WebView.h"

namespace halvex::ui {

HelpWindow::HelpWindow(QWidget* parent)
    : ToolWindow(QStringLiteral(" Halvex Help"), QSize(kClientWidth, kClientHeight), HelpButton::None, parent) {
    setObjectName(QStringLiteral("help"));
    setWindowTitle(QStringLiteral("Halvex Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_browser = new WebView(this);
    m_browser->setObjectName(QStringLiteral("WebBrowser1"));
    m_browser->setGeometry(pixelRect(30, 240, 7005, 5895));
    connect(m_browser, &WebView::downloadFinished, this, &HelpWindow::indexArrived);
}

void HelpWindow::showHelp(const online::ServerAddresses& servers, const QString& topic) {
    show();
    raise();
    m_browser->open(QUrl(toQString(servers.helpIndex())));
    if (!topic.isEmpty()) m_pendingTopic = toQString(servers.helpTopic(fromQString(topic)));
}

void HelpWindow::indexArrived() {
    if (m_pendingTopic.isEmpty()) return;
    m_browser->openInFrame(QString::fromLatin1(kTopicFrame), QUrl(m_pendingTopic + QStringLiteral(".html")));
    m_pendingTopic.clear();
}

void HelpWindow::closeClicked() {
    close();
}

} // namespace halvex::ui
