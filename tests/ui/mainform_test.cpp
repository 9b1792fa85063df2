#include "ui/LabelButton.h"
#include "ui/ProgressBar.h"
#include "ui/TabStrip.h"

#include "fakes/EditorRig.h"
#include "fakes/Screenshot.h"

#include <QLabel>
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

    void looksAsDesigned() {
        start();
        QCOMPARE(m_rig->form->windowTitle(), QStringLiteral("Halvex Editor Proffesional"));
        QCOMPARE(m_rig->form->size(), QSize(640, 480));
        QCOMPARE(m_rig->form->minimumSize(), m_rig->form->maximumSize());
        QCOMPARE(m_rig->form->menu()->geometry(), QRect(432, 179, 186, 109));
        QCOMPARE(m_rig->form->statusLabel()->text(), QStringLiteral("Loading..."));
        QCOMPARE(m_rig->form->statusLabel()->geometry(), QRect(440, 224, 169, 25));
        QCOMPARE(m_rig->form->progressBar()->geometry().topLeft(), QPoint(448, 253));
        QCOMPARE(m_rig->form->okButton()->geometry(), QRect(440, 320, 73, 17));
        QCOMPARE(m_rig->form->cancelButton()->geometry(), QRect(544, 320, 73, 17));
        QVERIFY(m_rig->form->okButton()->isHidden());
        QVERIFY(m_rig->form->tabs().tab(0)->isHidden());
        QCOMPARE(m_rig->form->tabs().caption(0), QStringLiteral("Main"));
        QCOMPARE(menuTexts(*m_rig->form->menu()),
                 (QStringList{"Settings", "Tools", "Edit Source Code", "Run Tiberian Sun", "Save!", "Halvex Online",
                              "Halvex Help", "Exit"}));
        m_rig->form->show();
        halvex::testing::saveScreenshot(*m_rig->form, QStringLiteral("mainform-start"));
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

    void createsTabsInARow() {
        start();
        m_rig->form->tabs().tab(0)->show();
        m_rig->form->createtab(QStringLiteral("Advanced"), false);
        m_rig->form->createtab(QStringLiteral("Construction"), true);
        auto& tabs = m_rig->form->tabs();
        QCOMPARE(tabs.count(), 3);
        QCOMPARE(tabs.tab(1)->x(), tabs.tab(0)->x() + tabs.tab(0)->width() + 12);
        QCOMPARE(tabs.tab(2)->x(), tabs.tab(1)->x() + tabs.tab(1)->width() + 12);
        QCOMPARE(tabs.tab(2)->y(), tabs.tab(0)->y());
        QVERIFY(!tabs.isRaised(1));
        QVERIFY(tabs.isRaised(2));
        tabs.reset();
        QCOMPARE(tabs.count(), 1);
    }

    void appliesTheThemeUpToTheFirstValueThatIsNoNumber() {
        start("\r\nTheme {\r\nMenuFore: 255;\r\nMenuTop: 1500;\r\nMenuLeft: abc;\r\n}\r\n");
        QCOMPARE(m_rig->form->menu()->palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(m_rig->form->menu()->y(), 100);
        QCOMPARE(m_rig->form->menu()->x(), 432);
    }

    void opensDocumentsThroughThePlatform() {
        start();
        QVERIFY(m_rig->form->exec("http://127.0.0.1/halvex/ihelp/help.html"));
        QCOMPARE(m_rig->platform.openedDocuments.size(), std::size_t{1});
    }
};

QTEST_MAIN(MainFormTest)
#include "mainform_test.moc"
