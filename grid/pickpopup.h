// The drop-down window of a pick editor: a list in a popup that closes, as a
// combo box's does, on any press outside it without picking anything; that
// press does nothing else.
#pragma once

#include <QFrame>

class QListWidget;

namespace vantrel {

class TPickPopup : public QFrame {
    Q_OBJECT
public:
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
};

} // namespace vantrel
