// The main window as a user meets it: start-up state, layout, anchoring,
// accelerators, and the planner's commands through its buttons.
#include "app/application.h"
#include "app/calc.h"
#include "grid/gridcolumn.h"
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
#include <span>
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

QStringList totals(const TCalc& calc) {
    return {calc.plannerPage->edFPS->text(), calc.plannerPage->edBandwidth->text(),
            calc.plannerPage->edSpace->text()};
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
        QCOMPARE(m.page().planGrid->RowCount(), 1);
        QCOMPARE(rowTexts(*m.page().planGrid, 0), test::defaultRowInLocale());
        QCOMPARE(totals(*m.calc),
                 (QStringList{"10", localeNumber("3.68"), localeNumber("37.90283203125")}));
        QCOMPARE(m.page().recalcCount(), 1);
        QCOMPARE(m.calc->PageControl1->currentWidget(), m.calc->tsCalc);
    }

    void startsWithTheFirstPartnerAndTheVersion() {
        // English at UTC+1, as the fake platform answers by default.
        QCOMPARE(m.calc->adverts.CurrentAd(), 1);
        QCOMPARE(m.page().lbLink->text(), m.calc->adverts.current()->LinkCaption);
        QCOMPARE(m.page().lbBanner->text(), m.calc->adverts.current()->Banner);
        QCOMPARE(m.calc->adverts.LastAdTick(), m.platform->tick);
        QCOMPARE(versionLabel(*m.calc)->text(), QString("version: 3.0.0.20"));
        QCOMPARE(m.calc->PageControl1->tabText(0), QString("Bandwidth && Disk Space"));
        // Each label is drawn in its own colour: a blue link, grey banner and version.
        const QColor link = inkOf(m.page().lbLink);
        QVERIFY2(link.blue() > 200 && link.red() < 80, qPrintable(link.name()));
        for (QWidget* grey : {static_cast<QWidget*>(m.page().lbBanner),
                              static_cast<QWidget*>(versionLabel(*m.calc))}) {
            const QColor ink = inkOf(grey);
            QVERIFY2(ink.lightness() >= 100 && qAbs(ink.red() - ink.blue()) < 16,
                     qPrintable(ink.name()));
        }
        QTest::mouseClick(m.page().lbLink, Qt::LeftButton);
        QCOMPARE(m.platform->openedUrls, QStringList{m.calc->adverts.current()->LinkTarget});
        // The keyboard opens it as the click does.
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space})
            QTest::keyClick(m.page().lbLink, key);
        QCOMPARE(m.platform->openedUrls, QStringList(3, m.calc->adverts.current()->LinkTarget));
    }

    void startsInRussianOnARussianSystem() {
        m.calc.reset();
        m.platform->langId = 0x0419;
        m.platform->biasMinutes = -180;
        m.calc = std::make_unique<TCalc>();
        m.calc->show();
        QCOMPARE(m.calc->PageControl1->tabText(0), QString("Трафик и Объем диска"));
        QCOMPARE(m.calc->PageControl1->tabText(2), QString("?"));
        QCOMPARE(m.page().btnAdd->text(), QString("Добавить"));
        QCOMPARE(m.page().planGrid->ColumnByName(u"cDays")->caption(), QString("Суток"));
        QCOMPARE(versionLabel(*m.calc)->text(), QString("версия 3.0.0.20"));
        QCOMPARE(m.calc->adverts.CurrentAd(), 2);
        // A translated caption is wider than the design's; it is shown whole.
        QVERIFY(m.page().lbBand->width() >= m.page().lbBand->sizeHint().width());
        // Russian buttons have no accelerator.
        QApplication::setActiveWindow(m.calc.get());
        QTest::keyClick(m.calc.get(), Qt::Key_A, Qt::AltModifier);
        QTest::qWait(200);
        QCOMPARE(m.page().planGrid->RowCount(), 1);
    }

    void startsWithTheLocaleSeparatorInComputedTexts() {
        m.calc.reset();
        QLocale::setDefault(QLocale(QLocale::German));
        m.platform->separator = u',';
        m.calc = std::make_unique<TCalc>();
        QCOMPARE(m.page().planGrid->GetCellText(m.page().planGrid->RowAt(0), 6), QString("3,68"));
        QCOMPARE(totals(*m.calc), (QStringList{"10", "3,68", "37,90283203125"}));
    }

    void windowHasItsDesignGeometryAndCaptions() {
        QCOMPARE(m.calc->windowTitle(), QString("Vantrel"));
        QCOMPARE(m.calc->size(), kDesignClientSize);
        QCOMPARE(m.calc->minimumSize(), kMinimumClientSize);
        // Its place on the screen is checked on real screens, in tst_windowplacement.
        const QTabWidget* tabs = m.calc->PageControl1;
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(m.calc->tsCalc->caption(), QString("Bandwidth && Disk Space"));
        QCOMPARE(m.calc->tsFocus->caption(), QString("Lens && Angle"));
        QCOMPARE(m.calc->tsAbout->caption(), QString("?"));
        QCOMPARE(m.calc->font().pixelSize(), 11);
        for (int i = 0; i < tabs->count(); ++i) {
            m.calc->PageControl1->setCurrentIndex(i);
            QCOMPARE(tabs->widget(i)->size(), kTabPageDesignSize);
        }
    }

    // Left- and top-anchored controls sit at their design pixels; right- and
    // bottom-anchored ones keep their design distances to those edges.
    void controlsKeepTheirAnchoredDistancesOnResize() {
        for (QSize clientSize : {kDesignClientSize, kMinimumClientSize, QSize(1000, 800)}) {
            m.calc->resize(clientSize);
            QCoreApplication::processEvents();
            const QSize page = m.calc->tsCalc->size();
            const int dx = page.width() - kTabPageDesignSize.width();
            const int dy = page.height() - kTabPageDesignSize.height();
            QCOMPARE(m.page().btnAdd->geometry(), QRect(16, 16, 105, 25));
            QCOMPARE(m.page().btnRemove->geometry(), QRect(128, 16, 105, 25));
            QCOMPARE(m.page().planGrid->geometry(), QRect(16, 48, 671 + dx, 369 + dy));
            QCOMPARE(m.page().btnSave->geometry(), QRect(586 + dx, 16, 105, 25));
            QCOMPARE(m.page().btnLoad->geometry(), QRect(474 + dx, 16, 105, 25));
            QCOMPARE(m.page().edFPS->geometry(), QRect(393 + dx, 450 + dy, 74, 21));
            QCOMPARE(m.page().edBandwidth->geometry(), QRect(481 + dx, 450 + dy, 93, 21));
            QCOMPARE(m.page().edSpace->geometry(), QRect(585 + dx, 450 + dy, 89, 21));
            QCOMPARE(m.page().lbTotal->geometry().topLeft(), QPoint(340 + dx, 456 + dy));
            QCOMPARE(m.page().lbBanner->geometry(), QRect(16, 428 + dy, 329, 29));
            QCOMPARE(m.page().lbLink->geometry().topLeft(), QPoint(16, 456 + dy));
        }
        m.calc->resize(100, 100);
        QCOMPARE(m.calc->size(), kMinimumClientSize);
    }

    void captionsOverTheTotalsShowWholeAndApart() {
        for (QSize size : {kDesignClientSize, kMinimumClientSize}) {
            m.calc->resize(size);
            QCoreApplication::processEvents();
            QLabel* labels[] = {m.page().lbFPS, m.page().lbBand, m.page().lbDisk};
            for (QLabel* label : labels)
                QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
            QVERIFY(labels[0]->geometry().right() < labels[1]->geometry().left());
            QVERIFY(labels[1]->geometry().right() < labels[2]->geometry().left());
            QVERIFY(labels[2]->geometry().right() < m.calc->tsCalc->width());
        }
    }

    void totalBoxesAreReadOnlyAndPaleBlue() {
        for (QLineEdit* box : {m.page().edFPS, m.page().edBandwidth, m.page().edSpace}) {
            QVERIFY(box->isReadOnly());
            QCOMPARE(box->palette().color(QPalette::Base), QColor(224, 238, 254));
        }
    }

    void tabOrderFollowsTheDesign() {
        QWidget* expected[] = {m.page().btnAdd,      m.page().btnRemove, m.page().edFPS,
                               m.page().edBandwidth, m.page().edSpace,   m.page().btnSave,
                               m.page().btnLoad};
        QApplication::setActiveWindow(m.calc.get());
        m.page().btnAdd->setFocus();
        for (QWidget* next : std::span(expected).subspan(1)) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void acceleratorsPressTheFourButtons() {
        // Accelerators belong to the active window, and a button pressed by
        // one clicks after its short pressed-down look.
        QApplication::setActiveWindow(m.calc.get());
        QTest::keyClick(m.calc.get(), Qt::Key_A, Qt::AltModifier);
        QTRY_COMPARE(m.page().planGrid->RowCount(), 2);
        QCOMPARE(totals(*m.calc),
                 (QStringList{"20", localeNumber("7.36"), localeNumber("75.8056640625")}));
        QTest::keyClick(m.calc.get(), Qt::Key_R, Qt::AltModifier);
        QTRY_COMPARE(m.page().planGrid->RowCount(), 1);
        QStringList asked;
        m.page().setFileChooser([&](TFileDialog::Kind kind, const QString&) {
            asked << (kind == TFileDialog::Kind::Save ? "save" : "open");
            return std::optional<QString>();
        });
        QTest::keyClick(m.calc.get(), Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(asked.size(), 1);
        QTest::keyClick(m.calc.get(), Qt::Key_L, Qt::AltModifier);
        QTRY_COMPARE(asked.size(), 2);
        QCOMPARE(asked, (QStringList{"save", "open"}));
    }

    void removingTheOnlyRowZeroesTheTotalsAndCountsNothing() {
        m.page().btnRemoveClick();
        QCOMPARE(m.page().planGrid->RowCount(), 0);
        QCOMPARE(totals(*m.calc), (QStringList{"0", "0", "0"}));
        m.page().btnRemoveClick();
        QCOMPARE(totals(*m.calc), (QStringList{"0", "0", "0"}));
        QCOMPARE(m.page().recalcCount(), 1);
        m.page().btnAddClick();
        QCOMPARE(m.page().recalcCount(), 2);
    }

    void savingAfterStartUpWritesTheWorkedExample() {
        QTemporaryDir dir;
        m.page().setFileChooser([&](TFileDialog::Kind, const QString& proposed) {
            return std::optional<QString>(dir.filePath(proposed));
        });
        m.page().btnSaveClick();
        QFile file(dir.filePath("myconfig.ip"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.size(), 121);
        QCOMPARE(
            bytes.left(36).toHex(),
            QByteArray("ffffffff010000001800000000000000ffffffffffffffff000000000000000008000000"));
        QVERIFY(bytes.endsWith(QByteArray("\x0e\0\0\0", 4) +
                               localeNumber("37.90283203125").toLatin1()));
        QCOMPARE(m.page().SaveDialog1.FileName, dir.filePath("myconfig.ip"));
    }

    void loadReplacesRowsAndRecalculatesTheFirst() {
        QTemporaryDir dir;
        m.page().setFileChooser([&](TFileDialog::Kind, const QString&) {
            return std::optional<QString>(dir.filePath("plan.ip"));
        });
        m.page().btnAddClick();
        m.page().planGrid->SetCellValue(m.page().planGrid->RowAt(1), 3, 25);
        m.page().btnSaveClick();
        m.page().btnRemoveClick();
        const int before = m.page().recalcCount();
        m.page().btnLoadClick();
        QCOMPARE(m.page().planGrid->RowCount(), 2);
        QCOMPARE(rowTexts(*m.page().planGrid, 0), test::defaultRowInLocale());
        QCOMPARE(m.page().planGrid->GetCellText(m.page().planGrid->RowAt(1), 3), QString("25"));
        QCOMPARE(m.page().planGrid->FocusedRow(), m.page().planGrid->RowAt(0));
        QCOMPARE(m.page().recalcCount(), before + 1);
        QCOMPARE(totals(*m.calc),
                 (QStringList{"35", localeNumber("7.36"), localeNumber("75.8056640625")}));
    }

    void cancellingTheOpenDialogStillRecalculates() {
        m.page().setFileChooser(
            [](TFileDialog::Kind, const QString&) { return std::optional<QString>(); });
        m.page().btnLoadClick();
        QCOMPARE(m.page().recalcCount(), 2);
        QCOMPARE(m.page().planGrid->RowCount(), 1);
    }

    void failedLoadsShowTheirMessageAndKeepTheRows_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("messageStart");
        QTest::newRow("missing") << QByteArray() << false << "Cannot open file \"";
        QTest::newRow("zero bytes") << QByteArray() << true << "Stream read error.";
        QTest::newRow("truncated")
            << QByteArray("\xff\xff\xff\xff\x01\0\0\0\x18\0", 10) << true << "Stream read error.";
    }
    void failedLoadsShowTheirMessageAndKeepTheRows() {
        QFETCH(QByteArray, content);
        QFETCH(bool, exists);
        QFETCH(QString, messageStart);
        QTemporaryDir dir;
        const QString path = dir.filePath("bad.ip");
        if (exists) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        m.page().setFileChooser(
            [&](TFileDialog::Kind, const QString&) { return std::optional<QString>(path); });
        m.page().btnAddClick();
        const int before = m.page().recalcCount();
        m.watchdog->expectBox();
        m.page().btnLoadClick();
        QVERIFY2(m.watchdog->lastBoxText().startsWith(messageStart),
                 qPrintable(m.watchdog->lastBoxText()));
        if (!exists)
            QVERIFY(m.watchdog->lastBoxText().contains(path));
        QCOMPARE(m.page().planGrid->RowCount(), 2);
        QCOMPARE(m.page().recalcCount(), before);
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
        m.page().setFileChooser(
            [&](TFileDialog::Kind, const QString&) { return std::optional<QString>(path); });
        int reader = -1;
        if (condition == "pipe") {
            QCOMPARE(::mkfifo(QFile::encodeName(path), 0600), 0);
            reader = ::open(QFile::encodeName(path), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        } else if (condition != "missing folder") {
            m.page().btnSaveClick(); // the plan saved before
        }
        const auto content = [&] {
            QFile file(path);
            return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                              : "<no file>";
        };
        const QByteArray before = content();
        for (int i = 0; i < 80; ++i) // 9 KB, beyond the limit of 8 KB
            m.page().btnAddClick();
        QList<QStringList> rows;
        for (int r = 0; r < m.page().planGrid->RowCount(); ++r)
            rows << rowTexts(*m.page().planGrid, r);
        if (condition == "full disk")
            QVERIFY(test::fillFilesystem(folder));
        const QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                         QDir::System | QDir::NoDotAndDotDot);
        m.watchdog->expectBox();
        {
            std::optional<test::FileSizeLimit> limit;
            if (condition == "file-size limit") // prlimit --fsize=8192, as a user might have it
                limit.emplace(8192, test::FileSizeLimit::SignalAsTheProgramHasIt);
            m.page().btnSaveClick();
        }
        if (reader >= 0)
            ::close(reader);
        QCOMPARE(m.watchdog->lastBoxText(), box.contains("%1") ? box.arg(path) : box);
        QCOMPARE(content(), before);
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                        QDir::NoDotAndDotDot),
                 names);
        for (int r = 0; r < rows.size(); ++r)
            QCOMPARE(rowTexts(*m.page().planGrid, r), rows[r]);
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
    test::CalcFixture m;
};

VANTREL_APP_TEST_MAIN(TestCalc)
#include "tst_calc.moc"
