// The few steps every page takes to build its controls: naming them, tying
// captions to fields, chaining the Tab key, and letting go on teardown.
#pragma once

#include "platform/ui/fieldnames.h"

#include <QLabel>
#include <QString>
#include <QWidget>
#include <initializer_list>

namespace vantrel {

// Gives a control the object name that captions, field names and tests find it by.
template <class W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A caption on the page, named.
QLabel* namedLabel(QWidget* page, const char* name, const QString& text);

// A caption tied to its field (see labelField): returns the field.
template <class W> W* labelled(QLabel* caption, W* field) {
    labelField(caption, field);
    return field;
}

// Tab moves through the controls in the order given.
void setTabChain(std::initializer_list<QWidget*> chain);

// Cuts every connection from the page's children to the page, so that a
// control that signals while it is torn down (an editor losing focus) reaches
// no handler of a page that is already half gone. Call first in the destructor.
void disconnectChildrenFrom(QObject* page);

} // namespace vantrel
