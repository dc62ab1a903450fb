// The banner and link labels under the planner grid.
#include "partners/partnerbanner.h"

#include "partners/adrotation.h"
#include "platform/platform.h"
#include "platform/ui/legibility.h"
#include "platform/ui/linklabel.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>

namespace vantrel {

namespace {

// The designed colour, or a lighter or darker one where the colour scheme
// would leave it hard to read on the page.
void setTextColor(QLabel* label, const QColor& color) {
    setLegibleInk(label, color);
}

void styleBanner(QLabel* banner) {
    banner->setTextFormat(Qt::PlainText);
    banner->setWordWrap(true);
    banner->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    banner->setAutoFillBackground(false);
    setTextColor(banner, QColor(128, 128, 128));
}

void styleLink(QLabel* link) {
    link->setTextFormat(Qt::PlainText);
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    setTextColor(link, QColor(0, 0, 255));
}

bool isLeftRelease(const QEvent* event, const QWidget* widget) {
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    return mouse->button() == Qt::LeftButton &&
           widget->rect().contains(mouse->position().toPoint());
}

} // namespace

TPartnerBanner::TPartnerBanner(QLabel* lbBanner, QLabel* lbLink, TAdverts& adverts,
                               TPlatform& platform, QObject* parent)
    : QObject(parent), m_banner(lbBanner), m_link(lbLink), m_adverts(adverts),
      m_platform(platform) {
    styleBanner(m_banner);
    styleLink(m_link);
    m_link->installEventFilter(this);
    if (auto* link = qobject_cast<TLinkLabel*>(m_link))
        connect(link, &TLinkLabel::activated, this, &TPartnerBanner::lbLinkClick);
}

TPartnerBanner::~TPartnerBanner() {
    lbLinkMouseLeave();
}

void TPartnerBanner::show(const QString& banner, const QString& link) {
    m_banner->setText(banner);
    m_link->setText(link);
}

void TPartnerBanner::showFirstAd() {
    const AdTexts texts = m_adverts.firstAd();
    show(texts.banner, texts.link);
}

void TPartnerBanner::afterRecalculation(int recalcCounter) {
    if (const auto texts = m_adverts.afterRecalculation(recalcCounter))
        show(texts->banner, texts->link);
}

void TPartnerBanner::lbLinkClick() {
    // Nothing is on show before the first pick; a failure to open is ignored.
    if (const AdRec* ad = m_adverts.current())
        m_platform.openUrl(ad->LinkTarget);
}

void TPartnerBanner::lbLinkMouseEnter() {
    if (m_handCursor)
        return;
    QGuiApplication::setOverrideCursor(Qt::PointingHandCursor);
    m_handCursor = true;
}

void TPartnerBanner::lbLinkMouseLeave() {
    if (!m_handCursor)
        return;
    QGuiApplication::restoreOverrideCursor();
    m_handCursor = false;
}

bool TPartnerBanner::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_link) {
        switch (event->type()) {
        case QEvent::Enter:
            lbLinkMouseEnter();
            break;
        // A label hidden under the mouse (another tab picked by keyboard)
        // must not leave the hand cursor behind.
        case QEvent::Leave:
        case QEvent::Hide:
            lbLinkMouseLeave();
            break;
        default:
            if (isLeftRelease(event, m_link))
                lbLinkClick();
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vantrel
