// A label that is a web link: the keyboard reaches it with Tab and opens it
// with Enter or Space, and a screen reader reports it as a link that can be
// activated. The mouse is left to its owner, who also says what opening does.
#pragma once

#include <QLabel>

namespace vantrel {

class TLinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit TLinkLabel(QWidget* parent = nullptr);

signals:
    // Enter, Space, or a screen reader's action: open the link.
    void activated();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace vantrel
