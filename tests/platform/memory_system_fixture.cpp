// The machine-wide contract suites run natively against the in-memory machine.
#include "contract/fixtures.h"
#include "platform/memory/memory_display_modes.h"
#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_fonts.h"
#include "platform/memory/memory_processes.h"
#include "platform/memory/memory_services.h"
#include "platform/memory/memory_system_colours.h"
#include "platform/memory/memory_system_information.h"
#include "platform/memory/memory_system_parameters.h"

namespace qb::contract {

namespace {

class MemorySystemFixture : public SystemFixture {
 public:
  MemorySystemFixture() {
    processes_.Add({processes_.current_id, "qb_tests.exe", 900, false, true, true});
    files_.AddFolder(kScratch);
  }
  Processes& ProcessList() override { return processes_; }
  SystemParameters& Parameters() override { return parameters_; }
  SystemInformation& Information() override { return information_; }
  DisplayModes& Display() override { return display_; }
  SystemColours& Colours() override { return colours_; }
  Fonts& FontList() override { return fonts_; }
  Dialogs& Boxes() override { return dialogs_; }
  uint32_t StartIdleProcess() override {
    const uint32_t id = processes_.current_id + 4 * static_cast<uint32_t>(processes_.running.size());
    processes_.Add({id, "idle.exe", processes_.now, false, true, true});
    return id;
  }
  std::string ScratchFile(std::string_view name, std::string_view bytes) override {
    const std::string path = std::string(kScratch) + "\\" + std::string(name);
    files_.AddFile(path, fileattr::kArchive, std::vector<uint8_t>(bytes.begin(), bytes.end()));
    return path;
  }

 private:
  static constexpr std::string_view kScratch = "C:\\Users\\user\\AppData\\Local\\Temp\\qb-system";
  MemoryFileSystem files_;
  MemoryProcesses processes_;
  MemorySystemParameters parameters_;
  MemorySystemInformation information_;
  MemoryDisplayModes display_;
  MemorySystemColours colours_;
  MemoryFonts fonts_{files_};
  MemoryDialogs dialogs_;
};

}  // namespace

std::unique_ptr<SystemFixture> MakeSystemFixture() { return std::make_unique<MemorySystemFixture>(); }

}  // namespace qb::contract
