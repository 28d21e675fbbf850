#include "customise/fonts_window.h"

#include <charconv>

#include "dress/small_window.h"
#include "language/wording.h"

namespace qb::customise {

namespace {

constexpr int kWidth = 6840;
constexpr int kHeight = 5160;
constexpr int kSmallestSize = 1;
constexpr int kLargestSize = 25;
constexpr int kFirstSize = 8;

}  // namespace

std::unique_ptr<ui::Form> BuildFontsForm() {
  auto form = std::make_unique<ui::Form>("Fontsfrm", "Fonts", kWidth, kHeight);
  using ui::ControlKind;
  form->Add({.name = "fontslbl", .kind = ControlKind::Label, .caption = "Installed fonts", .tag = "8850",
             .rect = {240, 180, 2880, 255}});
  form->Add({.name = "lstSystemFonts", .kind = ControlKind::ListBox, .rect = {240, 480, 2880, 3600}});
  form->Add({.name = "previewlbl", .kind = ControlKind::Label, .caption = "Preview", .tag = "8851",
             .rect = {3360, 180, 3240, 255}});
  form->Add({.name = "Label1", .kind = ControlKind::TextBox, .rect = {3360, 480, 3240, 1320},
             .text = std::string(kPreviewText), .multiline = true});
  auto& frame = form->Add({.name = "FontFrame1", .kind = ControlKind::Frame,
                           .caption = "Font Properties", .tag = "2002",
                           .rect = {3360, 1920, 3240, 2160}});
  form->Add({.name = "Label2", .kind = ControlKind::Label, .container = &frame, .caption = "Size",
             .tag = std::string(language::phrase::kFontSize.key), .rect = {240, 420, 600, 255}});
  form->Add({.name = "sizetxt", .kind = ControlKind::TextBox, .container = &frame,
             .rect = {900, 360, 600, 315}});
  form->Add({.name = "UpDown1", .kind = ControlKind::UpDown, .container = &frame,
             .rect = {1500, 360, 255, 315}, .value = kFirstSize, .min = kSmallestSize,
             .max = kLargestSize});
  form->Add({.name = "Check1", .kind = ControlKind::CheckBox, .container = &frame,
             .caption = "Strikeout", .tag = "5005", .rect = {240, 840, 2760, 300}});
  form->Add({.name = "Check2", .kind = ControlKind::CheckBox, .container = &frame,
             .caption = "Bold", .tag = "5006", .rect = {240, 1200, 2760, 300}});
  form->Add({.name = "Check3", .kind = ControlKind::CheckBox, .container = &frame,
             .caption = "Italic", .tag = "5007", .rect = {240, 1560, 2760, 300}});
  form->Add({.name = "Command1", .kind = ControlKind::CommandButton, .caption = "Install new fonts",
             .tag = "1017", .rect = {240, 4260, 2880, 380}});
  form->Add({.name = "Command2", .kind = ControlKind::CommandButton, .caption = "Close",
             .tag = "1018", .rect = {5160, 4260, 1440, 380}});
  return form;
}

namespace {

// A box's state as a style: checked turns it on, clear turns it off, grey leaves it.
void ApplyBox(const ui::Control& box, bool& style) {
  if (box.Value() == 1) style = true;
  if (box.Value() == 0) style = false;
}

}  // namespace

FontsWindow::FontsWindow(ui::Application& app, const Services& services,
                         const skin::SkinInstance& main_skin)
    : app_(app), services_(services), main_skin_(main_skin), form_(BuildFontsForm()) {
  ui::Form& form = *form_;
  form.on_load = [this] { Load(); };
  form["lstSystemFonts"].on_click = [this] {
    const ui::Control& list = (*form_)["lstSystemFonts"];
    if (list.ListIndex() < 0) return;
    const std::string face = list.Items()[list.ListIndex()];
    SetPreview([&](ui::TextFont& font) { font.face = face; });
    ShowSize();
  };
  form["UpDown1"].on_change = [this] {
    ShowSize();
    ApplyStyles();
  };
  form["sizetxt"].on_change = [this] { SizeTyped(); };
  for (const char* box : {"Check1", "Check2", "Check3"}) {
    form[box].on_click = [this] { ApplyStyles(); };
  }
  form["Command1"].on_click = [this] { InstallNewFont(); };
  form["Command2"].on_click = [this] { app_.Unload(*form_); };
}

void FontsWindow::Load() {
  ui::Form& form = *form_;
  dress::LoadSmallWindow(form, services_, own_skin_, main_skin_, kFontsTitleKey, "Fonts");
  FillFontList();
  form["Label1"].SetText(std::string(kPreviewText));
  const auto& fonts = form["lstSystemFonts"].Items();
  // The second font, as the window has always opened with; the first when there is one only.
  const std::string first = fonts.size() > 1 ? fonts[1] : fonts.empty() ? "" : fonts[0];
  SetPreview([&](ui::TextFont& font) {
    font = {.face = first, .points = form["UpDown1"].Value()};
  });
  ShowSize();
}

void FontsWindow::FillFontList() {
  ui::Control& list = (*form_)["lstSystemFonts"];
  list.ClearItems();
  list.SetItems(services_.fonts.ScreenFonts());
}

void FontsWindow::SetPreview(const std::function<void(ui::TextFont&)>& change) {
  ui::Control& preview = (*form_)["Label1"];
  ui::TextFont font = preview.Font();
  change(font);
  preview.SetFont(font);
}

// The size box and the preview follow the spinner.
void FontsWindow::ShowSize() {
  const int size = (*form_)["UpDown1"].Value();
  (*form_)["sizetxt"].SetText(std::to_string(size));
  SetPreview([&](ui::TextFont& font) { font.points = size; });
}

void FontsWindow::ApplyStyles() {
  const ui::Form& form = *form_;
  SetPreview([&](ui::TextFont& font) {
    ApplyBox(form["Check1"], font.strikeout);
    ApplyBox(form["Check2"], font.bold);
    ApplyBox(form["Check3"], font.italic);
  });
}

// A size typed into the box moves the spinner, as its buddy; other text is left for the
// user to finish.
void FontsWindow::SizeTyped() {
  const std::string& typed = (*form_)["sizetxt"].Text();
  int size = 0;
  const auto [end, error] = std::from_chars(typed.data(), typed.data() + typed.size(), size);
  if (error != std::errc() || end != typed.data() + typed.size()) return;
  if (size < kSmallestSize || size > kLargestSize) return;
  (*form_)["UpDown1"].SetValue(size);
}

void FontsWindow::InstallNewFont() {
  std::string chosen;
  if (!services_.dialogs.ChooseOpenFile(
          app_.HandleOf(*form_),
          {.title = language::Say(services_, language::phrase::kAddFont),
           .filter = language::Say(services_, language::phrase::kTrueTypeFonts) + "|*.ttf",
           .initial_folder = "c:\\"},
          chosen)) {
    return;  // cancelled: nothing to install, nothing to say
  }
  const FontInstall install = InstallFont(services_, chosen, FontScope::AllUsers);
  const std::string message = DescribeInstall(services_, install, chosen, FontScope::AllUsers);
  const bool done = install.outcome == FontInstall::Outcome::Installed;
  if (done) FillFontList();
  if (!message.empty()) {
    services_.dialogs.ShowMessage(app_.HandleOf(*form_), message, form_->Caption(),
                                  done ? mb::kIconInformation : mb::kIconExclamation);
  }
}

void ShowFonts(ui::Application& app, ui::Form& owner, const Services& services,
               const skin::SkinInstance& main_skin) {
  FontsWindow window(app, services, main_skin);
  app.ShowModal(window.Form(), &owner);
}

}  // namespace qb::customise
