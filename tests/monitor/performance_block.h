#pragma once
// Builds performance-data blocks as the system's performance registry lays them out, for
// the sampler's tests: a header, an unrelated object, then the processor object with two
// counters (user time, then idle time) and one instance per named processor.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "monitor/performance_data.h"

namespace qb::monitor::testing {

struct SyntheticProcessor {
  std::u16string name;  // "0", "1", "_Total"
  int64_t idle = 0;     // 100-ns units
};

struct BlockShape {
  bool processor_object = true;
  bool time_counter = true;
  size_t padding = 0;  // extra bytes after the objects, to make the block larger
};

inline void Put(std::vector<uint8_t>& out, size_t at, const void* data, size_t size) {
  if (out.size() < at + size) out.resize(at + size);
  std::memcpy(out.data() + at, data, size);
}
inline void Put32(std::vector<uint8_t>& out, size_t at, uint32_t v) { Put(out, at, &v, 4); }
inline void Put64(std::vector<uint8_t>& out, size_t at, int64_t v) { Put(out, at, &v, 8); }
inline void Put16(std::vector<uint8_t>& out, size_t at, uint16_t v) { Put(out, at, &v, 2); }

inline std::vector<uint8_t> PerformanceBlock(const CalendarTime& time,
                                             const std::vector<SyntheticProcessor>& processors,
                                             BlockShape shape = {}) {
  std::vector<uint8_t> out(88, 0);
  Put(out, 0, u"PERF", 8);
  Put32(out, 8, 1);   // little endian
  Put32(out, 12, 1);  // version
  Put32(out, 24, 88);
  Put32(out, 28, shape.processor_object ? 2 : 1);
  const uint16_t fields[] = {static_cast<uint16_t>(time.year),   static_cast<uint16_t>(time.month),
                             static_cast<uint16_t>(time.day_of_week),
                             static_cast<uint16_t>(time.day),    static_cast<uint16_t>(time.hour),
                             static_cast<uint16_t>(time.minute), static_cast<uint16_t>(time.second),
                             static_cast<uint16_t>(time.milliseconds)};
  for (int i = 0; i < 8; ++i) Put16(out, 36 + i * 2, fields[i]);

  // An object the walk has to step over: "System" (2), no counters, no instances.
  size_t at = 88;
  Put32(out, at + 0, 64);
  Put32(out, at + 4, 64);
  Put32(out, at + 8, 64);
  Put32(out, at + 12, 2);
  Put32(out, at + 40, 0xFFFFFFFF);
  at += 64;

  if (shape.processor_object) {
    const size_t object = at;
    Put32(out, object + 4, 64 + 80);  // definition length
    Put32(out, object + 8, 64);       // header length
    Put32(out, object + 12, kProcessorObjectIndex);
    Put32(out, object + 32, 2);  // counters
    Put32(out, object + 40, static_cast<uint32_t>(processors.size()));
    // Counter definitions: user time at 8, then idle time at 16.
    const uint32_t indexes[] = {142, shape.time_counter ? kProcessorTimeCounterIndex : 144u};
    for (int c = 0; c < 2; ++c) {
      const size_t def = object + 64 + c * 40;
      Put32(out, def + 0, 40);
      Put32(out, def + 4, indexes[c]);
      Put32(out, def + 32, 8);
      Put32(out, def + 36, 8 + c * 8);
    }
    size_t instance = object + 144;
    for (const auto& processor : processors) {
      const size_t name_bytes = (processor.name.size() + 1) * 2;
      const size_t padded = (name_bytes + 7) / 8 * 8;
      Put32(out, instance + 0, static_cast<uint32_t>(24 + padded));
      Put32(out, instance + 16, 24);
      Put32(out, instance + 20, static_cast<uint32_t>(name_bytes));
      Put(out, instance + 24, processor.name.c_str(), name_bytes);
      const size_t block = instance + 24 + padded;
      Put32(out, block, 24);
      Put64(out, block + 8, 1234);  // user time: not what the load is made of
      Put64(out, block + 16, processor.idle);
      instance = block + 24;
    }
    Put32(out, object + 0, static_cast<uint32_t>(instance - object));
    at = instance;
  }
  out.resize(at + shape.padding, 0);
  Put32(out, 20, static_cast<uint32_t>(out.size()));
  return out;
}

}  // namespace qb::monitor::testing
