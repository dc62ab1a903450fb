// The lens page's controls, found by the object names the window's captions
// and field names know them by, as a user's tools would find them.
#pragma once

#include "lens/shape.h"
#include "lens/spinedit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtGlobal>

namespace vantrel::test {

template <class W> W* control(const QWidget* page, const char* name) {
    W* found = page->findChild<W*>(QString::fromLatin1(name));
    if (!found)
        qFatal("the lens page has no control %s", name);
    return found;
}

struct LensControls {
    explicit LensControls(const QWidget* page)
        : cbMatrix(control<QComboBox>(page, "cbMatrix")),
          cbScale(control<QComboBox>(page, "cbScale")),
          cbObjDistance(control<QComboBox>(page, "cbObjDistance")),
          cbWidth(control<QComboBox>(page, "cbWidth")),
          cbCamHeight(control<QComboBox>(page, "cbCamHeight")),
          cbObjHeight(control<QComboBox>(page, "cbObjHeight")),
          seAngle(control<lens::TSpinEdit>(page, "seAngle")),
          seTilt(control<lens::TSpinEdit>(page, "seTilt")),
          edFocalLen(control<QLineEdit>(page, "edFocalLen")), lbCCD(control<QLabel>(page, "lbCCD")),
          lbObjDistance(control<QLabel>(page, "lbObjDistance")),
          lbObjHeight(control<QLabel>(page, "lbObjHeight")),
          Shape1(control<lens::TShape>(page, "Shape1")),
          Shape2(control<lens::TShape>(page, "Shape2")), pb(control<QWidget>(page, "pb")),
          PaintBox2(control<QWidget>(page, "PaintBox2")) {}

    QComboBox *cbMatrix, *cbScale, *cbObjDistance, *cbWidth, *cbCamHeight, *cbObjHeight;
    lens::TSpinEdit *seAngle, *seTilt;
    QLineEdit* edFocalLen;
    QLabel *lbCCD, *lbObjDistance, *lbObjHeight;
    lens::TShape *Shape1, *Shape2;
    QWidget *pb, *PaintBox2;
};

} // namespace vantrel::test
