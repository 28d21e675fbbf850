#include "ui/win32/control_views.h"

namespace qb::ui::win32 {

std::unique_ptr<ControlView> ControlView::Make(FormWindow& window, Control& control) {
  switch (control.Kind()) {
    case ControlKind::CommandButton:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton: return std::make_unique<ButtonView>(window, control);
    case ControlKind::Frame: return std::make_unique<FrameView>(window, control);
    case ControlKind::Label:
    case ControlKind::SkinLabel: return std::make_unique<LabelView>(window, control);
    case ControlKind::TextBox: return std::make_unique<TextBoxView>(window, control);
    case ControlKind::ComboBox:
    case ControlKind::DriveList: return std::make_unique<ComboBoxView>(window, control);
    case ControlKind::ListBox: return std::make_unique<ListBoxView>(window, control);
    case ControlKind::ListView: return std::make_unique<ListViewView>(window, control);
    case ControlKind::Slider: return std::make_unique<SliderView>(window, control);
    case ControlKind::ProgressBar: return std::make_unique<ProgressBarView>(window, control);
    case ControlKind::UpDown: return std::make_unique<UpDownView>(window, control);
    case ControlKind::TabStrip: return std::make_unique<TabStripView>(window, control);
    case ControlKind::Picture:
    case ControlKind::Image: return std::make_unique<PictureView>(window, control);
    case ControlKind::FolderTree: return std::make_unique<FolderTreeView>(window, control);
    case ControlKind::Graph: return std::make_unique<GraphView>(window, control);
    case ControlKind::Timer: return std::make_unique<TimerView>(window, control);
  }
  return std::make_unique<LabelView>(window, control);
}

}  // namespace qb::ui::win32
