#pragma once
// An in-memory machine with files to read back, for the customisation windows' tests.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/memory/memory_machine.h"

namespace qb::customise::testing {

class CustomiseTest : public ::testing::Test {
 protected:
  std::string Read(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (machine.files.ReadFile(path, bytes) != status::kOk) return "<missing>";
    return {bytes.begin(), bytes.end()};
  }
  void Write(const std::string& path, std::string_view text,
             uint32_t attributes = fileattr::kArchive) {
    ASSERT_EQ(machine.files.AddFile(path, attributes, {text.begin(), text.end()}), status::kOk);
  }
  uint32_t Attributes(const std::string& path) {
    uint32_t attributes = fileattr::kInvalid;
    machine.files.GetAttributes(path, attributes);
    return attributes;
  }
  // The names in the folder, so a test can see that no temporary file was left.
  std::vector<std::string> Listing(const std::string& folder) {
    std::vector<FileEntry> entries;
    machine.files.FindFiles(folder + "\\*", entries);
    std::vector<std::string> names;
    for (const auto& entry : entries) names.push_back(entry.name);
    return names;
  }

  // The next open-file dialog answers with path (empty: the user cancels).
  void AnswerOpenFile(const std::string& path) {
    machine.dialogs.ScriptFile(path.empty() ? std::nullopt : std::optional<std::string>(path));
  }

  MemoryMachine machine;
  Services services = machine.services();
};

}  // namespace qb::customise::testing
