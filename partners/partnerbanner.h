// The banner and link labels under the planner grid: their looks, the first
// pick, the rotation after recalculations, and the clickable link.
#pragma once

#include <QObject>

class QLabel;

namespace vantrel {

class TAdverts;

class TPartnerBanner : public QObject {
    Q_OBJECT
public:
    // Takes over lbBanner and lbLink (not owned) and gives them their looks.
    TPartnerBanner(QLabel* lbBanner, QLabel* lbLink, TAdverts& adverts, QObject* parent = nullptr);
    ~TPartnerBanner() override;

    // The pick at the end of start-up.
    void showFirstAd();
    // Run after every row recalculation, with the counter already incremented.
    void ChangeAd(int recalcCounter);

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
    bool m_handCursor = false; // our override cursor is on the stack
};

} // namespace vantrel
