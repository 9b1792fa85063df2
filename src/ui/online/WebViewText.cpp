// The web view without Qt WebEngine: a text browser for pages on the disk.
#include "ui/online/WebView.h"

#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

namespace halvex::ui {

struct WebView::Parts {
    QTextBrowser* browser = nullptr;
    QUrl requested;
    void show(const QUrl& address) const {
        if (address.isLocalFile()) {
            browser->setSource(address);
        } else {
            browser->setPlainText(QStringLiteral("This copy of Halvex shows only pages on this computer. "
                                                 "Open this address in your web browser:\n\n") +
                                  address.toString());
        }
    }
};

WebView::WebView(QWidget* parent) : QWidget(parent), m_parts(std::make_unique<Parts>()) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_parts->browser = new QTextBrowser(this);
    m_parts->browser->setOpenExternalLinks(false);
    layout->addWidget(m_parts->browser);
}

WebView::~WebView() = default;

void WebView::open(const QUrl& address) {
    m_parts->requested = address;
    m_parts->show(address);
    // As a real browser does, the arrival is told once the caller has finished its step.
    QTimer::singleShot(0, this, &WebView::downloadFinished);
}

// Frames are beyond this viewer: the frame's page takes the whole view.
void WebView::openInFrame(const QString& /*frameName*/, const QUrl& address) {
    m_parts->show(address);
}

QUrl WebView::address() const {
    return m_parts->requested;
}

void WebView::askFrameAddress(const QString& /*frameName*/, std::function<void(const QUrl&)> answer) {
    answer(m_parts->browser->source());
}

} // namespace halvex::ui
