#pragma once
#include <string_view>

namespace qb::ui {

enum class ControlKind {
  Frame,
  CommandButton,
  CheckBox,      // value 0 clear, 1 checked, 2 grey
  OptionButton,  // value 0 or 1; one per container is set
  Label,
  SkinLabel,     // a label drawn by the skin
  TextBox,
  ComboBox,
  ListBox,
  ListView,      // report style: columns, rows of cells, a tag per row
  Slider,
  ProgressBar,
  TabStrip,
  UpDown,
  Picture,
  Image,
  DriveList,
  FolderTree,
  Timer,
  Graph,
};

std::string_view KindName(ControlKind kind);

// Whether the kind shows its caption (buttons, frames, labels); others have no caption.
bool HasCaption(ControlKind kind);

}  // namespace qb::ui
