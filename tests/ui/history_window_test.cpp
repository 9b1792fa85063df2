#include "core/BlockDocument.h"
#include "ui/Artwork.h"
#include "ui/tools/HistoryWindow.h"

#include "fakes/FakePlatform.h"
#include "fakes/Screenshot.h"
#include "fakes/TempDir.h"
#include "fakes/WidgetTexts.h"

#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

#include <filesystem>
#include <memory>

using halvex::testing::FakePlatform;
using halvex::testing::TempDir;
using halvex::testing::texts;
using halvex::ui::HistoryWindow;

namespace {

const std::string kSettings = "Settings {\r\nPath: C:\\westwood\\sun;\r\n}";
const QString kCafe = QStringLiteral("[GACNST] Name=Caf\u00E9"); // recorded in Windows-1252

} // namespace

class HistoryWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDir> m_program;
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<halvex::Workspace> m_workspace;
    std::unique_ptr<HistoryWindow> m_window;

    QLabel& title() const { return *m_window->findChild<QLabel*>(QStringLiteral("titlelbl")); }
    std::string storedPlace() const {
        const std::string file = m_program->read("settings.iff");
        return halvex::GetItem(file, "History", "X") + "," + halvex::GetItem(file, "History", "Y");
    }

private slots:
    void init() {
        m_program = std::make_unique<TempDir>();
        m_platform = std::make_unique<FakePlatform>();
        m_workspace = std::make_unique<halvex::Workspace>(m_program->path());
        m_workspace->setSettings(kSettings);
        m_workspace->changes().record("E1", "Cost", "120");
        m_workspace->changes().record("GACNST", "Name", "Caf\xE9");
        m_window = std::make_unique<HistoryWindow>(*m_workspace, *m_platform);
    }

    void cleanup() { m_window.reset(); m_workspace.reset(); }

    void showsTheEntriesAndWritesTicksBack() {
        QCOMPARE(title().text(), QStringLiteral(" History Pallete"));
        QListWidget& list = *m_window->changeList();
        QCOMPARE(texts(list), (QStringList{"[E1] Cost=120", kCafe}));
        QCOMPARE(list.item(1)->checkState(), Qt::Checked);
        m_window->show();
        halvex::testing::saveScreenshot(*m_window, QStringLiteral("history"));

        list.item(1)->setCheckState(Qt::Unchecked);
        QVERIFY(m_workspace->changes().entries()[0].ticked && !m_workspace->changes().entries()[1].ticked);

        // Closing only hides the palette; shown again, it lists what was recorded meanwhile.
        QTest::mouseClick(m_window->closeButton(), Qt::LeftButton);
        QVERIFY(m_window->isHidden());
        m_workspace->changes().record("MMCH", "Strength", "800");
        m_window->show();
        QCOMPARE(list.count(), 3);
    }

    void aChangeRedrawsOnlyItsRowUnlessThePaletteFellBehind() {
        QListWidget& list = *m_window->changeList();
        // A mark the palette never sets: a row read anew loses it.
        const auto marked = [&](int row) { return list.item(row)->data(Qt::UserRole).toBool(); };
        for (int row = 0; row < list.count(); ++row) list.item(row)->setData(Qt::UserRole, true);
        list.setCurrentRow(1);

        m_workspace->changes().record("e1", "cost", "125");
        m_window->refresh();
        m_workspace->changes().record("E2", "Speed", "4");
        m_window->refresh();
        m_workspace->changes().setTicked(2, false);
        m_window->refresh();
        QCOMPARE(texts(list), (QStringList{"[e1] cost=125", kCafe, "[E2] Speed=4"}));
        QCOMPARE(list.item(2)->checkState(), Qt::Unchecked);
        QVERIFY(marked(0) && marked(1));
        QCOMPARE(list.currentRow(), 1);

        // A value grown long in a row above the last can still be scrolled to its end.
        m_window->show();
        m_workspace->changes().record("E1", "Cost", QByteArray(60, '9').toStdString());
        m_window->refresh();
        QCoreApplication::processEvents();
        const int textWidth = list.fontMetrics().horizontalAdvance(list.item(0)->text());
        QVERIFY2(list.horizontalScrollBar()->maximum() + list.viewport()->width() > textWidth,
                 qPrintable(QString::number(list.horizontalScrollBar()->maximum())));
        QVERIFY(marked(0));
        halvex::testing::saveScreenshot(*m_window, QStringLiteral("history-long-entry"));

        // Two changes since the palette last looked: it reads every row, and misses none.
        m_workspace->changes().record("E1", "Cost", "130");
        m_workspace->changes().record("E3", "Sight", "5");
        m_window->refresh();
        QCOMPARE(texts(list), (QStringList{"[E1] Cost=130", kCafe, "[E2] Speed=4", "[E3] Sight=5"}));
        QVERIFY(!marked(1));
        QCOMPARE(list.item(2)->checkState(), Qt::Unchecked); // a full re-read keeps the untick

        m_workspace->changes().clear();
        m_window->refresh();
        QCOMPARE(list.count(), 0);
        m_workspace->changes().record("E1", "Cost", "140");
        m_window->refresh();
        QCOMPARE(texts(list), QStringList{"[E1] Cost=140"});
        QCOMPARE(list.item(0)->checkState(), Qt::Checked);
    }

    void draggingTheTitleMovesTheWindowAndStoresItsPlace() {
        m_window->move(300, 200);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QTest::mouseMove(&title(), QPoint(60, 9)); // no button held: nothing moves
        QCOMPARE(m_window->pos(), QPoint(300, 200));

        QTest::mousePress(&title(), Qt::LeftButton, {}, QPoint(40, 8));
        QTest::mouseMove(&title(), QPoint(70, 18));
        QCOMPARE(m_window->pos(), QPoint(330, 210));
        QTest::mouseMove(&title(), QPoint(30, 3)); // in label coordinates after the first move
        QCOMPARE(m_window->pos(), QPoint(320, 205));
        QVERIFY(!std::filesystem::exists(m_program->path() / "settings.iff"));
        QTest::mouseRelease(&title(), Qt::LeftButton, {}, QPoint(30, 3));
        QCOMPARE(storedPlace(), std::string("4800,3075"));
        QCOMPARE(halvex::GetItem(m_program->read("settings.iff"), "Settings", "Path"),
                 std::string("C:\\westwood\\sun"));

        m_program->write("settings.iff", ""); // a plain click stores the place too
        QTest::mouseClick(&title(), Qt::LeftButton, {}, QPoint(10, 8));
        QCOMPARE(m_window->pos(), QPoint(320, 205));
        QCOMPARE(storedPlace(), std::string("4800,3075"));

        // Restoring reads each coordinate alone and keeps the current one for "Error" or no number.
        const std::pair<const char*, QPoint> rows[] = {{"", {320, 205}}, {"X: 4500;\r\nY: 1500;", {300, 100}},
                                                       {"X: 1500;\r\nY: left;", {100, 100}}, {"Y: 3000;", {100, 200}}};
        for (const auto& [items, place] : rows) {
            m_workspace->setSettings(kSettings + "\r\n\r\nHistory {\r\n" + items + "\r\n}");
            m_window->restorePosition();
            QCOMPARE(m_window->pos(), place);
        }
        m_workspace->setSettings(kSettings + "\r\n\r\nHistory {\r\nX: 900000;\r\nY: -90000;\r\n}");
        m_window->restorePosition(); // stored on a wider desk: kept on this screen
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(m_window->frameGeometry().topRight(), QPoint(screen.right(), screen.top()));

        std::filesystem::remove(m_program->path() / "settings.iff"); // a folder in its place: cannot write
        std::filesystem::create_directory(m_program->path() / "settings.iff");
        QTest::mouseClick(&title(), Qt::LeftButton, {}, QPoint(10, 8));
        QCOMPARE(m_platform->messages.size(), std::size_t{1});
        const std::string& text = m_platform->messages[0].text;
        QVERIFY2(text.find("settings.iff: ") < text.size() - 14, text.c_str()); // the file, then why

        m_window->setWindowState(Qt::WindowMaximized); // a maximised window stays put
        const QPoint maximised = m_window->pos();
        QTest::mousePress(&title(), Qt::LeftButton, {}, QPoint(40, 8));
        QTest::mouseMove(&title(), QPoint(90, 30));
        QCOMPARE(m_window->pos(), maximised);
    }

    void helpModeAnswersTheNextClickOnTheChangeList() {
        m_window->show();
        QSignalSpy help(m_window.get(), &HistoryWindow::helpRequested);
        QListWidget& list = *m_window->changeList();
        QTest::mouseClick(m_window->helpButton(), Qt::LeftButton);
        QCOMPARE(m_window->cursor().hotSpot(), halvex::ui::Artwork::helpCursor().hotSpot());
        halvex::testing::saveScreenshot(*m_window, QStringLiteral("history-help"));

        QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, QPoint(100, 160)); // elsewhere: still on
        QVERIFY(m_window->inHelpMode());
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(1)).center());
        QCOMPARE(help.count(), 1);
        QCOMPARE(help.at(0).at(0).toString(), QStringLiteral("thistory"));
        QCOMPARE(m_window->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(list.currentRow(), 1);
        QVERIFY(!m_window->inHelpMode());
    }
};

QTEST_MAIN(HistoryWindowTest)
#include "history_window_test.moc"
