// The search window on a source editor's box, driven with the keyboard and the mouse.
#include "ui/source/SearchWindow.h"
#include "ui/source/SourceBox.h"
#include "ui/source/SourceEditor.h"

#include "fakes/FakePlatform.h"
#include "fakes/Screenshot.h"
#include "fakes/WidgetTexts.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

using halvex::MessageIcon;
using halvex::source::SearchScope;
using halvex::ui::SearchWindow;

namespace {

constexpr std::string_view kModRules = "[GAScrinHub]\r\nName=Scrin Hub\r\nSpeed=4\r\nCost=1500 ;cost in credits\r\n"
                                       "\r\n[ScrinDrone]\r\nSpeed=4 ;Speed=4 twice\r\nCOST=300\r\n";

} // namespace

class SearchWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<halvex::testing::FakePlatform> m_platform;
    std::unique_ptr<halvex::ui::SourceEditor> m_editor;
    std::vector<std::string> m_written;

    SearchWindow& search() const { return *m_editor->searchWindow(); }
    halvex::ui::SourceBox& box() const { return *m_editor->box(); }

    // Types the search text, presses "Do it!" and gives the rows as "text|char|line".
    QStringList doIt(const QString& needle) const {
        halvex::testing::typeInto(search().searchField(), needle);
        QTest::mouseClick(search().runButton(), Qt::LeftButton);
        return halvex::testing::texts(*search().results(), {0, 1, 2});
    }

    std::string lastMessage() const { return m_platform->messages.empty() ? "" : m_platform->messages.back().text; }

private slots:
    void init() {
        m_platform = std::make_unique<halvex::testing::FakePlatform>();
        m_written.clear();
        m_editor = std::make_unique<halvex::ui::SourceEditor>(*m_platform, [this](std::string text) {
            m_written.push_back(std::move(text));
            return true;
        });
        m_editor->load(std::string(kModRules));
        m_editor->show();
        QTest::mouseClick(m_editor->findButton(), Qt::LeftButton);
        QVERIFY(m_editor->searchWindow() != nullptr);
    }

    void cleanup() { m_editor.reset(); }

    void listsEveryHitWithItsLineInEitherCase() {
        const int withoutResults = search().height();
        QCOMPARE(doIt(QStringLiteral("cost")),
                 (QStringList{"Cost=1500 ;cost in credits|37|3", "Cost=1500 ;cost in credits|48|3", "COST=300|101|7"}));
        QCOMPARE(lastMessage(), std::string("Search complete! 3 results found!"));
        QCOMPARE(m_platform->messages.back().icon, MessageIcon::Information);
        const int withResults = search().height();
        QVERIFY(withResults > withoutResults);
        halvex::testing::saveScreenshot(search(), QStringLiteral("search-results"));

        QTest::mouseClick(search().matchCaseBox(), Qt::LeftButton);
        QCOMPARE(doIt(QStringLiteral("cost")), (QStringList{"Cost=1500 ;cost in credits|48|3"}));
        QCOMPARE(doIt(QStringLiteral("Nothing")), QStringList{});
        QCOMPARE(lastMessage(), std::string("No Results found"));
        QCOMPARE(m_platform->messages.back().icon, MessageIcon::Critical);
        QCOMPARE(search().height(), withResults); // stays tall

        QCOMPARE(doIt(QStringLiteral("")), QStringList{});
        QCOMPARE(lastMessage(), std::string(halvex::source::kNothingToSearchFor));
        QCOMPARE(box().rulesText(), std::string(kModRules)); // listing leaves the text alone
    }

    // How scopes count is the core's; here, that they start from the editor's cursor, and
    // that a double-click selects its row's very hit, the second of a line too.
    void scopesStartAtTheCursorAndADoubleClickSelectsTheHit() {
        box().setCursorOffset(box().shownText().find("[ScrinDrone]"));
        QTest::mouseClick(search().scopeButton(SearchScope::BeforeCursor), Qt::LeftButton);
        QCOMPARE(doIt(QStringLiteral("Speed=4")), QStringList{"Speed=4|29|2"});
        QTest::mouseClick(search().scopeButton(SearchScope::AfterCursor), Qt::LeftButton);
        QCOMPARE(doIt(QStringLiteral("Speed=4")),
                 (QStringList{"Speed=4 ;Speed=4 twice|78|6", "Speed=4 ;Speed=4 twice|87|6"}));

        QTreeWidget& results = *search().results();
        const QPoint secondRow = results.visualItemRect(results.topLevelItem(1)).center();
        QTest::mouseClick(results.viewport(), Qt::LeftButton, {}, secondRow);
        QTest::mouseDClick(results.viewport(), Qt::LeftButton, {}, secondRow);
        QCOMPARE(box().cursorOffset(), box().shownText().rfind("Speed=4"));
        QCOMPARE(box().textCursor().selectedText(), QStringLiteral("Speed=4"));
    }

    void replacingChangesTheBoxInOneUndoableStepAndCancelCloses() {
        halvex::testing::typeInto(search().replaceField(), QStringLiteral("Speed=5"));
        QCOMPARE(doIt(QStringLiteral("speed=4")),
                 (QStringList{"Speed=5|29|2", "Speed=5 ;Speed=4 twice|78|6", "Speed=5 ;Speed=5 twice|87|6"}));
        QCOMPARE(lastMessage(), std::string("Search complete! 3 items replaced!"));
        QCOMPARE(box().rulesText(), std::string("[GAScrinHub]\r\nName=Scrin Hub\r\nSpeed=5\r\nCost=1500 ;cost in credits\r\n"
                                                "\r\n[ScrinDrone]\r\nSpeed=5 ;Speed=5 twice\r\nCOST=300\r\n"));
        QVERIFY(m_editor->isModified());
        box().undo();
        QCOMPARE(box().rulesText(), std::string(kModRules));

        QPointer<SearchWindow> window = &search();
        QTest::mouseClick(search().cancelButton(), Qt::LeftButton);
        QTRY_VERIFY(window.isNull());
    }
};

QTEST_MAIN(SearchWindowTest)
#include "search_window_test.moc"
