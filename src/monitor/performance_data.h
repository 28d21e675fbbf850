#pragma once
// Reading the processor object out of a raw performance-data block, as the system's
// performance registry returns it: a data block header, then objects, each with counter
// definitions and instances, every part located by offsets and lengths inside the block.
// The block comes from outside the program, so every offset and length is checked against
// the block before it is followed, and every walk moves forward or stops.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace qb::monitor {

// The title index of the "Processor" object, which is also the name its data is asked by.
inline constexpr uint32_t kProcessorObjectIndex = 238;
// The title index of the processor's time counter, which counts idle time in 100-ns units.
inline constexpr uint32_t kProcessorTimeCounterIndex = 6;

enum class PerformanceDataFault {
  None,
  Unreadable,             // no "PERF" signature, or an offset or length outside the block
  NoProcessorObject,      // the block holds no object 238
  NoProcessorTimeCounter  // the processor object has no counter 6
};

struct ProcessorInstance {
  uint64_t number = 0;  // the instance name, which for processors is their number
  int64_t idle_counter = 0;
};

struct ProcessorSample {
  PerformanceDataFault fault = PerformanceDataFault::None;
  int64_t time = 0;  // the header's system time, in 100-ns units since 1601
  // The numbered instances in block order; named ones such as "_Total" are left out.
  std::vector<ProcessorInstance> instances;
};

ProcessorSample ReadProcessorSample(std::span<const uint8_t> block);

// A calendar time as 100-ns units since 1 January 1601, as SystemTimeToFileTime counts;
// false for a date or time that does not exist.
struct CalendarTime {
  int year, month, day_of_week, day, hour, minute, second, milliseconds;
};
bool CalendarTimeToTicks(const CalendarTime& time, int64_t& ticks);

}  // namespace qb::monitor
