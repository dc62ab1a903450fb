// A page of a tab control that knows its own caption, as the caption
// translation needs to set it by the page's name.
#pragma once

#include <QSize>
#include <QWidget>

class QTabWidget;

namespace vantrel {

// Every tab page is designed at this size; its controls anchor to its edges.
inline constexpr QSize kTabPageDesignSize{704, 478};

class TTabSheet : public QWidget {
    Q_OBJECT
    // What a screen reader calls the page's tab, where its caption is only a sign.
    Q_PROPERTY(QString tabAccessibleName READ tabAccessibleName WRITE setTabAccessibleName)
public:
    // Adds itself as the last page of the tab control.
    TTabSheet(const QString& name, const QString& caption, QTabWidget* pageControl);

    QString caption() const;
    void setCaption(const QString& caption);
    QString tabAccessibleName() const;
    void setTabAccessibleName(const QString& name);

private:
    QTabWidget* m_pageControl;
};

} // namespace vantrel
