// Only the user records edits. A modder clicks around a loaded object, tabs through its
// fields, switches tabs and loads the next object; none of that may record an edit or
// change a field's text, not even its letter case. And the navigation list acts on the
// entry the user highlighted, however it was highlighted.
#include "core/SectionReader.h"
#include "core/Text.h"
#include "core/editor/Binding.h"
#include "core/editor/FieldCatalogue.h"
#include "ui/LabelButton.h"
#include "ui/NavigationList.h"
#include "ui/TabStrip.h"

#include "fakes/EditorRig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QtTest>

#include <map>

using halvex::testing::EditorRig;
namespace editor = halvex::editor;

namespace {

// Values in the letter case a mod writes them, beside presets that differ only in case.
constexpr std::string_view kModRules =
    "[E1]\r\nName=Mutant Raider\r\nArmor=none\r\nStrength=125\r\nCost=120\r\nPrimary=Minigun\r\n"
    "Secondary=PlasmaRifle\r\nElite=minigun\r\nOwner=GDI,Nod\r\nTechLevel=3\r\nPrerequisite=BARRACKS\r\n"
    "MovementZone=normal\r\nSpeedType=hover\r\nSelfHealing=yes\r\nCrushable=1\r\nEliteAbilities=STRONGER\r\n\r\n"
    "[E2]\r\nName=Zealot\r\nArmor=Light\r\n\r\n"
    "[E3]\r\nName=Tick Tank\r\n\r\n"
    "[E4]\r\nName=Sniper\r\n\r\n"
    "[GAHPAD]\r\nName=Helipad\r\nArmor=wood\r\nCapturable=true\r\nCrewed=YES\r\nPrimary=RPGTower\r\nPower=-10\r\n\r\n"
    "[Minigun]\r\nDamage=15\r\nProjectile=invisible\r\nWarhead=sa\r\nSpeed=100\r\n\r\n"
    "[PlasmaRifle]\r\nDamage=60\r\nProjectile=PlasmaBolt\r\nWarhead=PlasmaWH\r\n";

} // namespace

class UserEditsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorRig> m_rig;

    QWidget* widgetOf(const editor::FieldSpec& field) const { return m_rig->form->panes().field(field.array, field.index); }

    // Focus into and out of every field that can be seen, by the mouse's focus and by Tab.
    void visitEveryVisibleField() {
        for (const auto& field : editor::fields()) {
            QWidget* widget = widgetOf(field);
            if (widget == nullptr || !widget->isVisible()) continue;
            widget->setFocus(Qt::MouseFocusReason);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        m_rig->form->setFocus();
    }

    void visitEveryTab() {
        for (int tab = 0; tab < m_rig->form->tabs().count(); ++tab) {
            QTest::mouseClick(m_rig->form->tabs().tab(tab), Qt::LeftButton);
            visitEveryVisibleField();
        }
        QTest::mouseClick(m_rig->form->tabs().tab(0), Qt::LeftButton);
    }

    // Every field shows its key's value exactly as the section holds it, or the default.
    void verifyFieldsShowTheFile(const std::string& section) {
        std::map<std::string, std::string> values;
        for (const auto& preset : editor::loadDefaults()) values[halvex::text::toLower(preset.key)] = preset.value;
        halvex::readSection(m_rig->workspace->rules(), section, [&](std::string_view key, std::string_view value) {
            values[halvex::text::toLower(key)] = std::string(value);
        });
        for (const auto& field : editor::fields()) {
            if (field.array == "landedit") continue; // a cleared land speed shows "%"
            const auto found = values.find(halvex::text::toLower(field.key));
            const std::string value = found == values.end() ? std::string() : found->second;
            QWidget* widget = widgetOf(field);
            if (field.kind == editor::FieldKind::TextField || field.kind == editor::FieldKind::Combo) {
                QCOMPARE(m_rig->form->panes().text(field.array, field.index), QString::fromStdString(value));
            } else if (field.kind == editor::FieldKind::CheckBox) {
                QCOMPARE(qobject_cast<QCheckBox*>(widget)->isChecked(), editor::tickOf(value) == editor::Tick::Ticked);
            } else if (field.kind == editor::FieldKind::OwnerPicker) {
                const QString owner = found == values.end() ? QString() // a missing owner picks nothing
                    : QString::fromStdString(std::string(editor::ownerEntries().at(editor::ownerEntryIndex(value)).text));
                QCOMPARE(qobject_cast<QComboBox*>(widget)->currentText(), owner);
            }
        }
        const auto abilities = values.find("eliteabilities");
        const auto ticks = editor::abilityTicks(abilities == values.end() ? "" : abilities->second);
        const QListWidget* list = m_rig->form->panes().abilityList();
        for (std::size_t i = 0; i < ticks.size(); ++i) {
            QCOMPARE(list->item(int(i))->checkState() == Qt::Checked, bool(ticks[i]));
        }
    }

private slots:
    void init() {
        m_rig = std::make_unique<EditorRig>();
        m_rig->program.write("units.txt", ";[E1]\r\nName=Raider\r\n;[E2]\r\nName=Zealot\r\n;[E3]\r\nName=Tick Tank\r\n"
                                          ";[E4]\r\nName=Sniper\r\n");
        m_rig->program.write("buildings.txt", ";[GAHPAD]\r\nName=Helipad\r\n");
        m_rig->program.write("weapons.txt", ";[Minigun]\r\nName=Minigun\r\n;[PlasmaRifle]\r\nName=Plasma\r\n");
        QVERIFY(m_rig->openActive(kModRules));
    }

    void cleanup() { m_rig.reset(); }

    void focusTabsAndLoadsRecordNothingAndKeepEveryText() {
        const std::tuple<QString, QString, std::string> objects[] = {{"Units", "Mutant Raider", "E1"},
                                                                     {"Structures", "Helipad", "GAHPAD"},
                                                                     {"Weapons", "Minigun", "Minigun"},
                                                                     {"Units", "Mutant Raider", "E1"}};
        for (const auto& [list, name, section] : objects) {
            m_rig->load(list, name);
            verifyFieldsShowTheFile(section);
            visitEveryTab();
            QVERIFY(m_rig->workspace->changes().empty());
            verifyFieldsShowTheFile(section);
        }
        QVERIFY(!m_rig->form->saverules());
        QCOMPARE(m_rig->game.read("rules.ini"), std::string(kModRules));
    }

    void typingPickingAndTickingAreRecorded() {
        m_rig->load(QStringLiteral("Units"), QStringLiteral("Mutant Raider"));
        auto* armor = m_rig->field<QComboBox>("maincombo", 0);
        armor->setFocus();
        QTest::keyClick(armor, Qt::Key_Down); // from "none" to the first entry, "None"
        EditorRig::type(m_rig->field<QComboBox>("maincombo", 1)->lineEdit(), QStringLiteral("Mini"));
        QCOMPARE(m_rig->field<QComboBox>("maincombo", 1)->currentText(), QStringLiteral("Mini")); // not completed

        QTest::mouseClick(m_rig->form->tabs().tab(1), Qt::LeftButton);
        QTest::mouseClick(m_rig->field<QCheckBox>("achk", 21), Qt::LeftButton);

        QTest::mouseClick(m_rig->form->tabs().tab(3), Qt::LeftButton);
        QListWidget* abilities = m_rig->form->panes().abilityList();
        abilities->setFocus();
        abilities->setCurrentRow(0);
        QTest::keyClick(abilities, Qt::Key_Space); // C4

        QStringList recorded;
        for (const auto& entry : m_rig->workspace->changes().entries()) recorded << QString::fromStdString(entry.text);
        QCOMPARE(recorded, (QStringList{"[E1] Armor=None", "[E1] Primary=Mini", "[E1] AllowedToStartInMultiplayer=yes",
                                        "[E1] EliteAbilities=STRONGER,C4"}));
    }

    // Keys go where the focus is, as a user's would.
    static void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

    void okAndEnterLoadTheHighlightedEntry() {
        halvex::ui::NavigationList* menu = m_rig->form->menu();
        menu->setFocus();
        press(Qt::Key_Home);
        press(Qt::Key_Return); // "Settings"
        QCOMPARE(m_rig->form->navigation().mode(), std::string("settings"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Un"));
        press(Qt::Key_Enter);
        QCOMPARE(m_rig->form->navigation().mode(), std::string("listunits"));
        QCOMPARE(QApplication::focusWidget(), menu);

        for (int i = 0; i < 3; ++i) press(Qt::Key_Down);
        QCOMPARE(menu->selectedItems().size(), 1);
        const std::string section = menu->selectedItems().front()->text(1).toStdString();
        QVERIFY(section != "E1");
        press(Qt::Key_Return);
        QCOMPARE(m_rig->form->currentSection(), section);

        // Escape stands for Cancel while the buttons are shown.
        m_rig->command(QStringLiteral("Settings"));
        menu->setFocus();
        press(Qt::Key_Escape);
        QVERIFY(m_rig->form->okButton()->isHidden());
        QCOMPARE(menu->topLevelItem(0)->text(0), QStringLiteral("Settings"));
        QCOMPARE(m_rig->form->currentSection(), section);
    }
};

QTEST_MAIN(UserEditsTest)
#include "user_edits_test.moc"
