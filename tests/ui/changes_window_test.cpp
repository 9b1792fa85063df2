#include "core/ChangesReport.h"
#include "core/Files.h"
#include "core/Workspace.h"
#include "ui/tools/ChangesWindow.h"

#include "fakes/FakePlatform.h"
#include "fakes/Screenshot.h"
#include "fakes/TempDir.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <filesystem>
#include <memory>

using halvex::testing::FakePlatform;
using halvex::testing::TempDir;
using halvex::ui::ChangesWindow;

namespace {

QStringList rowTexts(const QTreeWidget& view) {
    QStringList texts;
    for (int i = 0; i < view.topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = view.topLevelItem(i);
        texts << row->text(0) + QStringLiteral("|") + row->text(1) + QStringLiteral("|") + row->text(2);
    }
    return texts;
}

} // namespace

class ChangesWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDir> m_program;
    std::unique_ptr<TempDir> m_game;
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<halvex::Workspace> m_workspace;
    std::unique_ptr<ChangesWindow> m_window;

    void makeWorkspace(const std::filesystem::path& programDirectory) {
        m_workspace = std::make_unique<halvex::Workspace>(programDirectory);
        m_workspace->setGameDirectory(halvex::files::textFromPath(m_game->path()));
        m_workspace->rules().replace(m_game->read("rules.ini"));
    }

    // Records the edits and saves them, as the "Save!" entry does.
    void save(std::initializer_list<std::array<const char*, 3>> edits) {
        for (const auto& [section, key, value] : edits) m_workspace->changes().record(section, key, value);
        QVERIFY(m_workspace->saveChanges().written);
    }

    void makeWindow() { m_window = std::make_unique<ChangesWindow>(*m_workspace, *m_platform); }

private slots:
    void init() {
        m_program = std::make_unique<TempDir>();
        m_game = std::make_unique<TempDir>();
        m_platform = std::make_unique<FakePlatform>();
        m_platform->clock = {2026, 12, 5, 23, 59, 0};
        m_game->write("rules.ini", "[E1]\r\nCost=120\r\nSpeed=4 ;slow\r\n\r\n[MMCH]\r\nStrength=500\r\n");
        makeWorkspace(m_program->path());
    }

    void cleanup() {
        m_window.reset();
        m_workspace.reset();
    }

    void looksAsDesigned() {
        save({{{"E1", "Cost", "150"}}, {{"E1", "Speed", "6"}}, {{"MMCH", "Armor", "heavy"}}});
        makeWindow();
        QCOMPARE(m_window->objectName(), QStringLiteral("changes"));
        QCOMPARE(m_window->findChild<QLabel*>(QStringLiteral("titlelbl"))->text(), QStringLiteral(" Changes Report"));
        QVERIFY(m_window->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(m_window->palette().color(QPalette::Window), QColor(204, 204, 153));
        QCOMPARE(m_window->findChild<QToolButton*>(QStringLiteral("clse"))->toolTip(),
                 QStringLiteral("Close this window"));
        QCOMPARE(m_window->findChild<QToolButton*>(QStringLiteral("help"))->toolTip(), QStringLiteral("Help"));
        QCOMPARE(m_window->findChild<QPushButton*>(QStringLiteral("Command1_0"))->text(), QStringLiteral("Export"));
        QCOMPARE(m_window->findChild<QPushButton*>(QStringLiteral("Command1_2"))->text(), QStringLiteral("Print"));
        QTreeWidget& view = *m_window->findChild<QTreeWidget*>(QStringLiteral("itemview"));
        QCOMPARE(view.headerItem()->text(0), QStringLiteral("Item Changed"));
        QCOMPARE(view.headerItem()->text(1), QStringLiteral("From"));
        QCOMPARE(view.headerItem()->text(2), QStringLiteral("To"));
        QCOMPARE(rowTexts(view), (QStringList{"[E1] Cost|120|150", "[E1] Speed|4 ;slow|6", "[MMCH] Armor||heavy"}));
        for (QWidget* part : m_window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            QVERIFY2(m_window->rect().contains(part->geometry()), qPrintable(part->objectName()));
        }

        m_window->show();
        halvex::testing::saveScreenshot(*m_window, QStringLiteral("changes"));

        // The help button is shown but has nothing to do.
        QTest::mouseClick(m_window->findChild<QToolButton*>(QStringLiteral("help")), Qt::LeftButton);
        QVERIFY(m_window->isVisible());
        QVERIFY(m_platform->messages.empty());
        QVERIFY(m_platform->openedDocuments.empty());
    }

    void draggingMovesTheWindowButStoresNothing() {
        makeWindow();
        m_window->move(100, 100);
        m_window->show();
        auto* title = m_window->findChild<QLabel*>(QStringLiteral("titlelbl"));
        QTest::mousePress(title, Qt::LeftButton, {}, QPoint(20, 8));
        QTest::mouseMove(title, QPoint(45, 28));
        QTest::mouseRelease(title, Qt::LeftButton, {}, QPoint(45, 28));
        QCOMPARE(m_window->pos(), QPoint(125, 120));
        QVERIFY(!std::filesystem::exists(m_program->path() / "settings.iff"));
        QVERIFY(m_workspace->settings().empty());
    }

    void rowsOfLaterSavesJoinTheEarlierOnesAndSurviveClosing() {
        save({{{"E1", "Speed", "6"}}});
        makeWindow();
        m_window->show();
        QCOMPARE(m_window->reportList()->topLevelItemCount(), 1);

        QTest::mouseClick(m_window->closeButton(), Qt::LeftButton);
        QVERIFY(m_window->isHidden());
        QCOMPARE(m_window->reportList()->topLevelItemCount(), 1);

        save({{{"E1", "Speed", "8"}}, {{"GAPOWR", "Power", "100"}}});
        m_window->show(); // showing reads the rows saved meanwhile
        QCOMPARE(rowTexts(*m_window->reportList()), (QStringList{"[E1] Speed|4 ;slow|6", "[E1] Speed|6|8",
                                                                  "[GAPOWR] Power||100"}));
        save({{{"E1", "Cost", "99"}}});
        m_window->refresh();
        QCOMPARE(m_window->reportList()->topLevelItemCount(), 4);
        QCOMPARE(m_window->reportList()->topLevelItem(3)->text(0), QStringLiteral("[E1] Cost"));
    }

    void exportWritesTheDayFileAndSaysWhere() {
        save({{{"E1", "Speed", "6"}}});
        makeWindow();
        m_window->show();
        m_program->write("12-05-2026.txt", "an older export of the day\r\n");

        QTest::mouseClick(m_window->exportButton(), Qt::LeftButton);
        const std::string expected = "Changes Report Generated by Halvex\r\n--------------------------------\r\n\r\n"
                                     "[E1] Speed changed from 4 ;slow to 6\r\n\r\n";
        QCOMPARE(m_program->read("12-05-2026.txt"), expected);
        QCOMPARE(m_platform->messages.size(), std::size_t{1});
        const auto& told = m_platform->messages[0];
        QCOMPARE(told.text, "Report saved as 12-05-2026.txt in the " +
                                halvex::files::textFromPath(m_program->path()) + " directory");
        QCOMPARE(told.icon, halvex::MessageIcon::None);
        QCOMPARE(told.buttons, halvex::MessageButtons::Ok);

        // After midnight the next export gets the new day's name.
        m_platform->clock = {2027, 1, 1, 0, 0, 1};
        m_window->exportReport();
        QVERIFY(std::filesystem::exists(m_program->path() / "01-01-2027.txt"));
        QCOMPARE(m_program->read("12-05-2026.txt"), expected);
    }

    void anExportThatCannotBeWrittenNamesTheFileAndTheReason() {
        // The program's folder lies inside a regular file, so nothing can be made there.
        const auto blocker = m_program->write("not-a-folder", "x");
        makeWorkspace(blocker / "program");
        makeWindow();
        m_window->exportReport();

        QCOMPARE(m_platform->messages.size(), std::size_t{1});
        const std::string& text = m_platform->messages[0].text;
        const std::string file = halvex::files::textFromPath(blocker / "program" / "12-05-2026.txt");
        QVERIFY2(text.find(file + ": ") != std::string::npos, text.c_str());
        QVERIFY2(text.size() > text.find(file) + file.size() + 2, text.c_str());
        QVERIFY(text.find("Report saved") == std::string::npos);
    }

    void printSendsTheReportOrSaysWhyItCannot() {
        save({{{"E1", "Speed", "6"}}, {{"E1", "Cost", "150"}}});
        makeWindow();
        m_window->show();

        QTest::mouseClick(m_window->printButton(), Qt::LeftButton);
        QCOMPARE(m_platform->printedTexts.size(), std::size_t{1});
        QCOMPARE(m_platform->printedTexts[0], halvex::reportText(m_workspace->reportRows()));
        QVERIFY(m_platform->messages.empty());

        m_platform->printError = "No printer is available.";
        QTest::mouseClick(m_window->printButton(), Qt::LeftButton);
        QCOMPARE(m_platform->messages.size(), std::size_t{1});
        QVERIFY(m_platform->messages[0].text.find("No printer is available.") != std::string::npos);
        QCOMPARE(m_platform->messages[0].buttons, halvex::MessageButtons::Ok);
    }
};

QTEST_MAIN(ChangesWindowTest)
#include "changes_window_test.moc"
