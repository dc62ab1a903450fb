#include "planner/filedialog.h"

#include <QFileDialog>
#include <QFileInfo>

namespace vantrel {

QStringList qtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << (parts[i].contains(u'(') ? parts[i] : parts[i] + " (" + parts[i + 1] + ")");
    return filters;
}

QString withDefaultExtension(const QString& fileName, const QString& defaultExt) {
    if (fileName.isEmpty() || defaultExt.isEmpty() || !QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    return fileName + u'.' + defaultExt;
}

namespace {

// What Qt's dialog would otherwise keep in Qt's settings (the folder, the
// folders visited, the view), shared by every dialog for this run only.
QByteArray& rememberedState() {
    static QByteArray state;
    return state;
}

} // namespace

std::optional<QString> TFileDialog::askUser(QWidget* owner) const {
    QFileDialog dialog(owner);
    dialog.setAcceptMode(m_kind == Kind::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Save replaces without asking; Open reports a missing file when it opens it.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // A desktop's own dialog (GTK, KDE, a portal) keeps its history in the
    // user's folders where this program cannot redirect it; Qt's would keep
    // it in Qt's settings, which TPrivateQtSettings makes unwritable.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.restoreState(rememberedState());
    dialog.setNameFilters(qtNameFilters(Filter));
    dialog.setDefaultSuffix(DefaultExt);
    if (!FileName.isEmpty())
        dialog.selectFile(FileName);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    rememberedState() = dialog.saveState();
    if (accepted && !dialog.selectedFiles().isEmpty())
        return dialog.selectedFiles().front();
    return std::nullopt;
}

bool TFileDialog::Execute(QWidget* owner) {
    const std::optional<QString> chosen = m_chooser ? m_chooser(m_kind, FileName) : askUser(owner);
    if (!chosen)
        return false;
    FileName = QFileInfo(withDefaultExtension(*chosen, DefaultExt)).absoluteFilePath();
    return true;
}

} // namespace vantrel
