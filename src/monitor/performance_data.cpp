#include "monitor/performance_data.h"

#include <cstring>
#include <limits>
#include <optional>

namespace qb::monitor {

namespace {

// Sizes and field offsets of the published structures. The data block header is 88 bytes
// with 8-byte packing; every field read here lies in its first 52.
namespace block {
constexpr uint64_t kHeaderLength = 24, kNumObjectTypes = 28, kSystemTime = 36;
}  // namespace block
namespace object {
constexpr uint64_t kSize = 64;
constexpr uint64_t kTotalByteLength = 0, kDefinitionLength = 4, kHeaderLength = 8,
                   kNameTitleIndex = 12, kNumCounters = 32, kNumInstances = 40;
}  // namespace object
namespace counter {
constexpr uint64_t kSize = 40;
constexpr uint64_t kByteLength = 0, kNameTitleIndex = 4, kCounterOffset = 36;
}  // namespace counter
namespace instance {
constexpr uint64_t kSize = 24;
constexpr uint64_t kByteLength = 0, kNameOffset = 16, kNameLength = 20;
}  // namespace instance

struct Malformed {};

// A view of bytes whose every read is checked. Positions are 64-bit so that an offset
// added to a position can never wrap round, even in a 32-bit program.
class Bytes {
 public:
  explicit Bytes(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  bool Holds(uint64_t at, uint64_t count) const {
    return at <= bytes_.size() && count <= bytes_.size() - at;
  }
  // A part of the view; a part that does not lie inside it makes the block unreadable.
  Bytes Part(uint64_t at, uint64_t count) const {
    if (!Holds(at, count)) throw Malformed{};
    return Bytes(bytes_.subspan(static_cast<size_t>(at), static_cast<size_t>(count)));
  }
  uint16_t U16(uint64_t at) const { return Read<uint16_t>(at); }
  uint32_t U32(uint64_t at) const { return Read<uint32_t>(at); }
  int32_t I32(uint64_t at) const { return Read<int32_t>(at); }
  int64_t I64(uint64_t at) const { return Read<int64_t>(at); }

 private:
  template <typename T>
  T Read(uint64_t at) const {
    if (!Holds(at, sizeof(T))) throw Malformed{};
    T value;
    std::memcpy(&value, bytes_.data() + at, sizeof(T));  // the data is little-endian
    return value;
  }
  std::span<const uint8_t> bytes_;
};

bool HasSignature(const Bytes& data) {
  constexpr char16_t kPerf[] = u"PERF";
  for (uint64_t i = 0; i < 4; ++i) {
    if (!data.Holds(i * 2, 2) || data.U16(i * 2) != kPerf[i]) return false;
  }
  return true;
}

// Processor instances are named by their number; any other name is not a processor. A
// number too large for any array is kept as the largest one, which no array reaches.
std::optional<uint64_t> InstanceNumber(const Bytes& name, uint64_t units) {
  if (units == 0) return std::nullopt;
  uint64_t number = 0;
  for (uint64_t i = 0; i < units; ++i) {
    const uint16_t unit = name.U16(i * 2);
    if (unit < u'0' || unit > u'9') return std::nullopt;
    const uint64_t digit = unit - u'0';
    number = number > (std::numeric_limits<uint64_t>::max() - digit) / 10
                 ? std::numeric_limits<uint64_t>::max()
                 : number * 10 + digit;
  }
  return number;
}

// Every walk step must move past at least the header it read, so a walk ends within the
// block however large the counts in it claim to be.
uint64_t Step(uint64_t length, uint64_t header_size) {
  if (length < header_size) throw Malformed{};
  return length;
}

std::optional<Bytes> FindProcessorObject(const Bytes& data) {
  uint64_t at = data.U32(block::kHeaderLength);
  const uint32_t objects = data.U32(block::kNumObjectTypes);
  for (uint32_t i = 0; i < objects; ++i) {
    const Bytes header = data.Part(at, object::kSize);
    const uint32_t total = header.U32(object::kTotalByteLength);
    if (header.U32(object::kNameTitleIndex) == kProcessorObjectIndex) return data.Part(at, total);
    at += Step(total, object::kSize);
  }
  return std::nullopt;
}

std::optional<uint32_t> FindTimeCounterOffset(const Bytes& object) {
  uint64_t at = object.U32(object::kHeaderLength);
  const uint32_t counters = object.U32(object::kNumCounters);
  for (uint32_t i = 0; i < counters; ++i) {
    const Bytes definition = object.Part(at, counter::kSize);
    if (definition.U32(counter::kNameTitleIndex) == kProcessorTimeCounterIndex) {
      return definition.U32(counter::kCounterOffset);
    }
    at += Step(definition.U32(counter::kByteLength), counter::kSize);
  }
  return std::nullopt;
}

void ReadInstances(const Bytes& object, uint32_t counter_offset,
                   std::vector<ProcessorInstance>& out) {
  uint64_t at = object.U32(object::kDefinitionLength);
  // An object without instances says -1 here; it has no processors to read.
  const int32_t instances = object.I32(object::kNumInstances);
  for (int32_t i = 0; i < instances; ++i) {
    const Bytes definition = object.Part(at, instance::kSize);
    const uint32_t name_length = definition.U32(instance::kNameLength);  // with its NUL
    const uint64_t name_units = name_length >= 2 ? (name_length - 2) / 2 : 0;
    const Bytes name = object.Part(at + definition.U32(instance::kNameOffset), name_units * 2);
    const uint64_t block_at = at + Step(definition.U32(instance::kByteLength), instance::kSize);
    const uint32_t block_length = object.U32(block_at);
    const Bytes block = object.Part(block_at, Step(block_length, 4));
    const int64_t value = block.I64(counter_offset);
    if (const auto number = InstanceNumber(name, name_units)) out.push_back({*number, value});
    at = block_at + block_length;
  }
}

bool ReadSystemTime(const Bytes& data, int64_t& ticks) {
  const auto field = [&](int i) { return static_cast<int>(data.U16(block::kSystemTime + i * 2)); };
  const CalendarTime time{field(0), field(1), field(2), field(3),
                          field(4), field(5), field(6), field(7)};
  return CalendarTimeToTicks(time, ticks);
}

// Days from 1 January 1970 to a date of the proleptic Gregorian calendar.
int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day) {
  year -= month <= 2;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const int64_t year_of_era = year - era * 400;
  const int64_t day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int64_t day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

bool CalendarTimeToTicks(const CalendarTime& t, int64_t& ticks) {
  if (t.year < 1601 || t.year > 30827 || t.month < 1 || t.month > 12 || t.day < 1 ||
      t.day > DaysInMonth(t.year, t.month) || t.hour < 0 || t.hour > 23 || t.minute < 0 ||
      t.minute > 59 || t.second < 0 || t.second > 59 || t.milliseconds < 0 ||
      t.milliseconds > 999) {
    return false;
  }
  constexpr int64_t kDaysFrom1601To1970 = 134774;
  constexpr int64_t kTicksPerSecond = 10'000'000;
  const int64_t days = DaysFromCivil(t.year, t.month, t.day) + kDaysFrom1601To1970;
  const int64_t seconds = days * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
  ticks = seconds * kTicksPerSecond + t.milliseconds * int64_t{10'000};
  return true;
}

ProcessorSample ReadProcessorSample(std::span<const uint8_t> block_bytes) {
  ProcessorSample sample;
  const Bytes data(block_bytes);
  try {
    if (!HasSignature(data)) throw Malformed{};
    const auto object = FindProcessorObject(data);
    if (!object) {
      sample.fault = PerformanceDataFault::NoProcessorObject;
      return sample;
    }
    const auto offset = FindTimeCounterOffset(*object);
    if (!offset) {
      sample.fault = PerformanceDataFault::NoProcessorTimeCounter;
      return sample;
    }
    ReadInstances(*object, *offset, sample.instances);
    if (!ReadSystemTime(data, sample.time)) throw Malformed{};
  } catch (const Malformed&) {
    sample.instances.clear();
    sample.fault = PerformanceDataFault::Unreadable;
  }
  return sample;
}

}  // namespace qb::monitor
