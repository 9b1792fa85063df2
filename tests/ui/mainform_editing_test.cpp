// The main window as a user drives it: loading objects into the panes, editing them,
// the history palette, leaving with unsaved edits, and the commands that reach the desktop.
#include "ui/TabStrip.h"
#include "ui/online/HelpWindow.h"
#include "ui/online/WebView.h"

#include "fakes/HelpFrame.h"
#include "ui/tools/HistoryWindow.h"

#include "fakes/EditorRig.h"
#include "fakes/Screenshot.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using halvex::MessageAnswer;
using halvex::testing::EditorRig;
namespace fs = std::filesystem;

Q_DECLARE_METATYPE(MessageAnswer)

namespace {

constexpr std::string_view kRules = "[General]\r\nFogOfWar=no\r\nCrewEscape=50\r\nAIHateDelays=100\r\n"
                                    "IonStormDuration=60\r\n\r\n"
                                    "[E1]\r\nName=Light Infantry\r\nPrimary=Minigun\r\nStrength=125\r\nCost=120\r\n"
                                    "Owner=GDI,Nod\r\nCrushable=1\r\nEliteAbilities=SELF_HEAL\r\n\r\n"
                                    "[E2]\r\nName=Disc Thrower\r\nPrimary=(none)\r\nAmmo=5\r\nReload=30\r\n"
                                    "BuildLimit=2\r\nOwner=Nod,GDI\r\nEliteAbilities=STRONGER\r\n\r\n"
                                    "[Minigun]\r\nDamage=15\r\nROF=20\r\nRange=4\r\nWarhead=SA\r\n\r\n"
                                    "[Clear]\r\nFoot=100%\r\nTrack=90%\r\nBuildable=yes\r\n";

constexpr std::string_view kExitQuestion =
    "There have been changes since you have last saved. Would you like to save now?";

} // namespace

class MainFormEditingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorRig> m_rig;

    // The small lists over kRules, with Light Infantry loaded.
    void start() {
        m_rig->program.write("units.txt", ";[E1]\r\nName=Light Infantry\r\n;[E2]\r\nName=Disc Thrower\r\n");
        m_rig->program.write("weapons.txt", ";[Minigun]\r\nName=Minigun\r\n");
        m_rig->program.write("land.txt", ";[Clear]\r\nName=Clear\r\n");
        m_rig->open(kRules);
        m_rig->load(QStringLiteral("Units"), QStringLiteral("Light Infantry"));
    }

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

    static QStringList texts(const QListWidget& list, bool tickedOnly = false) {
        QStringList found;
        for (int i = 0; i < list.count(); ++i) {
            if (!tickedOnly || list.item(i)->checkState() == Qt::Checked) found << list.item(i)->text();
        }
        return found;
    }

private slots:
    void init() { m_rig = std::make_unique<EditorRig>(); }
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
        QTest::newRow("frame, no") << true << MessageAnswer::No << "frame" << true;
    }

    void exitAsksAboutUnsavedEdits() {
        QFETCH(bool, edited);
        QFETCH(MessageAnswer, answer);
        QFETCH(QString, how);
        QFETCH(bool, exits);
        const bool written = exits && answer == MessageAnswer::Yes;
        start();
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
        QCOMPARE(question.title, std::string("Halvex"));
        QCOMPARE(question.icon, halvex::MessageIcon::Exclamation);
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
        start();
        EditorRig::type(m_rig->field<QLineEdit>("mainedit", 2), QStringLiteral("777"));
        const std::string other = otherProgramsRules();
        m_rig->game.write("rules.ini", other);
        m_rig->platform.messageAnswers.push_back(answer);

        QTest::mouseClick(m_rig->form->historyWindow()->saveButton(), Qt::LeftButton);

        QVERIFY(m_rig->platform.messageAnswers.empty());
        const auto& question = m_rig->platform.messages.front();
        QCOMPARE(question.buttons, halvex::MessageButtons::YesNoCancel);
        QVERIFY(question.text.find((m_rig->game.path() / "rules.ini").string()) != std::string::npos);
        for (const auto* choice : {"\nYes: ", "\nNo: ", "\nCancel: "}) {
            QVERIFY(question.text.find(choice) != std::string::npos);
        }
        const std::string saved = m_rig->game.read("rules.ini");
        const QString shownStrength = m_rig->field<QLineEdit>("mainedit", 1)->text();
        if (answer == MessageAnswer::Cancel) {
            QCOMPARE(saved, other);
            QCOMPARE(entries(), QStringList{"[E1] Cost=777"});
            QCOMPARE(m_rig->platform.messages.size(), std::size_t{1});
            return;
        }
        QVERIFY(saved.find("\r\nCost=777\r\n") != std::string::npos);
        QCOMPARE(saved.find("[MODTANK]") != std::string::npos, answer == MessageAnswer::Yes);
        QCOMPARE(shownStrength, answer == MessageAnswer::Yes ? QStringLiteral("150") : QStringLiteral("125"));
        QCOMPARE(m_rig->field<QLineEdit>("mainedit", 2)->text(), QStringLiteral("777"));
        QVERIFY(entries().isEmpty());
        QCOMPARE(m_rig->platform.messages.back().text, std::string("Rules.ini Saved!"));
        QCOMPARE(m_rig->game.read("rules.ini.bak"), std::string(kRules));
    }

    void comingBackToTheProgramShowsTheFileAsAnotherProgramLeftIt() {
        start();
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

    void replacedRulesTextIsShownAgainWithoutRecording() {
        start();
        std::string text(kRules);
        text.replace(text.find("Cost=120"), 8, "Cost=999");
        m_rig->workspace->rules().replace(text);
        m_rig->form->rulesTextReplaced();
        QCOMPARE(m_rig->field<QLineEdit>("mainedit", 2)->text(), QStringLiteral("999"));
        QCOMPARE(m_rig->form->currentSection(), std::string("E1"));
        QVERIFY(entries().isEmpty());

        m_rig->workspace->rules().replace("[Other]\r\n");
        m_rig->form->rulesTextReplaced();
        QCOMPARE(m_rig->form->currentSection(), std::string());
        QVERIFY(!m_rig->form->panes().isPaneVisible("mainunits"));
        QVERIFY(entries().isEmpty());
    }

    void editWeaponOpensThePrimaryWeapon() {
        start();
        QTest::mouseClick(m_rig->field<QPushButton>("editw", 0), Qt::LeftButton);
        QCOMPARE(m_rig->form->navigation().mode(), std::string("weapons"));
        QVERIFY(m_rig->form->panes().isPaneVisible("weapmain"));
        QVERIFY(!m_rig->form->panes().isPaneVisible("mainunits"));
        QCOMPARE(m_rig->form->tabs().count(), 1);
        QVERIFY(!m_rig->form->tabs().tab(0)->isHidden());
        QCOMPARE(m_rig->field<QLineEdit>("weaptxt", 0)->text(), QStringLiteral("15"));
        QVERIFY(entries().isEmpty());
        EditorRig::type(m_rig->field<QLineEdit>("weaptxt", 0), QStringLiteral("99"));
        QCOMPARE(entries(), QStringList{"[Minigun] Damage=99"});

        m_rig->load(QStringLiteral("Units"), QStringLiteral("Disc Thrower"));
        QTest::mouseClick(m_rig->field<QPushButton>("editw", 0), Qt::LeftButton);
        QCOMPARE(m_rig->form->navigation().mode(), std::string("units"));
        QCOMPARE(m_rig->form->currentSection(), std::string("E2"));
        QVERIFY(m_rig->form->panes().isPaneVisible("mainunits"));
        QVERIFY(!m_rig->form->panes().isPaneVisible("weapmain"));
    }

    void closedPaletteKeepsTheEditsAndComesBack() {
        start();
        EditorRig::type(m_rig->field<QLineEdit>("mainedit", 2), QStringLiteral("300"));
        EditorRig::type(m_rig->field<QLineEdit>("mainedit", 1), QStringLiteral("200"));
        halvex::ui::HistoryWindow* palette = m_rig->form->historyWindow();
        QVERIFY(palette->isVisible());
        QVERIFY(m_rig->form->historyTimer()->isActive());

        QTest::mouseClick(palette->findChild<QToolButton*>(QStringLiteral("clse")), Qt::LeftButton);
        QVERIFY(!palette->isVisible());
        QVERIFY(!m_rig->form->historyTimer()->isActive());
        QCOMPARE(entries().size(), 2);

        EditorRig::type(m_rig->field<QLineEdit>("mainedit", 0), QStringLiteral("Rifleman"));
        QVERIFY(palette->isVisible());
        const QStringList all = {"[E1] Cost=300", "[E1] Strength=200", "[E1] Name=Rifleman"};
        QCOMPARE(texts(*palette->changeList()), all);

        QTest::mouseClick(palette->findChild<QPushButton*>(QStringLiteral("Command1_1")), Qt::LeftButton);
        const std::string saved = m_rig->game.read("rules.ini");
        for (const auto* line : {"\r\nCost=300\r\n", "\r\nStrength=200\r\n", "\r\nName=Rifleman\r\n"}) {
            QVERIFY2(saved.find(line) != std::string::npos, line);
        }
        QVERIFY(entries().isEmpty());

        // The timer keeps the palette shown while the program or the palette is active.
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
        start();
        m_rig->form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_rig->form.get()));
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

    void generalViews_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("pane");
        QTest::addColumn<QString>("array");
        QTest::addColumn<QString>("value");
        QTest::newRow("general") << "General" << "general" << "General Settings" << "genmain" << "gencmb" << "no";
        QTest::newRow("ai") << "Artifical Intelligence" << "ai" << "AI Settings" << "aimain" << "aiedit" << "100";
        QTest::newRow("ion") << "ION Storms" << "ION" << "ION Storms" << "ionstorm" << "ionedit" << "60";
    }

    void generalViews() {
        QFETCH(QString, entry);
        QFETCH(QString, mode);
        QFETCH(QString, caption);
        QFETCH(QString, pane);
        QFETCH(QString, array);
        QFETCH(QString, value);
        start();
        m_rig->command(QStringLiteral("Settings"));
        m_rig->command(entry);
        QCOMPARE(m_rig->form->navigation().mode(), mode.toStdString());
        QCOMPARE(m_rig->form->tabs().caption(0), caption);
        QVERIFY(!m_rig->form->tabs().tab(0)->isHidden());
        QCOMPARE(m_rig->form->tabs().count(), 1);
        QCOMPARE(m_rig->form->currentSection(), std::string("General"));
        QCOMPARE(m_rig->form->panes().text(array.toStdString(), array == "ionedit" ? 3 : 0), value);
        QVERIFY(m_rig->form->panes().isPaneVisible(pane.toStdString()));

        const std::vector<std::string_view> objectPanes = {"mainunits", "mainbuild", "mainweapons", "weapmain",
                                                           "construct", "elitemain"};
        for (const auto other : objectPanes) m_rig->form->panes().setPaneVisible(other, true);
        QTest::mouseClick(m_rig->form->tabs().tab(0), Qt::LeftButton);
        for (const auto other : objectPanes) QVERIFY2(!m_rig->form->panes().isPaneVisible(other), other.data());
        QVERIFY(m_rig->form->panes().isPaneVisible(pane.toStdString()));
        QVERIFY(entries().isEmpty());
    }

    void loadingFillsTheFieldsAndRecordsNothing() {
        start();
        QCOMPARE(m_rig->form->currentSection(), std::string("E1"));
        QCOMPARE(m_rig->field<QLineEdit>("mainedit", 5)->text(), QStringLiteral("0"));  // Ammo
        QCOMPARE(m_rig->field<QLineEdit>("mainedit", 6)->text(), QStringLiteral("-1")); // Reload
        QCOMPARE(m_rig->field<QLineEdit>("cedit", 0)->text(), QStringLiteral("-1"));    // BuildLimit
        QCOMPARE(m_rig->field<QComboBox>("imgcombo", 0)->currentIndex(), 2);
        QCOMPARE(m_rig->field<QComboBox>("imgcombo", 0)->currentText(), QStringLiteral("GDI,Nod"));
        QVERIFY(!m_rig->field<QCheckBox>("achk", 22)->isChecked()); // Crushable=1
        QCOMPARE(texts(*m_rig->form->panes().abilityList(), true), QStringList{"Self Heal"});
        QVERIFY(entries().isEmpty());

        QTest::mouseClick(m_rig->form->tabs().tab(1), Qt::LeftButton);
        QTest::mouseClick(m_rig->field<QCheckBox>("achk", 22), Qt::LeftButton);
        QCOMPARE(entries(), QStringList{"[E1] Crushable=yes"});
        QTest::mouseClick(m_rig->field<QCheckBox>("achk", 22), Qt::LeftButton);
        QCOMPARE(entries(), QStringList{"[E1] Crushable=no"});
        m_rig->workspace->changes().clear();

        m_rig->load(QStringLiteral("Units"), QStringLiteral("Disc Thrower"));
        QCOMPARE(m_rig->field<QLineEdit>("mainedit", 5)->text(), QStringLiteral("5"));
        QCOMPARE(m_rig->field<QLineEdit>("mainedit", 6)->text(), QStringLiteral("30"));
        QCOMPARE(m_rig->field<QLineEdit>("cedit", 0)->text(), QStringLiteral("2"));
        QCOMPARE(m_rig->field<QComboBox>("imgcombo", 0)->currentText(), QStringLiteral("Civilian"));
        QCOMPARE(texts(*m_rig->form->panes().abilityList(), true), QStringList{"Stronger"});
        QVERIFY(entries().isEmpty());

        m_rig->load(QStringLiteral("Land"), QStringLiteral("Clear"));
        QCOMPARE(m_rig->field<QLineEdit>("landedit", 0)->text(), QStringLiteral("%")); // Float is missing
        QCOMPARE(m_rig->field<QLineEdit>("landedit", 1)->text(), QStringLiteral("100%"));
        QVERIFY(m_rig->form->panes().isPaneVisible("landmain"));
        QVERIFY(entries().isEmpty());
    }

    void pastedLineBreaksNeverReachRulesIni() {
        start();
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
        m_rig->installListFiles();
        m_rig->open(halvex::testing::readFile(fs::path(HALVEX_SOURCE_DIR) / "examples" / "game" / "rules.ini"));
        m_rig->load(QStringLiteral("Structures"), QStringLiteral("GDI Power Plant"));
        QCOMPARE(m_rig->form->currentSection(), std::string("GAPOWR"));
        QVERIFY(m_rig->form->panes().isPaneVisible("mainbuild"));
        QVERIFY(m_rig->form->panes().isPaneVisible("mainweapons"));
        halvex::testing::saveScreenshot(*m_rig->form, QStringLiteral("building-main"));
        QTest::mouseClick(m_rig->form->tabs().tab(1), Qt::LeftButton);
        QVERIFY(m_rig->form->panes().isPaneVisible("advbuild"));
        QVERIFY(m_rig->form->panes().isPaneVisible("sbuild"));
        QVERIFY(!m_rig->form->panes().isPaneVisible("mainbuild"));
        halvex::testing::saveScreenshot(*m_rig->form, QStringLiteral("building-advanced"));

        m_rig->load(QStringLiteral("Weapons"), QStringLiteral("Minigun"));
        QVERIFY(m_rig->form->panes().isPaneVisible("weapmain"));
        QCOMPARE(m_rig->field<QLineEdit>("weaptxt", 0)->text(), QStringLiteral("174"));
        halvex::testing::saveScreenshot(*m_rig->form, QStringLiteral("weapon"));

        m_rig->load(QStringLiteral("Terrain"), QStringLiteral("Tree"));
        QVERIFY(m_rig->form->panes().isPaneVisible("mainterrain"));
        halvex::testing::saveScreenshot(*m_rig->form, QStringLiteral("terrain"));
        QVERIFY(m_rig->platform.messages.empty());
    }
};

QTEST_MAIN(MainFormEditingTest)
#include "mainform_editing_test.moc"
