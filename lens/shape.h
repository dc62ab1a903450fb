// A filled bar in one colour, the colour key beside a field.
#pragma once

#include <QColor>
#include <QWidget>

namespace vantrel::lens {

class TShape : public QWidget {
    Q_OBJECT
public:
    TShape(const QColor& colour, QWidget* parent = nullptr);
    QColor colour() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_colour;
};

} // namespace vantrel::lens
