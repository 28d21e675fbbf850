#include "ui/control.h"

#include <algorithm>

#include "ui/folder_tree.h"
#include "ui/form.h"

namespace qb::ui {

std::string_view KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Frame: return "Frame";
    case ControlKind::CommandButton: return "CommandButton";
    case ControlKind::CheckBox: return "CheckBox";
    case ControlKind::OptionButton: return "OptionButton";
    case ControlKind::Label: return "Label";
    case ControlKind::SkinLabel: return "SkinLabel";
    case ControlKind::TextBox: return "TextBox";
    case ControlKind::ComboBox: return "ComboBox";
    case ControlKind::ListBox: return "ListBox";
    case ControlKind::ListView: return "ListView";
    case ControlKind::Slider: return "Slider";
    case ControlKind::ProgressBar: return "ProgressBar";
    case ControlKind::TabStrip: return "TabStrip";
    case ControlKind::UpDown: return "UpDown";
    case ControlKind::Picture: return "Picture";
    case ControlKind::Image: return "Image";
    case ControlKind::DriveList: return "DriveList";
    case ControlKind::FolderTree: return "FolderTree";
    case ControlKind::Timer: return "Timer";
    case ControlKind::Graph: return "Graph";
  }
  return "?";
}

bool HasCaption(ControlKind kind) {
  switch (kind) {
    case ControlKind::Frame:
    case ControlKind::CommandButton:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::Label:
    case ControlKind::SkinLabel:
      return true;
    default:
      return false;
  }
}

Control::Control(Form& form, ControlSpec desc) : form_(form), spec_(std::move(desc)) {
  z_order_ = form_.NextZOrder();
  if (spec_.kind == ControlKind::TabStrip && spec_.value == 0 && !spec_.items.empty()) {
    spec_.value = 1;
  }
}

void Control::Notify(Property property) { form_.ControlChanged(*this, property); }

void Control::SetCaption(std::string caption) {
  if (spec_.caption == caption) return;
  spec_.caption = std::move(caption);
  Notify(Property::Caption);
}

void Control::SetVisible(bool visible) {
  if (spec_.visible == visible) return;
  spec_.visible = visible;
  Notify(Property::Visible);
}

void Control::SetEnabled(bool enabled) {
  if (spec_.enabled == enabled) return;
  spec_.enabled = enabled;
  Notify(Property::Enabled);
}

bool Control::ShownOnForm() const {
  for (const Control* c = this; c; c = c->Container()) {
    if (!c->Visible()) return false;
  }
  return true;
}

void Control::Move(int left, int top) { Move(left, top, spec_.rect.width, spec_.rect.height); }

void Control::Move(int left, int top, int width, int height) {
  const TwipRect rect{left, top, width, height};
  if (spec_.rect == rect) return;
  spec_.rect = rect;
  Notify(Property::Position);
}

void Control::SetValue(int value) {
  if (spec_.kind == ControlKind::CheckBox) value = std::clamp(value, 0, 2);
  if (spec_.kind == ControlKind::OptionButton) value = value ? 1 : 0;
  if (spec_.kind == ControlKind::Slider || spec_.kind == ControlKind::ProgressBar ||
      spec_.kind == ControlKind::UpDown) {
    value = std::clamp(value, spec_.min, spec_.max);
  }
  if (spec_.value == value) return;
  spec_.value = value;
  touched_ = true;
  Notify(Property::Value);
  switch (spec_.kind) {
    case ControlKind::OptionButton:
      if (value == 1) {
        // Setting one option clears the others in the same container.
        for (Control* sibling : form_.Children(spec_.container)) {
          if (sibling != this && sibling->Kind() == ControlKind::OptionButton &&
              sibling->Value() != 0) {
            sibling->spec_.value = 0;
            sibling->Notify(Property::Value);
          }
        }
      }
      RaiseClick();
      break;
    case ControlKind::CheckBox:
    case ControlKind::TabStrip:
      RaiseClick();
      break;
    case ControlKind::Slider:
    case ControlKind::UpDown:
      RaiseChange();
      break;
    default:
      break;
  }
}

void Control::SetRange(int min, int max) {
  spec_.min = min;
  spec_.max = std::max(min, max);
  Notify(Property::Range);
  if (spec_.value < spec_.min || spec_.value > spec_.max) {
    spec_.value = std::clamp(spec_.value, spec_.min, spec_.max);
    Notify(Property::Value);
  }
}

void Control::SetText(std::string text) {
  if (spec_.text == text) return;
  spec_.text = std::move(text);
  touched_ = true;
  Notify(Property::Text);
  RaiseChange();
}

void Control::AddItem(std::string item) {
  spec_.items.push_back(std::move(item));
  Notify(Property::Items);
}

void Control::ClearItems() {
  spec_.items.clear();
  list_index_ = -1;
  Notify(Property::Items);
}

void Control::SetItems(std::vector<std::string> items) {
  spec_.items = std::move(items);
  list_index_ = -1;
  Notify(Property::Items);
}

void Control::SetListIndex(int index) {
  if (index < -1 || index >= static_cast<int>(spec_.kind == ControlKind::ListView
                                                  ? rows_.size()
                                                  : spec_.items.size())) {
    index = -1;
  }
  if (spec_.multi_select) {
    for (size_t row = 0; row < rows_.size(); ++row) rows_[row].selected = static_cast<int>(row) == index;
  }
  if (list_index_ == index) {
    if (spec_.multi_select) Notify(Property::ListIndex);  // the other rows are no longer chosen
    return;
  }
  list_index_ = index;
  touched_ = true;
  if (index >= 0 && (spec_.kind == ControlKind::ComboBox || spec_.kind == ControlKind::DriveList)) {
    spec_.text = spec_.items[index];
    Notify(Property::Text);
  }
  Notify(Property::ListIndex);
  RaiseClick();
}

void Control::SelectTab(int tab) { SetValue(tab); }

void Control::SetColumns(std::vector<ListColumn> columns) {
  spec_.columns = std::move(columns);
  Notify(Property::Columns);
}

void Control::SetRows(std::vector<ListRow> rows) {
  rows_ = std::move(rows);
  if (list_index_ >= static_cast<int>(rows_.size())) list_index_ = -1;
  Notify(Property::Rows);
}

void Control::SetRowChecked(int row, bool checked) {
  if (row < 0 || row >= static_cast<int>(rows_.size()) || rows_[row].checked == checked) return;
  rows_[row].checked = checked;
  Notify(Property::RowChecks);
  RaiseChange();
}

std::vector<int> Control::SelectedRows() const {
  std::vector<int> chosen;
  if (!spec_.multi_select) {
    if (list_index_ >= 0) chosen.push_back(list_index_);
    return chosen;
  }
  for (size_t row = 0; row < rows_.size(); ++row) {
    if (rows_[row].selected) chosen.push_back(static_cast<int>(row));
  }
  return chosen;
}

void Control::RowSelectionChangedByUser(int row, bool selected) {
  if (row < -1 || row >= static_cast<int>(rows_.size())) return;
  for (size_t i = 0; i < rows_.size(); ++i) {
    if (row == -1 || static_cast<int>(i) == row) rows_[i].selected = selected;
  }
}

void Control::RowCheckChangedByUser(int row, bool checked) {
  if (row < 0 || row >= static_cast<int>(rows_.size()) || rows_[row].checked == checked) return;
  rows_[row].checked = checked;
  touched_ = true;
  RaiseChange();
}

void Control::SetInterval(int milliseconds) {
  if (spec_.interval == milliseconds) return;
  spec_.interval = milliseconds;
  Notify(Property::Interval);
}

void Control::SetPicture(std::string path) {
  picture_ = std::move(path);
  Notify(Property::Picture);
}

void Control::SetBackColour(uint32_t colour) {
  if (back_colour_ == colour) return;
  back_colour_ = colour;
  touched_ = true;
  Notify(Property::BackColour);
}

void Control::SetPoints(std::vector<double> points) {
  points_ = std::move(points);
  Notify(Property::Points);
}

void Control::SetFont(TextFont font) {
  if (font_ == font) return;
  font_ = std::move(font);
  Notify(Property::Font);
}

void Control::SetSkinElement(std::string element) {
  if (skin_element_ == element) return;
  skin_element_ = std::move(element);
  Notify(Property::SkinElement);
}

void Control::BringToFront() {
  z_order_ = form_.NextZOrder();
  Notify(Property::ZOrder);
}

void Control::RaiseClick() {
  if (on_click) on_click();
}
void Control::RaiseDblClick() {
  if (on_dbl_click) on_dbl_click();
}
void Control::RaiseChange() {
  if (on_change) on_change();
}
void Control::RaiseKeyPress(int& key_ascii) {
  if (on_key_press) on_key_press(key_ascii);
}
void Control::RaiseKeyDown(int& key_code) {
  if (on_key_down) on_key_down(key_code);
}
void Control::RaiseTimer() {
  if (spec_.enabled && spec_.interval > 0 && on_timer) on_timer();
}

void Control::TextChangedByUser(std::string text) {
  if (spec_.text == text) return;
  spec_.text = std::move(text);
  touched_ = true;
  RaiseChange();
}

void Control::ListIndexChangedByUser(int index) {
  if (index == list_index_) return;
  list_index_ = index;
  touched_ = true;
  if (index >= 0 && index < static_cast<int>(spec_.items.size()) &&
      (spec_.kind == ControlKind::ComboBox || spec_.kind == ControlKind::DriveList)) {
    spec_.text = spec_.items[index];
  }
  RaiseClick();
}

void Control::ClickedByUser() {
  switch (spec_.kind) {
    case ControlKind::CheckBox:
      if (spec_.three_state) {
        ValueChangedByUser((spec_.value + 1) % 3);
      } else {
        ValueChangedByUser(spec_.value == 1 ? 0 : 1);
      }
      break;
    case ControlKind::OptionButton:
      ValueChangedByUser(1);
      break;
    default:
      RaiseClick();
      break;
  }
}

std::vector<std::string> Control::Subfolders(std::string_view folder) const {
  return folders_ ? ListSubfolders(*folders_, folder) : std::vector<std::string>{};
}

void Control::ValueChangedByUser(int value) {
  if (spec_.kind == ControlKind::CheckBox || spec_.kind == ControlKind::OptionButton ||
      spec_.kind == ControlKind::TabStrip) {
    // These redraw themselves from the model, so the full setter runs.
    SetValue(value);
    return;
  }
  value = std::clamp(value, spec_.min, spec_.max);
  if (spec_.value == value) return;
  spec_.value = value;
  touched_ = true;
  RaiseChange();
}

}  // namespace qb::ui
