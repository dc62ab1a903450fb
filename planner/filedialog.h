// The open and save dialogs of the planner: filter, default extension and a
// remembered file name, shown through Qt's own file dialog.
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace vantrel {

class TFileDialog {
public:
    enum class Kind { Open, Save };
    explicit TFileDialog(Kind kind) : m_kind(kind) {}

    QString Filter;     // "Description|pattern" pairs
    QString DefaultExt; // added when the user types a name without extension
    QString FileName;   // proposed before, chosen after a confirmed Execute

    // True when the user confirmed a name, which FileName then holds.
    bool Execute(QWidget* owner);

    // Who answers instead of Qt's dialog: given the kind and the proposed
    // name, the chosen name or nullopt for Cancel. Empty: Qt's dialog asks.
    using Chooser = std::function<std::optional<QString>(Kind, const QString& proposed)>;
    void setChooser(Chooser chooser) { m_chooser = std::move(chooser); }

private:
    std::optional<QString> askUser(QWidget* owner) const;

    Kind m_kind;
    Chooser m_chooser;
};

// "Vantrel (*.ip)|*.ip" as Qt's name filters.
QStringList qtNameFilters(const QString& filter);
// A chosen name with the default extension added when it has none.
QString withDefaultExtension(const QString& fileName, const QString& defaultExt);

} // namespace vantrel
