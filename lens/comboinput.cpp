#include "lens/comboinput.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>

namespace vantrel::lens {

TComboInput::TComboInput(QComboBox* combo) : QObject(combo) {
    connect(combo, &QComboBox::activated, this, &TComboInput::picked);
    QLineEdit* edit = combo->lineEdit();
    if (!edit)
        return;
    // An editable combo box takes the item that matches its text as picked
    // whenever editing ends (leaving it, Enter, opening its list), so a text
    // the program wrote would come back as the user's pick.
    disconnect(edit, &QLineEdit::editingFinished, combo, nullptr);
    connect(edit, &QLineEdit::textEdited, this, &TComboInput::typed);
    connect(edit, &QLineEdit::returnPressed, this, &TComboInput::finished);
    // The combo box holds the focus for its line edit.
    combo->installEventFilter(this);
}

bool TComboInput::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            emit finished();
    }
    return false;
}

} // namespace vantrel::lens
