#pragma once
// "syscolors": one of thirteen screen elements, its current colour, a new colour from the
// system's colour dialog, and Apply, which changes the element for the running session.
#include <array>
#include <memory>
#include <string_view>

#include "language/phrases.h"
#include "platform/services.h"
#include "skin/skin_instance.h"
#include "ui/application.h"
#include "ui/form.h"

namespace qb::tweaks {

struct ScreenElement {
  const language::Phrase& name;  // as the list shows it, in the chosen language
  int index;              // the system's colour index
};

extern const std::array<ScreenElement, 13> kScreenElements;
inline constexpr std::string_view kSystemColoursTitleKey = "7012";

// The window as designed, without its behaviour.
std::unique_ptr<ui::Form> CreateSystemColoursForm();

class SystemColoursWindow {
 public:
  // main_skin is the main window's skin instance, which skins this window's controls.
  SystemColoursWindow(ui::Application& app, const Services& services,
                      const skin::SkinInstance& main_skin);
  ui::Form& Form() { return *form_; }

 private:
  void Load();
  void ElementChosen();
  void ChooseColour();
  void Apply();
  const ScreenElement* Selected() const;

  ui::Application& app_;
  Services services_;
  const skin::SkinInstance& main_skin_;
  skin::SkinInstance own_skin_;
  std::unique_ptr<ui::Form> form_;
};

// Opens the window modally over its owner; returns when it is closed.
void ShowSystemColours(ui::Application& app, ui::Form& owner, const Services& services,
                       const skin::SkinInstance& main_skin);

}  // namespace qb::tweaks
