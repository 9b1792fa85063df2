#pragma once

#include "core/online/ServerAddresses.h"
#include "ui/tools/ToolWindow.h"

namespace halvex::ui {

class WebView;

// "help": the help pages in an embedded browser. A topic is shown in the index page's
// frame "main" once the index has arrived.
class HelpWindow : public ToolWindow {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 471;
    static constexpr int kClientHeight = 411;
    static constexpr const char* kTopicFrame = "main";

    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the window and the help index again; a topic, when given, replaces any
    // topic still waiting for the index.
    void showHelp(const online::ServerAddresses& servers, const QString& topic);

    // The topic's address without ".html", until the index has arrived; empty otherwise.
    const QString& pendingTopic() const { return m_pendingTopic; }
    WebView* browser() const { return m_browser; }

protected:
    void closeClicked() override;

private:
    void indexArrived();

    WebView* m_browser = nullptr;
    QString m_pendingTopic;
};

} // namespace halvex::ui
