// The machine-wide contract suites run under Windows (or Wine) against the real system.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "contract/fixtures.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_display_modes.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_fonts.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_system_colours.h"
#include "platform/win32/win32_system_information.h"
#include "platform/win32/win32_system_parameters.h"
#include "platform/win32/wide.h"
#include "win32/temp_path.h"

namespace qb::contract {

namespace {

class Win32SystemFixture : public SystemFixture {
 public:
  Win32SystemFixture() { CreateDirectoryW(win32::Wide(scratch_).c_str(), nullptr); }
  ~Win32SystemFixture() override {
    for (const PROCESS_INFORMATION& started : started_) {
      TerminateProcess(started.hProcess, 1);
      CloseHandle(started.hThread);
      CloseHandle(started.hProcess);
    }
    test_support::RemoveTree(win32::Wide(scratch_));
  }
  Processes& ProcessList() override { return processes_; }
  SystemParameters& Parameters() override { return parameters_; }
  SystemInformation& Information() override { return information_; }
  DisplayModes& Display() override { return display_; }
  SystemColours& Colours() override { return colours_; }
  Fonts& FontList() override { return fonts_; }
  Dialogs& Boxes() override { return dialogs_; }

  // This very test program, started suspended: it runs no code of its own until ended.
  uint32_t StartIdleProcess() override {
    wchar_t self[MAX_PATH + 1] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(self) + L"\" --gtest_list_tests";
    STARTUPINFOW startup = {sizeof startup};
    PROCESS_INFORMATION started = {};
    if (!CreateProcessW(self, command.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        nullptr, &startup, &started)) {
      ADD_FAILURE() << "cannot start an idle process: error " << GetLastError();
      return 0;
    }
    started_.push_back(started);
    return started.dwProcessId;
  }

  std::string ScratchFile(std::string_view name, std::string_view bytes) override {
    const std::string path = scratch_ + "\\" + std::string(name);
    if (files_.WriteFile(path, std::vector<uint8_t>(bytes.begin(), bytes.end())) != status::kOk) {
      ADD_FAILURE() << "cannot write " << path;
    }
    return path;
  }

 private:
  std::string scratch_ = test_support::TempPath("qb-system-");
  std::vector<PROCESS_INFORMATION> started_;
  win32::Win32FileSystem files_;
  win32::Win32Processes processes_;
  win32::Win32SystemParameters parameters_;
  win32::Win32SystemInformation information_;
  win32::Win32DisplayModes display_;
  win32::Win32SystemColours colours_;
  win32::Win32Fonts fonts_;
  win32::Win32Dialogs dialogs_;
};

}  // namespace

std::unique_ptr<SystemFixture> MakeSystemFixture() { return std::make_unique<Win32SystemFixture>(); }

}  // namespace qb::contract
