#pragma once
// What the system tells about itself: its version, processors and their times, memory,
// names, firmware and the processor's clock rate. Every query answers from the system's
// own sources; none of them changes anything.
#include <cstdint>
#include <string>
#include <vector>

namespace qb {

// The platform families of the version record.
namespace platform_id {
constexpr uint32_t kWin32s = 0;
constexpr uint32_t kWindows9x = 1;
constexpr uint32_t kWindowsNt = 2;
}  // namespace platform_id

// The product types of the extended version record.
namespace product_type {
constexpr uint8_t kWorkstation = 1;
constexpr uint8_t kDomainController = 2;
constexpr uint8_t kServer = 3;
}  // namespace product_type

struct OsVersion {
  uint32_t major = 0;
  uint32_t minor = 0;
  uint32_t build = 0;
  uint32_t platform = platform_id::kWindowsNt;
  uint8_t product = product_type::kWorkstation;
  std::string service_pack;  // e.g. "Service Pack 3"; empty when none
};

// Physical memory and the commit limit (memory plus paging files), in bytes. 64-bit
// throughout: a 32-bit program on a large machine must not see saturated figures.
struct MemoryFigures {
  uint64_t total_physical = 0;
  uint64_t available_physical = 0;
  uint64_t total_commit = 0;
  uint64_t available_commit = 0;
};

// Time every processor together has spent since start, in 100-ns units. Kernel time
// includes idle time, as the system counts it.
struct ProcessorTimes {
  uint64_t idle = 0;
  uint64_t kernel = 0;
  uint64_t user = 0;
};

class SystemInformation {
 public:
  virtual ~SystemInformation() = default;

  // The version the system reports to this program: with the program's manifest naming the
  // systems it supports, the true version; otherwise what the compatibility layer chose.
  // False when the system cannot say.
  virtual bool ReportedVersion(OsVersion& version) = 0;
  // The version of the running system, whatever compatibility settings apply to the program.
  virtual bool TrueVersion(OsVersion& version) = 0;
  // The number of logical processors (at least 1).
  virtual int ProcessorCount() = 0;
  virtual bool Memory(MemoryFigures& figures) = 0;
  virtual bool Times(ProcessorTimes& times) = 0;
  virtual std::string ComputerName() = 0;
  virtual std::string UserName() = 0;
  // The raw SMBIOS tables as the firmware-table query returns them ('RSMB'); false when the
  // system has none to give.
  virtual bool FirmwareTables(std::vector<uint8_t>& data) = 0;
  // The processor's clock rate in MHz, measured over a short interval; 0 when it cannot be.
  virtual double MeasureProcessorMhz() = 0;
};

}  // namespace qb
