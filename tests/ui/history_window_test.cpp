#include "core/BlockDocument.h"
#include "core/Workspace.h"
#include "ui/Artwork.h"
#include "ui/tools/HistoryWindow.h"

#include "fakes/FakePlatform.h"
#include "fakes/Screenshot.h"
#include "fakes/TempDir.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

#include <filesystem>
#include <memory>

using halvex::testing::FakePlatform;
using halvex::testing::TempDir;
using halvex::ui::HistoryWindow;

namespace {

const std::string kSettings = "Settings {\r\nPath: C:\\westwood\\sun;\r\n}";

QStringList rowTexts(const QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) texts << list.item(i)->text();
    return texts;
}

} // namespace

class HistoryWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDir> m_program;
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<halvex::Workspace> m_workspace;
    std::unique_ptr<HistoryWindow> m_window;

    void makeWindow() {
        m_window = std::make_unique<HistoryWindow>(*m_workspace, *m_platform);
    }

    QLabel& title() const { return *m_window->findChild<QLabel*>(QStringLiteral("titlelbl")); }

    std::string storedSetting(const char* key) const {
        return halvex::GetItem(m_program->read("settings.iff"), "History", key);
    }

private slots:
    void init() {
        m_program = std::make_unique<TempDir>();
        m_platform = std::make_unique<FakePlatform>();
        m_workspace = std::make_unique<halvex::Workspace>(m_program->path());
        m_workspace->setSettings(kSettings);
    }

    void cleanup() {
        m_window.reset();
        m_workspace.reset();
    }

    void looksAsDesigned() {
        m_workspace->changes().record("E1", "Cost", "120");
        m_workspace->changes().record("E1", "Speed", "6");
        m_workspace->changes().record("MMCH", "Strength", "800");
        m_workspace->changes().setTicked(1, false);
        makeWindow();

        QCOMPARE(m_window->objectName(), QStringLiteral("history"));
        QCOMPARE(m_window->size(), QSize(198, 192));
        QCOMPARE(title().text(), QStringLiteral(" History Pallete"));
        QVERIFY(title().font().bold());
        QVERIFY(m_window->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(m_window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(m_window->testAttribute(Qt::WA_ShowWithoutActivating));
        QCOMPARE(m_window->palette().color(QPalette::Window), QColor(204, 204, 153));
        auto* close = m_window->findChild<QToolButton*>(QStringLiteral("clse"));
        auto* help = m_window->findChild<QToolButton*>(QStringLiteral("help"));
        QVERIFY(close && help);
        QCOMPARE(close->toolTip(), QStringLiteral("Close this window"));
        QCOMPARE(help->toolTip(), QStringLiteral("Help"));
        QCOMPARE(close->geometry().right(), m_window->width() - 3);
        QVERIFY(help->geometry().right() < close->x());
        QCOMPARE(m_window->findChild<QPushButton*>(QStringLiteral("Command1_0"))->text(),
                 QStringLiteral("Changes Report"));
        QCOMPARE(m_window->findChild<QPushButton*>(QStringLiteral("Command1_1"))->text(), QStringLiteral("Save!"));
        QCOMPARE(m_window->findChild<QListWidget*>(QStringLiteral("calist")), m_window->changeList());
        for (QWidget* part : m_window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            QVERIFY2(m_window->rect().contains(part->geometry()), qPrintable(part->objectName()));
        }

        m_window->show();
        halvex::testing::saveScreenshot(*m_window, QStringLiteral("history"));
    }

    void showsTheWorkspaceEntriesAndWritesTicksBack() {
        m_workspace->changes().record("E1", "Cost", "120");
        m_workspace->changes().record("GACNST", "Name", "Caf\xE9"); // Windows-1252 e acute
        makeWindow();
        QListWidget& list = *m_window->changeList();
        QCOMPARE(rowTexts(list), (QStringList{"[E1] Cost=120", QStringLiteral("[GACNST] Name=Caf\u00E9")}));
        QCOMPARE(list.item(0)->checkState(), Qt::Checked);
        QCOMPARE(list.item(1)->checkState(), Qt::Checked);

        list.item(1)->setCheckState(Qt::Unchecked);
        QVERIFY(m_workspace->changes().entries()[0].ticked);
        QVERIFY(!m_workspace->changes().entries()[1].ticked);
        list.item(1)->setCheckState(Qt::Checked);
        QVERIFY(m_workspace->changes().entries()[1].ticked);

        // A later edit of a listed key rewrites its row; a new key adds one. The
        // user's untick survives the re-read.
        list.item(0)->setCheckState(Qt::Unchecked);
        list.setCurrentRow(1);
        m_workspace->changes().record("E1", "Cost", "150");
        m_workspace->changes().record("E1", "Speed", "6");
        m_window->refresh();
        QCOMPARE(rowTexts(list),
                 (QStringList{"[E1] Cost=150", QStringLiteral("[GACNST] Name=Caf\u00E9"), "[E1] Speed=6"}));
        QCOMPARE(list.item(0)->checkState(), Qt::Unchecked);
        QCOMPARE(list.item(2)->checkState(), Qt::Checked);
        QCOMPARE(list.currentRow(), 1);

        m_workspace->changes().clear();
        m_window->refresh();
        QCOMPARE(list.count(), 0);
    }

    void draggingTheTitleMovesTheWindowAndStoresItsPlace() {
        makeWindow();
        m_window->move(300, 200);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QCOMPARE(m_window->pos(), QPoint(300, 200));

        // Passing over the title without a button held moves nothing.
        QTest::mouseMove(&title(), QPoint(60, 9));
        QCOMPARE(m_window->pos(), QPoint(300, 200));

        QTest::mousePress(&title(), Qt::LeftButton, {}, QPoint(40, 8));
        QTest::mouseMove(&title(), QPoint(70, 18));
        QCOMPARE(m_window->pos(), QPoint(330, 210));
        QTest::mouseMove(&title(), QPoint(30, 3)); // in label coordinates after the first move
        QCOMPARE(m_window->pos(), QPoint(320, 205));
        QVERIFY(!std::filesystem::exists(m_program->path() / "settings.iff"));

        QTest::mouseRelease(&title(), Qt::LeftButton, {}, QPoint(30, 3));
        QCOMPARE(storedSetting("X"), std::string("4800"));
        QCOMPARE(storedSetting("Y"), std::string("3075"));
        QCOMPARE(halvex::GetItem(m_program->read("settings.iff"), "Settings", "Path"),
                 std::string("C:\\westwood\\sun"));
        QCOMPARE(halvex::GetItem(m_workspace->settings(), "History", "X"), std::string("4800"));
        QVERIFY(m_platform->messages.empty());

        // A plain click stores the place unchanged.
        m_program->write("settings.iff", "");
        QTest::mouseClick(&title(), Qt::LeftButton, {}, QPoint(10, 8));
        QCOMPARE(m_window->pos(), QPoint(320, 205));
        QCOMPARE(storedSetting("X"), std::string("4800"));
        QCOMPARE(storedSetting("Y"), std::string("3075"));

        // A maximised window stays where it is.
        m_window->setWindowState(Qt::WindowMaximized);
        const QPoint maximised = m_window->pos();
        QTest::mousePress(&title(), Qt::LeftButton, {}, QPoint(40, 8));
        QTest::mouseMove(&title(), QPoint(90, 30));
        QCOMPARE(m_window->pos(), maximised);
        QTest::mouseRelease(&title(), Qt::LeftButton, {}, QPoint(90, 30));
    }

    void reportsASettingsFileThatCannotBeWritten() {
        // A folder where the file should be: the file cannot be replaced.
        std::filesystem::create_directory(m_program->path() / "settings.iff");
        makeWindow();
        m_window->show();
        QTest::mouseClick(&title(), Qt::LeftButton, {}, QPoint(10, 8));
        QCOMPARE(m_platform->messages.size(), std::size_t{1});
        const std::string& text = m_platform->messages[0].text;
        QVERIFY2(text.find("settings.iff: ") != std::string::npos, text.c_str());
        QVERIFY(text.size() > text.find("settings.iff: ") + 14); // and why
        QCOMPARE(halvex::GetItem(m_workspace->settings(), "History", "X"), std::to_string(m_window->x() * 15));
    }

    void restoresTheStoredPlaceCoordinateByCoordinate() {
        makeWindow();
        m_window->move(50, 60);

        m_window->restorePosition(); // no History block
        QCOMPARE(m_window->pos(), QPoint(50, 60));

        m_workspace->setSettings(kSettings + "\r\n\r\nHistory {\r\nX: 4500;\r\nY: 1500;\r\n}");
        m_window->restorePosition();
        QCOMPARE(m_window->pos(), QPoint(300, 100));

        m_workspace->setSettings(kSettings + "\r\n\r\nHistory {\r\nX: 1500;\r\nY: left;\r\n}");
        m_window->restorePosition();
        QCOMPARE(m_window->pos(), QPoint(100, 100));

        m_workspace->setSettings(kSettings + "\r\n\r\nHistory {\r\nY: 3000;\r\n}");
        m_window->restorePosition();
        QCOMPARE(m_window->pos(), QPoint(100, 200));
    }

    void helpModeAnswersTheNextClickOnTheChangeList() {
        m_workspace->changes().record("E1", "Cost", "120");
        m_workspace->changes().record("E1", "Speed", "6");
        makeWindow();
        m_window->show();
        QSignalSpy help(m_window.get(), &HistoryWindow::helpRequested);
        QListWidget& list = *m_window->changeList();

        QTest::mouseClick(m_window->helpButton(), Qt::LeftButton);
        QVERIFY(m_window->inHelpMode());
        QCOMPARE(m_window->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(m_window->cursor().hotSpot(), halvex::ui::Artwork::helpCursor().hotSpot());
        halvex::testing::saveScreenshot(*m_window, QStringLiteral("history-help"));

        // Clicks elsewhere leave the help pointer on.
        QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, QPoint(100, 160));
        QVERIFY(m_window->inHelpMode());
        QCOMPARE(help.count(), 0);

        const QPoint second = list.visualItemRect(list.item(1)).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second);
        QCOMPARE(help.count(), 1);
        QCOMPARE(help.at(0).at(0).toString(), QStringLiteral("thistory"));
        QVERIFY(!m_window->inHelpMode());
        QCOMPARE(m_window->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(list.currentRow(), 1);

        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(0)).center());
        QCOMPARE(help.count(), 1);
        QCOMPARE(list.currentRow(), 0);
    }

    void buttonsAskTheMainWindow() {
        makeWindow();
        m_window->show();
        QSignalSpy save(m_window.get(), &HistoryWindow::saveRequested);
        QSignalSpy report(m_window.get(), &HistoryWindow::changesReportRequested);
        QTest::mouseClick(m_window->saveButton(), Qt::LeftButton);
        QCOMPARE(save.count(), 1);
        QCOMPARE(report.count(), 0);
        QTest::mouseClick(m_window->reportButton(), Qt::LeftButton);
        QCOMPARE(report.count(), 1);
        QCOMPARE(save.count(), 1);
    }

    void closingKeepsTheEntriesForTheNextShowing() {
        m_workspace->changes().record("E1", "Cost", "120");
        m_workspace->changes().record("E1", "Speed", "6");
        makeWindow();
        m_window->show();
        QSignalSpy closed(m_window.get(), &HistoryWindow::closedByUser);

        QTest::mouseClick(m_window->closeButton(), Qt::LeftButton);
        QCOMPARE(closed.count(), 1);
        QVERIFY(m_window->isHidden());
        QCOMPARE(m_workspace->changes().size(), std::size_t{2});

        m_workspace->changes().record("MMCH", "Strength", "800");
        m_window->show();
        QCOMPARE(rowTexts(*m_window->changeList()),
                 (QStringList{"[E1] Cost=120", "[E1] Speed=6", "[MMCH] Strength=800"}));

        // A palette made afresh shows the same entries.
        makeWindow();
        QCOMPARE(m_window->changeList()->count(), 3);
    }
};

QTEST_MAIN(HistoryWindowTest)
#include "history_window_test.moc"
