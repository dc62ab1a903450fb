// An empty, see-through area whose owner draws it: it asks for its drawing
// through a signal raised inside its paint event, where a QPainter may be
// opened on it.
#pragma once

#include <QWidget>

namespace vantrel::lens {

class TPaintBox : public QWidget {
    Q_OBJECT
    // How a screen reader describes the drawing; its owner fills the blanks.
    Q_PROPERTY(QString descriptionPattern MEMBER m_descriptionPattern)
public:
    explicit TPaintBox(QWidget* parent = nullptr);

    QString descriptionPattern() const { return m_descriptionPattern; }
    void setDescriptionPattern(const QString& pattern) { m_descriptionPattern = pattern; }

signals:
    void paint(vantrel::lens::TPaintBox* box);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_descriptionPattern;
};

} // namespace vantrel::lens
