// The help window over the bundled pages: the index, then a topic in its frame "main".
#include "ui/online/HelpWindow.h"
#include "ui/online/WebView.h"

#include "fakes/BundledPages.h"
#include "fakes/HelpFrame.h"
#include "fakes/Screenshot.h"

#include <QLabel>
#include <QtTest>

#include <memory>

using halvex::ui::HelpWindow;

class HelpWindowTest : public QObject {
    Q_OBJECT

    static constexpr int kPageTimeoutMs = 60000;
    std::unique_ptr<HelpWindow> m_window;
    const halvex::online::ServerAddresses m_servers = halvex::testing::bundledPages();

    QString topicAddress(const char* topic) const {
        return QString::fromStdString(m_servers.helpTopic(topic)) + QStringLiteral(".html");
    }

private slots:
    void init() { m_window = std::make_unique<HelpWindow>(); }
    void cleanup() { m_window.reset(); }

    // Of two topics asked for before the index has arrived, only the last is shown.
    void lastTopicIsLoadedIntoFrameMainOnceTheIndexHasArrived() {
        m_window->showHelp(m_servers, QStringLiteral("navigation"));
        m_window->showHelp(m_servers, QStringLiteral("thistory"));
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_window->titleLabel()->text(), QStringLiteral(" Halvex Help"));
        QCOMPARE(m_window->pendingTopic(), QString::fromStdString(m_servers.helpTopic("thistory")));
        QTRY_COMPARE_WITH_TIMEOUT(halvex::testing::helpFrameAddress(*m_window), topicAddress("thistory"), kPageTimeoutMs);
        QVERIFY(m_window->pendingTopic().isEmpty());
        QCOMPARE(m_window->browser()->address().toString(), QString::fromStdString(m_servers.helpIndex()));
        QTest::qWait(500); // let the frame paint before the picture is taken
        halvex::testing::saveScreenshot(*m_window, QStringLiteral("help-thistory"));
    }

    void withoutATopicTheIndexKeepsItsOwnPage() {
#ifndef HALVEX_WITH_WEBENGINE
        QSKIP("the plain viewer shows no frames");
#endif
        m_window->showHelp(m_servers, QString());
        QVERIFY(m_window->pendingTopic().isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(halvex::testing::helpFrameAddress(*m_window), topicAddress("welcome"), kPageTimeoutMs);
        // A later index load finds nothing pending and leaves the frame alone.
        m_window->showHelp(m_servers, QString());
        QTest::qWait(1000);
        QCOMPARE(halvex::testing::helpFrameAddress(*m_window), topicAddress("welcome"));
    }
};

QTEST_MAIN(HelpWindowTest)

#include "help_window_test.moc"
