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

std::optional<QString> TFileDialog::askUser(QWidget* owner) const {
    QFileDialog dialog(owner);
    dialog.setAcceptMode(m_kind == Kind::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Save replaces without asking; Open reports a missing file when it opens it.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // A desktop's own dialog (GTK, KDE, a portal) keeps its history in the
    // user's folders where this program cannot redirect it; Qt's keeps it
    // in Qt's settings, which TPrivateQtSettings keeps private.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(qtNameFilters(Filter));
    dialog.setDefaultSuffix(DefaultExt);
    if (!FileName.isEmpty())
        dialog.selectFile(FileName);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
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
