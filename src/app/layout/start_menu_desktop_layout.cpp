#include "app/layout/start_menu_desktop_layout.h"

#include <string>

#include "ui/form_builder.h"

namespace qb::app {

namespace {

using ui::ControlKind;
using ui::TwipRect;

// The tab frames give about 6720 x 4700 twips; a margin of 240 on every side.
constexpr int kLeft = 240;
constexpr int kWidth = 6240;
constexpr int kHeadingTop = 120;
constexpr int kRowHeight = 255;
constexpr int kRowPitch = 300;
// The Apply button sits where the other tabs of the page have theirs.
constexpr TwipRect kApplyRect{5280, 4200, 1200, 380};

struct Placer {
  ui::FormBuilder builder;
  ui::Control& container;

  void Heading(std::string name, ControlKind kind) {
    builder.Add(std::move(name), kind, &container, {kLeft, kHeadingTop, kWidth, kRowHeight}, "", "3042");
  }
  // A check box on row `row` of the list that starts at `top`.
  // `rows` > 1 lets a long caption wrap onto the rows below it.
  void Check(std::string name, int top, int row, std::string caption, std::string tag, int rows = 1) {
    const int height = kRowHeight + (rows - 1) * kRowPitch;
    builder.Check(std::move(name), &container, {kLeft, top + row * kRowPitch, kWidth, height},
                  std::move(caption), std::move(tag));
  }
  // A label and its combo on one line; the label's text sits level with the combo's.
  void LabelledCombo(std::string label, std::string caption, std::string tag, std::string combo,
                     int left, int top) {
    constexpr int kLabelWidth = 1860;
    constexpr int kComboWidth = 1080;
    constexpr int kComboHeight = 315;
    // Room for a second line below the combo's for the longer translations.
    constexpr int kLabelHeight = kRowHeight + 165;
    builder.Label(std::move(label), &container, {left, top + 45, kLabelWidth, kLabelHeight}, std::move(caption),
                  std::move(tag));
    builder.Add({.name = std::move(combo), .kind = ControlKind::ComboBox, .container = &container,
              .rect = {left + kLabelWidth + 60, top, kComboWidth, kComboHeight},
              .text = "Choose", .combo_style = ui::ComboStyle::DropDown});
  }
  ui::Control& Apply(std::string name, bool visible = true) {
    return builder.Add({.name = std::move(name), .kind = ControlKind::CommandButton,
                     .container = &container, .caption = "Apply", .tag = "1016",
                     .rect = kApplyRect, .visible = visible});
  }
};

}  // namespace

void AddStartMenuControls(ui::Form& form, ui::Control& container) {
  Placer p{{form}, container};
  p.Heading("visuallbl", ControlKind::Label);
  constexpr int kCombosTop = 480;
  p.LabelledCombo("delaylbl", "Show menu Delay", "3040", "mdelaycombo", kLeft, kCombosTop);
  // The second pair ends at the right margin.
  p.LabelledCombo("scrolllbl", "Wheel Scroll", "3041", "wheelcombo", 3480, kCombosTop);

  constexpr int kBoxesTop = 1020;
  p.Check("expandcp", kBoxesTop, 0, "Add an Expanding Control Panel to Start Menu", "5016");
  p.Check("denydisplay", kBoxesTop, 1, "Deny Access to Display Settings Page", "5017");
  p.Check("shutchk", kBoxesTop, 2, "Remove the Shut Down  command", "5018");
  p.Check("runchk", kBoxesTop, 3, "Remove the Run command", "5026");
  p.Check("findchk", kBoxesTop, 4, "Remove the Find command", "5019");
  p.Check("recentchk", kBoxesTop, 5, "Remove Recent Documents", "5020");
  p.Check("favchk", kBoxesTop, 6, "Remove Favorites", "5021");
  p.Check("taskbarchk", kBoxesTop, 7, "Disable Taskbar Context Menus", "5022");
  p.Apply("applymenu");
}

void AddDesktopControls(ui::Form& form, ui::Control& container) {
  Placer p{{form}, container};
  p.Heading("desktoplbl", ControlKind::Label);
  // A second heading line drawn by the skin, below the first.
  form.Add({.name = "SkinLabel5", .kind = ControlKind::SkinLabel, .container = &container,
            .tag = "3042", .rect = {kLeft, kHeadingTop + kRowPitch, kWidth, kRowHeight}});

  constexpr int kBoxesTop = 780;
  p.Check("hideall", kBoxesTop, 0, "Hide all Desktop items", "5023");
  p.Check("ieiconchk", kBoxesTop, 1, "Remove Internet Explorer icon from desktop", "5024");
  p.Check("dskrightchk", kBoxesTop, 2,
          "Disable the Ability to Right Click on the Desktop && Explorer", "5025", 2);
  p.Apply("applydesktop");
  // The tab has two Apply buttons that do the same; one is enough on screen.
  p.Apply("desktopCommand", false);
}

}  // namespace qb::app
