// Designed texts fit their designed boxes at the design size, in English and
// in Russian: every banner record, grid header and label shows whole and
// runs into no neighbour, and the link is exactly as wide as its caption.
#include "app/application.h"
#include "app/calc.h"
#include "app/windowfont.h"
#include "grid/plangrid.h"
#include "partners/adverts.h"
#include "tests/app/appmain.h"
#include "tests/app/calcfixture.h"

#include <QHeaderView>
#include <QLabel>
#include <QStyleOptionHeader>
#include <QTabWidget>

using namespace vantrel;

namespace {

// Where a label's text is drawn: a wrapped one down to its last line.
QRect textRect(const QLabel* label) {
    QRect r = label->geometry();
    if (label->wordWrap())
        r.setHeight(label->heightForWidth(r.width()));
    return r;
}

QString fitProblem(const QLabel* label) {
    const QString name = label->objectName() + QLatin1String(" \"") + label->text() + u'"';
    if (label->wordWrap() ? label->heightForWidth(label->width()) > label->height()
                          : label->width() < label->sizeHint().width())
        return name + QLatin1String(" is cut");
    for (const QObject* object : label->parentWidget()->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(object);
        if (!sibling || sibling == label || sibling->isHidden())
            continue;
        // A frame drawn around the label (the About page's bevel) is no neighbour.
        if (sibling->geometry().contains(label->geometry()))
            continue;
        const QRect other = qobject_cast<const QLabel*>(sibling)
                                ? textRect(static_cast<const QLabel*>(sibling))
                                : sibling->geometry();
        if (textRect(label).intersects(other))
            return name + QLatin1String(" runs into ") + sibling->objectName();
    }
    return {};
}

// The room a header section's style leaves for its caption.
int captionRoom(const QHeaderView* header, int section) {
    QStyleOptionHeader option;
    option.initFrom(header);
    option.rect = QRect(0, 0, header->sectionSize(section), header->height());
    option.section = section;
    option.text = header->model()->headerData(section, Qt::Horizontal).toString();
    return header->style()->subElementRect(QStyle::SE_HeaderLabel, &option, header).width();
}

} // namespace

class TestTextFit : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { m.stop(); }

    void designedTextsFit_data() {
        QTest::addColumn<quint16>("langId");
        QTest::newRow("English") << quint16(0x0409);
        QTest::newRow("Russian") << quint16(0x0419);
    }
    void designedTextsFit() {
        QFETCH(quint16, langId);
        start(langId);
        TCalc& calc = *m.calc;

        QStringList problems;
        auto* tabs = m.control<QTabWidget>("PageControl1");
        for (int tab = tabs->count() - 1; tab >= 0; --tab) {
            tabs->setCurrentIndex(tab); // a hidden page is not laid out
            QCoreApplication::processEvents();
            for (QLabel* label : tabs->widget(tab)->findChildren<QLabel*>())
                if (const QString problem = fitProblem(label); !problem.isEmpty())
                    problems << problem;
        }

        const QHeaderView* header = m.control<TPlanGrid>("planGrid")->horizontalHeader();
        for (int section = 0; section < header->count(); ++section) {
            const QString caption = header->model()->headerData(section, Qt::Horizontal).toString();
            if (header->fontMetrics().horizontalAdvance(caption) > captionRoom(header, section))
                problems << QLatin1String("header \"") + caption + QLatin1String("\" is cut");
        }

        // Every record's banners, whatever language and zone would pick them.
        for (int number = 1; number <= kAdCount; ++number) {
            for (const QString& text : {builtInAd(number).Banner, builtInAd(number).AltBanner}) {
                QLabel* banner = m.control<QLabel>("lbBanner");
                banner->setText(text);
                if (const QString problem = fitProblem(banner); !problem.isEmpty())
                    problems << problem;
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        // Fitting is the font's doing: the one installed with the program.
        QCOMPARE(QFontInfo(calc.font()).family(), QString::fromLatin1(kWindowFontFamily));
    }

    // The clickable link covers its caption and no more, for every record.
    void linkIsAsWideAsItsCaption() {
        start(0x0409);
        QLabel* link = m.control<QLabel>("lbLink");
        for (int number = 1; number <= kAdCount; ++number) {
            const QString caption = builtInAd(number).LinkCaption;
            link->setText(caption);
            QCoreApplication::processEvents();
            const int textWidth = link->fontMetrics().horizontalAdvance(caption);
            QVERIFY2(link->width() >= textWidth && link->width() <= textWidth + 2,
                     qPrintable(caption + u' ' + QString::number(link->width())));
            QCOMPARE(link->geometry().topLeft(), QPoint(16, 456));
        }
    }

private:
    // A fresh window on a system of the given language.
    void start(quint16 langId) {
        m.start();
        m.platform->langId = langId;
        m.restart();
        m.calc->show();
        QVERIFY(QTest::qWaitForWindowExposed(m.calc.get()));
    }

    test::CalcFixture m;
};

VANTREL_APP_TEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
