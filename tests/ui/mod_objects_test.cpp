// A mod's rules.ini is mostly objects the game lacks. The navigation lists, the weapon
// pane's combos and the window title follow the loaded text, and another game folder is
// one settings entry away, without losing an edit on the way.
#include "core/editor/MenuSets.h"
#include "ui/LabelButton.h"

#include "fakes/EditorRig.h"
#include "fakes/Screenshot.h"
#include "fakes/WidgetTexts.h"

#include <QComboBox>
#include <QtTest>

using halvex::MessageAnswer;
using halvex::testing::EditorRig;
using halvex::testing::texts;
namespace fs = std::filesystem;

Q_DECLARE_METATYPE(MessageAnswer)

namespace {

// Two objects share a name, and a weapon is named that has no section.
constexpr std::string_view kModRules =
    "[InfantryTypes]\r\n1=E1\r\n2=ZOMBIE\r\n3=SPECTRE\r\n\r\n"
    "[VehicleTypes]\r\n1=WYVERN\r\n2=WRAITH\r\n3=AATNK\r\n\r\n"
    "[Warheads]\r\n1=NecroWH\r\n\r\n"
    "[E1]\r\nName=Conscript\r\nPrimary=M60\r\nCost=100\r\n\r\n"
    "[ZOMBIE]\r\nName=Zombie\r\nPrimary=Claws\r\nElitePrimary=SoulDrain\r\n\r\n"
    "[SPECTRE]\r\nName=Zombie\r\nSecondary=Plague\r\n\r\n"
    "[WYVERN]\r\nName=Wyvern\r\n\r\n"
    "[WRAITH]\r\nName=Wraith\r\n\r\n"
    "[AATNK]\r\nName=Scarab Tank\r\n\r\n"
    "[M60]\r\nDamage=10\r\nProjectile=Invisible\r\nWarhead=SA\r\n\r\n"
    "[Claws]\r\nDamage=40\r\nProjectile=BoneShard\r\nWarhead=NecroWH\r\n\r\n"
    "[SoulDrain]\r\nDamage=90\r\nProjectile=GhostBeam\r\nWarhead=NecroWH\r\n\r\n"
    "[BoneShard]\r\n\r\n[GhostBeam]\r\n\r\n[NecroWH]\r\n";

constexpr std::string_view kOtherModRules = "[InfantryTypes]\r\n1=GOLEM\r\n\r\n[GOLEM]\r\nName=Golem\r\n";

} // namespace

class ModObjectsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorRig> m_rig;

    void start() {
        m_rig->program.write("units.txt", ";[E1]\r\nName=Light Infantry\r\n;[MCV]\r\nName=Mobile Construction Vehicle\r\n");
        m_rig->program.write("weapons.txt", ";[M60]\r\nName=M60\r\n");
        QVERIFY(m_rig->openActive(kModRules));
    }

    // The mod's folder, named as modders name them.
    fs::path otherMod() const { return m_rig->program.path() / "Mods; Nod Rising"; }

    void switchFolders() const {
        m_rig->command(QStringLiteral("Settings"));
        m_rig->pick(QString::fromLatin1(halvex::editor::kSwitchGameFolder));
    }

private slots:
    void init() { m_rig = std::make_unique<EditorRig>(); }
    void cleanup() { m_rig.reset(); }

    void unitsListShowsTheModsObjectsAndTypingJumpsToOne() {
        start();
        m_rig->command(QStringLiteral("Settings"));
        auto* menu = m_rig->form->menu();
        for (int i = 0; i < menu->topLevelItemCount(); ++i) { // the folder switch in sight too
            QVERIFY(menu->viewport()->rect().contains(menu->visualItemRect(menu->topLevelItem(i))));
        }
        halvex::testing::saveScreenshot(*m_rig->form, QStringLiteral("settings-with-folder-switch"));
        m_rig->pick(QStringLiteral("Units"));
        // The section's own name wins over the list file's; MCV is not in the mod.
        QCOMPARE(texts(*menu, {0, 1}), (QStringList{"Conscript|E1", "Zombie|ZOMBIE", "Zombie|SPECTRE", "Wyvern|WYVERN",
                                                    "Wraith|WRAITH", "Scarab Tank|AATNK"}));
        QVERIFY(!menu->isColumnHidden(1)); // objects show their ID
        halvex::testing::saveScreenshot(*m_rig->form, QStringLiteral("units-list-mod"));

        menu->setFocus();
        QTest::keyClicks(menu, QStringLiteral("sc"));
        QCOMPARE(menu->currentItem()->text(1), QStringLiteral("AATNK"));
        QTest::mouseClick(m_rig->form->okButton(), Qt::LeftButton);
        QCOMPARE(m_rig->form->currentSection(), std::string("AATNK"));
        QCOMPARE(m_rig->form->windowTitle(), QStringLiteral("Halvex Editor Proffesional - Scarab Tank (AATNK) - ") +
                                                 QString::fromStdU16String(m_rig->game.path().u16string()));
        halvex::testing::saveScreenshotWithTitle(*m_rig->form, QStringLiteral("title-with-object"));
        m_rig->form->pressCancel();
        QVERIFY(menu->isColumnHidden(1)); // commands have no ID
    }

    void weaponCombosOfferTheModsOwnAndKeepAnyValue() {
        start();
        m_rig->load(QStringLiteral("Units"), QStringLiteral("Conscript"));
        auto* primary = m_rig->field<QComboBox>("maincombo", 1);
        const QStringList offered = texts(*primary);
        QCOMPARE(offered.first(), QStringLiteral("(none)"));
        QCOMPARE(offered.mid(offered.size() - 3), (QStringList{"M60", "Claws", "SoulDrain"}));
        QCOMPARE(texts(*m_rig->field<QComboBox>("elitecmb", halvex::editor::kNoIndex)), offered);

        // SPECTRE is the second "Zombie": its weapon has no section and is in no list.
        m_rig->showList(QStringLiteral("Units"));
        m_rig->form->clickEntry(3);
        m_rig->form->pressOk();
        QCOMPARE(m_rig->field<QComboBox>("maincombo", 2)->currentText(), QStringLiteral("Plague"));

        m_rig->load(QStringLiteral("Weapons"), QStringLiteral("Claws"));
        const QStringList projectiles = texts(*m_rig->field<QComboBox>("weapcmb", 0));
        QCOMPARE(projectiles.mid(projectiles.size() - 2), (QStringList{"BoneShard", "GhostBeam"}));
        QCOMPARE(texts(*m_rig->field<QComboBox>("weapcmb", 1)).last(), QStringLiteral("NecroWH"));
        QCOMPARE(m_rig->field<QComboBox>("weapcmb", 0)->currentText(), QStringLiteral("BoneShard"));

        // A text replaced whole (the source editor, Add/Delete) brings its own weapons.
        std::string replaced(kModRules);
        replaced.insert(replaced.find("[WYVERN]\r\n") + 10, "Primary=Fangs\r\n");
        m_rig->workspace->rules().replace(replaced + "\r\n[Fangs]\r\nDamage=5\r\n");
        m_rig->form->rulesTextReplaced();
        m_rig->load(QStringLiteral("Units"), QStringLiteral("Wyvern"));
        QCOMPARE(primary->currentText(), QStringLiteral("Fangs"));
        QVERIFY(texts(*primary).contains(QStringLiteral("Fangs")));
        QVERIFY(m_rig->workspace->changes().empty());
    }

    void switchingFoldersAsksAboutUnsavedEdits_data() {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<bool>("withRules");
        QTest::addColumn<bool>("switched");
        QTest::newRow("save") << MessageAnswer::Save << true << true;
        QTest::newRow("discard") << MessageAnswer::Discard << true << true;
        QTest::newRow("cancel") << MessageAnswer::Cancel << true << false;
        QTest::newRow("discard, folder without rules.ini") << MessageAnswer::Discard << false << false;
    }

    void switchingFoldersAsksAboutUnsavedEdits() {
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, withRules);
        QFETCH(bool, switched);
        start();
        m_rig->program.write(withRules ? "Mods; Nod Rising/RULES.INI" : "Mods; Nod Rising/readme.txt",
                             kOtherModRules);
        m_rig->load(QStringLiteral("Units"), QStringLiteral("Conscript"));
        EditorRig::type(m_rig->field<QLineEdit>("mainedit", 2), QStringLiteral("250"));
        m_rig->platform.messageAnswers.push_back(answer);
        if (answer != MessageAnswer::Cancel) m_rig->platform.folderAnswers.push_back(otherMod());

        switchFolders();

        QVERIFY(m_rig->platform.messageAnswers.empty() && m_rig->platform.folderAnswers.empty());
        const auto& question = m_rig->platform.messages.front();
        QCOMPARE(question.buttons, halvex::MessageButtons::SaveDiscardCancel);
        QCOMPARE(question.icon, halvex::MessageIcon::Exclamation);
        const bool saved = answer == MessageAnswer::Save;
        QCOMPARE(m_rig->game.read("rules.ini").find("Cost=250\r\n") != std::string::npos, saved);
        QCOMPARE(m_rig->workspace->rules().text() == kOtherModRules, switched);
        QCOMPARE(m_rig->workspace->changes().empty(), switched || saved);
        if (!withRules) {
            QCOMPARE(m_rig->platform.messages.size(), std::size_t{2});
            QVERIFY(m_rig->platform.messages[1].text.find("holds no rules.ini") != std::string::npos);
        }
        if (!switched) {
            QCOMPARE(m_rig->form->currentSection(), std::string("E1"));
            return;
        }
        QCOMPARE(m_rig->form->currentSection(), std::string());
        QCOMPARE(m_rig->form->windowTitle(),
                 QStringLiteral("Halvex Editor Proffesional - ") + QString::fromStdU16String(otherMod().u16string()));
        m_rig->showList(QStringLiteral("Units"));
        QCOMPARE(texts(*m_rig->form->menu()), QStringList{"Golem"});

        // A restart opens the new folder and offers the old one among the recent.
        m_rig->form.reset();
        m_rig->create();
        QVERIFY(m_rig->form->loadSequence());
        QCOMPARE(m_rig->workspace->rules().text(), std::string(kOtherModRules));
        m_rig->platform.folderAnswers.push_back(std::nullopt);
        switchFolders();
        QCOMPARE(m_rig->platform.offeredRecentFolders.back(), (std::vector<fs::path>{otherMod(), m_rig->game.path()}));
        QCOMPARE(m_rig->workspace->gameDirectory(), otherMod()); // cancelled: nothing changed
    }
};

QTEST_MAIN(ModObjectsTest)
#include "mod_objects_test.moc"
