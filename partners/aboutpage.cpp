// The About page's controls and their places.
#include "partners/aboutpage.h"

#include "partners/fileversion.h"
#include "partners/programicon.h"
#include "platform/ui/anchors.h"
#include "platform/ui/legibility.h"
#include "platform/ui/pagebuilding.h"
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

// A named caption shown as plain text from its top left.
QLabel* plainLabel(QWidget* page, const char* name, const QString& text) {
    QLabel* label = namedLabel(page, name, text);
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

QFrame* makeBevel(QWidget* page) {
    auto* bevel = named(new QFrame(page), "Bevel1");
    bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bevel->setLineWidth(1);
    return bevel;
}

} // namespace

TAboutPage::TAboutPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("AboutPage"));
    // The bevel first, so that the note inside it is drawn on top.
    QFrame* bevel = makeBevel(this);
    QLabel* icon = plainLabel(this, "Image1", QString());
    icon->setPixmap(programPixmap());
    QLabel* name = plainLabel(this, "lbName", QStringLiteral("Vantrel"));
    setLook(name, 21, QColor(0, 64, 128));
    m_version = plainLabel(this, "lbVersion", QStringLiteral("version:"));
    setLook(m_version, 11, QColor(128, 128, 128));
    QLabel* note = plainLabel(this, "lbContainsLinks", QString::fromLatin1(kLinksNote));
    note->setWordWrap(true);

    auto* layout = new TAnchorLayout(this, kTabPageDesignSize);
    layout->place(bevel, QRect(24, 72, 643, 393), kAllSides);
    layout->place(icon, QRect(24, 16, 41, 49));
    layout->place(name, QRect(QPoint(80, 16), name->sizeHint()));
    layout->place(m_version, QRect(80, 48, kVersionWidth, m_version->sizeHint().height()));
    layout->place(note, QRect(32, 424, 369, 41), kLeftBottom);
    resize(kTabPageDesignSize);
}

void TAboutPage::completeVersionLabel(const QString& version) {
    m_version->setText(m_version->text() + QLatin1Char(' ') + version);
}

void TAboutPage::completeVersionLabel() {
    completeVersionLabel(GetVersionString());
}

} // namespace vantrel
