#pragma once
// The main window started on the in-memory machine with the shipped English file and skin,
// shared by the main window's tests.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/main_form_names.h"
#include "app/main_window.h"
#include "platform/memory/memory_machine.h"
#include "support/source_files.h"
#include "ui/headless_host.h"

namespace qb::app {

class RecordingSplash : public ui::SplashScreen {
 public:
  void Show(const std::string& path) override { events.push_back("show " + path); }
  void Close() override { events.push_back("close"); }
  std::vector<std::string> events;
};

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    host.Attach(app);
    folder = machine.environment.application_folder;
    machine.profile.SetFile(folder + "\\languages\\English.ini",
                            testing::ReadSourceFile("resources/data/languages/English.ini"));
    machine.files.AddFile(folder + "\\winaquas.skn", fileattr::kArchive,
                          testing::ReadSourceBytes("resources/data/winaquas.skn"));
  }

  MainWindow& Start() {
    window = std::make_unique<MainWindow>(app, machine.services(), splash);
    app.Show(window->Form());
    return *window;
  }
  ui::Form& Form() { return window->Form(); }
  std::vector<std::string> VisibleFrames() {
    std::vector<std::string> visible;
    for (auto frame : kContentFrames) {
      if (Form()[frame].Visible()) visible.emplace_back(frame);
    }
    return visible;
  }

  MemoryMachine machine;
  ui::HeadlessHost host;
  ui::Application app{host};
  RecordingSplash splash;
  std::string folder;
  std::unique_ptr<MainWindow> window;
};

}  // namespace qb::app
