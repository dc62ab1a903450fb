// The integer spin editor of a spin column: digits and signs only, Up and Down
// (and its two buttons) step by the increment, limits where MinValue differs
// from MaxValue.
#pragma once

#include "grid/celleditor.h"

class QToolButton;

namespace vantrel {

class TGridSpinColumn;
class TPlatform;

class TSpinCellEditor : public TCellEditor {
    Q_OBJECT
public:
    // The platform reads the decimal separator and beeps at a refused key.
    TSpinCellEditor(TGridSpinColumn* column, TPlatform& platform, QWidget* parent);

    // The integer read from the text; empty or unreadable text counts as MinValue.
    qint64 value() const;
    // A value kept within MinValue..MaxValue when these differ.
    qint64 limited(qint64 value) const;
    // One step up (+1) or down (-1).
    void step(int direction);

    QString result() const override;
    bool rewritesCellText() const override { return true; }
    void finishEditing() override;
    bool wantsKey(const QKeyEvent* event) const override;

protected:
    QString openingTextFor(const QString& cellText) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void writeValue(qint64 value);

    TGridSpinColumn* m_spin;
    TPlatform& m_platform;
    QToolButton* m_up;
    QToolButton* m_down;
};

} // namespace vantrel
