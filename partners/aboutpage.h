// The About page: the program's icon, name and version, and the note on the
// partner links.
#pragma once

#include <QWidget>

class QLabel;

namespace vantrel {

// Its controls carry the names of the window layout, so that caption
// translation finds them.
class TAboutPage : public QWidget {
    Q_OBJECT
public:
    explicit TAboutPage(QWidget* parent = nullptr);

    // Run once the captions are translated: the version label's caption, one
    // space and the version (the running executable's unless given).
    void completeVersionLabel();
    void completeVersionLabel(const QString& version);

private:
    QLabel* m_version;
};

} // namespace vantrel
