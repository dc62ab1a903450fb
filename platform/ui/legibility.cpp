#include "platform/ui/legibility.h"

#include <QImage>
#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabWidget>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace vantrel {

namespace {

double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

QColor mix(const QColor& from, const QColor& to, double t) {
    const auto channel = [t](float a, float b) { return a + (b - a) * t; };
    return QColor::fromRgbF(channel(from.redF(), to.redF()), channel(from.greenF(), to.greenF()),
                            channel(from.blueF(), to.blueF()));
}

// The pane's colour in a small picture of it drawn by the tab control's style,
// on the tab control's own background as it would be on screen.
QColor paneColour(const QTabWidget* tabs) {
    QStyleOptionTabWidgetFrame option;
    option.initFrom(tabs);
    option.rect = QRect(0, 0, 64, 64);
    option.lineWidth = tabs->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, tabs);
    QImage picture(option.rect.size(), QImage::Format_RGB32);
    picture.fill(tabs->palette().color(tabs->backgroundRole()));
    QPainter painter(&picture);
    tabs->style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &painter, tabs);
    painter.end();
    return picture.pixelColor(option.rect.center());
}

// Black or white, whichever reads better on the background.
QColor extremeOn(const QColor& background) {
    return contrastRatio(Qt::black, background) >= contrastRatio(Qt::white, background)
               ? QColor(Qt::black)
               : QColor(Qt::white);
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor legibleText(const QColor& preferred, const QColor& background) {
    return contrastRatio(preferred, background) >= kMinimumContrast ? preferred
                                                                    : extremeOn(background);
}

namespace {

// The designed colour where it reaches the least contrast on the background;
// else the smallest step from it towards black or white that reaches the
// adjusted contrast, to the nearest 1/256, or that extreme itself.
QColor reachingContrast(const QColor& designed, const QColor& background, double least,
                        double adjusted) {
    if (contrastRatio(designed, background) >= least)
        return designed;
    const QColor target = extremeOn(background);
    int low = 0, high = 256;
    while (low + 1 < high) {
        const int middle = (low + high) / 2;
        if (contrastRatio(mix(designed, target, middle / 256.0), background) >= adjusted)
            high = middle;
        else
            low = middle;
    }
    return QColor(mix(designed, target, high / 256.0).rgb()); // as drawn, 8 bits a channel
}

} // namespace

QColor legibleOn(const QColor& designed, const QColor& background) {
    return reachingContrast(designed, background, kMinimumContrast, kAdjustedContrast);
}

QColor visibleLineOn(const QColor& designed, const QColor& background) {
    return reachingContrast(designed, background, kMinimumLineContrast, kAdjustedLineContrast);
}

QColor drawingSheetOn(const QColor& page) {
    return extremeOn(page) == QColor(Qt::black) ? page : QColor(Qt::white);
}

QColor backgroundBehind(const QWidget* widget) {
    for (const QWidget* w = widget->parentWidget(); w; w = w->parentWidget()) {
        if (const auto* tabs = qobject_cast<const QTabWidget*>(w))
            return paneColour(tabs);
        if (w->autoFillBackground() || w->isWindow())
            return w->palette().color(w->backgroundRole());
    }
    return widget->palette().color(widget->backgroundRole());
}

void setLegibleInk(QWidget* widget, const QColor& designed) {
    const QColor ink = legibleOn(designed, backgroundBehind(widget));
    QPalette palette = widget->palette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, widget->foregroundRole(), ink);
    widget->setPalette(palette);
}

void setLegibleText(QWidget* widget, QPalette::ColorRole textRole,
                    QPalette::ColorRole backgroundRole) {
    QPalette palette = widget->palette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(
            group, textRole,
            legibleText(palette.color(group, textRole), palette.color(group, backgroundRole)));
    }
    widget->setPalette(palette);
}

void setLegibleDisabledText(QWidget* widget, QPalette::ColorRole textRole,
                            QPalette::ColorRole backgroundRole) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Disabled, textRole,
                     legibleOn(palette.color(QPalette::Disabled, textRole),
                               palette.color(QPalette::Disabled, backgroundRole)));
    widget->setPalette(palette);
}

} // namespace vantrel
