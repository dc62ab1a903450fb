// The tab control of the main window, whose pages have their design size.
#pragma once

#include <QMargins>
#include <QTabWidget>

namespace vantrel {

class TPageControl : public QTabWidget {
    Q_OBJECT
public:
    // The pages' distances to the control's edges, as designed: a client
    // area of 712 x 506 gives pages of 704 x 478, whatever frame the style
    // draws around them.
    static constexpr QMargins kPageMargins{4, 24, 4, 4};

    explicit TPageControl(QWidget* parent = nullptr);

private:
    void addPageKeys();
};

} // namespace vantrel
