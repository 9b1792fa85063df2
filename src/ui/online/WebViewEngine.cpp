// The web view built on Qt WebEngine.
#include "ui/online/WebView.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QVBoxLayout>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace halvex::ui {
namespace {

// A text as a JavaScript string literal, so that an address can never end the script.
QString scriptString(const QString& text) {
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

QString frameScript(const QString& frameName, const QString& body) {
    return QStringLiteral("(function(){var f=document.getElementsByName(%1)[0];"
                          "if(!f||(f.tagName!=='FRAME'&&f.tagName!=='IFRAME'))return '';%2})()")
        .arg(scriptString(frameName), body);
}

} // namespace

struct WebView::Parts {
    QWebEngineView* view = nullptr;
    QUrl requested;
};

WebView::WebView(QWidget* parent) : QWidget(parent), m_parts(std::make_unique<Parts>()) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_parts->view = new QWebEngineView(this);
    layout->addWidget(m_parts->view);
    connect(m_parts->view->page(), &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& info) {
        // A load stopped by a newer one has not finished; only the page last asked for counts.
        const bool done = info.status() == QWebEngineLoadingInfo::LoadSucceededStatus ||
                          info.status() == QWebEngineLoadingInfo::LoadFailedStatus;
        if (done && info.url().matches(m_parts->requested, QUrl::StripTrailingSlash)) emit downloadFinished();
    });
}

WebView::~WebView() = default;

void WebView::open(const QUrl& address) {
    m_parts->requested = address;
    m_parts->view->load(address);
}

void WebView::openInFrame(const QString& frameName, const QUrl& address) {
    m_parts->view->page()->runJavaScript(
        frameScript(frameName, QStringLiteral("f.src=%1;return 'ok';").arg(scriptString(address.toString()))));
}

QUrl WebView::address() const {
    return m_parts->requested;
}

void WebView::askFrameAddress(const QString& frameName, std::function<void(const QUrl&)> answer) {
    m_parts->view->page()->runJavaScript(
        frameScript(frameName, QStringLiteral("try{return f.contentWindow.location.href;}catch(e){return '';}")),
        [answer = std::move(answer)](const QVariant& result) { answer(QUrl(result.toString())); });
}

} // namespace halvex::ui
