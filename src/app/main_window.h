#pragma once
// The main window: its start-up sequence, navigation between the pages, the skin's
// title-bar buttons, and closing. It wires each control to the step that does the work.
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "disk/drives_page.h"
#include "journal/journal_place.h"
#include "monitor/monitor_page.h"
#include "platform/services.h"
#include "skin/skin_instance.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/splash_screen.h"

namespace qb::app {

inline constexpr std::string_view kInstanceName = "VantorelQuillbox";

class MainWindow {
 public:
  // The journal, when changes are journaled, is what the History window shows and undoes.
  MainWindow(ui::Application& app, const Services& services, ui::SplashScreen& splash,
             journal::JournaledServices* journaled = nullptr);
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  ui::Form& Form() { return *form_; }
  // The main window's skin, which also skins the controls of the secondary windows.
  const skin::SkinInstance& Skin() const { return skin_; }
  // True when the start found a running instance and ended without showing anything.
  bool EndedAsSecondInstance() const { return second_instance_; }
  std::string ApplicationFolder() const { return app_folder_; }

 private:
  void Load();
  void Shown();
  void Guarded(void (MainWindow::*step)());
  void ShowPage(std::string_view frame);
  // The navigation button of the page on show is marked current, the others not.
  void MarkOpenPage();
  void ShowMonitor();
  // The window is as tall as the pages shown need: taller only while the monitor shows.
  void FitHeightToPages();
  void OpenSystemHealth();
  void TitleButton(const std::string& name);
  void OpenHelp();
  void OpenAbout();
  void OpenFonts();
  void OpenIcons();
  void OpenHistory();
  // False when a window asked to finish its work first: it closes once done.
  bool CloseEveryOtherWindow();

  // A page whose first state is read when it is first shown, not during the start-up.
  struct PageOnShow {
    std::string_view frame;
    void (MainWindow::*read)();
    bool read_done = false;
  };
  void ReadOnce(PageOnShow& page);
  void RereadPages();
  void ReadBeforeItsHandlers(PageOnShow& page);

  // Pages read their first state in steps of their own: during the start-up, once the
  // window is up, or when first shown.
  void InitialiseMonitor();
  void ReadDrivesPage();
  void ReadExplorerPage();
  void ReadInputPage();
  void ReadSystemInformation();
  void ReadVisualPage();
  void FillLanguageList();
  void DisableStartMenuApply();

  ui::Application& app_;
  Services services_;
  ui::SplashScreen& splash_;
  journal::JournaledServices* journaled_;
  std::unique_ptr<ui::Form> form_;
  std::unique_ptr<monitor::MonitorPage> monitor_;
  skin::SkinInstance skin_;
  std::string app_folder_;
  disk::DrivesPage drives_;
  bool second_instance_ = false;
  std::array<PageOnShow, 5> pages_on_show_{{
      {"drivesframe", &MainWindow::ReadDrivesPage},
      {"EXPFrame", &MainWindow::ReadExplorerPage},
      {"Inputframe", &MainWindow::ReadInputPage},
      {"SIFrame", &MainWindow::ReadSystemInformation},
      {"langFrame", &MainWindow::FillLanguageList},
  }};
  // A close request that waits for a window in the middle of its work.
  std::optional<ui::CloseReason> pending_close_;
};

}  // namespace qb::app
