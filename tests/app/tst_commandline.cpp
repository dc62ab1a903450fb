// The command line: what each line asks for, and the built program answering
// help, the version and a refused line on the terminal without a window.
#include "app/commandline.h"

#include <QProcess>
#include <QTest>

using namespace vantrel;
using Action = CommandLine::Action;

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void programAnswersWithoutWindow_data();
    void programAnswersWithoutWindow();
};

void TestCommandLine::parse_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("planFile");

    const QString none;
    QTest::newRow("nothing") << QStringList{} << Action::OpenWindow << none;
    QTest::newRow("relative") << QStringList{"plans/shop.ip"} << Action::OpenWindow
                              << "/home/ann/plans/shop.ip";
    QTest::newRow("absolute") << QStringList{"/srv/shop.ip"} << Action::OpenWindow
                              << "/srv/shop.ip";
    QTest::newRow("dash name after --")
        << QStringList{"--", "-reverse"} << Action::OpenWindow << "/home/ann/-reverse";
    QTest::newRow("lone dash") << QStringList{"-"} << Action::OpenWindow << "/home/ann/-";
    QTest::newRow("--help") << QStringList{"--help"} << Action::ShowHelp << none;
    QTest::newRow("-h with a file") << QStringList{"shop.ip", "-h"} << Action::ShowHelp << none;
    QTest::newRow("--version") << QStringList{"--version"} << Action::ShowVersion << none;
    QTest::newRow("two files") << QStringList{"a.ip", "b.ip"} << Action::Refuse << none;
    QTest::newRow("two after --") << QStringList{"a.ip", "--", "--"} << Action::Refuse << none;
    QTest::newRow("unknown") << QStringList{"--open=a.ip"} << Action::Refuse << none;
    QTest::newRow("unknown beside --help") << QStringList{"--help", "-x"} << Action::Refuse << none;
    QTest::newRow("a Qt option") << QStringList{"-style", "fusion"} << Action::Refuse << none;
}

void TestCommandLine::parse() {
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    QFETCH(QString, planFile);
    const CommandLine line =
        parseCommandLine(QStringList{"vantrel"} + arguments, QDir(QStringLiteral("/home/ann")));
    QCOMPARE(line.action, action);
    QCOMPARE(line.planFile, planFile);
    QCOMPARE(line.complaint.isEmpty(), action != Action::Refuse);
}

void TestCommandLine::programAnswersWithoutWindow_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    const QString usage = usageText();
    QTest::newRow("--version") << QStringList{"--version"} << 0
                               << "Vantrel " VANTREL_PROJECT_VERSION "\n"
                               << QString();
    QTest::newRow("--help") << QStringList{"--help"} << 0 << usage << QString();
    QTest::newRow("two files") << QStringList{"a.ip", "b.ip"} << 2 << QString()
                               << "vantrel: one plan file at most, not 2\n" + usage;
    QTest::newRow("unknown") << QStringList{"--bogus"} << 2 << QString()
                             << "vantrel: unknown option '--bogus'\n" + usage;
}

// With no display to reach, a program that made its window would abort.
void TestCommandLine::programAnswersWithoutWindow() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(VANTREL_PROGRAM), arguments);
    QVERIFY2(program.waitForFinished(10000), qPrintable(program.errorString()));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(QString::fromUtf8(program.readAllStandardError()), err);
    QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()), out);
    QCOMPARE(program.exitCode(), exitCode);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
