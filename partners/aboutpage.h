// The About page: the program's icon, name and version, and the note on the
// partner links.
#pragma once

#include <QWidget>

class QFrame;
class QLabel;

namespace vantrel {

class TAboutPage : public QWidget {
    Q_OBJECT
public:
    explicit TAboutPage(QWidget* parent = nullptr);

    // Named as in the window layout, so that caption translation finds them.
    QLabel* Image1;
    QLabel* lbName;
    QLabel* lbVersion;
    QFrame* Bevel1;
    QLabel* lbContainsLinks;
};

// The version label's caption followed by one space and the version (the
// running executable's unless given).
void completeVersionLabel(QLabel* label);
void completeVersionLabel(QLabel* label, const QString& version);

} // namespace vantrel
