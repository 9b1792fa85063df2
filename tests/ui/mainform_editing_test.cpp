// The main window as a user drives it: loading objects into the panes, editing them,
// the history palette, leaving with unsaved edits, and the commands that reach the desktop.
#include "ui/TabStrip.h"
#include "ui/online/HelpWindow.h"
#include "ui/online/WebView.h"
#include "ui/tools/HistoryWindow.h"

#include "fakes/EditorRig.h"
#include "fakes/HelpFrame.h"
#include "fakes/Screenshot.h"

#include <QClipboard>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using halvex::MessageAnswer;
using halvex::testing::EditorRig;
using halvex::testing::texts;
namespace fs = std::filesystem;

Q_DECLARE_METATYPE(MessageAnswer)

namespace {

constexpr std::string_view kRules = "[General]\r\nFogOfWar=no\r\nAIHateDelays=100\r\nIonStormDuration=60\r\n\r\n"
                                    "[E1]\r\nName=Light Infantry\r\nPrimary=Minigun\r\nStrength=125\r\nCost=120\r\n\r\n"
                                    "[E2]\r\nName=Disc Thrower\r\nPrimary=(none)\r\n\r\n"
                                    "[Minigun]\r\nDamage=15\r\nROF=20\r\nRange=4\r\nWarhead=SA\r\n";

constexpr std::string_view kExitQuestion =
    "There have been changes since you have last saved. Would you like to save now?";

} // namespace

class MainFormEditingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorRig> m_rig;

    QStringList entries() const {
        QStringList texts;
        for (const auto& entry : m_rig->workspace->changes().entries()) texts << QString::fromStdString(entry.text);
        return texts;
    }

    // kRules as a mod tool leaves it: a stronger Light Infantry and a tank of its own.
    static std::string otherProgramsRules() {
        std::string text(kRules);
        text.replace(text.find("Strength=125"), 12, "Strength=150");
        return text + "\r\n[MODTANK]\r\nName=Mod Tank\r\nCost=900\r\n";
    }

private slots:
    // The small lists over kRules, with Light Infantry loaded in the active window.
    void init() {
        m_rig = std::make_unique<EditorRig>();
        m_rig->program.write("units.txt", ";[E1]\r\nName=Light Infantry\r\n;[E2]\r\nName=Disc Thrower\r\n");
        m_rig->program.write("weapons.txt", ";[Minigun]\r\nName=Minigun\r\n");
        QVERIFY(m_rig->openActive(kRules));
        m_rig->load(QStringLiteral("Units"), QStringLiteral("Light Infantry"));
    }

    void cleanup() { m_rig.reset(); }

    void exitAsksAboutUnsavedEdits_data() {
        QTest::addColumn<bool>("edited");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QString>("how"); // "menu", "frame" (closing the window) or "unwritable" (menu)
        QTest::addColumn<bool>("exits");
        QTest::newRow("nothing edited") << false << MessageAnswer::Ok << "menu" << true;
        QTest::newRow("cancel") << true << MessageAnswer::Cancel << "menu" << false;
        QTest::newRow("no") << true << MessageAnswer::No << "menu" << true;
        QTest::newRow("yes") << true << MessageAnswer::Yes << "menu" << true;
        QTest::newRow("yes, rules.ini unwritable") << true << MessageAnswer::Yes << "unwritable" << false;
        QTest::newRow("frame, cancel") << true << MessageAnswer::Cancel << "frame" << false;
    }

    void exitAsksAboutUnsavedEdits() {
        QFETCH(bool, edited);
        QFETCH(MessageAnswer, answer);
        QFETCH(QString, how);
        QFETCH(bool, exits);
        const bool written = exits && answer == MessageAnswer::Yes;
        if (edited) {
            EditorRig::type(m_rig->field<QLineEdit>("mainedit", 2), QStringLiteral("777"));
            m_rig->platform.messageAnswers.push_back(answer);
        }
        if (how == "unwritable") m_rig->workspace->setGameDirectory((m_rig->game.path() / "rules.ini").string());
        if (how == "frame") {
            m_rig->form->close();
        } else {
            m_rig->command(QStringLiteral("Exit"));
        }

        QCOMPARE(m_rig->form->isExiting(), exits);
        QCOMPARE(m_rig->form->isVisible(), !exits);
        QCOMPARE(m_rig->form->historyWindow()->isVisible(), !exits);
        QVERIFY(m_rig->platform.messageAnswers.empty());
        QCOMPARE(m_rig->platform.messages.empty(), !edited);
        if (!edited) return;
        const auto& question = m_rig->platform.messages.front();
        QCOMPARE(question.text, std::string(kExitQuestion));
        QCOMPARE(question.buttons, halvex::MessageButtons::YesNoCancel);
        QCOMPARE(m_rig->game.read("rules.ini").find("\r\nCost=777\r\n") != std::string::npos, written);
        QCOMPARE(entries(), written ? QStringList{} : QStringList{"[E1] Cost=777"});
        if (how == "unwritable") {
            QCOMPARE(m_rig->platform.messages.back().icon, halvex::MessageIcon::Critical);
            QVERIFY(m_rig->platform.messages.back().text.find("rules.ini") != std::string::npos);
        }
    }

    // Another program changes rules.ini while Light Infantry has an unsaved edit.
    void changedFileOnDiskIsAskedAboutAtSave_data() {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("yes: apply to the new file") << MessageAnswer::Yes;
        QTest::newRow("no: overwrite") << MessageAnswer::No;
        QTest::newRow("cancel") << MessageAnswer::Cancel;
    }

    void changedFileOnDiskIsAskedAboutAtSave() {
        QFETCH(MessageAnswer, answer);
        EditorRig::type(m_rig->field<QLineEdit>("mainedit", 2), QStringLiteral("777"));
        const std::string other = otherProgramsRules();
        m_rig->game.write("rules.ini", other);
        m_rig->platform.messageAnswers.push_back(answer);

        QTest::mouseClick(m_rig->form->historyWindow()->saveButton(), Qt::LeftButton);

        QVERIFY(m_rig->platform.messageAnswers.empty());
        const auto& question = m_rig->platform.messages.front();
        QCOMPARE(question.buttons, halvex::MessageButtons::YesNoCancel);
        QVERIFY(question.text.find((m_rig->game.path() / "rules.ini").string()) != std::string::npos);
        const std::string saved = m_rig->game.read("rules.ini");
        if (answer == MessageAnswer::Cancel) {
            QCOMPARE(saved, other);
            QCOMPARE(entries(), QStringList{"[E1] Cost=777"});
            return;
        }
        QVERIFY(saved.find("\r\nCost=777\r\n") != std::string::npos);
        QCOMPARE(saved.find("[MODTANK]") != std::string::npos, answer == MessageAnswer::Yes);
        const QString strength = m_rig->field<QLineEdit>("mainedit", 1)->text(); // the form follows the file
        QCOMPARE(strength, answer == MessageAnswer::Yes ? QStringLiteral("150") : QStringLiteral("125"));
        QVERIFY(entries().isEmpty());
        QCOMPARE(m_rig->platform.messages.back().text, std::string("Rules.ini Saved!"));
    }

    void comingBackToTheProgramShowsTheFileAsAnotherProgramLeftIt() {
        QWidget otherApplication;
        const auto switchAwayAndBack = [&] {
            otherApplication.show();
            otherApplication.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&otherApplication));
            m_rig->form->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(m_rig->form.get()));
        };
        m_rig->game.write("rules.ini", otherProgramsRules());
        switchAwayAndBack();
        QCOMPARE(m_rig->field<QLineEdit>("mainedit", 1)->text(), QStringLiteral("150"));
        QCOMPARE(m_rig->workspace->rules().text(), otherProgramsRules());
        QVERIFY(entries().isEmpty());

        EditorRig::type(m_rig->field<QLineEdit>("mainedit", 1), QStringLiteral("175"));
        m_rig->game.write("rules.ini", kRules);
        switchAwayAndBack();
        QCOMPARE(m_rig->field<QLineEdit>("mainedit", 1)->text(), QStringLiteral("175"));
        QCOMPARE(m_rig->workspace->rules().text(), otherProgramsRules()); // unsaved edits: asked at save
        QVERIFY(m_rig->platform.messages.empty());
    }

    // The source editor's save took the loaded object's section away.
    void aVanishedSectionLeavesNothingShown() {
        m_rig->workspace->rules().replace("[Other]\r\n");
        m_rig->form->rulesTextReplaced();
        QCOMPARE(m_rig->form->currentSection(), std::string());
        QVERIFY(!m_rig->form->panes().isPaneVisible("mainunits"));
        QVERIFY(entries().isEmpty());
    }

    void editWeaponOpensThePrimaryWeapon() {
        QTest::mouseClick(m_rig->field<QPushButton>("editw", 0), Qt::LeftButton);
        QVERIFY(m_rig->form->panes().isPaneVisible("weapmain"));
        QVERIFY(!m_rig->form->panes().isPaneVisible("mainunits"));
        QCOMPARE(m_rig->field<QLineEdit>("weaptxt", 0)->text(), QStringLiteral("15"));
        EditorRig::type(m_rig->field<QLineEdit>("weaptxt", 0), QStringLiteral("99"));
        QCOMPARE(entries(), QStringList{"[Minigun] Damage=99"});

        m_rig->load(QStringLiteral("Units"), QStringLiteral("Disc Thrower")); // Primary=(none)
        QTest::mouseClick(m_rig->field<QPushButton>("editw", 0), Qt::LeftButton);
        QCOMPARE(m_rig->form->currentSection(), std::string("E2"));
        QVERIFY(m_rig->form->panes().isPaneVisible("mainunits"));
    }

    void closedPaletteKeepsTheEditsAndComesBack() {
        EditorRig::type(m_rig->field<QLineEdit>("mainedit", 2), QStringLiteral("300"));
        halvex::ui::HistoryWindow* palette = m_rig->form->historyWindow();
        QVERIFY(palette->isVisible());
        QTest::mouseClick(palette->findChild<QToolButton*>(QStringLiteral("clse")), Qt::LeftButton);
        QVERIFY(!palette->isVisible());

        EditorRig::type(m_rig->field<QLineEdit>("mainedit", 0), QStringLiteral("Rifleman"));
        QVERIFY(palette->isVisible());
        QCOMPARE(texts(*palette->changeList()), (QStringList{"[E1] Cost=300", "[E1] Name=Rifleman"}));

        // The palette is shown while the program or the palette is active.
        for (const auto& [active, shown] : {std::pair{"", false}, std::pair{"mainform", true},
                                            std::pair{"editcode", false}, std::pair{"history", true}}) {
            m_rig->platform.activeWindow = active;
            m_rig->form->followActiveWindow();
            QVERIFY2(palette->isVisible() == shown, active);
        }
    }

    void helpOpensInItsWindowAndRunReachesTheDesktop() {
        // The bundled pages beside the program, where the default web address looks.
        fs::copy(fs::path(HALVEX_SOURCE_DIR) / "data" / "web", m_rig->program.path() / "web", fs::copy_options::recursive);
        QTest::keyClick(m_rig->form.get(), Qt::Key_F1);
        halvex::ui::HelpWindow* help = m_rig->form->helpWindow();
        QVERIFY(help != nullptr && help->isVisible());
        const QString index = QUrl::fromLocalFile(QString::fromStdString(
                                  (m_rig->program.path() / "web" / "halvex" / "ihelp" / "help.html").string())).toString();
        QCOMPARE(help->browser()->address().toString(), index);
        QVERIFY(help->pendingTopic().isEmpty());
        m_rig->command(QStringLiteral("Halvex Help"));
        QCOMPARE(m_rig->form->helpWindow(), help);

        QTest::mouseClick(m_rig->form->historyWindow()->helpButton(), Qt::LeftButton);
        QTest::mouseClick(m_rig->form->historyWindow()->changeList()->viewport(), Qt::LeftButton);
        const QString topic = index.chopped(QStringLiteral("help.html").size()) + QStringLiteral("thistory.html");
        QTRY_VERIFY_WITH_TIMEOUT(halvex::testing::helpFrameAddress(*help) == topic, 60000);
        QVERIFY(m_rig->platform.openedDocuments.empty());
        QTest::mouseClick(help->closeButton(), Qt::LeftButton);
        QTRY_VERIFY(m_rig->form->helpWindow() == nullptr);

        m_rig->command(QStringLiteral("Run Tiberian Sun")); // no SUN.EXE: nothing happens
        QVERIFY(m_rig->platform.startedPrograms.empty());
        QVERIFY(!m_rig->form->isMinimized());
        m_rig->game.write("SUN.EXE", "MZ");
        m_rig->command(QStringLiteral("Run Tiberian Sun"));
        QCOMPARE(m_rig->platform.startedPrograms, std::vector{m_rig->game.path() / "SUN.EXE"});
        QVERIFY(m_rig->form->isMinimized());
        QVERIFY(m_rig->platform.messages.empty());
    }

    // Which pane each view shows is the navigation's; here, that the views show the file.
    void generalViewsShowTheGeneralSection() {
        const std::tuple<QString, std::string_view, int, QString> views[] = {
            {"General", "gencmb", 0, "no"}, {"Artifical Intelligence", "aiedit", 0, "100"}, {"ION Storms", "ionedit", 3, "60"}};
        for (const auto& [entry, array, index, value] : views) {
            m_rig->command(QStringLiteral("Settings"));
            m_rig->command(entry);
            QCOMPARE(m_rig->form->currentSection(), std::string("General"));
            QCOMPARE(m_rig->form->panes().text(array, index), value);
        }
        QVERIFY(entries().isEmpty());
    }

    void pastedLineBreaksNeverReachRulesIni() {
        QGuiApplication::clipboard()->setText(QStringLiteral("5\r\n[Evil]\r\nX=1"));
        for (QLineEdit* edit : {m_rig->field<QLineEdit>("mainedit", 2),
                                m_rig->field<QComboBox>("maincombo", 0)->lineEdit()}) {
            edit->setFocus();
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        }
        QCOMPARE(entries(), (QStringList{"[E1] Cost=5[Evil]X=1", "[E1] Armor=5[Evil]X=1"}));

        QTest::mouseClick(m_rig->form->historyWindow()->saveButton(), Qt::LeftButton);
        const std::string saved = m_rig->game.read("rules.ini");
        QVERIFY(saved.find("\r\n[Evil]") == std::string::npos);
        QVERIFY(saved.find("\r\nX=1") == std::string::npos);
        QVERIFY(saved.find("\r\nCost=5[Evil]X=1\r\n") != std::string::npos);
    }

    void screenshotsOfTheObjectPanes() {
        m_rig = std::make_unique<EditorRig>(); // the installed lists over the sample game instead
        m_rig->installListFiles();
        m_rig->open(halvex::testing::readFile(fs::path(HALVEX_SOURCE_DIR) / "examples" / "game" / "rules.ini"));
        m_rig->load(QStringLiteral("Structures"), QStringLiteral("GDI Power Plant"));
        QCOMPARE(m_rig->form->currentSection(), std::string("GAPOWR"));
        halvex::testing::saveScreenshot(*m_rig->form, QStringLiteral("building-main"));
        QTest::mouseClick(m_rig->form->tabs().tab(1), Qt::LeftButton);
        QVERIFY(m_rig->form->panes().isPaneVisible("advbuild"));
        QVERIFY(!m_rig->form->panes().isPaneVisible("mainbuild"));
        halvex::testing::saveScreenshot(*m_rig->form, QStringLiteral("building-advanced"));

        m_rig->load(QStringLiteral("Weapons"), QStringLiteral("Minigun"));
        QVERIFY(m_rig->form->panes().isPaneVisible("weapmain"));
        halvex::testing::saveScreenshot(*m_rig->form, QStringLiteral("weapon"));
        m_rig->load(QStringLiteral("Terrain"), QStringLiteral("Tree"));
        QVERIFY(m_rig->form->panes().isPaneVisible("mainterrain"));
        halvex::testing::saveScreenshot(*m_rig->form, QStringLiteral("terrain"));
        QVERIFY(m_rig->platform.messages.empty());
    }
};

QTEST_MAIN(MainFormEditingTest)
#include "mainform_editing_test.moc"
