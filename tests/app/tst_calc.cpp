// The main window as a user meets it: start-up state, layout, anchoring,
// accelerators, and failed saves inside the program's own application object
// (its signal handling keeps a write past the file-size limit survivable).
#include "app/application.h"
#include "app/calc.h"
#include "grid/plangrid.h"
#include "partners/aboutpage.h"
#include "partners/adrotation.h"
#include "platform/ui/tabsheet.h"
#include "tests/app/appmain.h"
#include "tests/app/calcfixture.h"
#include "tests/grid/fileconditions.h"
#include "tests/support/defaultrow.h"
#include "tests/support/localenumber.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace vantrel;
using vantrel::test::localeNumber;

namespace {

QStringList rowTexts(const TPlanGrid& grid, int index) {
    QStringList texts;
    for (int i = 0; i < 8; ++i)
        texts << grid.GetCellText(grid.RowAt(index), i);
    return texts;
}

QStringList totals(const test::CalcFixture& m) {
    return {m.control<QLineEdit>("edFPS")->text(), m.control<QLineEdit>("edBandwidth")->text(),
            m.control<QLineEdit>("edSpace")->text()};
}

QLabel* versionLabel(const TCalc& calc) {
    return calc.findChild<QLabel*>(QStringLiteral("lbVersion"));
}

// The colour a label's text is drawn in: its darkest pixel on a light page.
QColor inkOf(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    QColor ink = Qt::white;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).lightness() < ink.lightness())
                ink = image.pixelColor(x, y);
    return ink;
}

} // namespace

class TestCalc : public QObject {
    Q_OBJECT
private slots:
    void init() { m.start(); }
    void cleanup() { m.stop(); }

    void startsWithOneDefaultRowAndItsTotals() {
        QCOMPARE(grid().RowCount(), 1);
        QCOMPARE(rowTexts(grid(), 0), test::defaultRowInLocale());
        QCOMPARE(totals(m),
                 (QStringList{"10", localeNumber("3.68"), localeNumber("37.90283203125")}));
        QCOMPARE(m.page().recalcCount(), 1);
        QCOMPARE(tabs()->currentWidget(), m.control<TTabSheet>("tsCalc"));
    }

    void startsWithTheFirstPartnerAndTheVersion() {
        // English at UTC+1, as the fake platform answers by default.
        QCOMPARE(m.calc->adverts.CurrentAd(), 1);
        QCOMPARE(m.control<QLabel>("lbLink")->text(), m.calc->adverts.current()->LinkCaption);
        QCOMPARE(m.control<QLabel>("lbBanner")->text(), m.calc->adverts.current()->Banner);
        QCOMPARE(m.calc->adverts.LastAdTick(), m.platform->tick);
        QCOMPARE(versionLabel(*m.calc)->text(), QString("version: 3.0.0.20"));
        // Banner and version are drawn grey, not in the window's text colour.
        for (QWidget* grey : {static_cast<QWidget*>(m.control<QLabel>("lbBanner")),
                              static_cast<QWidget*>(versionLabel(*m.calc))}) {
            const QColor ink = inkOf(grey);
            QVERIFY2(ink.lightness() >= 100 && qAbs(ink.red() - ink.blue()) < 16,
                     qPrintable(ink.name()));
        }
        // The keyboard opens the link as a click does.
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space})
            QTest::keyClick(m.control<QLabel>("lbLink"), key);
        QCOMPARE(m.platform->openedUrls, QStringList(2, m.calc->adverts.current()->LinkTarget));
    }

    void windowHasItsDesignGeometryAndCaptions() {
        QCOMPARE(m.calc->windowTitle(), QString("Vantrel"));
        QCOMPARE(m.calc->size(), kDesignClientSize);
        QCOMPARE(m.calc->minimumSize(), kMinimumClientSize);
        // Its place on the screen is checked on real screens, in tst_windowplacement.
        QTabWidget* tabs = this->tabs();
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(m.control<TTabSheet>("tsCalc")->caption(), QString("Bandwidth && Disk Space"));
        QCOMPARE(m.control<TTabSheet>("tsFocus")->caption(), QString("Lens && Angle"));
        QCOMPARE(m.control<TTabSheet>("tsAbout")->caption(), QString("?"));
        QCOMPARE(m.calc->font().pixelSize(), 11);
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QCOMPARE(tabs->widget(i)->size(), kTabPageDesignSize);
        }
    }

    // Left- and top-anchored controls sit at their design pixels; right- and
    // bottom-anchored ones keep their design distances to those edges.
    void controlsKeepTheirAnchoredDistancesOnResize() {
        for (QSize clientSize : {kDesignClientSize, kMinimumClientSize, QSize(1000, 800)}) {
            m.calc->resize(clientSize);
            QCoreApplication::processEvents();
            const QSize page = m.control<TTabSheet>("tsCalc")->size();
            const int dx = page.width() - kTabPageDesignSize.width();
            const int dy = page.height() - kTabPageDesignSize.height();
            QCOMPARE(m.control<QPushButton>("btnAdd")->geometry(), QRect(16, 16, 105, 25));
            QCOMPARE(m.control<QPushButton>("btnRemove")->geometry(), QRect(128, 16, 105, 25));
            QCOMPARE(grid().geometry(), QRect(16, 48, 671 + dx, 369 + dy));
            QCOMPARE(m.control<QPushButton>("btnSave")->geometry(), QRect(586 + dx, 16, 105, 25));
            QCOMPARE(m.control<QPushButton>("btnLoad")->geometry(), QRect(474 + dx, 16, 105, 25));
            QCOMPARE(m.control<QLineEdit>("edFPS")->geometry(), QRect(393 + dx, 450 + dy, 74, 21));
            QCOMPARE(m.control<QLineEdit>("edBandwidth")->geometry(),
                     QRect(481 + dx, 450 + dy, 93, 21));
            QCOMPARE(m.control<QLineEdit>("edSpace")->geometry(),
                     QRect(585 + dx, 450 + dy, 89, 21));
            QCOMPARE(m.control<QLabel>("lbTotal")->geometry().topLeft(),
                     QPoint(340 + dx, 456 + dy));
            QCOMPARE(m.control<QLabel>("lbBanner")->geometry(), QRect(16, 428 + dy, 329, 29));
            QCOMPARE(m.control<QLabel>("lbLink")->geometry().topLeft(), QPoint(16, 456 + dy));
        }
        m.calc->resize(100, 100);
        QCOMPARE(m.calc->size(), kMinimumClientSize);
    }

    // At the design size tst_textfit checks every label; here the smallest window.
    void captionsOverTheTotalsShowWholeAndApart() {
        m.calc->resize(kMinimumClientSize);
        QCoreApplication::processEvents();
        QLabel* labels[] = {m.control<QLabel>("lbFPS"), m.control<QLabel>("lbBand"),
                            m.control<QLabel>("lbDisk")};
        for (QLabel* label : labels)
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
        QVERIFY(labels[0]->geometry().right() < labels[1]->geometry().left());
        QVERIFY(labels[1]->geometry().right() < labels[2]->geometry().left());
        QVERIFY(labels[2]->geometry().right() < m.control<TTabSheet>("tsCalc")->width());
    }

    void acceleratorsPressTheFourButtons() {
        // Accelerators belong to the active window, and a button pressed by
        // one clicks after its short pressed-down look.
        QApplication::setActiveWindow(m.calc.get());
        QTest::keyClick(m.calc.get(), Qt::Key_A, Qt::AltModifier);
        QTRY_COMPARE(grid().RowCount(), 2);
        QTest::keyClick(m.calc.get(), Qt::Key_R, Qt::AltModifier);
        QTRY_COMPARE(grid().RowCount(), 1);
        QStringList asked;
        m.answer = [&](TFileDialog::Kind kind, const QString&) {
            asked << (kind == TFileDialog::Kind::Save ? "save" : "open");
            return std::optional<QString>();
        };
        QTest::keyClick(m.calc.get(), Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(asked.size(), 1);
        QTest::keyClick(m.calc.get(), Qt::Key_L, Qt::AltModifier);
        QTRY_COMPARE(asked.size(), 2);
        QCOMPARE(asked, (QStringList{"save", "open"}));
    }

    void failedSavesSayWhyAndKeepTheRowsAndTheFile_data() {
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QString>("box"); // %1: the chosen path
        QTest::newRow("missing folder")   // in the system's words
            << "missing folder"
            << "Cannot create file \"%1\". " + qt_error_string(ENOENT) + '.';
        QTest::newRow("full disk") << "full disk"
                                   << "Stream write error.";
        QTest::newRow("file-size limit") << "file-size limit"
                                         << "Stream write error.";
        QTest::newRow("named pipe whose reader never reads")
            << "pipe"
            << "Cannot create file \"%1\". Is a named pipe, not a file.";
    }
    void failedSavesSayWhyAndKeepTheRowsAndTheFile() {
        // Such a small plan once went wholly into a buffer, and the failed
        // write was renamed over the old file without a word; a file-size
        // limit killed the program, a pipe froze it.
        QFETCH(QString, condition);
        QFETCH(QString, box);
        QTemporaryDir dir;
        QString folder = dir.path();
        std::optional<test::TmpfsMount> disk;
        if (condition == "full disk" && !disk.emplace(folder = dir.filePath("disk")).mounted())
            QSKIP("mounting a small tmpfs needs root (CAP_SYS_ADMIN)");
        const QString path =
            folder + (condition == "missing folder" ? "/missing" : "") + "/plan.ip";
        m.answer = [&](TFileDialog::Kind, const QString&) { return std::optional<QString>(path); };
        int reader = -1;
        if (condition == "pipe") {
            QCOMPARE(::mkfifo(QFile::encodeName(path), 0600), 0);
            reader = ::open(QFile::encodeName(path), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        } else if (condition != "missing folder") {
            m.control<QPushButton>("btnSave")->click(); // the plan saved before
        }
        const auto content = [&] {
            QFile file(path);
            return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                              : "<no file>";
        };
        const QByteArray before = content();
        for (int i = 0; i < 80; ++i) // 9 KB, beyond the limit of 8 KB
            m.control<QPushButton>("btnAdd")->click();
        QList<QStringList> rows;
        for (int r = 0; r < grid().RowCount(); ++r)
            rows << rowTexts(grid(), r);
        if (condition == "full disk")
            QVERIFY(test::fillFilesystem(folder));
        const QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                         QDir::System | QDir::NoDotAndDotDot);
        m.watchdog->expectBox();
        {
            std::optional<test::FileSizeLimit> limit;
            if (condition == "file-size limit") // prlimit --fsize=8192, as a user might have it
                limit.emplace(8192, test::FileSizeLimit::SignalAsTheProgramHasIt);
            m.control<QPushButton>("btnSave")->click();
        }
        if (reader >= 0)
            ::close(reader);
        QCOMPARE(m.watchdog->lastBoxText(), box.contains("%1") ? box.arg(path) : box);
        QCOMPARE(content(), before);
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                        QDir::NoDotAndDotDot),
                 names);
        for (int r = 0; r < rows.size(); ++r)
            QCOMPARE(rowTexts(grid(), r), rows[r]);
    }

    void aWriteIntoAPipeWithoutAReaderFailsAndEndsNothing() {
        // As a write beyond the file-size limit does (above): it fails and
        // can be reported, instead of ending the program with its rows.
        int ends[2];
        QCOMPARE(::pipe2(ends, O_CLOEXEC), 0);
        ::close(ends[0]);
        errno = 0;
        const ssize_t written = ::write(ends[1], "x", 1);
        const int error = errno;
        ::close(ends[1]);
        QCOMPARE(written, ssize_t(-1));
        QCOMPARE(error, EPIPE);
    }

private:
    TPlanGrid& grid() const { return *m.control<TPlanGrid>("planGrid"); }
    QTabWidget* tabs() const { return m.control<QTabWidget>("PageControl1"); }

    test::CalcFixture m;
};

VANTREL_APP_TEST_MAIN(TestCalc)
#include "tst_calc.moc"
