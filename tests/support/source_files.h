#pragma once
// Reads files of the source tree (data files the program ships) for tests.
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace qb::testing {

inline std::string ReadSourceFile(const std::string& relative_path) {
  std::ifstream in(std::string(QB_SOURCE_DIR) + "/" + relative_path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline std::vector<uint8_t> ReadSourceBytes(const std::string& relative_path) {
  const std::string text = ReadSourceFile(relative_path);
  return std::vector<uint8_t>(text.begin(), text.end());
}

}  // namespace qb::testing
