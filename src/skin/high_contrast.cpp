#include "skin/high_contrast.h"

namespace qb::skin {

Skin HighContrastSkin(const Skin& skin, const SystemColours& system) {
  Skin result = skin;
  for (auto& [name, style] : result.elements) {
    const bool field = name == "check" || name == "radio";
    const Color face = field ? system.window : system.button_face;
    const Color ink = field ? system.window_text : system.button_text;
    style.face_top = style.face_bottom = face;
    style.hot_top = style.hot_bottom = face;
    style.pressed_top = style.pressed_bottom = system.highlight;
    style.border = ink;
    style.text = ink;
    style.text_disabled = system.gray_text;
    style.accent = system.highlight;
    style.title_top = style.title_bottom = system.active_caption;
    style.title_text = system.caption_text;
  }
  return result;
}

GraphColours GraphColoursFor(bool high_contrast, const SystemColours& system) {
  if (!high_contrast) return {};
  return {system.window, system.gray_text, system.window_text};
}

}  // namespace qb::skin
