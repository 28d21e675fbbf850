#include "errorlog/error_log.h"

#include <vector>

namespace qb::errorlog {

namespace {

constexpr std::string_view kUserFolderName = "Quill Box";

std::string Join(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && path.back() != '\\') path += '\\';
  path += name;
  return path;
}

}  // namespace

std::string FormatEntry(int32_t number, std::string_view description, std::string_view module,
                        std::string_view procedure) {
  std::string line = "ERROR: ";
  line += std::to_string(number);
  line += " at ";
  line += module;
  line += '\\';
  line += procedure;
  line += " >>> ";
  line += description;
  return line;
}

std::string ErrorLog::ProgramFolderLog() {
  return Join(environment_.ApplicationFolder(), kLogFileName);
}

std::string ErrorLog::UserFolderLog() {
  return Join(Join(environment_.LocalAppDataFolder(), kUserFolderName), kLogFileName);
}

std::string ErrorLog::LogError(int32_t number, std::string_view description,
                               std::string_view module, std::string_view procedure) noexcept {
  try {
    return WriteLogLine(FormatEntry(number, description, module, procedure));
  } catch (...) {
    return {};
  }
}

std::string ErrorLog::WriteLogLine(std::string_view line) noexcept {
  try {
    std::vector<uint8_t> bytes(line.begin(), line.end());
    bytes.push_back('\r');
    bytes.push_back('\n');
    if (auto path = ProgramFolderLog(); files_.AppendFile(path, bytes) == status::kOk) return path;
    // The user's folder may not exist yet; an existing one answers "already exists".
    const auto folder = Join(environment_.LocalAppDataFolder(), kUserFolderName);
    files_.CreateFolder(folder);
    if (auto path = UserFolderLog(); files_.AppendFile(path, bytes) == status::kOk) return path;
  } catch (...) {
    // Out of memory while logging: the entry is lost, the program goes on.
  }
  return {};
}

}  // namespace qb::errorlog
