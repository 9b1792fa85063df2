#pragma once

#include <QUrl>
#include <QWidget>

#include <functional>
#include <memory>

namespace halvex::ui {

// An embedded browser view. Built with Qt WebEngine it shows any web page; without it
// a simpler viewer shows pages from the disk (the bundled ones) and names any other
// address so the user can open it elsewhere.
class WebView : public QWidget {
    Q_OBJECT
public:
    explicit WebView(QWidget* parent = nullptr);
    ~WebView() override;

    void open(const QUrl& address);
    // Loads the address into the frame of that name on the shown page; nothing when the
    // page has no such frame.
    void openInFrame(const QString& frameName, const QUrl& address);
    // The address last given to open(), while it loads and after.
    QUrl address() const;
    // Answers, later, with the address the named frame shows (empty when the page has no
    // such frame). Frame navigation reports nothing of its own, so this is how to follow it.
    void askFrameAddress(const QString& frameName, std::function<void(const QUrl&)> answer);

signals:
    // A page asked for with open() has arrived, or failed to.
    void downloadFinished();

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
};

} // namespace halvex::ui
