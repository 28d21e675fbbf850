#pragma once
// "Fonts": the installed fonts in the system's order, a preview of the chosen one with
// size and style, and installing a new font file.
#include <memory>

#include "customise/font_install.h"
#include "platform/services.h"
#include "skin/skin_instance.h"
#include "ui/application.h"
#include "ui/form.h"

namespace qb::customise {

inline constexpr std::string_view kPreviewText = "\r\nABCXYZabcxyz";
inline constexpr std::string_view kFontsTitleKey = "7004";

// The window as designed, before it is loaded.
std::unique_ptr<ui::Form> BuildFontsForm();

class FontsWindow {
 public:
  FontsWindow(ui::Application& app, const Services& services, const skin::SkinInstance& main_skin);
  FontsWindow(const FontsWindow&) = delete;
  FontsWindow& operator=(const FontsWindow&) = delete;

  ui::Form& Form() { return *form_; }

 private:
  void Load();
  void FillFontList();
  void ShowSize();
  void ApplyStyles();
  void SetPreview(const std::function<void(ui::TextFont&)>& change);
  void SizeTyped();
  void InstallNewFont();

  ui::Application& app_;
  Services services_;
  const skin::SkinInstance& main_skin_;
  skin::SkinInstance own_skin_;
  std::unique_ptr<ui::Form> form_;
};

// Opens the window modally over its owner and returns once it has been closed.
void ShowFonts(ui::Application& app, ui::Form& owner, const Services& services,
               const skin::SkinInstance& main_skin);

}  // namespace qb::customise
