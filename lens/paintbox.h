// An empty, see-through area whose owner draws it: it asks for its drawing
// through a signal raised inside its paint event, where a QPainter may be
// opened on it.
#pragma once

#include <QWidget>

namespace vantrel::lens {

class TPaintBox : public QWidget {
    Q_OBJECT
public:
    explicit TPaintBox(QWidget* parent = nullptr);

signals:
    void paint(vantrel::lens::TPaintBox* box);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace vantrel::lens
