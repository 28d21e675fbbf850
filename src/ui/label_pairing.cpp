#include "ui/label_pairing.h"

#include <algorithm>

#include "ui/access_keys.h"

namespace qb::ui {
namespace {

// A label this far above a control (a quarter inch) still reads as its heading; one further
// up belongs to something else.
constexpr int kLargestGapAbove = 360;
// Edges may overlap a little where twips were rounded or a label was drawn generously.
constexpr int kSlack = 60;

bool IsLabel(const Control& control) {
  return control.Kind() == ControlKind::Label || control.Kind() == ControlKind::SkinLabel;
}

// A command button or check box this close on the left of a control, in its row, reads as
// its name ("Undo all since" [date]).
constexpr int kLargestGapBeside = 240;

int Right(const TwipRect& rect) { return rect.left + rect.width; }
int Bottom(const TwipRect& rect) { return rect.top + rect.height; }

bool SameRow(const TwipRect& label, const TwipRect& control) {
  const int middle = control.top + control.height / 2;
  return label.top <= middle && Bottom(label) >= middle;
}

}  // namespace

bool NamedByLabel(ControlKind kind) {
  switch (kind) {
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
    case ControlKind::DriveList:
    case ControlKind::ListBox:
    case ControlKind::ListView:
    case ControlKind::Slider:
    case ControlKind::ProgressBar:
    case ControlKind::UpDown:
    case ControlKind::FolderTree: return true;
    default: return false;
  }
}

namespace {

const Control* NearestLabel(const Form& form, const Control& control, bool captioned) {
  const TwipRect& place = control.Rect();
  const Control* beside = nullptr;
  const Control* above = nullptr;
  for (const Control* sibling : form.Children(control.Container())) {
    if (!IsLabel(*sibling) || (captioned && sibling->Caption().empty())) continue;
    const TwipRect& label = sibling->Rect();
    if (SameRow(label, place) && Right(label) <= place.left + kSlack) {
      if (!beside || Right(label) > Right(beside->Rect())) beside = sibling;
    } else if (Bottom(label) <= place.top + kSlack && Bottom(label) >= place.top - kLargestGapAbove &&
               label.left < Right(place) && Right(label) > place.left) {
      if (!above || Bottom(label) > Bottom(above->Rect())) above = sibling;
    }
  }
  return beside ? beside : above;
}

}  // namespace

const Control* NamingLabel(const Form& form, const Control& control) {
  // A label whose text the window fills when it loads (a heading naming a path) names the
  // control too, when no label with a caption of its own does.
  const Control* label = NearestLabel(form, control, true);
  return label ? label : NearestLabel(form, control, false);
}

namespace {

// A heading over a column of controls names each of them, when every control between it and
// this one is named by it too (the drive list and the folder tree under "Choose the folder").
const Control* HeadingAbove(const Form& form, const Control& control) {
  const TwipRect& place = control.Rect();
  const auto in_column = [&](const TwipRect& r) { return r.left < Right(place) && Right(r) > place.left; };
  const Control* heading = nullptr;
  for (const Control* sibling : form.Children(control.Container())) {
    const TwipRect& label = sibling->Rect();
    if (IsLabel(*sibling) && !sibling->Caption().empty() && Bottom(label) <= place.top + kSlack && in_column(label) &&
        (!heading || Bottom(label) > Bottom(heading->Rect()))) {
      heading = sibling;
    }
  }
  if (!heading) return nullptr;
  for (const Control* between : form.Children(control.Container())) {
    const TwipRect& r = between->Rect();
    const bool is_between = r.top >= Bottom(heading->Rect()) - kSlack && Bottom(r) <= place.top + kSlack && in_column(r);
    if (between != &control && between != heading && is_between && NamingLabel(form, *between) != heading) {
      return nullptr;
    }
  }
  return heading;
}

}  // namespace

std::string ImpliedName(const Form& form, const Control& control) {
  const TwipRect& place = control.Rect();
  for (const Control* sibling : form.Children(control.Container())) {
    const bool names = sibling->Kind() == ControlKind::CommandButton || sibling->Kind() == ControlKind::CheckBox;
    if (!names || sibling->Caption().empty()) continue;
    const TwipRect& other = sibling->Rect();
    const int gap = place.left - Right(other);
    if (SameRow(other, place) && gap >= -kSlack && gap <= kLargestGapBeside) return sibling->Caption();
    // A check box just above that turns the control on ("Change resolution" over its list).
    if (sibling->Kind() == ControlKind::CheckBox && Bottom(other) <= place.top + kSlack &&
        Bottom(other) >= place.top - kLargestGapAbove && other.left < Right(place) && Right(other) > place.left) {
      return sibling->Caption();
    }
  }
  if (const Control* heading = HeadingAbove(form, control)) return WithoutAccessKey(heading->Caption());
  // The frame's letter moves to its first control, which need not be this one.
  const Control* frame = control.Container();
  return frame && frame->Kind() == ControlKind::Frame ? WithoutAccessKey(frame->Caption()) : std::string();
}

}  // namespace qb::ui
