// Pixel layout with anchors: each control keeps its design rectangle and the
// distances to the edges it is anchored to when its parent is resized; one
// anchored to both opposite edges stretches.
#pragma once

#include <QFlags>
#include <QLayout>
#include <QRect>
#include <QSize>
#include <vector>

namespace vantrel {

enum class Anchor { Left = 1, Top = 2, Right = 4, Bottom = 8 };
Q_DECLARE_FLAGS(Anchors, Anchor)
Q_DECLARE_OPERATORS_FOR_FLAGS(Anchors)

inline constexpr Anchors kLeftTop = Anchors(int(Anchor::Left) | int(Anchor::Top));
inline constexpr Anchors kRightTop = Anchors(int(Anchor::Right) | int(Anchor::Top));
inline constexpr Anchors kRightBottom = Anchors(int(Anchor::Right) | int(Anchor::Bottom));
inline constexpr Anchors kLeftBottom = Anchors(int(Anchor::Left) | int(Anchor::Bottom));
inline constexpr Anchors kAllSides =
    Anchors(int(Anchor::Left) | int(Anchor::Top) | int(Anchor::Right) | int(Anchor::Bottom));

// A control's rectangle in a parent of the given size, from its design
// rectangle in a parent of the design size.
QRect anchoredRect(const QRect& design, Anchors anchors, const QSize& designParent,
                   const QSize& parent);

class TAnchorLayout : public QLayout {
public:
    // designSize: the parent's size the design rectangles are measured in.
    TAnchorLayout(QWidget* parent, const QSize& designSize);
    ~TAnchorLayout() override;

    // Places a child at its design rectangle with the given anchors.
    void place(QWidget* widget, const QRect& design, Anchors anchors = kLeftTop);
    // The same for a caption sized to its text (as captions are translated or
    // drawn in another font than designed), never narrower than minimumWidth:
    // it keeps the design's left edge, or its right edge (left + width) where
    // a neighbour on the right leaves no room or the text is aligned right.
    enum class Keep { LeftEdge, RightEdge };
    void placeFitted(QWidget* widget, const QRect& design, Anchors anchors = kLeftTop,
                     Keep keep = Keep::LeftEdge, int minimumWidth = 0);

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override { return m_designSize; }
    QSize minimumSize() const override { return {0, 0}; }
    void setGeometry(const QRect& rect) override;

private:
    struct Entry {
        QLayoutItem* item;
        QRect design;
        Anchors anchors;
        bool fitted = false;
        Keep keep = Keep::LeftEdge;
        int minimumWidth = 0;
    };
    QSize m_designSize;
    std::vector<Entry> m_entries;
};

} // namespace vantrel
