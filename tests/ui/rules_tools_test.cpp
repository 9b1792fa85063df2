// The tools around the rules text, driven as a modder drives them: the stats page from
// the navigation list, objects added and deleted in "adddel", and a mod gathered in
// "cmod" from files dropped onto it.
#include "core/tools/ObjectAdder.h"
#include "ui/LabelButton.h"
#include "ui/ProgressBar.h"
#include "ui/online/HelpWindow.h"
#include "ui/tools/AddDeleteWindow.h"
#include "ui/tools/ModCreatorWindow.h"
#include "ui/tools/ModFileList.h"

#include "fakes/EditorRig.h"
#include "fakes/Screenshot.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QUrl>
#include <QtTest>

using halvex::MessageAnswer;
using halvex::testing::EditorRig;
using halvex::testing::TempDir;
using halvex::tools::KindOption;
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kModRules =
    "[InfantryTypes]\r\n1=E1\r\n7=ZOMBIE\r\n3=CULTIST\r\n\r\n"
    "[BuildingTypes]\r\n1=CRYPT\r\n\r\n"
    "; rifle soldier\r\n[E1]\r\nName=Conscript\r\nCost=100\r\nOwner=GDI\r\nImage=E1\r\n\r\n"
    "[ZOMBIE]\r\nName=Zombie <undead>\r\nCost=50 ; cheap\r\nOwner=Nod,GDI\r\n\r\n"
    "[CULTIST]\r\nName=Cultist\r\nOwner=Nod\r\n\r\n"
    "[CRYPT]\r\nName=Crypt\r\nOwner=\r\nStrength=900\r\n";

void dropFiles(QWidget& target, const std::vector<fs::path>& files) {
    QMimeData data;
    QList<QUrl> urls;
    for (const auto& file : files) urls << QUrl::fromLocalFile(QString::fromStdU16String(file.u16string()));
    data.setUrls(urls);
    const QPoint at(10, 10);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &drop);
}

QToolButton* buttonWithTip(QWidget& window, const QString& tip) {
    for (auto* button : window.findChildren<QToolButton*>()) {
        if (button->toolTip() == tip) return button;
    }
    qFatal("no button %s", qPrintable(tip));
}

} // namespace

class RulesToolsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorRig> m_rig;

    halvex::ui::AddDeleteWindow& openAddDelete() {
        m_rig->command(QStringLiteral("Tools"));
        m_rig->command(QStringLiteral("Add/Delete"));
        auto* window = m_rig->form->addDeleteWindow();
        if (window == nullptr || !window->isVisible()) qFatal("adddel is not shown");
        return *window;
    }

    void tickStatsEntry(const QString& entry) {
        auto* menu = m_rig->form->menu();
        menu->setFocus();
        menu->setCurrentItem(menu->topLevelItem(m_rig->position(entry) - 1));
        QTest::keyClick(menu, Qt::Key_Space);
    }

private slots:
    void init() {
        m_rig = std::make_unique<EditorRig>();
        m_rig->installListFiles();
        m_rig->open(kModRules);
    }
    void cleanup() { m_rig.reset(); }

    void statsPageListsTheTickedSidesAndOpensIt() {
        m_rig->command(QStringLiteral("Tools"));
        m_rig->command(QStringLiteral("Stats Generator"));
        tickStatsEntry(QStringLiteral("GDI Units"));
        tickStatsEntry(QStringLiteral("Civilian Structures"));
        QTest::mouseClick(m_rig->form->okButton(), Qt::LeftButton);

        const std::string page = m_rig->program.read("temp.html");
        QCOMPARE(m_rig->platform.openedDocuments,
                 std::vector<std::string>{(m_rig->program.path() / "temp.html").string()});
        QVERIFY(page.find("<li>GDI Units</li><li>Civilian Structures</li>") != std::string::npos);
        QVERIFY(page.find("<td>Conscript</td><td>100</td>") != std::string::npos);
        QVERIFY(page.find("<td>Crypt</td><td></td><td></td><td>900</td>") != std::string::npos);
        QVERIFY(page.find("Cultist") == std::string::npos);
        QVERIFY(page.ends_with("</table>\r\n"));
        QCOMPARE(m_rig->form->progressBar()->widthTwips(), 0);
        QCOMPARE(m_rig->form->statusLabel()->text(), QStringLiteral("Loading..."));
        QVERIFY(m_rig->form->menu()->isVisible());
        QVERIFY(!m_rig->form->okButton()->isVisible());
    }

    void aStatsPageThatCannotBeWrittenIsReportedAndNotOpened() {
        fs::create_directory(m_rig->program.path() / "temp.html");
        m_rig->command(QStringLiteral("Tools"));
        m_rig->command(QStringLiteral("Stats Generator"));
        tickStatsEntry(QStringLiteral("NOD Units"));
        m_rig->form->pressOk();
        QVERIFY(m_rig->platform.openedDocuments.empty());
        const auto& last = m_rig->platform.messages.back();
        QVERIFY(last.text.find((m_rig->program.path() / "temp.html").string()) != std::string::npos);
        QCOMPARE(last.icon, halvex::MessageIcon::Critical);
    }

    void addMakesAnObjectFromTheTemplateShowsItAndSaveWritesIt() {
        auto& window = openAddDelete();
        halvex::testing::saveScreenshot(window, QStringLiteral("adddel"));
        QCOMPARE(halvex::testing::texts(*window.idBox()), (QStringList{"E1", "ZOMBIE", "CULTIST", "CRYPT"}));
        QCOMPARE(window.templateList()->currentText(), QStringLiteral("Conscript"));

        QTest::keyClicks(window.idBox()->lineEdit(), QStringLiteral("gh-OST2!"));
        QCOMPARE(window.idBox()->currentText(), QStringLiteral("OST2")); // IDs take capitals and digits only
        QTest::keyClicks(window.nameBox()->lineEdit(), QStringLiteral("Ghost Walker"));
        QTest::keyClicks(window.imageBox()->lineEdit(), QStringLiteral("GHOST"));
        QTest::mouseClick(window.addButton(), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the window goes once it has added

        const std::string& rules = m_rig->workspace->rules().text();
        QVERIFY(rules.find("3=CULTIST\r\n8=OST2\r\n\r\n") != std::string::npos);
        QVERIFY(rules.find(";Ghost Walker\r\n[OST2]\r\nName=Ghost Walker\r\nCost=100\r\nOwner=GDI\r\nImage=GHOST\r\n"
                           "\r\n; rifle soldier\r\n[E1]") != std::string::npos);
        QVERIFY(m_rig->form->addDeleteWindow() == nullptr);
        QCOMPARE(m_rig->form->currentSection(), std::string("OST2"));
        QCOMPARE(m_rig->form->navigation().loadedKind(), std::string("units"));
        QVERIFY(m_rig->workspace->changes().empty());

        // Nothing in the change list, yet leaving asks, and Save! writes the object.
        m_rig->platform.messageAnswers = {MessageAnswer::Cancel};
        QVERIFY(!m_rig->form->exitSequence());
        m_rig->command(QStringLiteral("Save!"));
        QCOMPARE(m_rig->game.read("rules.ini"), rules);
        QCOMPARE(m_rig->platform.messageTexts().back(), std::string("Rules.ini Saved!"));
        QVERIFY(!m_rig->workspace->hasUnsavedChanges());
    }

    // Refused adds keep the window and the text; a delete asks about the object shown first.
    void addRefusesAndDeleteAsksThenRemovesTheObject() {
        m_rig->load(QStringLiteral("Units"), QStringLiteral("Conscript"));
        auto& window = openAddDelete();
        const std::string before = m_rig->workspace->rules().text();
        QTest::mouseClick(window.addButton(), Qt::LeftButton);
        window.idBox()->setEditText(QStringLiteral("ZOMBIE"));
        QTest::mouseClick(window.addButton(), Qt::LeftButton);
        QCOMPARE(m_rig->platform.messages.size(), std::size_t{2});
        QVERIFY(m_rig->platform.messageTexts()[1].find("[ZOMBIE]") != std::string::npos);

        // Each kind fills the template list afresh. The mod's units carry no weapons, so the
        // weapon kind has no template to copy.
        QTest::mouseClick(window.kindOption(KindOption::Building), Qt::LeftButton);
        QCOMPARE(halvex::testing::texts(*window.templateList()), QStringList{"Crypt"});
        QCOMPARE(window.templateList()->currentText(), QStringLiteral("Crypt"));
        QTest::mouseClick(window.kindOption(KindOption::Vehicle), Qt::LeftButton);
        QCOMPARE(window.templateList()->count(), 3);
        QTest::mouseClick(window.kindOption(KindOption::Weapon), Qt::LeftButton);
        QCOMPARE(window.templateList()->count(), 0);
        window.idBox()->setEditText(QStringLiteral("NEWONE"));
        QTest::mouseClick(window.addButton(), Qt::LeftButton);
        QCOMPARE(m_rig->platform.messageTexts().back(), std::string(halvex::tools::kTemplateMissing));
        QCOMPARE(m_rig->workspace->rules().text(), before);
        QVERIFY(window.isVisible());

        QTest::mouseClick(window.kindOption(KindOption::Infantry), Qt::LeftButton);
        m_rig->platform.messageAnswers = {MessageAnswer::No};
        QTest::mouseClick(window.deleteButton(), Qt::LeftButton);
        QCOMPARE(m_rig->workspace->rules().text(), before);
        QVERIFY(m_rig->platform.messageTexts().back().find("Conscript [E1]") != std::string::npos);

        m_rig->platform.messageAnswers = {MessageAnswer::Yes};
        QTest::mouseClick(window.deleteButton(), Qt::LeftButton);
        const std::string& after = m_rig->workspace->rules().text();
        QCOMPARE(after, std::string("[InfantryTypes]\r\n7=ZOMBIE\r\n3=CULTIST\r\n\r\n[BuildingTypes]\r\n1=CRYPT\r\n\r\n") +
                            std::string(kModRules.substr(kModRules.find("[ZOMBIE]"))));
        QCOMPARE(window.templateList()->currentText(), QStringLiteral("Zombie <undead>"));
        QCOMPARE(m_rig->form->currentSection(), std::string()); // the shown object is gone
        QVERIFY(m_rig->workspace->hasUnsavedChanges());
    }

    void modCreatorGathersDroppedFilesIntoTheModFolder() {
        TempDir desktop;
        TempDir other;
        m_rig->command(QStringLiteral("Tools"));
        m_rig->command(QStringLiteral("Mod Creator"));
        auto* window = m_rig->form->modCreatorWindow();
        QVERIFY(window != nullptr && window->isVisible());
        dropFiles(*window->fileList()->viewport(),
                  {desktop.write("rules.ini", "[E1]\r\n"), desktop.write("readme", "x"), desktop.write("art.ini", "a"),
                   desktop.write("ZAP.BMP", "b")});
        QCOMPARE(window->fileList()->count(), 3);
        dropFiles(*window->fileList()->viewport(), {other.write("Rules.ini", "other"), desktop.path() / "art.ini"});
        QCOMPARE(window->fileList()->count(), 3);
        QVERIFY(m_rig->platform.messageTexts().back().find("same name") != std::string::npos);

        QApplication::setActiveWindow(window);
        window->titleBox()->setFocus();
        for (const QString typed : {"My Mod", "mymod", "1.2"}) { // title, file name and version, in tab order
            QTest::keyClicks(QApplication::focusWidget(), typed);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(window->versionBox()->text(), QStringLiteral("1.2"));
        halvex::testing::saveScreenshot(*window, QStringLiteral("cmod"));

        QTest::mouseClick(buttonWithTip(*window, QStringLiteral("Generate Modification")), Qt::LeftButton);
        const fs::path folder = m_rig->program.path() / "mymod";
        QCOMPARE(m_rig->platform.messageTexts().back(),
                 "Mod created. Just distribute the files in the " + folder.string() + " directory");
        QCOMPARE(m_rig->program.read("mymod/mymod.mod"), std::string("My Mod\r\nv1.2\r\nrules.ini\r\nart.ini\r\nZAP.BMP\r\n"));
        QCOMPARE(m_rig->program.read("mymod/mymod-ZAP.BMP"), std::string("b"));
        QVERIFY(!window->progressBar()->isVisible());

        window->fileNameBox()->setText(QStringLiteral("my/mod"));
        QTest::mouseClick(buttonWithTip(*window, QStringLiteral("Save Modification")), Qt::LeftButton);
        QVERIFY(m_rig->platform.messageTexts().back().find("cannot be the filename") != std::string::npos);

        QTest::mouseClick(buttonWithTip(*window, QStringLiteral("New Modification")), Qt::LeftButton);
        QCOMPARE(window->fileList()->count(), 0);
        QVERIFY(window->titleBox()->text().isEmpty());
        m_rig->platform.folderAnswers = {folder};
        QTest::mouseClick(buttonWithTip(*window, QStringLiteral("Open Modification")), Qt::LeftButton);
        QCOMPARE(window->titleBox()->text(), QStringLiteral("My Mod"));
        QCOMPARE(window->fileNameBox()->text(), QStringLiteral("mymod"));
        QCOMPARE(window->versionBox()->text(), QStringLiteral("1.2"));
        QCOMPARE(window->fileList()->count(), 3);
        window->titleBox()->setText(QStringLiteral("My Mod 2"));
        QTest::mouseClick(buttonWithTip(*window, QStringLiteral("Save Modification")), Qt::LeftButton);
        QCOMPARE(m_rig->program.read("mymod/mymod.mod"), std::string("My Mod 2\r\nv1.2\r\nrules.ini\r\nart.ini\r\nZAP.BMP\r\n"));
        QCOMPARE(m_rig->program.read("mymod/mymod-rules.ini"), std::string("[E1]\r\n"));

        QTest::mouseClick(window->helpButton(), Qt::LeftButton);
        QVERIFY(window->inHelpMode());
        QTest::mouseClick(window->fileList()->viewport(), Qt::LeftButton);
        QVERIFY(!window->inHelpMode());
        QVERIFY(m_rig->form->helpWindow() != nullptr);
        QVERIFY(m_rig->form->helpWindow()->pendingTopic().endsWith(QStringLiteral("/halvex/ihelp/tcmod")));
    }
};

QTEST_MAIN(RulesToolsTest)
#include "rules_tools_test.moc"
