#pragma once
#include "platform/system_information.h"

namespace qb::win32 {

class Win32SystemInformation : public SystemInformation {
 public:
  bool ReportedVersion(OsVersion& version) override;
  bool TrueVersion(OsVersion& version) override;
  int ProcessorCount() override;
  bool Memory(MemoryFigures& figures) override;
  bool Times(ProcessorTimes& times) override;
  std::string ComputerName() override;
  std::string UserName() override;
  bool FirmwareTables(std::vector<uint8_t>& data) override;
  double MeasureProcessorMhz() override;
};

}  // namespace qb::win32
