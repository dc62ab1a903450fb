// The spin editor: key filter, stepping, limits and the integer result.
#include "grid/spineditor.h"

#include "core/numbers.h"
#include "grid/gridcolumn.h"
#include "platform/platform.h"

#include <QKeyEvent>
#include <QToolButton>
#include <cmath>
#include <limits>

namespace vantrel {

namespace {

constexpr qint64 kMin32 = std::numeric_limits<qint32>::min();
constexpr qint64 kMax32 = std::numeric_limits<qint32>::max();

qint64 wholeWithin32(double value) {
    if (std::isnan(value))
        return 0;
    const double whole = roundHalfEven(value);
    if (whole <= double(kMin32))
        return kMin32;
    if (whole >= double(kMax32))
        return kMax32;
    return qint64(whole);
}

QToolButton* makeStepButton(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRaise(true);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::ArrowCursor);
    return button;
}

} // namespace

TSpinCellEditor::TSpinCellEditor(TGridSpinColumn* column, TPlatform& platform, QWidget* parent)
    : TCellEditor(column, parent), m_spin(column), m_platform(platform) {
    m_up = makeStepButton(Qt::UpArrow, this);
    m_down = makeStepButton(Qt::DownArrow, this);
    connect(m_up, &QToolButton::clicked, this, [this] { step(+1); });
    connect(m_down, &QToolButton::clicked, this, [this] { step(-1); });
}

qint64 TSpinCellEditor::limited(qint64 value) const {
    if (m_spin->MinValue == m_spin->MaxValue)
        return value;
    const double low = std::min(m_spin->MinValue, m_spin->MaxValue);
    const double high = std::max(m_spin->MinValue, m_spin->MaxValue);
    if (double(value) < low)
        return wholeWithin32(std::ceil(low));
    if (double(value) > high)
        return wholeWithin32(std::floor(high));
    return value;
}

qint64 TSpinCellEditor::value() const {
    if (const auto v = readInt32(text()))
        return *v;
    return wholeWithin32(m_spin->MinValue);
}

void TSpinCellEditor::step(int direction) {
    const qint64 next = value() + qint64(direction) * m_spin->Increment;
    writeValue(std::clamp(limited(next), kMin32, kMax32));
}

void TSpinCellEditor::writeValue(qint64 value) {
    const QString t = QString::number(value);
    if (t != text())
        setText(t); // a user's step: the editor reports it
}

QString TSpinCellEditor::result() const {
    return QString::number(value());
}

void TSpinCellEditor::finishEditing() {
    if (isUserModified())
        writeValue(limited(value()));
}

QString TSpinCellEditor::openingTextFor(const QString& cellText) const {
    std::optional<double> number = readDecimal(cellText, m_platform.decimalSeparator());
    if (!number)
        if (const auto i = readInt32(cellText))
            number = double(*i);
    return QString::number(limited(wholeWithin32(number.value_or(0))));
}

bool TSpinCellEditor::wantsKey(const QKeyEvent* event) const {
    // The arrow keys step; they never move to another row.
    return event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
}

void TSpinCellEditor::keyPressEvent(QKeyEvent* event) {
    const bool plain =
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plain && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        step(event->key() == Qt::Key_Up ? +1 : -1);
        event->accept();
        return;
    }
    const QString typed = event->text();
    if (plain && !typed.isEmpty()) {
        const char16_t c = typed.front().unicode();
        const bool control = c < 0x20 || c == 0x7F;
        const bool accepted = (c >= u'0' && c <= u'9') || c == u'+' || c == u'-';
        if (!control && !accepted) {
            // "," and "." would become the decimal separator, which an integer refuses.
            m_platform.beep();
            event->accept();
            return;
        }
    }
    TCellEditor::keyPressEvent(event);
    event->accept(); // nothing of an open spin editor reaches the grid
}

void TSpinCellEditor::resizeEvent(QResizeEvent* event) {
    TCellEditor::resizeEvent(event);
    const int w = std::min(14, width() / 3);
    const int half = height() / 2;
    m_up->setGeometry(width() - w, 0, w, half);
    m_down->setGeometry(width() - w, half, w, height() - half);
    setTextMargins(0, 0, w, 0);
}

} // namespace vantrel
