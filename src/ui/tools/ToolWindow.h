#pragma once

#include <QColor>
#include <QSize>
#include <QWidget>

class QLabel;
class QToolButton;

namespace halvex::ui {

class WindowDragger;

// The frame every small tool window shares in place of the system's: the pale ground,
// a bold title label along the top by which the window is dragged, a close button at
// the top right and, for some windows, a help button beside it.
class ToolWindow : public QWidget {
    Q_OBJECT
public:
    enum class HelpButton { None, Shown };

    static constexpr int kTitleHeight = 17;
    static QColor background() { return {204, 204, 153}; }

    QLabel* titleLabel() const { return m_title; }
    QToolButton* closeButton() const { return m_close; }
    QToolButton* helpButton() const { return m_help; } // null without a help button
    WindowDragger& dragger() const { return *m_dragger; }
    bool inHelpMode() const { return m_helpMode; }

signals:
    void helpRequested(const QString& topic);

protected:
    // `caption` should begin with a blank, as every tool window title does.
    ToolWindow(const QString& caption, QSize clientSize, HelpButton help, QWidget* parent = nullptr);

    // The close button hides the window: tool windows keep what they show for the
    // whole run. Windows that must tell someone override this.
    virtual void closeClicked();

    // The help button turns the pointer into the help pointer; the next press on `area`
    // asks for help on `topic` and brings the usual pointer back. The press goes on to
    // the area, so a list still selects the entry under the pointer.
    void offerHelpOn(QWidget* area, const QString& topic);
    bool eventFilter(QObject* watched, QEvent* event) override;

    void paintEvent(QPaintEvent* event) override;

private:
    QToolButton* makePictureButton(const QString& name, const QPixmap& picture, const QString& tip);

    QLabel* m_title = nullptr;
    QToolButton* m_close = nullptr;
    QToolButton* m_help = nullptr;
    WindowDragger* m_dragger = nullptr;
    QWidget* m_helpArea = nullptr;
    QString m_helpTopic;
    bool m_helpMode = false;
};

} // namespace halvex::ui
