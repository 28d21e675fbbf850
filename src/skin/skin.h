#pragma once
// The skin: how each skin element (Form, SmallForm, Button, system, cpu, Label, frame,
// check, radio, Statusbar, Tab) looks. Read from the text file "winaquas.skn"; drawn by the
// Win32 view's skin painter. Colours are plain RGB, sizes in pixels at 96 DPI.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qb::skin {

struct Color {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Color&) const = default;
};

struct ElementStyle {
  Color face_top{236, 242, 250};     // face gradient, top to bottom
  Color face_bottom{204, 219, 238};
  Color hot_top{246, 250, 255};      // under the mouse
  Color hot_bottom{180, 206, 240};
  Color pressed_top{160, 190, 230};  // pressed, or checked for a toggle
  Color pressed_bottom{110, 155, 215};
  Color border{96, 128, 170};
  Color text{20, 30, 50};
  Color text_disabled{83, 94, 108};
  Color accent{40, 110, 210};        // check marks, radio dots, focus, selected tab
  int corner_radius = 0;
  std::string font_face = "Tahoma";
  int font_points = 8;
  bool bold = false;
  // Windows only (Form, SmallForm): the title bar and its buttons.
  Color title_top{42, 95, 166};
  Color title_bottom{29, 74, 138};
  Color title_text{255, 255, 255};
  int title_height = 0;              // 0: no skinned title bar
  std::vector<std::string> title_buttons;  // left to right, e.g. "help", "about", "minimize", "close"
};

struct Skin {
  std::map<std::string, ElementStyle, std::less<>> elements;
  const ElementStyle* Find(std::string_view element) const;
};

// Parses the skin text; nullopt with a reason in error when it is not a usable skin.
std::optional<Skin> ParseSkin(std::string_view text, std::string& error);

}  // namespace qb::skin
