#include "platform/memory/memory_system_information.h"

namespace qb {

bool MemorySystemInformation::ReportedVersion(OsVersion& out) {
  calls_.emplace_back("ReportedVersion");
  if (!version_known) return false;
  out = compatibility_mode ? reported_version : version;
  return true;
}

bool MemorySystemInformation::TrueVersion(OsVersion& out) {
  calls_.emplace_back("TrueVersion");
  if (!version_known) return false;
  out = version;
  return true;
}

int MemorySystemInformation::ProcessorCount() {
  calls_.emplace_back("ProcessorCount");
  return processors;
}

bool MemorySystemInformation::Memory(MemoryFigures& out) {
  calls_.emplace_back("Memory");
  if (memory_known) out = memory;
  return memory_known;
}

bool MemorySystemInformation::Times(ProcessorTimes& out) {
  calls_.emplace_back("Times");
  if (times_known) out = times;
  return times_known;
}

std::string MemorySystemInformation::ComputerName() {
  calls_.emplace_back("ComputerName");
  return computer_name;
}

std::string MemorySystemInformation::UserName() {
  calls_.emplace_back("UserName");
  return user_name;
}

bool MemorySystemInformation::FirmwareTables(std::vector<uint8_t>& out) {
  calls_.emplace_back("FirmwareTables");
  out = firmware;
  return !firmware.empty();
}

double MemorySystemInformation::MeasureProcessorMhz() {
  calls_.emplace_back("MeasureProcessorMhz");
  return processor_mhz;
}

}  // namespace qb
