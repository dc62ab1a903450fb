// An integer spin field whose text is the truth: it may hold any typed text,
// reads as a whole number (its minimum when it is not one), reports every
// change of its text, the program's writes included, and limits its value to
// the range only when it loses the focus or is stepped.
#pragma once

#include <QAbstractSpinBox>

namespace vantrel::lens {

class TSpinEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    // decimalSeparator: the user's, which the field accepts among its characters.
    explicit TSpinEdit(QChar decimalSeparator, QWidget* parent = nullptr);

    QString currentText() const;
    // Writing the text already shown changes nothing and reports nothing.
    void setText(const QString& text);

    // The text as a whole number, the minimum when it is not one.
    qint32 value() const;
    // Writes the value, limited to the range, as decimal text.
    void setValue(qint64 value);

    // Equal limits mean no limit.
    void setRange(qint32 minimum, qint32 maximum);
    qint32 minimum() const { return m_minimum; }
    qint32 maximum() const { return m_maximum; }
    qint64 limited(qint64 value) const;

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

signals:
    void textChanged(const QString& text);

protected:
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    qint32 m_minimum = 0;
    qint32 m_maximum = 0;
    QChar m_separator;
};

} // namespace vantrel::lens
