// The drop-down window of a pick editor: a list in a popup that closes, as a
// combo box's does, on any press outside it without picking anything.
#pragma once

#include <QFrame>

class QListWidget;

namespace vantrel {

class TPickPopup : public QFrame {
    Q_OBJECT
public:
    // A press on `toggle` while the list is open only closes it: the press is
    // not handed on to the toggle, which would open the list again.
    TPickPopup(const QStringList& items, QWidget* toggle);

    QListWidget* list() const { return m_list; }

signals:
    // The user clicked an item.
    void itemClicked(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QListWidget* m_list;
    QWidget* m_toggle;
};

} // namespace vantrel
