// Fields named for screen readers by the labels beside them.
#pragma once

class QComboBox;
class QLabel;
class QWidget;

namespace vantrel {

// Ties a caption to its field; the field is then named by the caption.
void labelField(QLabel* label, QWidget* field);

// Gives every field of the window that has a caption the caption's text as
// its accessible name, as the captions read now (run once they are
// translated). A combo box reports that name too, where Qt would name it by
// its value.
void nameFieldsByLabels(QWidget* window);

} // namespace vantrel
