// A modder's whole round: pick objects through the navigation list, edit them in the
// forms, watch the palette, save, and compare rules.ini line by line with before.
#include "core/Files.h"
#include "core/SectionReader.h"
#include "core/Startup.h"
#include "core/Text.h"
#include "ui/LabelButton.h"
#include "ui/MainForm.h"
#include "ui/TabStrip.h"
#include "ui/editor/EditPanes.h"
#include "ui/tools/ChangesWindow.h"
#include "ui/tools/HistoryWindow.h"

#include "fakes/EditorRig.h"
#include "fakes/RealRules.h"
#include "fakes/Screenshot.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include <memory>
#include <set>

using halvex::testing::EditorRig;
using halvex::ui::MainForm;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size(); at = halvex::text::nextLineStart(text, at)) {
        lines.emplace_back(halvex::text::lineAt(text, at));
    }
    return lines;
}

} // namespace

class EditorFlowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorRig> m_rig;

    QTreeWidgetItem* entry(const QString& text) {
        const auto found = m_rig->form->menu()->findItems(text, Qt::MatchFixedString);
        return found.isEmpty() ? nullptr : found.front();
    }

    void click(const QString& text) {
        QTreeWidgetItem* item = entry(text);
        QVERIFY2(item, qPrintable(text));
        QWidget* view = m_rig->form->menu()->viewport();
        const QPoint at = m_rig->form->menu()->visualItemRect(item).center();
        QTest::mouseClick(view, Qt::LeftButton, {}, at);
    }

    void doubleClick(const QString& text) {
        click(text);
        QTreeWidgetItem* item = entry(text);
        QVERIFY2(item, qPrintable(text));
        emit m_rig->form->menu()->itemDoubleClicked(item, 0);
    }

    void pick(const QString& text) {
        click(text);
        QTest::mouseClick(m_rig->form->okButton(), Qt::LeftButton);
    }

    void typeInto(QComboBox* combo, const QString& text) {
        EditorRig::type(combo->lineEdit(), text);
    }

    QStringList paletteEntries() const {
        auto* list = m_rig->form->historyWindow()->findChild<QListWidget*>(QStringLiteral("calist"));
        QStringList texts;
        for (int i = 0; list && i < list->count(); ++i) texts << list->item(i)->text();
        return texts;
    }

private slots:
    void init() {
        m_rig = std::make_unique<EditorRig>();
        m_rig->platform.clock = {2026, 12, 5, 10, 30, 0};
    }

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

        // A unit: Settings -> Units -> the first unit -> OK.
        doubleClick(QStringLiteral("Settings"));
        pick(QStringLiteral("Units"));
        const QString firstUnit = m_rig->form->menu()->topLevelItem(0)->text(0);
        const std::string unit = m_rig->form->menu()->topLevelItem(0)->text(1).toStdString();
        pick(firstUnit);
        QCOMPARE(m_rig->form->currentSection(), unit);
        QVERIFY(m_rig->platform.messages.empty());
        halvex::testing::saveScreenshot(*m_rig->form, QStringLiteral("unit-main"));

        EditorRig::type(m_rig->field<QLineEdit>("mainedit", 2), QStringLiteral("777"));

        QTest::mouseClick(m_rig->form->tabs().tab(1), Qt::LeftButton);
        auto* crushable = m_rig->field<QCheckBox>("achk", 22);
        const bool wasTicked = crushable->isChecked();
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

        // A land type.
        doubleClick(QStringLiteral("Settings"));
        pick(QStringLiteral("Land"));
        pick(QStringLiteral("Clear"));
        QCOMPARE(m_rig->form->currentSection(), std::string("Clear"));
        EditorRig::type(m_rig->field<QLineEdit>("landedit", 1), QStringLiteral("55"));
        QCOMPARE(m_rig->field<QLineEdit>("landedit", 1)->text(), QStringLiteral("55%"));
        halvex::testing::saveScreenshot(*m_rig->form, QStringLiteral("land"));

        // The General view.
        doubleClick(QStringLiteral("Settings"));
        doubleClick(QStringLiteral("General"));
        QCOMPARE(m_rig->form->currentSection(), std::string("General"));
        typeInto(m_rig->field<QComboBox>("gencmb", 3), QStringLiteral("42"));
        halvex::testing::saveScreenshot(*m_rig->form, QStringLiteral("general"));

        const std::string crushValue = wasTicked ? "no" : "yes";
        const QStringList expectedEntries = {
            QString::fromStdString("[" + unit + "] Cost=777"),
            QString::fromStdString("[" + unit + "] Crushable=" + crushValue),
            QString::fromStdString("[" + unit + "] Owner=GDI,Nod"),
            QString::fromStdString("[" + unit + "] EliteAbilities=SELF_HEAL,C4"),
            QStringLiteral("[Clear] Foot=55%"),
            QStringLiteral("[General] CrewEscape=42"),
        };
        QCOMPARE(paletteEntries(), expectedEntries);
        halvex::testing::saveScreenshot(*m_rig->form->historyWindow(), QStringLiteral("history"));

        auto* save = m_rig->form->historyWindow()->findChild<QPushButton*>(QStringLiteral("Command1_1"));
        QVERIFY(save);
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(m_rig->platform.messageTexts().back(), std::string("Rules.ini Saved!"));
        QVERIFY(paletteEntries().isEmpty());

        const std::string after = m_rig->game.read("rules.ini");
        struct Edit { std::string section, key, value; };
        const std::vector<Edit> edits = {{unit, "Cost", "777"},          {unit, "Crushable", crushValue},
                                         {unit, "Owner", "GDI,Nod"},     {unit, "EliteAbilities", "SELF_HEAL,C4"},
                                         {"Clear", "Foot", "55%"},        {"General", "CrewEscape", "42"}};
        // Dropping the edited keys' lines from both versions must leave identical texts.
        auto withoutEdited = [&](const std::string& text) {
            std::vector<std::string> kept;
            std::string section;
            for (const auto& line : linesOf(text)) {
                if (!line.empty() && line.front() == '[') section = line.substr(1, line.find(']') - 1);
                bool edited = false;
                for (const auto& e : edits) {
                    edited = edited || (section == e.section && halvex::text::startsWithIgnoreCase(line, e.key + "="));
                }
                if (!edited) kept.push_back(line);
            }
            return kept;
        };
        QVERIFY(withoutEdited(before) == withoutEdited(after));
        const halvex::RulesText saved(after);
        for (const auto& e : edits) {
            int lines = 0;
            halvex::readSection(saved, e.section, [&](std::string_view key, std::string_view value) {
                if (halvex::text::equalsIgnoreCase(key, e.key)) {
                    ++lines;
                    QCOMPARE(std::string(value), e.value);
                }
            });
            QCOMPARE(lines, 1);
        }

        // The changes report holds one row per saved edit, and exports them.
        auto* report = m_rig->form->historyWindow()->findChild<QPushButton*>(QStringLiteral("Command1_0"));
        QTest::mouseClick(report, Qt::LeftButton);
        auto* rows = m_rig->form->changesWindow()->findChild<QTreeWidget*>(QStringLiteral("itemview"));
        QCOMPARE(rows->topLevelItemCount(), 6);
        QCOMPARE(rows->topLevelItem(0)->text(0), QString::fromStdString("[" + unit + "] Cost"));
        QCOMPARE(rows->topLevelItem(0)->text(2), QStringLiteral("777"));
        halvex::testing::saveScreenshot(*m_rig->form->changesWindow(), QStringLiteral("changes"));
        auto* exportButton = m_rig->form->changesWindow()->findChild<QPushButton*>(QStringLiteral("Command1_0"));
        QTest::mouseClick(exportButton, Qt::LeftButton);
        const std::string exported = m_rig->program.read("12-05-2026.txt");
        QVERIFY(halvex::text::startsWithIgnoreCase(
            exported, "Changes Report Generated by Halvex\r\n--------------------------------\r\n\r\n[" + unit +
                          "] Cost changed from "));
        QVERIFY(exported.find("[Clear] Foot changed from ") != std::string::npos);
        const std::string lastLine = exported.substr(exported.rfind("[General] CrewEscape changed from "));
        QVERIFY(halvex::text::endsWith(lastLine, " to 42\r\n\r\n"));
    }
};

QTEST_MAIN(EditorFlowTest)
#include "editor_flow_test.moc"
