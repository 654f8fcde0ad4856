// The program's command line as a terminal, a script or an ssh session uses
// it: no display at all, answers on the right stream, the usual exit codes.
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

#include "tests/support/rows.h"

using namespace corvell::test;

namespace {
const QString kVersion = QStringLiteral("Corvell's Calculator " CORVELL_VERSION "\n");
}  // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void answersWithoutADisplay_data() {
        columns<QStringList, int, QString, QString>({"arguments", "exit", "out", "error"});
        row("--version", QStringList{"--version"}, 0, kVersion, QString());
        row("-v", QStringList{"-v"}, 0, kVersion, QString());
        row("--help", QStringList{"--help"}, 0,
            QString("Usage: corvells-calculator [options] [FILE]\n"), QString());
        row("an unknown option", QStringList{"--frobnicate"}, 1, QString(),
            QString("corvells-calculator: Unknown option 'frobnicate'.\n"
                    "Try 'corvells-calculator --help' for more information.\n"));
        row("two claims", QStringList{"a.claim", "b.claim"}, 1, QString(),
            QString("corvells-calculator: Only one claim file can be opened at a time; 2 were "
                    "given (a.claim, b.claim).\n"));
        row("a Qt option before --version", QStringList{"-style", "fusion", "--version"}, 0,
            kVersion, QString());
    }
    void answersWithoutADisplay() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exit);
        QFETCH(QString, out);
        QFETCH(QString, error);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            environment.remove(QString::fromLatin1(name));
        }
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(CORVELL_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(20'000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exit);
        const QString stdOut = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QString stdErr = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(stdOut.startsWith(out) && (!out.isEmpty() || stdOut.isEmpty()),
                 qPrintable(stdOut));
        QVERIFY2(stdErr.startsWith(error) && (!error.isEmpty() || stdErr.isEmpty()),
                 qPrintable(stdErr));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
