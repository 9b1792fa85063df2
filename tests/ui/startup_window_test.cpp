#include "core/Startup.h"
#include "ui/GameFolderDialog.h"
#include "ui/MainForm.h"
#include "ui/QtText.h"

#include "fakes/FakePlatform.h"
#include "fakes/Screenshot.h"
#include "fakes/TempDir.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

namespace fs = std::filesystem;

const fs::path kCyrillic = fs::path(u8"/игры/Tiberian Sun");
const fs::path kGreek = fs::path(u8"/παιχνίδια/ts");

} // namespace

class StartupWindowTest : public QObject {
    Q_OBJECT

    static std::unique_ptr<halvex::ui::GameFolderDialog> shownDialog(const std::vector<fs::path>& recent) {
        auto dialog =
            std::make_unique<halvex::ui::GameFolderDialog>(halvex::ui::toQString(halvex::kFolderPrompt), recent);
        dialog->show();
        if (!QTest::qWaitForWindowActive(dialog.get())) qFatal("the folder dialog never became active");
        return dialog;
    }

private slots:
    void showsTheInstructionTakesATypedFolderWithEnterAndCancelsWithEscape() {
        auto dialog = shownDialog({});
        QVERIFY(dialog->promptLabel()->isVisible());
        QCOMPARE(dialog->promptLabel()->text(), halvex::ui::toQString(halvex::kFolderPrompt));
        QVERIFY(dialog->folderField()->hasFocus());
        QTest::keyClick(dialog->folderField(), Qt::Key_Return);
        QVERIFY2(dialog->isVisible(), "Enter with no folder keeps the dialog open");

        QTest::keyClicks(dialog->folderField(), QStringLiteral("/games//ts/"));
        QTest::keyClick(dialog->folderField(), Qt::Key_Return);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->folder(), fs::path("/games/ts"));

        dialog = shownDialog({});
        QTest::keyClicks(dialog->folderField(), QStringLiteral("/games"));
        QTest::keyClick(dialog->folderField(), Qt::Key_Escape);
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
    }

    void recentFoldersAreOneClickAwayAndFocusAloneTakesNone() {
        auto dialog = shownDialog({kCyrillic, kGreek});
        halvex::testing::saveScreenshot(*dialog, QStringLiteral("game-folder-dialog"));
        QListWidget* recent = dialog->recentList();
        QTest::keyClicks(dialog->folderField(), QStringLiteral("/typed"));
        QTest::keyClick(dialog.get(), Qt::Key_R, Qt::AltModifier);
        QVERIFY(recent->hasFocus());
        QCOMPARE(dialog->folderField()->text(), QStringLiteral("/typed"));

        QTest::mouseClick(recent->viewport(), Qt::LeftButton, {}, recent->visualItemRect(recent->item(1)).center());
        QCOMPARE(dialog->folderField()->text(), QString::fromStdU16String(kGreek.u16string()));
        QVERIFY(dialog->isVisible());

        QTest::keyClick(recent, Qt::Key_Up);
        QTest::keyClick(recent, Qt::Key_Return);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->folder(), kCyrillic);
    }

    void cancellingTheFirstPromptOpensAndWritesNothing() {
        halvex::testing::TempDir program;
        halvex::testing::FakePlatform platform;
        platform.folderAnswers = {std::nullopt};
        halvex::Workspace workspace(program.path());
        halvex::ui::MainForm form(workspace, platform);

        QVERIFY(!form.loadSequence());
        QVERIFY(fs::is_empty(program.path()));
        for (const QWidget* window : QApplication::topLevelWidgets()) QVERIFY(!window->isVisible());
    }
};

QTEST_MAIN(StartupWindowTest)
#include "startup_window_test.moc"
