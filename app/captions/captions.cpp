// Translating the main window's captions.
#include "app/captions/captions.h"

#include "app/captions/captiontable.h"
#include "grid/gridcolumn.h"
#include "platform/platform.h"
#include "platform/ui/tabsheet.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>

namespace vantrel {

void applyCaption(QObject* component, const QString& caption) {
    if (auto* label = qobject_cast<QLabel*>(component))
        label->setText(caption);
    if (auto* button = qobject_cast<QAbstractButton*>(component))
        button->setText(caption);
    if (auto* column = qobject_cast<TGridColumn*>(component))
        column->setCaption(caption);
    if (auto* page = qobject_cast<TTabSheet*>(component))
        page->setCaption(caption);
    if (auto* action = qobject_cast<QAction*>(component))
        action->setText(caption);
}

namespace {

// Only properties the control has: a text for another kind of control is
// not made up as a dynamic property.
void applyAccessibleTexts(QObject* component) {
    const QString prefix = component->objectName() + u'.';
    for (const CaptionEntry& entry : accessibleTextTable()) {
        if (!entry.key.startsWith(prefix))
            continue;
        const QByteArray property = entry.key.mid(prefix.size()).toLatin1();
        if (component->metaObject()->indexOfProperty(property) >= 0)
            component->setProperty(property, entry.caption);
    }
}

} // namespace

void LocalizeCaptions(QWidget* window, int systemLanguage) {
    if (systemLanguage != kRussianLanguage || !window)
        return;
    // Every entry is compared, so a repeated key would leave the last one.
    const QString suffix = QStringLiteral(".Caption");
    for (QObject* component : window->findChildren<QObject*>()) {
        const QString key = component->objectName() + suffix;
        const auto search = [&](const auto& table) {
            for (const CaptionEntry& entry : table)
                if (key == entry.key)
                    applyCaption(component, entry.caption);
        };
        search(captionTable());
        search(addedCaptionTable());
        applyAccessibleTexts(component);
    }
}

} // namespace vantrel
