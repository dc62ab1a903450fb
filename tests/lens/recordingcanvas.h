// A canvas that writes down every drawing call, so tests can check a paint
// point by point.
#pragma once

#include "lens/diagram.h"

#include <QStringList>

namespace vantrel::test {

class RecordingCanvas : public lens::TDiagramCanvas {
public:
    void setPen(lens::DiagramPen pen, int width) override {
        calls << QStringLiteral("pen %1 %2").arg(penName(pen)).arg(width);
    }
    void moveTo(QPoint p) override { calls << QStringLiteral("move %1,%2").arg(p.x()).arg(p.y()); }
    void lineTo(QPoint p) override { calls << QStringLiteral("line %1,%2").arg(p.x()).arg(p.y()); }
    void textOut(QPoint p, const QString& text) override {
        calls << QStringLiteral("text %1,%2 %3").arg(p.x()).arg(p.y()).arg(text);
    }

    static QString penName(lens::DiagramPen pen) {
        switch (pen) {
        case lens::DiagramPen::Grid:
            return QStringLiteral("grid");
        case lens::DiagramPen::Silver:
            return QStringLiteral("silver");
        case lens::DiagramPen::Black:
            return QStringLiteral("black");
        case lens::DiagramPen::Gray:
            return QStringLiteral("gray");
        case lens::DiagramPen::Blue:
            return QStringLiteral("blue");
        case lens::DiagramPen::Lime:
            return QStringLiteral("lime");
        case lens::DiagramPen::Green:
            return QStringLiteral("green");
        case lens::DiagramPen::Navy:
            return QStringLiteral("navy");
        }
        return QString();
    }

    QStringList calls;
};

} // namespace vantrel::test
