// What the user does in a combo box, told apart from what the program writes
// into it: typing, picking an item, and ending the typing with Enter or by
// moving to another field.
#pragma once

#include <QObject>

class QComboBox;

namespace vantrel::lens {

class TComboInput : public QObject {
    Q_OBJECT
public:
    // Watches the combo box for its lifetime.
    explicit TComboInput(QComboBox* combo);

signals:
    void typed();
    void picked();
    // Enter, or the focus going to another field of the window (not to a
    // popup or another window, which hand it back).
    void finished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace vantrel::lens
