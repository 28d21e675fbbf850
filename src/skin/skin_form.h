#pragma once
// Which skin element each window and control is drawn as, and the skin instance each
// window loads for itself.
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "skin/skin.h"
#include "ui/form.h"

namespace qb::skin {

inline constexpr std::string_view kSkinFileName = "\\winaquas.skn";

// The element name for a control by the first matching rule: "syscmd" and "cpucmd" command
// buttons, other command buttons, skin labels, frames, check boxes, option buttons. Empty
// for every other kind, which keeps its plain drawing.
std::string ElementFor(const ui::Control& control);

// One window's own copy of the skin, loaded from the skin file.
class SkinInstance {
 public:
  // Reads and parses the file. A missing or malformed file leaves the instance empty, so
  // everything it skins keeps plain system drawing; the reason is kept for the caller.
  bool LoadFile(FileSystem& files, std::string_view path);
  bool LoadText(std::string_view text);

  bool Loaded() const { return skin_.has_value(); }
  const Skin* Get() const { return skin_ ? &*skin_ : nullptr; }
  const std::string& Error() const { return error_; }

  // Gives the window an element (its look and its title-bar buttons).
  void ApplyToForm(ui::Form& form, std::string_view element) const;
  void ApplyToControl(ui::Control& control, std::string_view element) const;

 private:
  std::optional<Skin> skin_;
  std::string error_;
};

// Skins every control of the window, whatever its container, through the given instance.
void SkinForm(ui::Form& form, const SkinInstance& instance);

}  // namespace qb::skin
