#include "ui/LabelButton.h"
#include "ui/NavigationList.h"
#include "ui/ProgressBar.h"
#include "ui/TabStrip.h"

#include "fakes/EditorRig.h"
#include "fakes/Screenshot.h"

#include <QLabel>
#include <QScrollBar>
#include <QtTest>

using halvex::testing::EditorRig;
using halvex::ui::MainForm;

class MainFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorRig> m_rig;

    static QStringList menuTexts(const QTreeWidget& menu) {
        QStringList texts;
        for (int i = 0; i < menu.topLevelItemCount(); ++i) texts << menu.topLevelItem(i)->text(0);
        return texts;
    }

    // Settings that point at the game, plus any extra blocks; then the window, started.
    void start(const std::string& extra = {}) {
        m_rig->program.write("settings.iff", halvex::freshSettings(m_rig->game.path().string()) + "\r\n" + extra);
        m_rig->create();
        m_rig->form->loadSequence();
    }

private slots:
    void init() {
        m_rig = std::make_unique<EditorRig>();
        m_rig->game.write("rules.ini", "[General]\r\nName=Test\r\n");
    }

    void cleanup() { m_rig.reset(); }

    // The designed 109-pixel list shows all eight top-level entries, and a refilled list
    // starts at its top; the stats entries' check boxes can be seen.
    void navigationListShowsWhatItHolds() {
        m_rig->program.write("units.txt", [] {
            std::string many;
            for (int i = 0; i < 40; ++i) many += ";[U" + std::to_string(i) + "]\r\nName=Unit " + std::to_string(i) + "\r\n";
            return many;
        }());
        start();
        m_rig->form->show();
        auto* menu = m_rig->form->menu();
        QCOMPARE(menuTexts(*menu), (QStringList{"Settings", "Tools", "Edit Source Code", "Run Tiberian Sun", "Save!",
                                                "Halvex Online", "Halvex Help", "Exit"}));
        for (int i = 0; i < menu->topLevelItemCount(); ++i) {
            QVERIFY2(menu->viewport()->rect().contains(menu->visualItemRect(menu->topLevelItem(i))),
                     qPrintable(menu->topLevelItem(i)->text(0)));
        }
        halvex::testing::saveScreenshot(*m_rig->form, QStringLiteral("mainform-start"));

        m_rig->command(QStringLiteral("Settings"));
        m_rig->pick(QStringLiteral("Units"));
        menu->scrollToBottom();
        QVERIFY(menu->verticalScrollBar()->value() > 0);
        m_rig->form->pressCancel();
        QCOMPARE(menu->verticalScrollBar()->value(), 0);

        m_rig->command(QStringLiteral("Tools"));
        m_rig->command(QStringLiteral("Stats Generator"));
        menu->topLevelItem(1)->setCheckState(0, Qt::Checked);
        QCoreApplication::processEvents();
        halvex::testing::saveScreenshot(*m_rig->form, QStringLiteral("stats-entries"));
    }

    void firstRunAsksForTheGameFolderUntilChosen() {
        m_rig->create();
        m_rig->platform.folderAnswers = {"", m_rig->game.path().string()};
        m_rig->form->loadSequence();
        QCOMPARE(m_rig->platform.folderPrompts.size(), std::size_t{2});
        QCOMPARE(m_rig->workspace->rules().text(), std::string("[General]\r\nName=Test\r\n"));
        QCOMPARE(m_rig->program.read("settings.iff"),
                 "Settings {\r\nPath: " + m_rig->game.path().string() + ";\r\n}\r\n");
        QCOMPARE(m_rig->form->menu()->topLevelItemCount(), 8);
    }

    void loadsListsIntoTheNavigationListAndTheHiddenListsOrNamesAMissingFile() {
        m_rig->program.write("units.txt", ";[E1]\r\nName=Light Infantry\r\n;[E2]\r\nName=Disc Thrower\r\n");
        start();

        m_rig->command(QStringLiteral("Settings"));
        m_rig->pick(QStringLiteral("Units"));
        QCOMPARE(menuTexts(*m_rig->form->menu()), (QStringList{"Light Infantry", "Disc Thrower"}));
        QCOMPARE(m_rig->form->menu()->topLevelItem(1)->text(1), QStringLiteral("E2"));
        QCOMPARE(m_rig->form->progressBar()->widthTwips(), halvex::ui::ProgressBar::kFullWidth);
        QVERIFY(!m_rig->form->menu()->isHidden());
        QVERIFY(!m_rig->form->okButton()->isHidden());
        QVERIFY(!m_rig->form->cancelButton()->isHidden());

        QVERIFY(m_rig->form->loadlist("units", MainForm::ListTarget::Units));
        QCOMPARE(m_rig->form->objectList(MainForm::ListTarget::Units).size(), std::size_t{2});
        QCOMPARE(m_rig->form->objectList(MainForm::ListTarget::Units)[0].id, std::string("E1"));

        // A missing list file is reported by name; the list is left empty and shown.
        m_rig->form->pressCancel();
        m_rig->command(QStringLiteral("Settings"));
        m_rig->pick(QStringLiteral("Terrain"));
        QCOMPARE(m_rig->platform.messages.size(), std::size_t{1});
        QVERIFY(m_rig->platform.messages[0].text.find("terrain.txt") != std::string::npos);
        QCOMPARE(m_rig->form->menu()->topLevelItemCount(), 0);
        QVERIFY(!m_rig->form->menu()->isHidden());
    }

    void appliesTheThemeUpToTheFirstValueThatIsNoNumber() {
        start("\r\nTheme {\r\nMenuFore: 255;\r\nMenuTop: 1500;\r\nMenuLeft: abc;\r\n}\r\n");
        QCOMPARE(m_rig->form->menu()->palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(m_rig->form->menu()->y(), 100);
        QCOMPARE(m_rig->form->menu()->x(), 432);
    }
};

QTEST_MAIN(MainFormTest)
#include "mainform_test.moc"
