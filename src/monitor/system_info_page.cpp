#include "monitor/system_info_page.h"

#include <exception>
#include <functional>
#include <optional>
#include <vector>

#include "language/numbers.h"
#include "language/wording.h"
#include "monitor/figures.h"
#include "monitor/firmware_info.h"
#include "monitor/processor_speed.h"
#include "platform/windows_version.h"

namespace qb::monitor {

namespace {

const RegKeyPath kCurrentVersion{RegRoot::LocalMachine,
                                 "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                                 RegView::Force64};

// A text the system keeps about itself: empty when there is none, std::nullopt when the
// value is a number or bytes, which read as text would show as nonsense.
std::optional<std::string> StoredText(Registry& registry, std::string_view name) {
  RegValue value;
  if (registry.QueryValue(kCurrentVersion, name, value) != status::kOk) return std::string();
  if (value.type != regtype::kSz && value.type != regtype::kExpandSz) return std::nullopt;
  return value.AsString();
}

// A byte count in the largest unit that leaves more than one of it, as the user's language
// writes it.
std::string ShownSize(const Services& services, uint64_t bytes) {
  const SizeParts size = SizeIn(bytes, language::kLargestSizeUnit);
  return language::ShownSize(services, size.number, size.unit);
}

void SetIfKnown(ui::Form& form, std::string_view box, const std::string& text) {
  if (!text.empty()) form[box].SetText(text);
}

void Step(const std::function<void()>& step) {
  try {
    step();
  } catch (const std::exception&) {
    // The box keeps its text; the next fact is read all the same.
  }
}

}  // namespace

std::string OperatingSystemName(const std::string& stored_name, const OsVersion& version) {
  std::string name = stored_name;
  const std::string product = WindowsProductName(version);
  if (name.empty()) name = product;
  constexpr std::string_view kStale = "Windows 10";
  if (product == "Windows 11") {
    if (const auto at = name.find(kStale); at != std::string::npos) {
      name.replace(at, kStale.size(), "Windows 11");
    }
  }
  if (!version.service_pack.empty()) name += " " + version.service_pack;
  return name;
}

std::string CompatibilityText(const Services& services, const OsVersion& reported,
                              const OsVersion& actual) {
  if (reported.major == actual.major && reported.minor == actual.minor &&
      reported.platform == actual.platform) {
    return language::Say(services, language::phrase::kNative);
  }
  std::string told = WindowsProductName(reported);
  const std::string number = std::to_string(reported.major) + "." + std::to_string(reported.minor);
  return language::Say(services, language::phrase::kCompatibilityMode,
                       {told.empty() ? number : told + " (" + number + ")"});
}

void FillSystemInformation(ui::Form& form, const Services& services) {
  const std::string not_reported = language::Say(services, language::phrase::kNotReported);
  const std::string no_firmware_fact = language::Say(services, language::phrase::kNotReportedByFirmware);
  SystemInformation& system = services.system;
  Step([&] {
    SetIfKnown(form, "txtComputerName", system.ComputerName());
    SetIfKnown(form, "txtUSerName", system.UserName());
  });
  Step([&] {
    MemoryFigures memory;
    if (!system.Memory(memory)) return;
    form["txtRAM"].SetText(ShownSize(services, memory.total_physical));
    // The commit limit counts the memory and the paging files together.
    const uint64_t paging = memory.total_commit > memory.total_physical
                                ? memory.total_commit - memory.total_physical
                                : 0;
    form["txtPagingFile"].SetText(ShownSize(services, paging));
  });
  Step([&] {
    OsVersion actual, reported;
    if (!system.TrueVersion(actual)) return;
    std::string version = std::to_string(actual.major) + "." + std::to_string(actual.minor) +
                          "." + std::to_string(actual.build);
    if (const auto display = StoredText(services.registry, "DisplayVersion");
        display && !display->empty()) {
      version += " (" + *display + ")";
    }
    form["txtOSversion"].SetText(version);
    const auto product = StoredText(services.registry, "ProductName");
    SetIfKnown(form, "txtOS", product ? OperatingSystemName(*product, actual) : not_reported);
    SetIfKnown(form, "txtOSID", StoredText(services.registry, "ProductId").value_or(not_reported));
    if (system.ReportedVersion(reported)) {
      form["txtCompatible"].SetText(CompatibilityText(services, reported, actual));
    }
  });
  Step([&] { form["normspeed"].SetText(NominalSpeedText(system.MeasureProcessorMhz())); });
  Step([&] {
    BiosFacts bios;
    std::vector<uint8_t> tables;
    const bool found = (system.FirmwareTables(tables) && ReadBiosFacts(tables, bios) &&
                        !bios.version.empty()) ||
                       ReadBiosFactsFromRegistry(services.registry, bios);
    // A machine whose firmware gives no tables (some virtual machines) says so plainly
    // rather than leaving two boxes empty.
    if (!found) bios = {"", no_firmware_fact, no_firmware_fact};
    SetIfKnown(form, "biosdate", bios.date.empty() ? no_firmware_fact : bios.date);
    SetIfKnown(form, "biosver",
               bios.vendor.empty() ? bios.version : bios.vendor + " " + bios.version);
  });
}

}  // namespace qb::monitor
