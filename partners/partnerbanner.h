// The banner and link labels under the planner grid: their looks, the first
// pick, the rotation after recalculations, and the clickable link.
#pragma once

#include <QObject>

class QLabel;

namespace vantrel {

class TAdverts;
class TPlatform;

class TPartnerBanner : public QObject {
    Q_OBJECT
public:
    // Takes over lbBanner and lbLink (not owned) and gives them their looks; a
    // click on the link hands its address to the platform.
    TPartnerBanner(QLabel* lbBanner, QLabel* lbLink, TAdverts& adverts, TPlatform& platform,
                   QObject* parent = nullptr);
    ~TPartnerBanner() override;

    // The pick at the end of start-up.
    void showFirstAd();
    // Run after every row recalculation, with the counter already incremented.
    void afterRecalculation(int recalcCounter);

    void lbLinkClick();
    void lbLinkMouseEnter();
    void lbLinkMouseLeave();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show(const QString& banner, const QString& link);

    QLabel* m_banner;
    QLabel* m_link;
    TAdverts& m_adverts;
    TPlatform& m_platform;
    bool m_handCursor = false; // our override cursor is on the stack
};

} // namespace vantrel
