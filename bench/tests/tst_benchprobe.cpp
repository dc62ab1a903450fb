// The start-up probe's two ends: the launch moment it is given, the report it
// prints, and the watch that decides when the window counts as painted.
#include "bench/paintwatch.h"
#include "bench/probereport.h"

#include <QApplication>
#include <QTest>

using namespace vantrel::bench;

class TestBenchProbe : public QObject {
    Q_OBJECT
private slots:
    void reportSurvivesOtherOutput() {
        const QByteArray output = "This plugin does not support propagateSizeHints()\n" +
                                  probeReport(123456789) + "bye\n";
        QCOMPARE(readProbeReport(output), std::optional<qint64>(123456789));
    }

    void malformedReportsAreRefused_data() {
        QTest::addColumn<QByteArray>("output");
        QTest::newRow("nothing") << QByteArray();
        QTest::newRow("no number") << QByteArray("first-paint-ns\n");
        QTest::newRow("not a number") << QByteArray("first-paint-ns soon\n");
        QTest::newRow("negative") << QByteArray("first-paint-ns -5\n");
        QTest::newRow("other key") << QByteArray("first-paint-ms 12\n");
    }
    void malformedReportsAreRefused() {
        QFETCH(QByteArray, output);
        QCOMPARE(readProbeReport(output), std::nullopt);
    }

    void launchMomentFromArguments() {
        const qint64 now = monotonicNanoseconds();
        QCOMPARE(launchMoment(QStringList{"probe"} + probeArguments(now)), now);
        QCOMPARE(launchMoment({"probe"}), std::nullopt);
        QCOMPARE(launchMoment({"probe", "--since"}), std::nullopt);
        QCOMPARE(launchMoment({"probe", "--since", "yesterday"}), std::nullopt);
        QVERIFY(monotonicNanoseconds() >= now);
    }

    void firstPaintWatchWaitsForTheWholePass() {
        QWidget window;
        window.resize(300, 200);
        auto* child = new QWidget(&window);
        child->setGeometry(10, 10, 100, 100);
        const PaintCounter childPaints(child);
        int calls = 0;
        int childPaintsAtCall = -1;
        const FirstPaintWatch watch(&window, [&] {
            ++calls;
            childPaintsAtCall = childPaints.count();
        });
        QApplication::processEvents();
        QCOMPARE(calls, 0); // not shown, not painted
        window.show();
        QVERIFY(QTest::qWaitFor([&] { return calls > 0; }));
        QCOMPARE(childPaintsAtCall, 1);
        window.update();
        QTest::qWait(50);
        QCOMPARE(calls, 1);
    }
};

QTEST_MAIN(TestBenchProbe)
#include "tst_benchprobe.moc"
