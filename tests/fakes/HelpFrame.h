#pragma once

#include "ui/online/HelpWindow.h"
#include "ui/online/WebView.h"

#include <QTest>

namespace halvex::testing {

// The address the help window's frame "main" shows now (empty when the page cannot
// tell). Frame navigation reports nothing of its own, so tests poll this.
inline QString helpFrameAddress(const ui::HelpWindow& help) {
    QString answer;
    bool answered = false;
    help.browser()->askFrameAddress(QString::fromLatin1(ui::HelpWindow::kTopicFrame), [&](const QUrl& address) {
        answer = address.toString();
        answered = true;
    });
    if (!QTest::qWaitFor([&] { return answered; }, 5000)) return {};
    return answer;
}

} // namespace halvex::testing
