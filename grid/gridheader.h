// The grid's column header: Qt's header view, with the section under the
// mouse marked for hot-tracking although sections are not clickable.
#pragma once

#include <QHeaderView>

namespace vantrel {

class TGridHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit TGridHeader(QWidget* parent);

protected:
    bool viewportEvent(QEvent* event) override;
    void initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const override;

private:
    void hover(int logicalIndex);

    int m_hovered = -1; // the section under the mouse, or -1
};

} // namespace vantrel
