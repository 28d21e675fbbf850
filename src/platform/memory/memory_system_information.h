#pragma once
// A machine described by its fields: tests set what the system should answer and read back
// which questions were asked.
#include <string>
#include <vector>

#include "platform/system_information.h"

namespace qb {

class MemorySystemInformation : public SystemInformation {
 public:
  bool ReportedVersion(OsVersion& out) override;
  bool TrueVersion(OsVersion& out) override;
  int ProcessorCount() override;
  bool Memory(MemoryFigures& out) override;
  bool Times(ProcessorTimes& out) override;
  std::string ComputerName() override;
  std::string UserName() override;
  bool FirmwareTables(std::vector<uint8_t>& out) override;
  double MeasureProcessorMhz() override;

  // One line per question asked, in order: "ReportedVersion", "Times", ...
  const std::vector<std::string>& Calls() const { return calls_; }

  // The answers. A false *_known makes that question fail.
  OsVersion version{10, 0, 19045, platform_id::kWindowsNt, product_type::kWorkstation, ""};
  bool version_known = true;
  // The version the compatibility layer reports instead; unset means the true one.
  bool compatibility_mode = false;
  OsVersion reported_version{6, 2, 9200, platform_id::kWindowsNt, product_type::kWorkstation, ""};
  int processors = 2;
  MemoryFigures memory{8ull << 30, 3ull << 30, 12ull << 30, 6ull << 30};
  bool memory_known = true;
  ProcessorTimes times{};
  bool times_known = true;
  std::string computer_name = "WORKSTATION";
  std::string user_name = "user";
  std::vector<uint8_t> firmware;  // empty: the system has no tables to give
  double processor_mhz = 2394.0;

 private:
  std::vector<std::string> calls_;
};

}  // namespace qb
