#include "fakes/TempDir.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>

// The program run as a user runs it from a shell, from a folder of its own so that
// anything it would write beside itself shows.
class ProgramOptionsTest : public QObject {
    Q_OBJECT

    halvex::testing::TempDir m_folder;
    QString m_program;

    struct Run {
        int exitCode = -1;
        QString out;
        QString err;
    };
    Run run(const QStringList& arguments) const {
        QProcess process;
        // A platform that does not exist: starting the window toolkit at all would fail.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-display-here"));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(QString::fromStdU16String(m_folder.path().u16string()));
        process.start(m_program, arguments);
        if (!process.waitForFinished(30000)) qFatal("the program did not exit");
        const bool normal = process.exitStatus() == QProcess::NormalExit;
        return {normal ? process.exitCode() : -1, QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

private slots:
    void initTestCase() {
        const QString name = QFileInfo(QStringLiteral(HALVEX_PROGRAM)).fileName();
        m_program = QString::fromStdU16String(m_folder.path().u16string()) + QLatin1Char('/') + name;
        QVERIFY(QFile::copy(QStringLiteral(HALVEX_PROGRAM), m_program));
    }

    void versionAndHelpPrintAndExitBeforeAnyWindow() {
        const Run version = run({QStringLiteral("--version")});
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out, QStringLiteral("Halvex " HALVEX_PROJECT_VERSION "\n"));
        QVERIFY2(version.err.isEmpty(), qPrintable(version.err));
        QCOMPARE(run({QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("-v")}).out,
                 version.out);

        const Run help = run({QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        QVERIFY2(help.out.startsWith(QStringLiteral("Usage: halvex")), qPrintable(help.out));
        QVERIFY(help.out.contains(QStringLiteral("--version")));
        QCOMPARE(run({QStringLiteral("-h")}).out, help.out);

        QVERIFY2(m_folder.names().size() == 1, "nothing is written beside the program");
        QVERIFY2(run({}).exitCode != 0, "the missing platform stops the editor, so the options were no accident");
    }
};

QTEST_GUILESS_MAIN(ProgramOptionsTest)
#include "program_options_test.moc"
