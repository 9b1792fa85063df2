#pragma once

#include "core/Workspace.h"
#include "core/online/ServerAddresses.h"
#include "core/platform/Platform.h"
#include "ui/tools/ToolWindow.h"

#include <string>

class QLineEdit;
class QNetworkAccessManager;
class QNetworkReply;
class QPushButton;

namespace halvex::ui {

class ChatWindow;

// "enternme": asks for the chat name, remembers it in the settings, and lets the user
// into the chat only when the maker's web server names this program's version as the
// current one. The version check runs while the window stays responsive.
class UserNameDialog : public ToolWindow {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 300;
    static constexpr int kClientHeight = 100;
    // More than a version file holds; the rest of a larger answer is not read.
    static constexpr qint64 kMaxVersionFile = 1024;
    static constexpr int kVersionTimeoutMs = 15000;

    UserNameDialog(Workspace& workspace, Platform& platform, QWidget* parent = nullptr);
    ~UserNameDialog() override;

    QLineEdit* nameBox() const { return m_name; }
    QPushButton* loginButton() const { return m_login; }
    QPushButton* cancelButton() const { return m_cancel; }
    bool isChecking() const { return m_checking; }

signals:
    void chatOpened(halvex::ui::ChatWindow* chat);

protected:
    void closeClicked() override;

private:
    void logIn();
    void versionArrived(QNetworkReply* reply);
    void openChat(const std::string& name);
    void setChecking(bool checking);

    Workspace& m_workspace;
    Platform& m_platform;
    online::ServerAddresses m_servers;
    QNetworkAccessManager* m_network = nullptr;
    QLineEdit* m_name = nullptr;
    QPushButton* m_login = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_checking = false;
};

} // namespace halvex::ui
