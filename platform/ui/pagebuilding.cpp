#include "platform/ui/pagebuilding.h"

namespace vantrel {

QLabel* namedLabel(QWidget* page, const char* name, const QString& text) {
    return named(new QLabel(text, page), name);
}

void setTabChain(std::initializer_list<QWidget*> chain) {
    QWidget* previous = nullptr;
    for (QWidget* next : chain) {
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

void disconnectChildrenFrom(QObject* page) {
    for (QObject* child : page->findChildren<QObject*>())
        child->disconnect(page);
}

} // namespace vantrel
