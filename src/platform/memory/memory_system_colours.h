#pragma once
// Screen element colours of the in-memory machine; every change is recorded.
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "platform/system_colours.h"

namespace qb {

class MemorySystemColours : public SystemColours {
 public:
  ColourRef Get(int index) override {
    const auto it = colours.find(index);
    if (index < 0 || index > kLastElement) return 0;  // as the system answers for none
    return it == colours.end() ? 0x00C0C0C0 : it->second;
  }
  Status Set(int index, ColourRef colour) override {
    char line[48];
    std::snprintf(line, sizeof line, "SetSysColors %d 0x%06X", index, colour);
    calls_.emplace_back(line);
    // The system passes over an element it does not have and still says yes.
    if (index < 0 || index > kLastElement) return status::kOk;
    colours[index] = colour;
    return status::kOk;
  }

  // Test controls: the colours (grey where none is set) and "SetSysColors 2 0x0000FF" lines.
  const std::vector<std::string>& Calls() const { return calls_; }
  std::map<int, ColourRef> colours{{syscolour::kBackground, 0x00A56E3A}};

 private:
  static constexpr int kLastElement = 30;
  std::vector<std::string> calls_;
};

}  // namespace qb
