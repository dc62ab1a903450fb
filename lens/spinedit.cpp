#include "lens/spinedit.h"

#include "core/numbers.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <algorithm>

namespace vantrel::lens {

TSpinEdit::TSpinEdit(QChar decimalSeparator, QWidget* parent)
    : QAbstractSpinBox(parent), m_separator(decimalSeparator) {
    connect(lineEdit(), &QLineEdit::textChanged, this, &TSpinEdit::textChanged);
}

QString TSpinEdit::currentText() const {
    return lineEdit()->text();
}

void TSpinEdit::setText(const QString& text) {
    if (text != currentText())
        lineEdit()->setText(text);
}

qint32 TSpinEdit::value() const {
    return readInt32Or(currentText(), m_minimum);
}

void TSpinEdit::setValue(qint64 value) {
    setText(QString::number(limited(value)));
}

void TSpinEdit::setRange(qint32 minimum, qint32 maximum) {
    m_minimum = minimum;
    m_maximum = maximum;
}

qint64 TSpinEdit::limited(qint64 value) const {
    if (m_minimum == m_maximum)
        return std::clamp<qint64>(value, INT32_MIN, INT32_MAX);
    return std::clamp<qint64>(value, m_minimum, m_maximum);
}

void TSpinEdit::stepBy(int steps) {
    if (isReadOnly())
        return;
    setValue(qint64(value()) + steps);
}

QValidator::State TSpinEdit::validate(QString& input, int&) const {
    const bool allowed = std::all_of(input.cbegin(), input.cend(), [this](QChar c) {
        return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == m_separator;
    });
    return allowed ? QValidator::Acceptable : QValidator::Invalid;
}

QAbstractSpinBox::StepEnabled TSpinEdit::stepEnabled() const {
    if (isReadOnly() || !isEnabled())
        return StepNone;
    return StepUpEnabled | StepDownEnabled;
}

void TSpinEdit::focusOutEvent(QFocusEvent* event) {
    QAbstractSpinBox::focusOutEvent(event);
    // A context menu or another window takes the keyboard only for a while;
    // the field still holds the focus within its window and goes on editing.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    const qint32 shown = value();
    if (limited(shown) != shown)
        setValue(shown);
}

} // namespace vantrel::lens
