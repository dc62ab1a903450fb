// The About page's controls and their places.
#include "partners/aboutpage.h"

#include "partners/fileversion.h"
#include "partners/programicon.h"
#include "platform/ui/anchors.h"
#include "platform/ui/legibility.h"
#include "platform/ui/tabsheet.h"

#include <QFrame>
#include <QLabel>

namespace vantrel {

namespace {

// Wide enough for the version in any caption; left-aligned, so it reads as a
// label sized to its text.
constexpr int kVersionWidth = 560;

const char* const kLinksNote =
    "This program shows a few links of its partners that are built into it. "
    "It sends no information about you anywhere and never connects to the Internet.";

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void setLook(QLabel* label, int pixelSize, const QColor& color) {
    QFont font = label->font();
    font.setBold(true);
    font.setPixelSize(pixelSize);
    label->setFont(font);
    // Lighter or darker than designed only where the colour scheme needs it.
    setLegibleInk(label, color);
}

QFrame* makeBevel(QWidget* parent) {
    auto* bevel = new QFrame(parent);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bevel->setLineWidth(1);
    return bevel;
}

} // namespace

TAboutPage::TAboutPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("AboutPage"));
    // The bevel first, so that the note inside it is drawn on top.
    Bevel1 = makeBevel(this);
    Image1 = makeLabel(this, "Image1", QString());
    Image1->setPixmap(programPixmap());
    lbName = makeLabel(this, "lbName", QStringLiteral("Vantrel"));
    setLook(lbName, 21, QColor(0, 64, 128));
    lbVersion = makeLabel(this, "lbVersion", QStringLiteral("version:"));
    setLook(lbVersion, 11, QColor(128, 128, 128));
    lbContainsLinks = makeLabel(this, "lbContainsLinks", QString::fromLatin1(kLinksNote));
    lbContainsLinks->setWordWrap(true);

    auto* layout = new TAnchorLayout(this, kTabPageDesignSize);
    layout->place(Bevel1, QRect(24, 72, 643, 393), kAllSides);
    layout->place(Image1, QRect(24, 16, 41, 49));
    layout->place(lbName, QRect(QPoint(80, 16), lbName->sizeHint()));
    layout->place(lbVersion, QRect(80, 48, kVersionWidth, lbVersion->sizeHint().height()));
    layout->place(lbContainsLinks, QRect(32, 424, 369, 41), kLeftBottom);
    resize(kTabPageDesignSize);
}

void completeVersionLabel(QLabel* label, const QString& version) {
    label->setText(label->text() + QLatin1Char(' ') + version);
}

void completeVersionLabel(QLabel* label) {
    completeVersionLabel(label, GetVersionString());
}

} // namespace vantrel
