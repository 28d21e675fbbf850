// A demonstration window with one control of every kind, laid out like the main window (a
// column of navigation buttons, content frames that take turns), in a skin made here. Used
// to look at the view's drawing and to try the GUI scripts without the program.
#include <windows.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/win32/win32_file_system.h"
#include "skin/skin.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/win32/window_host.h"

namespace {

using namespace qb::ui;

qb::skin::Skin DemoSkin() {
  qb::skin::Skin skin;
  qb::skin::ElementStyle form;
  form.title_height = 26;
  form.title_buttons = {"help", "about", "minimize", "close"};
  form.corner_radius = 0;
  skin.elements["Form"] = form;
  qb::skin::ElementStyle button;
  button.corner_radius = 8;
  skin.elements["Button"] = button;
  qb::skin::ElementStyle frame;
  frame.corner_radius = 6;
  frame.bold = true;
  skin.elements["frame"] = frame;
  qb::skin::ElementStyle check;
  check.corner_radius = 3;
  skin.elements["check"] = check;
  skin.elements["radio"] = check;
  skin.elements["Label"] = qb::skin::ElementStyle{};
  qb::skin::ElementStyle tab;
  tab.corner_radius = 4;
  skin.elements["Tab"] = tab;
  return skin;
}

class DemoForm : public Form {
 public:
  DemoForm() : Form("mainform", "Quill Box", 9600, 6390) {
    Add({.name = "navframe", .kind = ControlKind::Frame, .caption = "", .rect = {120, 120, 1900, 5600}});
    Control* nav = Find("navframe");
    const char* pages[] = {"Explorer", "Visual", "Drives", "CPU && Memory"};
    for (int i = 0; i < 4; ++i) {
      auto& button = Add({.name = "nav", .kind = ControlKind::CommandButton, .container = nav, .index = i,
                          .caption = pages[i], .rect = {150, 300 + i * 520, 1600, 420}});
      button.on_click = [this, i] { ShowPage(i); };
    }
    Add({.name = "quit", .kind = ControlKind::CommandButton, .container = nav, .caption = "E&xit",
         .rect = {150, 5000, 1600, 420}})
        .on_click = [this] { Find("quit")->SetCaption("Bye"); };
    // Test only: a handler that throws, as a lookup of a control that does not exist does.
    Add({.name = "throwcmd", .kind = ControlKind::CommandButton, .container = nav, .caption = "Throw",
         .rect = {150, 4400, 1600, 420}})
        .on_click = [this] { (*this)["no such control"].SetCaption("unreachable"); };

    const TwipRect page{2150, 120, 7200, 5600};
    MakeExplorer(page);
    MakeVisual(page);
    MakeDrives(page);
    MakeMonitor(page);
    ShowPage(0);
  }

  void ShowPage(int page) {
    for (int i = 0; i < 4; ++i) (*this)[PageName(i)].SetVisible(i == page);
  }

  void Tick() {
    ++ticks_;
    history_.push_back(50 + 40 * std::sin(ticks_ / 3.0) * std::cos(ticks_ / 11.0));
    if (history_.size() > 40) history_.erase(history_.begin());
    (*this)["cpuhist"].SetPoints(history_);
    (*this)["cpulabel"].SetCaption(std::to_string(static_cast<int>(history_.back())) + " %");
    (*this)["ProgressBar1"].SetValue(static_cast<int>(history_.back()));
  }

 private:
  static std::string PageName(int i) {
    const char* names[] = {"EXPFrame", "VisualFrame", "drivesframe", "SMframe"};
    return names[i];
  }

  void MakeExplorer(const TwipRect& page) {
    auto& frame = Add({.name = "EXPFrame", .kind = ControlKind::Frame, .caption = "Explorer", .rect = page});
    auto& tabs = Add({.name = "ExpTab", .kind = ControlKind::TabStrip, .container = &frame,
                      .rect = {150, 330, 6900, 5100}, .items = {"Explorer Options", "Privacy"}});
    for (int i = 0; i < 2; ++i) {
      auto& sub = Add({.name = "OptionsFrame", .kind = ControlKind::Frame, .container = &frame, .index = i,
                       .caption = i == 0 ? "Explorer Options" : "Privacy", .rect = {300, 800, 6600, 4450},
                       .visible = i == 0});
      sub.BringToFront();
    }
    tabs.on_click = [this, &tabs] {
      for (Control* sub : Array("OptionsFrame")) sub->SetVisible(sub->Index() == tabs.SelectedTab() - 1);
    };
    Control* options = &At("OptionsFrame", 0);
    Add({.name = "titlelabel", .kind = ControlKind::SkinLabel, .container = options,
         .caption = "Browser window title:", .rect = {200, 350, 2200, 300}});
    Add({.name = "titletext", .kind = ControlKind::TextBox, .container = options, .rect = {2450, 300, 3900, 330},
         .text = "Quill Box Browser"});
    const char* checks[] = {"Full screen mode on start", "Empty the cache folder when the browser closes",
                            "Show the toolbar bitmap", "Grey: mixed state"};
    for (int i = 0; i < 4; ++i) {
      Add({.name = "chk", .kind = ControlKind::CheckBox, .container = options, .index = i, .caption = checks[i],
           .rect = {200, 850 + i * 380, 6100, 330}, .value = i == 0 ? 1 : i == 3 ? 2 : 0});
    }
    Add({.name = "opt", .kind = ControlKind::OptionButton, .container = options, .index = 0,
         .caption = "Open pages in a new window", .rect = {200, 2450, 3000, 330}, .value = 1});
    Add({.name = "opt", .kind = ControlKind::OptionButton, .container = options, .index = 1,
         .caption = "Reuse the current window", .rect = {3300, 2450, 3000, 330}});
    Add({.name = "applycmd", .kind = ControlKind::CommandButton, .container = options, .caption = "&Apply",
         .rect = {4900, 3800, 1400, 420}});
    Add({.name = "disabledcmd", .kind = ControlKind::CommandButton, .container = options, .caption = "Disabled",
         .rect = {3350, 3800, 1400, 420}, .enabled = false});
    Control* privacy = &At("OptionsFrame", 1);
    Add({.name = "privacylabel", .kind = ControlKind::Label, .container = privacy,
         .caption = "Typed addresses are cleared when you click Apply && Restart.", .rect = {200, 400, 6000, 500}});
  }

  void MakeVisual(const TwipRect& page) {
    auto& frame = Add({.name = "VisualFrame", .kind = ControlKind::Frame, .caption = "Visual", .rect = page,
                       .visible = false});
    Add({.name = "fontcombo", .kind = ControlKind::ComboBox, .container = &frame, .rect = {300, 450, 3000, 315},
         .items = {"Tahoma", "Verdana", "Courier New"}, .combo_style = ComboStyle::DropDownList})
        .SetListIndex(0);
    Add({.name = "speed", .kind = ControlKind::Slider, .container = &frame, .rect = {300, 1000, 4000, 500},
         .value = 40});
    Add({.name = "updown", .kind = ControlKind::UpDown, .container = &frame, .rect = {4500, 1000, 300, 400},
         .value = 5, .min = 1, .max = 10});
    Add({.name = "preview", .kind = ControlKind::Picture, .container = &frame, .rect = {300, 1700, 3000, 2200}});
    Add({.name = "list", .kind = ControlKind::ListBox, .container = &frame, .rect = {3600, 1700, 3200, 2200},
         .items = {"One", "Two", "Three & more"}});
  }

  void MakeDrives(const TwipRect& page) {
    auto& frame = Add({.name = "drivesframe", .kind = ControlKind::Frame, .caption = "Drives", .rect = page,
                       .visible = false});
    Add({.name = "Drive1", .kind = ControlKind::DriveList, .container = &frame, .rect = {300, 450, 2500, 315},
         .items = {"c: [system]", "d:", "z: [/]"}})
        .SetListIndex(0);
    auto& processes = Add({.name = "proclist", .kind = ControlKind::ListView, .container = &frame,
                           .rect = {300, 1000, 6600, 2200},
                           .columns = {{"Process", 2400}, {"ID", 900}, {"Path", 3000}}});
    processes.SetRows({{{"explorer.exe", "1234", "C:\\Windows\\explorer.exe"}, ""},
                       {{"services.exe", "88", "C:\\Windows\\system32\\services.exe"}, ""}});
    Add({.name = "Dir1", .kind = ControlKind::FolderTree, .container = &frame, .rect = {300, 3350, 6600, 2000},
         .text = "C:\\windows"});
  }

  void MakeMonitor(const TwipRect& page) {
    auto& frame = Add({.name = "SMframe", .kind = ControlKind::Frame, .caption = "System Monitoring", .rect = page,
                       .visible = false});
    auto& usage = Add({.name = "Frame7", .kind = ControlKind::Frame, .container = &frame,
                       .caption = "Processor usage", .rect = {200, 350, 6800, 2600}});
    Add({.name = "cpuhist", .kind = ControlKind::Graph, .container = &usage, .rect = {200, 350, 5000, 2000}});
    Add({.name = "cpulabel", .kind = ControlKind::SkinLabel, .container = &usage, .caption = "0 %",
         .rect = {5400, 1200, 1200, 300}});
    Add({.name = "ProgressBar1", .kind = ControlKind::ProgressBar, .container = &frame,
         .rect = {400, 3300, 6400, 300}});
    Add({.name = "Timer1", .kind = ControlKind::Timer, .container = &frame, .interval = 300}).on_timer = [this] {
      Tick();
    };
  }

  std::vector<double> history_;
  int ticks_ = 0;
};

void SkinForm(Form& form) {
  for (const auto& control : form.Controls()) {
    switch (control->Kind()) {
      case ControlKind::CommandButton: control->SetSkinElement("Button"); break;
      case ControlKind::Frame: control->SetSkinElement("frame"); break;
      case ControlKind::CheckBox: control->SetSkinElement("check"); break;
      case ControlKind::OptionButton: control->SetSkinElement("radio"); break;
      case ControlKind::SkinLabel: control->SetSkinElement("Label"); break;
      case ControlKind::TabStrip: control->SetSkinElement("Tab"); break;
      default: break;
    }
  }
  form.SetSkinElement("Form");
}

struct Ui {
  qb::ui::win32::WindowHost host;
  Application app;
  Ui(HINSTANCE instance, const qb::skin::Skin* skin) : host(instance, app, skin), app(host) {}
};

}  // namespace

int RunDemo(bool skinned, int dpi) {
  const qb::skin::Skin skin = DemoSkin();
  Ui ui(GetModuleHandleW(nullptr), skinned ? &skin : nullptr);
  if (dpi > 0) ui.host.Dpi().SetOverride(dpi);
  qb::win32::Win32FileSystem files;
  DemoForm form;
  form["Dir1"].ListFoldersFrom(&files);
  if (skinned) SkinForm(form);
  form.on_query_unload = [&](CloseReason, bool&) {};
  form.on_title_button = [&](const std::string& name) { form.SetCaption("Quill Box - " + name); };
  wchar_t picture[MAX_PATH] = {};
  if (GetEnvironmentVariableW(L"QB_DEMO_PICTURE", picture, MAX_PATH)) {
    char utf8[MAX_PATH * 3] = {};
    WideCharToMultiByte(CP_UTF8, 0, picture, -1, utf8, sizeof(utf8), nullptr, nullptr);
    form["preview"].SetPicture(utf8);
  }
  ui.app.Show(form);
  return ui.host.Run();
}
