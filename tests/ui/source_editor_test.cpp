// The source editor as a modder drives it from the main window: the value list with
// real key presses, Skip Section, going to a section, writing back and closing.
#include "core/source/AllowedValues.h"
#include "ui/source/SearchWindow.h"
#include "ui/source/SourceBox.h"
#include "ui/source/SourceEditor.h"
#include "ui/source/SourceHighlighter.h"
#include "ui/source/ValueList.h"

#include "fakes/EditorRig.h"
#include "fakes/Screenshot.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTextBlock>
#include <QtTest>

using halvex::MessageAnswer;
using halvex::testing::EditorRig;
using halvex::ui::SourceEditor;
using halvex::ui::SourceHighlighter;

namespace {

// A mod's rules: its own units and weapons, a stray LF line, accented and no-break bytes.
constexpr std::string_view kModRules = ";Scrin Invasion mod 0.3\r\n\r\n"
                                       "[E1]\r\nName=Light Infantry\r\nCost=120\r\n\r\n"
                                       "[ScrinTank] ;heavy walker\r\nName=Scrin D\xE9vastateur\xA0II\r\n"
                                       "Strength=900\nCost=1400\r\n\r\n"
                                       "[ScrinLaser]\r\nDamage=90\r\nWarhead=ScrinWH\r\n";

} // namespace

class SourceEditorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorRig> m_rig;

    SourceEditor& editor() const { return *m_rig->form->sourceEditor(); }
    halvex::ui::SourceBox& box() const { return *editor().box(); }
    halvex::ui::ValueList& values() const { return *editor().valueList(); }
    QTextBlock block(int number) const { return box().document()->findBlockByNumber(number); }
    QString line(int number) const { return block(number).text(); }

    // Opens the editor over the program's text, or fills it again with that text.
    void open() const {
        m_rig->command(QStringLiteral("Edit Source Code"));
        if (m_rig->form->sourceEditor() == nullptr) qFatal("no source editor");
        editor().activateWindow();
        if (!QTest::qWaitForWindowActive(&editor())) qWarning("the source editor is not active");
    }

    // Puts the cursor at the start of a line, as a click there would, and types; "\r" is Enter.
    void typeOnLine(int number, const QString& text) const {
        box().setFocus();
        box().setTextCursor(QTextCursor(block(number)));
        QTest::keyClicks(&box(), text);
    }

    // Types a key and "=", moves into the list with Down, goes `downs` further and picks with `key`.
    void pickByKeys(int number, const QString& typed, int downs, Qt::Key key) const {
        typeOnLine(number, typed);
        QTest::keyClick(&box(), Qt::Key_Down);
        for (int i = 0; i < downs; ++i) QTest::keyClick(&values(), Qt::Key_Down);
        QTest::keyClick(&values(), key);
    }

    void answerClose(MessageAnswer answer) const {
        m_rig->platform.messageAnswers.push_back(answer);
        QTest::mouseClick(editor().closeButton(), Qt::LeftButton);
    }

private slots:
    void init() {
        m_rig = std::make_unique<EditorRig>();
        m_rig->installListFiles();
        m_rig->open(kModRules);
        open();
    }

    void cleanup() { m_rig.reset(); }

    void equalsOffersTheValuesOfAKnownKeyBelowTheCursor() {
        typeOnLine(3, QStringLiteral("Primary"));
        QVERIFY(!values().isVisible());
        QTest::keyClick(&box(), Qt::Key_Equal);
        QStringList weapons;
        for (const auto& value : halvex::source::allowedvalues("Primary")) weapons << QString::fromLatin1(value.text);
        QCOMPARE(halvex::testing::texts(values()), weapons);
        // Below the line typed on, not over it.
        const int lineBottom = box().viewport()->mapTo(&editor(), box().cursorRect().bottomLeft()).y();
        QCOMPARE(values().y(), lineBottom + 1);
        halvex::testing::saveScreenshot(editor(), QStringLiteral("source-editor-values"));

        auto* vulcan = values().findItems(QStringLiteral("Vulcan2"), Qt::MatchExactly).value(0);
        QVERIFY(vulcan != nullptr);
        values().scrollToItem(vulcan);
        const QPoint centre = values().visualItemRect(vulcan).center();
        QTest::mouseClick(values().viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(values().viewport(), Qt::LeftButton, {}, centre);
        QVERIFY(!values().isVisible());
        QCOMPARE(line(3), QStringLiteral("Primary=Vulcan2Name=Light Infantry"));
        QCOMPARE(QApplication::focusWidget(), &box());

        // The key is the line's text before the "=", as typed: no trimming, no case folding.
        for (const QString& key : {QStringLiteral(" Primary"), QStringLiteral("primary"), QStringLiteral("Owner=GDI,")}) {
            typeOnLine(5, key + QStringLiteral("="));
            QVERIFY2(!values().isVisible(), qPrintable(key));
        }
        typeOnLine(0, QStringLiteral("Owner="));
        QVERIFY2(!values().isVisible(), "the first line offers nothing");
        typeOnLine(5, QStringLiteral("Owner="));
        QVERIFY(values().isVisible());
        QTest::keyClick(&box(), Qt::Key_Left);
        QVERIFY2(values().isVisible(), "moving the cursor keeps the list");
        QTest::keyClick(&box(), Qt::Key_G);
        QVERIFY2(!values().isVisible(), "typing a character closes it");
    }

    // Colours come from the dialog, which the user cancels the second time.
    void keyboardPicksWithoutAStrayLineBreak() {
        m_rig->platform.colourAnswers = {0x00FF00, std::nullopt};
        const int lines = box().blockCount();
        typeOnLine(9, QStringLiteral("Owner="));
        QTest::keyClick(&box(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), &values());
        QCOMPARE(box().textCursor().blockNumber(), 9); // the Down key did not move the cursor
        QTest::keyClick(&values(), Qt::Key_Return);
        QCOMPARE(line(9).left(9), QStringLiteral("Owner=GDI"));
        pickByKeys(9, QStringLiteral("Crushable="), 1, Qt::Key_Space);
        QCOMPARE(line(9).left(12), QStringLiteral("Crushable=No"));
        pickByKeys(4, QStringLiteral("RadarColor="), 0, Qt::Key_Enter);
        QCOMPARE(line(4), QStringLiteral("RadarColor=0,255,0Cost=120"));
        pickByKeys(4, QStringLiteral("LaserColor="), 0, Qt::Key_Return);
        pickByKeys(4, QStringLiteral("StartColor1="), 2, Qt::Key_Return);
        QCOMPARE(line(4), QStringLiteral("StartColor1=0, 255, 0LaserColor=RadarColor=0,255,0Cost=120"));
        QVERIFY(m_rig->platform.colourAnswers.empty());
        QCOMPARE(box().blockCount(), lines);
    }

    void skipSectionAndGoToSectionMoveToHeaders() {
        const std::string shown = box().shownText();
        box().setCursorOffset(shown.find("Cost=120"));
        // Just past the next header each time; the last section keeps the cursor.
        for (const std::string header : {"[ScrinTank]", "[ScrinLaser]", "[ScrinLaser]"}) {
            QTest::mouseClick(editor().skipButton(), Qt::LeftButton);
            QCOMPARE(box().cursorOffset(), shown.find(header) + header.size());
        }

        editor().sectionField()->setFocus();
        QTest::keyClicks(editor().sectionField(), QStringLiteral("scrintank\r"));
        QCOMPARE(box().cursorOffset(), shown.find("[ScrinTank]"));
        QCOMPARE(QApplication::focusWidget(), &box());
        QVERIFY(!editor().goToSection("Nothing"));
        QCOMPARE(m_rig->platform.messageTexts(),
                 std::vector<std::string>{"There is no section [Nothing] in the text."}); // and none before
    }

    // A failed write is reported and keeps the edits, in the editor and out of the
    // program; with the folder back, Save writes the exact bytes and the form follows.
    void savingWritesBackExactBytesOrKeepsTheEdits() {
        m_rig->load(QStringLiteral("Units"), QStringLiteral("Light Infantry"));
        open();
        typeOnLine(4, QString());
        QTest::keyClick(&box(), Qt::Key_End);
        for (int i = 0; i < 3; ++i) QTest::keyClick(&box(), Qt::Key_Backspace);
        QTest::keyClicks(&box(), QStringLiteral("777"));
        QCOMPARE(m_rig->workspace->rules().text(), std::string(kModRules)); // nothing reaches the program yet

        std::filesystem::remove_all(m_rig->game.path());
        QTest::mouseClick(editor().saveButton(), Qt::LeftButton);
        QCOMPARE(m_rig->platform.messages.size(), std::size_t{1});
        QCOMPARE(m_rig->platform.messages[0].icon, halvex::MessageIcon::Critical);
        QVERIFY(m_rig->platform.messages[0].text.starts_with("Rules.ini could not be saved to "));
        QVERIFY(editor().isModified());
        QCOMPARE(m_rig->workspace->rules().text(), std::string(kModRules));
        answerClose(MessageAnswer::Yes);
        QVERIFY2(editor().isVisible(), "the window stays open with the text it could not write");
        QCOMPARE(line(4), QStringLiteral("Cost=777"));

        std::filesystem::create_directory(m_rig->game.path());
        const std::size_t said = m_rig->platform.messages.size();
        QTest::mouseClick(editor().saveButton(), Qt::LeftButton);
        std::string expected(kModRules);
        expected.replace(expected.find("Cost=120"), 8, "Cost=777");
        QCOMPARE(m_rig->game.read("rules.ini"), expected);
        QVERIFY(!editor().isModified() && m_rig->workspace->changes().empty());
        QCOMPARE(m_rig->platform.messages.size(), said); // a write that worked says nothing
        QCOMPARE(m_rig->field<QLineEdit>("mainedit", 2)->text(), QStringLiteral("777"));
        QTest::mouseClick(editor().closeButton(), Qt::LeftButton); // saved: no question
        QVERIFY(!editor().isVisible());
    }

    // Ctrl+F's search window works only on an open editor, so it closes with it.
    void theCloseQuestionAndReopening() {
        QTest::keyClick(&box(), Qt::Key_F, Qt::ControlModifier);
        QPointer<halvex::ui::SearchWindow> search = editor().searchWindow();
        QVERIFY(search && search->isVisible());
        answerClose(MessageAnswer::Cancel); // the fill on opening counts as a change
        QVERIFY(editor().isVisible());
        QCOMPARE(m_rig->platform.messages.back().text, std::string(SourceEditor::kCloseQuestion));
        QCOMPARE(m_rig->platform.messages.back().buttons, halvex::MessageButtons::YesNoCancel);

        typeOnLine(3, QStringLiteral("Speed=9\r"));
        answerClose(MessageAnswer::No);
        QVERIFY(!editor().isVisible());
        QTRY_VERIFY(search.isNull());
        QCOMPARE(m_rig->game.read("rules.ini"), std::string(kModRules));

        open();
        typeOnLine(3, QStringLiteral("Speed=9\r"));
        // Opening again refills the box, so it first asks about the edits: Cancel keeps them.
        m_rig->platform.messageAnswers.push_back(MessageAnswer::Cancel);
        m_rig->command(QStringLiteral("Edit Source Code"));
        QCOMPARE(line(3), QStringLiteral("Speed=9"));
        QCOMPARE(m_rig->platform.messages.back().text, std::string(SourceEditor::kCloseQuestion));
        m_rig->platform.messageAnswers.push_back(MessageAnswer::No);
        m_rig->command(QStringLiteral("Edit Source Code"));
        QCOMPARE(box().rulesText(), std::string(kModRules));
        QVERIFY(editor().isModified());
        m_rig->command(QStringLiteral("Edit Source Code")); // the text as opened: no question

        typeOnLine(3, QStringLiteral("Speed=9\r"));
        answerClose(MessageAnswer::Yes);
        QVERIFY(!editor().isVisible());
        QVERIFY(m_rig->game.read("rules.ini").find("\r\nSpeed=9\r\nName=Light Infantry") != std::string::npos);
        QVERIFY(m_rig->platform.messageAnswers.empty());
    }

    // Ending the program must not drop the editor's unsaved text without a word.
    void exitingAsksAboutTheEditorsUnsavedText() {
        typeOnLine(3, QStringLiteral("Speed=9\r"));
        m_rig->platform.messageAnswers.push_back(MessageAnswer::Cancel);
        QVERIFY(!m_rig->form->exitSequence());
        QVERIFY(editor().isVisible());
        QCOMPARE(m_rig->platform.messages.back().text, std::string(SourceEditor::kCloseQuestion));

        m_rig->platform.messageAnswers.push_back(MessageAnswer::Yes);
        QVERIFY(m_rig->form->exitSequence());
        QVERIFY(m_rig->game.read("rules.ini").find("\r\nSpeed=9\r\nName=Light Infantry") != std::string::npos);
        QCOMPARE(m_rig->platform.messages.size(), std::size_t{2});
    }

    void exitingWithTheTextAsOpenedAsksNothing() {
        QVERIFY(m_rig->form->exitSequence());
        QVERIFY(m_rig->platform.messages.empty());
    }

    // A text far taller than the box: only the lines shown are coloured, colouring is no
    // edit, and the value list offered on the last line shown stays inside the window.
    void aTallTextColoursWhatIsShownAndKeepsTheListInside() {
        std::string big = "[Big]\r\n";
        for (int i = 0; i < 3000; ++i) big += "Key" + std::to_string(i) + "=Value ;note\r\n";
        m_rig->workspace->rules().replace(big);
        open();
        QVERIFY(editor().saveChanges());
        editor().grab();
        QVERIFY(SourceHighlighter::isHighlighted(block(1)));
        QCOMPARE(block(1).layout()->formats().size(), 3);
        QVERIFY(!SourceHighlighter::isHighlighted(box().document()->lastBlock().previous()));
        QVERIFY(!editor().isModified());

        typeOnLine(1, QStringLiteral("X"));
        QVERIFY(!SourceHighlighter::isHighlighted(block(1)));
        editor().grab();
        QVERIFY(SourceHighlighter::isHighlighted(block(1)));
        QCOMPARE(block(1).layout()->formats().front().length, 5); // "XKey0"

        const QTextBlock lastShown = box().cursorForPosition(QPoint(4, box().viewport()->height() - 4)).block();
        typeOnLine(lastShown.blockNumber(), QStringLiteral("TechLevel="));
        QVERIFY(values().isVisible());
        QCOMPARE(values().geometry().bottom(), editor().height() - 1);
        QVERIFY(values().x() > 0);
    }
};

QTEST_MAIN(SourceEditorTest)
#include "source_editor_test.moc"
