#include "platform/ui/errorbox.h"

#include <QApplication>
#include <QMessageBox>

namespace vantrel {

QString errorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back() > QChar(u'.'))
        return message + u'.';
    return message;
}

void showErrorBox(const QString& message) {
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kApplicationTitle),
                    errorBoxText(message), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

} // namespace vantrel
