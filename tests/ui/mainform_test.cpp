#include "core/BlockDocument.h"
#include "core/Startup.h"
#include "ui/LabelButton.h"
#include "ui/MainForm.h"
#include "ui/ProgressBar.h"
#include "ui/TabStrip.h"

#include "fakes/FakePlatform.h"
#include "fakes/Screenshot.h"
#include "fakes/TempDir.h"

#include <QLabel>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

using halvex::testing::FakePlatform;
using halvex::testing::TempDir;
using halvex::ui::MainForm;

class MainFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDir> m_program;
    std::unique_ptr<TempDir> m_game;
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<halvex::Workspace> m_workspace;
    std::unique_ptr<MainForm> m_form;

    static QStringList menuTexts(const QTreeWidget& menu) {
        QStringList texts;
        for (int i = 0; i < menu.topLevelItemCount(); ++i) texts << menu.topLevelItem(i)->text(0);
        return texts;
    }

    void makeForm(const std::string& settings) {
        if (!settings.empty()) m_program->write("settings.iff", settings);
        m_workspace = std::make_unique<halvex::Workspace>(m_program->path());
        m_form = std::make_unique<MainForm>(*m_workspace, *m_platform);
    }

private slots:
    void init() {
        m_program = std::make_unique<TempDir>();
        m_game = std::make_unique<TempDir>();
        m_platform = std::make_unique<FakePlatform>();
        m_game->write("rules.ini", "[General]\r\nName=Test\r\n");
    }

    void cleanup() {
        m_form.reset();
        m_workspace.reset();
    }

    void looksAsDesigned() {
        makeForm(halvex::freshSettings(m_game->path().string()) + "\r\n");
        m_form->loadSequence();
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Halvex Editor Proffesional"));
        QCOMPARE(m_form->size(), QSize(640, 480));
        QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
        QCOMPARE(m_form->menu()->geometry(), QRect(432, 179, 186, 109));
        QCOMPARE(m_form->statusLabel()->text(), QStringLiteral("Loading..."));
        QCOMPARE(m_form->statusLabel()->geometry(), QRect(440, 224, 169, 25));
        QCOMPARE(m_form->progressBar()->geometry().topLeft(), QPoint(448, 253));
        QCOMPARE(m_form->okButton()->geometry(), QRect(440, 320, 73, 17));
        QCOMPARE(m_form->cancelButton()->geometry(), QRect(544, 320, 73, 17));
        QVERIFY(m_form->okButton()->isHidden());
        QVERIFY(m_form->tabs().tab(0)->isHidden());
        QCOMPARE(m_form->tabs().caption(0), QStringLiteral("Main"));
        QCOMPARE(menuTexts(*m_form->menu()),
                 (QStringList{"Settings", "Tools", "Edit Source Code", "Run Tiberian Sun", "Save!", "Halvex Online",
                              "Halvex Help", "Exit"}));
        m_form->show();
        halvex::testing::saveScreenshot(*m_form, QStringLiteral("mainform-start"));
    }

    void firstRunAsksForTheGameFolderUntilChosen() {
        makeForm({});
        m_platform->folderAnswers = {"", m_game->path().string()};
        m_form->loadSequence();
        QCOMPARE(m_platform->folderPrompts.size(), std::size_t{2});
        QCOMPARE(m_workspace->rules().text(), std::string("[General]\r\nName=Test\r\n"));
        QCOMPARE(m_program->read("settings.iff"),
                 "Settings {\r\nPath: " + m_game->path().string() + ";\r\n}\r\n");
        QCOMPARE(m_form->menu()->topLevelItemCount(), 8);
    }

    void loadsListsIntoTheNavigationListAndTheHiddenLists() {
        m_program->write("units.txt", ";[E1]\r\nName=Light Infantry\r\n;[E2]\r\nName=Disc Thrower\r\n");
        makeForm(halvex::freshSettings(m_game->path().string()));
        m_form->loadSequence();

        QVERIFY(m_form->loadlist("units", MainForm::ListTarget::Navigation));
        QCOMPARE(menuTexts(*m_form->menu()), (QStringList{"Light Infantry", "Disc Thrower"}));
        QCOMPARE(m_form->menu()->topLevelItem(1)->text(1), QStringLiteral("E2"));
        QCOMPARE(m_form->progressBar()->widthTwips(), halvex::ui::ProgressBar::kFullWidth);
        QVERIFY(!m_form->menu()->isHidden());
        QVERIFY(!m_form->okButton()->isHidden());
        QVERIFY(!m_form->cancelButton()->isHidden());

        QVERIFY(m_form->loadlist("units", MainForm::ListTarget::Units));
        QCOMPARE(m_form->objectList(MainForm::ListTarget::Units).size(), std::size_t{2});
        QCOMPARE(m_form->objectList(MainForm::ListTarget::Units)[0].id, std::string("E1"));
        QVERIFY(m_platform->messages.empty());
    }

    void reportsAMissingListFileByNameAndGoesOn() {
        makeForm(halvex::freshSettings(m_game->path().string()));
        m_form->loadSequence();
        QVERIFY(!m_form->loadlist("terrain", MainForm::ListTarget::Navigation));
        QCOMPARE(m_platform->messages.size(), std::size_t{1});
        QVERIFY(m_platform->messages[0].text.find("terrain.txt") != std::string::npos);
        QCOMPARE(m_form->menu()->topLevelItemCount(), 0);
        QVERIFY(!m_form->menu()->isHidden());
    }

    void createsTabsInARow() {
        makeForm(halvex::freshSettings(m_game->path().string()));
        m_form->tabs().tab(0)->show();
        m_form->createtab(QStringLiteral("Advanced"), false);
        m_form->createtab(QStringLiteral("Construction"), true);
        auto& tabs = m_form->tabs();
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
        makeForm(halvex::freshSettings(m_game->path().string()) +
                 "\r\n\r\nTheme {\r\nMenuFore: 255;\r\nMenuTop: 1500;\r\nMenuLeft: abc;\r\n}\r\n");
        m_form->loadSequence();
        QCOMPARE(m_form->menu()->palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(m_form->menu()->y(), 100);
        QCOMPARE(m_form->menu()->x(), 432);
    }

    void opensDocumentsThroughThePlatform() {
        makeForm(halvex::freshSettings(m_game->path().string()));
        QVERIFY(m_form->exec("http://127.0.0.1/halvex/ihelp/help.html"));
        QCOMPARE(m_platform->openedDocuments.size(), std::size_t{1});
    }
};

QTEST_MAIN(MainFormTest)
#include "mainform_test.moc"
