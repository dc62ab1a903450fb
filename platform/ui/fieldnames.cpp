#include "platform/ui/fieldnames.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace vantrel {

namespace {

const char* const kLabelledCombo = "vantrelLabelledCombo";

// Qt's own combo box on Linux reports its value as its name; this one
// reports its name, its value, whether its list is open, and opens it.
class LabelledComboAccessible : public QAccessibleWidget {
public:
    explicit LabelledComboAccessible(QComboBox* combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return combo()->currentText();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = combo()->view() && combo()->view()->isVisible();
        s.collapsed = !s.expanded;
        s.editable = combo()->isEditable();
        return s;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& name) override {
        if (name != showMenuAction() && name != pressAction())
            return;
        if (state().expanded)
            combo()->hidePopup();
        else
            combo()->showPopup();
    }
};

QAccessibleInterface* labelledCombo(const QString&, QObject* object) {
    auto* combo = qobject_cast<QComboBox*>(object);
    if (combo && combo->property(kLabelledCombo).toBool())
        return new LabelledComboAccessible(combo);
    return nullptr;
}

QString withoutMnemonic(QString text) {
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(u'&')
        .replace(u'\x01', u'&');
}

} // namespace

void labelField(QLabel* label, QWidget* field) {
    static const bool installed = (QAccessible::installFactory(labelledCombo), true);
    Q_UNUSED(installed);
    label->setBuddy(field);
    if (auto* combo = qobject_cast<QComboBox*>(field))
        combo->setProperty(kLabelledCombo, true);
}

void nameFieldsByLabels(QWidget* window) {
    for (QLabel* label : window->findChildren<QLabel*>()) {
        QWidget* field = label->buddy();
        if (!field)
            continue;
        const QString name = withoutMnemonic(label->text());
        field->setAccessibleName(name);
        // The edit inside an editable combo box is what holds the focus's text.
        if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit())
            combo->lineEdit()->setAccessibleName(name);
    }
}

} // namespace vantrel
