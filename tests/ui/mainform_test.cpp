#include "ui/LabelButton.h"
#include "ui/NavigationList.h"
#include "ui/ProgressBar.h"
#include "ui/TabStrip.h"

#include "fakes/EditorRig.h"
#include "fakes/Screenshot.h"

#include <QScrollBar>
#include <QtTest>

using halvex::testing::EditorRig;
using halvex::testing::texts;
using halvex::ui::MainForm;

namespace {

const QStringList kMainMenu{"Settings", "Tools", "Edit Source Code", "Run Tiberian Sun", "Save!",
                            "Halvex Online", "Halvex Help", "Exit"};

} // namespace

class MainFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorRig> m_rig;

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
        std::string registry = "[InfantryTypes]\r\n";
        std::string sections;
        for (int i = 0; i < 40; ++i) {
            registry += std::to_string(i) + "=U" + std::to_string(i) + "\r\n";
            sections += "[U" + std::to_string(i) + "]\r\n";
        }
        m_rig->game.write("rules.ini", registry + sections);
        start();
        m_rig->form->show();
        auto* menu = m_rig->form->menu();
        QCOMPARE(texts(*menu), kMainMenu);
        for (int i = 0; i < menu->topLevelItemCount(); ++i) {
            QVERIFY2(menu->viewport()->rect().contains(menu->visualItemRect(menu->topLevelItem(i))),
                     qPrintable(menu->topLevelItem(i)->text(0)));
        }
        halvex::testing::saveScreenshot(*m_rig->form, QStringLiteral("mainform-start"));

        m_rig->showList(QStringLiteral("Units"));
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

    // A list file that cannot be read is named once, with why, and the program goes on.
    void loadsListsIntoTheNavigationListAndTheHiddenListsOrNamesAnUnreadableFile() {
        m_rig->program.write("units.txt", ";[E1]\r\nName=Light Infantry\r\n;[MCV]\r\nName=MCV\r\n;[E2]\r\nName=Disc Thrower\r\n");
        std::filesystem::create_directory(m_rig->program.path() / "terrain.txt");
        m_rig->game.write("rules.ini", "[InfantryTypes]\r\n1=E2\r\n2=GOLEM\r\n[TerrainTypes]\r\n1=BONETREE\r\n"
                                       "[E1]\r\n[E2]\r\n[GOLEM]\r\nName=Golem\r\n[BONETREE]\r\n");
        start();

        m_rig->showList(QStringLiteral("Units"));
        QCOMPARE(texts(*m_rig->form->menu(), {0, 1}),
                 (QStringList{"Light Infantry|E1", "Disc Thrower|E2", "Golem|GOLEM"}));
        QCOMPARE(m_rig->form->progressBar()->widthTwips(), halvex::ui::ProgressBar::kFullWidth);
        QVERIFY(!m_rig->form->menu()->isHidden());
        QVERIFY(!m_rig->form->okButton()->isHidden());
        QVERIFY(!m_rig->form->cancelButton()->isHidden());

        m_rig->form->loadlist("units", MainForm::ListTarget::Units);
        QCOMPARE(m_rig->form->objectList(MainForm::ListTarget::Units).size(), std::size_t{3});
        QCOMPARE(m_rig->form->objectList(MainForm::ListTarget::Units)[2].id, std::string("GOLEM"));

        for (int time = 0; time < 2; ++time) { // named once, when the list is first shown
            m_rig->form->pressCancel();
            m_rig->showList(QStringLiteral("Terrain"));
        }
        QCOMPARE(m_rig->platform.messages.size(), std::size_t{1});
        const std::string& text = m_rig->platform.messages[0].text;
        QVERIFY2(text.find("terrain.txt") != std::string::npos && text.find("folder") != std::string::npos,
                 text.c_str());
        QCOMPARE(texts(*m_rig->form->menu()), QStringList{"BONETREE"}); // the text's own terrain all the same
        QVERIFY(!m_rig->form->menu()->isHidden());
        m_rig->form->pressCancel();
        QCOMPARE(texts(*m_rig->form->menu()), kMainMenu);
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
