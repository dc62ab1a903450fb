#include "lens/paintbox.h"

namespace vantrel::lens {

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) {}

void TPaintBox::paintEvent(QPaintEvent*) {
    emit paint(this);
}

} // namespace vantrel::lens
