#pragma once
// Which label names a control that shows no caption of its own (a text box, a list, a
// slider ...). Windows' accessibility gives such a control the text of the static text
// just before it in the window order, and an access key in a label moves the focus to the
// control after it; the view places each label there.
#include <string>

#include "ui/form.h"

namespace qb::ui {

// Whether a control of this kind is named by a label beside or above it.
bool NamedByLabel(ControlKind kind);

// The label of the same container that names the control: the nearest one on its left in
// the same row, else the nearest one just above it and overlapping it across; nullptr
// when there is none. Labels with a caption are preferred to ones the window fills later.
const Control* NamingLabel(const Form& form, const Control& control);

// The name of a control that no label names, from what stands for one on the screen: a
// command button or check box just on its left in its row, a check box just above it,
// else the caption of the frame it is in;
// empty when there is neither.
std::string ImpliedName(const Form& form, const Control& control);

}  // namespace qb::ui
