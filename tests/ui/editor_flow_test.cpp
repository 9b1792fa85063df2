// A modder's whole round: pick objects through the navigation list, edit them in the
// forms, watch the palette, save, and compare rules.ini line by line with before.
#include "core/Text.h"
#include "ui/LabelButton.h"
#include "ui/TabStrip.h"
#include "ui/tools/ChangesWindow.h"
#include "ui/tools/HistoryWindow.h"

#include "fakes/EditorRig.h"
#include "fakes/RealRules.h"
#include "fakes/Screenshot.h"
#include "fakes/WidgetTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include <algorithm>

using halvex::testing::EditorRig;
namespace fs = std::filesystem;
namespace text = halvex::text;

namespace {

struct Edit {
    std::string section, key, value;
};

// The lines of every key not edited: what a save must leave exactly as it was.
std::vector<std::string> untouchedLines(const std::string& rules, const std::vector<Edit>& edits) {
    std::vector<std::string> kept;
    std::string section;
    for (std::size_t at = 0; at < rules.size(); at = text::nextLineStart(rules, at)) {
        const std::string line(text::lineAt(rules, at));
        if (line.starts_with('[')) section = line.substr(1, line.find(']') - 1);
        const bool edited = std::any_of(edits.begin(), edits.end(), [&](const Edit& e) {
            return section == e.section && text::startsWithIgnoreCase(line, e.key + "=");
        });
        if (!edited) kept.push_back(line);
    }
    return kept;
}

} // namespace

class EditorFlowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorRig> m_rig;

    // The navigation list by the mouse, as a user picks from it.
    QTreeWidgetItem* click(const QString& text) {
        const auto found = m_rig->form->menu()->findItems(text, Qt::MatchFixedString);
        if (found.isEmpty()) qFatal("no entry %s", qPrintable(text));
        const QPoint at = m_rig->form->menu()->visualItemRect(found.front()).center();
        QTest::mouseClick(m_rig->form->menu()->viewport(), Qt::LeftButton, {}, at);
        return found.front();
    }

    void doubleClick(const QString& text) { emit m_rig->form->menu()->itemDoubleClicked(click(text), 0); }

    void pick(const QString& text) {
        click(text);
        QTest::mouseClick(m_rig->form->okButton(), Qt::LeftButton);
    }

    QStringList paletteEntries() const {
        return halvex::testing::texts(*m_rig->form->historyWindow()->changeList());
    }

private slots:
    void init() { m_rig = std::make_unique<EditorRig>(); }
    void cleanup() { m_rig.reset(); }

    void editsAndSavesExactlyTheEditedLines_data() {
        QTest::addColumn<QString>("rulesFile");
        QTest::newRow("sample") << QString::fromStdString(std::string(HALVEX_SOURCE_DIR) + "/examples/game/rules.ini");
        const fs::path real = halvex::testing::realRulesFolder() / "rules.ini";
        if (fs::exists(real)) QTest::newRow("real") << QString::fromStdString(real.string());
    }

    void editsAndSavesExactlyTheEditedLines() {
        QFETCH(QString, rulesFile);
        const std::string before = halvex::testing::readFile(rulesFile.toStdString());
        m_rig->installListFiles();
        m_rig->open(before);

        doubleClick(QStringLiteral("Settings"));
        pick(QStringLiteral("Units"));
        const std::string unit = m_rig->form->menu()->topLevelItem(0)->text(1).toStdString();
        pick(m_rig->form->menu()->topLevelItem(0)->text(0));
        QCOMPARE(m_rig->form->currentSection(), unit);
        QVERIFY(m_rig->platform.messages.empty());
        halvex::testing::saveScreenshot(*m_rig->form, QStringLiteral("unit-main"));
        EditorRig::type(m_rig->field<QLineEdit>("mainedit", 2), QStringLiteral("777"));

        QTest::mouseClick(m_rig->form->tabs().tab(1), Qt::LeftButton);
        auto* crushable = m_rig->field<QCheckBox>("achk", 22);
        const std::string crushValue = crushable->isChecked() ? "no" : "yes";
        QTest::mouseClick(crushable, Qt::LeftButton);
        halvex::testing::saveScreenshot(*m_rig->form, QStringLiteral("unit-advanced"));

        QTest::mouseClick(m_rig->form->tabs().tab(2), Qt::LeftButton);
        auto* owner = m_rig->field<QComboBox>("imgcombo", 0);
        owner->setCurrentIndex(2);
        emit owner->activated(2);
        halvex::testing::saveScreenshot(*m_rig->form, QStringLiteral("unit-construction"));

        QTest::mouseClick(m_rig->form->tabs().tab(3), Qt::LeftButton);
        QListWidget* abilities = m_rig->form->panes().abilityList();
        for (int i = 0; i < abilities->count(); ++i) abilities->item(i)->setCheckState(Qt::Unchecked);
        abilities->item(0)->setCheckState(Qt::Checked);  // C4
        abilities->item(11)->setCheckState(Qt::Checked); // Self Heal
        halvex::testing::saveScreenshot(*m_rig->form, QStringLiteral("unit-elite"));

        doubleClick(QStringLiteral("Settings"));
        pick(QStringLiteral("Land"));
        pick(QStringLiteral("Clear"));
        EditorRig::type(m_rig->field<QLineEdit>("landedit", 1), QStringLiteral("55"));
        QCOMPARE(m_rig->field<QLineEdit>("landedit", 1)->text(), QStringLiteral("55%"));
        halvex::testing::saveScreenshot(*m_rig->form, QStringLiteral("land"));

        doubleClick(QStringLiteral("Settings"));
        doubleClick(QStringLiteral("General"));
        EditorRig::type(m_rig->field<QComboBox>("gencmb", 3)->lineEdit(), QStringLiteral("42"));
        halvex::testing::saveScreenshot(*m_rig->form, QStringLiteral("general"));

        const std::vector<Edit> edits = {{unit, "Cost", "777"},          {unit, "Crushable", crushValue},
                                         {unit, "Owner", "GDI,Nod"},     {unit, "EliteAbilities", "SELF_HEAL,C4"},
                                         {"Clear", "Foot", "55%"},        {"General", "CrewEscape", "42"}};
        QStringList expected;
        for (const auto& e : edits) expected << QString::fromStdString("[" + e.section + "] " + e.key + "=" + e.value);
        QCOMPARE(paletteEntries(), expected);

        QTest::mouseClick(m_rig->form->historyWindow()->saveButton(), Qt::LeftButton);
        QVERIFY(paletteEntries().isEmpty());
        QVERIFY(untouchedLines(before, edits) == untouchedLines(m_rig->game.read("rules.ini"), edits));

        // The report lists what each saved edit wrote.
        QTest::mouseClick(m_rig->form->historyWindow()->reportButton(), Qt::LeftButton);
        // It opens over the main window, not in a corner of the screen.
        QCOMPARE(m_rig->form->changesWindow()->geometry().center(), m_rig->form->geometry().center());
        auto* rows = m_rig->form->changesWindow()->findChild<QTreeWidget*>(QStringLiteral("itemview"));
        QCOMPARE(halvex::testing::texts(*rows, {0, 2}).replaceInStrings(QStringLiteral("|"), QStringLiteral("=")), expected);
    }
};

QTEST_MAIN(EditorFlowTest)
#include "editor_flow_test.moc"
