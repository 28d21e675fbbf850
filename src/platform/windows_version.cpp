#include "platform/windows_version.h"

#include <string_view>

namespace qb {

namespace {

// Windows 11 kept the version number of Windows 10; only the build tells them apart.
constexpr uint32_t kFirstWindows11Build = 22000;

struct ServerRelease {
  uint32_t first_build;
  const char* name;
};
constexpr ServerRelease kServersOnVersion10[] = {
    {26100, "Windows Server 2025"},
    {20348, "Windows Server 2022"},
    {17763, "Windows Server 2019"},
    {0, "Windows Server 2016"},
};

struct NtRelease {
  uint32_t major, minor;
  const char* workstation;
  const char* server;
};
constexpr NtRelease kNtReleases[] = {
    {3, 51, "Windows NT 3.51", "Windows NT Server 3.51"},
    {4, 0, "Windows NT 4.0", "Windows NT Server 4.0"},
    {5, 0, "Windows 2000", "Windows 2000 Server"},
    {5, 1, "Windows XP", "Windows XP"},
    {5, 2, "Windows XP Professional x64 Edition", "Windows Server 2003"},
    {6, 0, "Windows Vista", "Windows Server 2008"},
    {6, 1, "Windows 7", "Windows Server 2008 R2"},
    {6, 2, "Windows 8", "Windows Server 2012"},
    {6, 3, "Windows 8.1", "Windows Server 2012 R2"},
};

std::string NtProductName(const OsVersion& version) {
  const bool server = version.product != product_type::kWorkstation;
  if (version.major == 10 && version.minor == 0) {
    if (!server) return version.build >= kFirstWindows11Build ? "Windows 11" : "Windows 10";
    for (const auto& release : kServersOnVersion10) {
      if (version.build >= release.first_build) return release.name;
    }
  }
  for (const auto& release : kNtReleases) {
    if (release.major == version.major && release.minor == version.minor) {
      return server ? release.server : release.workstation;
    }
  }
  return {};
}

std::string Windows9xProductName(const OsVersion& version) {
  if (version.major != 4) return {};
  if (version.minor == 0) return "Windows 95";
  if (version.minor == 10) return "Windows 98";
  if (version.minor == 90) return "Windows Me";
  return {};
}

}  // namespace

std::string WindowsProductName(const OsVersion& version) {
  switch (version.platform) {
    case platform_id::kWindowsNt: return NtProductName(version);
    case platform_id::kWindows9x: return Windows9xProductName(version);
    default: return {};
  }
}

std::string WindowsVersionText(const OsVersion& version) {
  std::string text;
  if (version.platform == platform_id::kWindows9x) {
    // Windows Me (4.90) counts with 98: the two share their tools.
    text = version.minor > 9 ? "Windows 98, version: " : "Windows 95, version: ";
  } else if (version.platform == platform_id::kWindowsNt) {
    text = "Windows NT, version: ";
  }
  text += std::to_string(version.major) + "." + std::to_string(version.minor);
  if (version.platform == platform_id::kWindowsNt) {
    if (const std::string name = NtProductName(version); !name.empty()) {
      text += " (" + name + ")";
    }
  }
  return text;
}

std::string GetWindowsVersion(SystemInformation& system, Dialogs& dialogs,
                              std::string_view failure_text) {
  OsVersion version;
  if (!system.TrueVersion(version)) {
    dialogs.ShowMessage(0, failure_text, kDefaultMessageTitle, mb::kOk | mb::kIconStop);
    return {};
  }
  return WindowsVersionText(version);
}

}  // namespace qb
