#include "app/main_form_layout.h"

#include "ui/form_builder.h"

#include "app/layout/start_menu_desktop_layout.h"
#include "app/main_form_names.h"
#include "language/phrases.h"

namespace qb::app {

namespace {

using ui::ControlKind;
using ui::ControlSpec;
using ui::TwipRect;

// Page area shared by the seven content frames, right of the navigation column.
constexpr TwipRect kPageRect{2360, 150, 7200, 5640};
constexpr TwipRect kTabStripRect{120, 300, 6960, 5220};
constexpr TwipRect kTabPageRect{240, 720, 6720, 4700};
constexpr int kButtonHeight = 380;
constexpr int kApplyLeft = 5280;
constexpr int kApplyTop = 4200;

struct Builder : ui::FormBuilder {
  ui::Control& ApplyButton(std::string name, ui::Control* in) {
    return Button(std::move(name), in, {kApplyLeft, kApplyTop, 1200, kButtonHeight}, "Apply",
                  "1016");
  }
};

// The navigation column: "System" on top, the page buttons in Frame1 below it, "CPU && Memory"
// right under the column. "System" folds the column away and "CPU && Memory" moves up.
// The column cannot grow wider without pushing the pages out of the window, so its buttons
// are tall enough for a caption on two lines: longer translations wrap instead of clipping.
constexpr int kNavLeft = 160;
constexpr int kNavTop = 270;
constexpr int kNavWidth = 2040;
constexpr int kNavButtonHeight = 480;
constexpr int kNavGap = 50;
// Eight buttons two text lines tall, and "CPU && Memory" below them, end with the page.
constexpr int kColumnTopMargin = 120;
constexpr int kColumnButtons = 8;
constexpr int kColumnHeight =
    kColumnTopMargin + kColumnButtons * (kNavButtonHeight + kNavGap) + 2 * kNavGap;
// Where the folded column is kept, hidden.
constexpr int kFoldedColumnLeft = 240;
constexpr int kFoldedColumnTop = 3400;

int Bottom(const ui::Control& control) { return control.Rect().top + control.Rect().height; }

// The open column's top, from the "System" button above it.
int OpenColumnTop(const ui::Control& system) { return Bottom(system) + 2 * kNavGap; }

void AddNavigation(Builder& b) {
  auto& system = b.Button("syscmd", nullptr, {kNavLeft, kNavTop, kNavWidth, kNavButtonHeight},
                          "System", "1000");
  auto& column =
      b.Frame("Frame1", nullptr, {kNavLeft, OpenColumnTop(system), kNavWidth, kColumnHeight}, "");
  const struct { const char* name; const char* caption; const char* tag; } buttons[] = {
      {"Command1", "Explorer", "7003"},     {"Command2", "System info", "1006"},
      {"Command3", "System Health", "1007"}, {"Command4", "Visual", "1002"},
      {"Command5", "Drives", "1003"},       {"Command6", "Input", "1004"},
      {"Command7", "Language", "1026"},    {"historycmd", "History", "8600"},
  };
  int top = kColumnTopMargin;
  for (const auto& button : buttons) {
    b.Button(button.name, &column, {100, top, 1840, kNavButtonHeight}, button.caption, button.tag);
    top += kNavButtonHeight + kNavGap;
  }
  b.Button("cpucmd", nullptr, {kNavLeft, Bottom(column), kNavWidth, kNavButtonHeight},
           "CPU && Memory", "1001");
}

void AddExplorerPage(Builder& b) {
  auto& page = b.Frame("EXPFrame", nullptr, kPageRect, "Explorer", "7003");
  b.Add({.name = "ExpTab", .kind = ControlKind::TabStrip, .container = &page,
         .rect = kTabStripRect, .items = {"Explorer Options", "Privacy"}});
  auto& options = b.Frame("OptionsFrame", &page, kTabPageRect, "Explorer Options", "7016", 0);
  // The rows sit close enough that the wallpaper label and the last check box below them
  // have room for a second line, which longer translations need.
  b.Label("TitleSkinLabel", &options, {240, 300, 5000, 255},
          "Change window title (IE 5.0 or higher)", "3013");
  b.Text("changetxt", &options, {240, 560, 4800, 315});
  b.Label("EditorSkinLabel", &options, {240, 940, 5000, 255}, "Source code editor", "3014");
  b.Text("editortxt", &options, {240, 1200, 4800, 315});
  b.Button("browse3cmd", &options, {5280, 1170, 1200, kButtonHeight}, "Browse", "1014");
  b.Label("homeSkinLabel", &options, {240, 1580, 5000, 255}, "Home page", "3015");
  b.Text("hometxt", &options, {240, 1840, 4800, 315});
  b.Label("DownloadSkinLabel", &options, {240, 2220, 5000, 255}, "Change download directory",
          "3011");
  b.Text("txtDownloadFolder", &options, {240, 2480, 4800, 315});
  b.Button("browsecmd", &options, {5280, 2450, 1200, kButtonHeight}, "Browse", "1014");
  b.Label("backSkinLabel", &options, {240, 2920, 3660, 420},
          "Change toolbar background wallpaper", "3012");
  b.Button("browse2cmd", &options, {4020, 2860, 1200, kButtonHeight}, "Browse", "1014");
  b.Button("nonecmd", &options, {5280, 2860, 1200, kButtonHeight}, "None", "1015");
  b.Check("FullCheck", &options, {240, 3380, 3000, 300}, "Full Screen", "5001");
  b.Check("EmptyCheck", &options, {240, 3700, 6300, 420},
          "Empty temporary internet files folder when browser is closed", "5002");
  b.ApplyButton("applycmd", &options);

  auto& privacy = b.Frame("OptionsFrame", &page, kTabPageRect, "Privacy", "4002", 1);
  privacy.SetVisible(false);
  b.Check("ieclearh", &privacy, {360, 480, 5800, 300},
          "Clear Internet Explorer Typed URL History", "5003");
  b.Check("disableregchk", &privacy, {360, 900, 5800, 300}, "Disable Registry editor tools",
          "5004");
  b.ApplyButton("applyprivacy", &privacy);
}

void AddSystemInfoPage(Builder& b) {
  auto& page = b.Frame("SIFrame", nullptr, kPageRect, "System Information", std::string(language::phrase::kSystemInformation.key));
  const struct { const char* label; const char* caption; const char* tag; const char* box; } rows[] = {
      {"SkinLabelCN", "Computer Name", "3029", "txtComputerName"},
      {"SkinLabelUN", "User Name", "3030", "txtUSerName"},
      {"SkinLabelRAM", "Total Installed RAM", "3031", "txtRAM"},
      {"SkinLabelPF", "Total Paging File", "3032", "txtPagingFile"},
      {"SkinLabelOS", "Operating System", "3033", "txtOS"},
      {"SkinLabelOSV", "Operaing System Ver", "3034", "txtOSversion"},
      {"SkinLabelOSID", "Operating System ID", "3035", "txtOSID"},
      {"SkinLabelPS", "Processor Speed", "3036", "normspeed"},
      {"SkinLabelBV", "Bios Version", "3037", "biosver"},
      {"SkinLabelBD", "Bios Date", "3038", "biosdate"},
      {"SkinLabelCO", "Compatible", "3039", "txtCompatible"},
  };
  int top = 380;
  for (const auto& row : rows) {
    b.Label(row.label, &page, {240, top + 30, 2880, 255}, row.caption, row.tag);
    b.Text(row.box, &page, {3240, top, 3720, 315}, "", /*locked=*/true);
    top += 450;
  }
}

void AddVisualOptionsTab(Builder& b, ui::Control& tab) {
  b.Check("fsmooth", &tab, {240, 300, 3000, 300}, "Font Smoothing", "5013");
  b.Check("ResolutionCheck", &tab, {240, 720, 3000, 300}, "Change resolution", "5011");
  b.Add({.name = "RCombo", .kind = ControlKind::ComboBox, .container = &tab,
         .rect = {480, 1080, 2520, 315}, .enabled = false, .text = "Select resolution",
         .items = {"800x600", "1024x768", "1152x864"}});
  b.Check("wallpaperCheck", &tab, {240, 1500, 3000, 420}, "Change windows wallpaper", "5012");
  b.Button("wallpapercmd", &tab, {480, 1980, 600, kButtonHeight}, "...", "1023")
      .SetEnabled(false);
  // The preview's title is a label above an untitled frame: a frame's caption stays on one
  // line on its border, and the preview is too narrow for the longer translations of it.
  b.Label("previewlbl", &tab, {3480, 240, 3000, 420}, "Curent desktop background",
          std::string(language::phrase::kCurrentBackground.key));
  auto& preview = b.Frame("Frame3", &tab, {3480, 660, 3000, 2520}, "");
  auto& screen = b.Add({.name = "Picture2", .kind = ControlKind::Picture, .container = &preview,
                        .rect = {240, 240, 2520, 2040}});
  b.Add({.name = "Image1", .kind = ControlKind::Image, .container = &screen,
         .rect = {0, 0, 2520, 2040}});
  b.Button("fontcmd", &tab, {240, kApplyTop, 1440, kButtonHeight}, "Fonts", "1021");
  b.Button("systemcolorcmd", &tab, {1800, kApplyTop, 2160, kButtonHeight}, "System Colors",
           "1022");
  b.Button("iconcmd", &tab, {4080, kApplyTop, 1080, kButtonHeight}, "Icons", "1041");
  b.ApplyButton("applyvisualcmd", &tab);
}

void AddVisualPage(Builder& b) {
  auto& page = b.Frame("VisualFrame", nullptr, kPageRect, "Visual", "1002");
  b.Add({.name = "TabStrip1", .kind = ControlKind::TabStrip, .container = &page,
         .rect = kTabStripRect, .items = {"Visual Options", "Start Menu", "Desktop"}});
  auto& visual = b.Frame("VoptionsFrame", &page, kTabPageRect, "", "7014", 0);
  AddVisualOptionsTab(b, visual);
  auto& start_menu = b.Frame("VoptionsFrame", &page, kTabPageRect, "", "7015", 1);
  start_menu.SetVisible(false);
  AddStartMenuControls(b.form, start_menu);
  auto& desktop = b.Frame("VoptionsFrame", &page, kTabPageRect, "", "4006", 2);
  desktop.SetVisible(false);
  AddDesktopControls(b.form, desktop);
}

void AddDrivesPage(Builder& b) {
  auto& page = b.Frame("drivesframe", nullptr, kPageRect, "Drives", "");
  b.Add({.name = "Drive1", .kind = ControlKind::DriveList, .container = &page,
         .rect = {240, 360, 3000, 315}});
  const struct { const char* label; const char* caption; const char* tag; const char* value; } rows[] = {
      {"SkinLabelDT", "Drive type", "3007", "typelbl"},
      {"SkinLabelTS", "Total Size", "3002", "lblTotal"},
      {"SkinLabelFS", "Free Space", "3006", "lblFree"},
      {"SkinLabelUS", "Used Space", "3005", "lblUsed"},
  };
  int top = 960;
  for (const auto& row : rows) {
    b.Label(row.label, &page, {240, top, 2000, 255}, row.caption, row.tag);
    b.Label(row.value, &page, {2400, top, 2400, 255}, "", "", ControlKind::Label);
    top += 420;
  }
  b.Label("SkinLabelFree", &page, {240, 2760, 1000, 255}, "Free", "3008");
  b.Label("lblPercentFree", &page, {1300, 2760, 900, 255}, "", "", ControlKind::Label);
  b.Bar("freebar", &page, {2400, 2730, 4440, 300});
  b.Label("SkinLabelUsed", &page, {240, 3240, 1000, 255}, "Used", "3009");
  b.Label("lblPercentUsed", &page, {1300, 3240, 900, 255}, "", "", ControlKind::Label);
  b.Bar("usedbar", &page, {2400, 3210, 4440, 300});
  auto& tools = b.Frame("DFrame", &page, {240, 3840, 6600, 1320}, "");
  b.Button("formatcmd", &tools, {240, 480, 1800, kButtonHeight}, "Format", "1011");
  b.Button("defragmentcmd", &tools, {2280, 480, 1800, kButtonHeight}, "Defragment", "1012");
}

void AddInputPage(Builder& b) {
  auto& page = b.Frame("Inputframe", nullptr, kPageRect, "Input", "");
  auto& mouse = b.Frame("MouseFrame", &page, {240, 300, 6720, 2220}, "Mouse", "2003");
  b.Label("MouseSkinLabel", &mouse, {240, 360, 2760, 255}, "Mouse Pointer Speed", "3021");
  b.Slider("SpeedSlider", &mouse, {3000, 300, 3480, 420}, 1, 20, 10);
  b.Label("SpeedSkinLabel", &mouse, {240, 900, 2760, 255}, "Double click speed", "7017");
  b.Slider("DoubleSlider", &mouse, {3000, 840, 3480, 420}, 1, 10, 6);
  b.Check("swapm", &mouse, {240, 1380, 3000, 300}, "Swap mouse buttons", "5009");
  b.Check("trails", &mouse, {240, 1740, 3000, 300}, "Show pointer trails", "5010");
  auto& keyboard = b.Frame("KeyboardFrame", &page, {240, 2640, 6720, 1320}, "Keyboard", "2004");
  b.Label("RSkinLabel", &keyboard, {240, 360, 2760, 255}, "Repeat Rate", "3023");
  b.Slider("Repeatslider", &keyboard, {3000, 300, 3480, 420}, 0, 31, 31);
  b.Label("DSkinLabel", &keyboard, {240, 840, 2760, 255}, "Repeat Delay", "3024");
  b.Slider("Delayslider", &keyboard, {3000, 780, 3480, 420}, 0, 3, 1);
  auto& recycle = b.Frame("RecycleFrame", &page, {240, 4080, 4680, 720}, "");
  b.Check("recycle", &recycle, {240, 300, 4200, 300}, "Empty Recycle Bin", "5008");
  b.Button("inputcmd", &page, {kApplyLeft + 240, 4400, 1200, kButtonHeight}, "Apply", "1016");
}

void AddLanguagePage(Builder& b) {
  auto& page = b.Frame("langFrame", nullptr, kPageRect, "Language", "1026");
  b.Add({.name = "combolng", .kind = ControlKind::ComboBox, .container = &page,
         .rect = {240, 480, 3600, 315}, .combo_style = ui::ComboStyle::DropDownList});
  b.Button("Applylangcmd", &page, {4080, 450, 1200, kButtonHeight}, "Apply", "1016");
  b.Button("profilecmd", &page, {240, 1080, 3600, kButtonHeight}, "Settings profiles...", "8519");
}

void AddMonitoringPage(Builder& b) {
  // Taller than the other pages: "CPU && Memory" enlarges the window to show all of it.
  auto& page = b.Frame("SMframe", nullptr, {kPageRect.left, kPageRect.top, kPageRect.width, 7980},
                       "System Monitoring", "");
  auto& cpu = b.Frame("Frame7", &page, {240, 300, 6720, 3540}, "Processor usage", "2000");
  b.Add({.name = "cpuhist", .kind = ControlKind::Graph, .container = &cpu,
         .rect = {240, 360, 6240, 2280}});
  b.Label("Label1", &cpu, {240, 2760, 1200, 255}, "0 %");
  b.Label("SkinLabel3", &cpu, {240, 3180, 800, 255}, "Zoom", "3000");
  b.Slider("Slider1", &cpu, {1000, 3060, 2280, 420}, 30, 100, 30);
  b.Label("SkinLabel4", &cpu, {3480, 3180, 800, 255}, "Speed", "3001");
  b.Slider("Slider2", &cpu, {4240, 3060, 2240, 420}, 300, 1000, 300);
  auto& memory = b.Frame("Frame2", &page, {240, 3960, 6720, 3840}, "Memory usage", "2001");
  b.Label("SkinLabel1", &memory, {240, 360, 3120, 255}, "Free Physical Memory:", "3003");
  b.Label("label2", &memory, {3480, 360, 3000, 255}, "");
  b.Bar("ProgressBar1", &memory, {240, 700, 6240, 300});
  b.Label("SkinLabel2", &memory, {240, 1140, 3120, 255}, "Used memory             :", "3004");
  b.Label("label4", &memory, {3480, 1140, 3000, 255}, "");
  b.Bar("ProgressBar2", &memory, {240, 1480, 6240, 300});
  b.Label("Label3", &memory, {240, 1920, 3120, 255}, "Total Size:", "3002", ControlKind::Label);
  b.Label("Label5", &memory, {3480, 1920, 3000, 255}, "", "", ControlKind::Label);
  b.Check("Check1", &memory, {240, 2400, 5400, 300}, "Optimize automatically when necessary",
          "5000");
  b.Button("cmdEnum", &memory, {240, 3000, 1800, kButtonHeight}, "Tasks", "1008");
  b.Button("optimizecmd", &memory, {2280, 3000, 1800, kButtonHeight}, "Optimize", "1009");
  b.Add({.name = "Timer1", .kind = ControlKind::Timer, .interval = 1000});
  b.Add({.name = "Timer2", .kind = ControlKind::Timer, .interval = 300});
}

}  // namespace

std::unique_ptr<ui::Form> CreateMainForm() {
  auto form = std::make_unique<ui::Form>("mainform", "Quill Box", kMainWidth, kMainHeight);
  Builder b{{*form}};
  AddNavigation(b);
  AddExplorerPage(b);
  AddSystemInfoPage(b);
  AddVisualPage(b);
  AddDrivesPage(b);
  AddInputPage(b);
  AddLanguagePage(b);
  AddMonitoringPage(b);
  return form;
}

// The caption of "syscmd" carries the column's state: ">>" offers to open it, "<<" to fold
// it. The language file decides whether a marker is there at all; without one the click
// only hides the monitor.
void ToggleNavigationColumn(ui::Form& form) {
  ui::Control& button = form["syscmd"];
  ui::Control& column = form["Frame1"];
  ui::Control& cpu = form["cpucmd"];
  const std::string caption = button.Caption();
  const std::string without_marker = caption.substr(0, caption.size() >= 2 ? caption.size() - 2 : 0);
  if (caption.find(">>") != std::string::npos) {
    column.Move(kNavLeft, OpenColumnTop(button));
    column.SetVisible(true);
    cpu.SetTop(Bottom(column));
    button.SetCaption(without_marker + "<<");
  }
  if (caption.find("<<") != std::string::npos) {
    column.Move(kFoldedColumnLeft, kFoldedColumnTop);
    column.SetVisible(false);
    cpu.SetTop(Bottom(button) + kNavGap);
    button.SetCaption(without_marker + ">>");
  }
  form["SMframe"].SetVisible(false);
}

}  // namespace qb::app
