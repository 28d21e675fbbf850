#include "monitor/cpu_load.h"

#include <gtest/gtest.h>

#include "monitor/performance_block.h"
#include "platform/memory/memory_machine.h"

namespace qb::monitor {
namespace {

using testing::PerformanceBlock;
using testing::SyntheticProcessor;

constexpr CalendarTime kNoon{2026, 12, 3, 9, 12, 0, 0, 0};
constexpr CalendarTime kOneSecondLater{2026, 12, 3, 9, 12, 0, 1, 0};
constexpr int64_t kSecond = 10'000'000;

class CpuLoadTest : public ::testing::Test {
 protected:
  void Serve(const CalendarTime& time, const std::vector<SyntheticProcessor>& processors,
             testing::BlockShape shape = {}) {
    machine.registry.SetPerformanceData("238", PerformanceBlock(time, processors, shape));
  }
  void Serve(std::vector<uint8_t> block) { machine.registry.SetPerformanceData("238", block); }

  // The error a call raises, or none.
  template <typename Call>
  static std::optional<CpuLoadError> ErrorOf(Call call) {
    try {
      call();
    } catch (const CpuLoadError& error) {
      return error;
    }
    return std::nullopt;
  }

  MemoryMachine machine;
};

TEST_F(CpuLoadTest, TwoSamplesGiveTheBusyShareOfEachProcessor) {
  CPULoad load(machine.registry, machine.system);
  Serve(kNoon, {{u"0", 100 * kSecond}, {u"1", 200 * kSecond}, {u"_Total", 0}});
  load.CollectCPUData();
  Serve(kOneSecondLater,
        {{u"0", 100 * kSecond + kSecond / 4}, {u"1", 201 * kSecond}, {u"_Total", 0}});
  load.CollectCPUData();
  EXPECT_EQ(load.GetCPUCount(), 2);
  EXPECT_EQ(load.GetCPUUsage(0), 75);
  EXPECT_EQ(load.GetCPUUsage(1), 0);
}

TEST_F(CpuLoadTest, HalfPercentsRoundToEven) {
  const struct {
    int64_t idle;
    int32_t load;
  } cases[] = {{3'750'000, 62}, {3'650'000, 64}, {4'950'000, 50}, {5'050'000, 50}};
  for (const auto& c : cases) {
    CPULoad load(machine.registry, machine.system);
    Serve(kNoon, {{u"0", 0}});
    load.CollectCPUData();
    Serve(kOneSecondLater, {{u"0", c.idle}});
    load.CollectCPUData();
    EXPECT_EQ(load.GetCPUUsage(0), c.load) << c.idle;
  }
}

TEST_F(CpuLoadTest, FirstReadingComparesWithNothingAndEqualTimesGiveZero) {
  CPULoad load(machine.registry, machine.system);
  Serve(kNoon, {{u"0", 5 * kSecond}, {u"1", 5 * kSecond}});
  // Collected by the first usage call itself, against zero time: meaningless, near 100.
  EXPECT_GE(load.GetCPUUsage(0), 99);
  Serve(kNoon, {{u"0", 6 * kSecond}, {u"1", 5 * kSecond}});
  load.CollectCPUData();
  EXPECT_EQ(load.GetCPUUsage(0), 0);
  EXPECT_EQ(load.GetCPUUsage(1), 0);
}

TEST_F(CpuLoadTest, BufferGrowsByPagesAndKeepsItsSize) {
  CPULoad load(machine.registry, machine.system);
  auto block = PerformanceBlock(kNoon, {{u"0", 0}});
  block.resize(10'000, 0);
  Serve(block);
  load.CollectCPUData();
  EXPECT_EQ(load.PerformanceBufferSize(), 12288);
  load.CollectCPUData();
  EXPECT_EQ(machine.registry.PerformanceQuerySizes(),
            (std::vector<size_t>{4096, 8192, 12288, 12288}));
}

TEST_F(CpuLoadTest, OnlyNumberedInstancesInsideTheCountAreStored) {
  machine.system.processors = 2;
  CPULoad load(machine.registry, machine.system);
  // "_Total" and a processor the system did not count would change the figures if stored.
  Serve(kNoon, {{u"_Total", 0}, {u"0", 0}, {u"7", 0}, {u"1", 0}, {u"4294967296", 0}});
  load.CollectCPUData();
  Serve(kOneSecondLater, {{u"_Total", kSecond * 9}, {u"0", kSecond / 2}, {u"7", 0},
                          {u"1", kSecond}, {u"4294967296", 0}});
  load.CollectCPUData();
  EXPECT_EQ(load.GetCPUUsage(0), 50);
  EXPECT_EQ(load.GetCPUUsage(1), 0);
}

TEST_F(CpuLoadTest, EveryErrorCarriesItsNumberSourceAndDescription) {
  const auto failing_collection = [&](std::vector<uint8_t> block) {
    Serve(std::move(block));
    CPULoad load(machine.registry, machine.system);
    return ErrorOf([&] { load.CollectCPUData(); });
  };
  auto bad_signature = PerformanceBlock(kNoon, {{u"0", 0}});
  bad_signature[0] = 'X';
  // What Wine answers: a valid header and no objects.
  auto header_only = PerformanceBlock(kNoon, {}, {.processor_object = false});
  header_only[28] = 0;

  MemoryMachine no_version;
  no_version.system.version_known = false;
  MemoryMachine windows98;
  windows98.system.version = {4, 10, 1998, platform_id::kWindows9x};
  MemoryMachine windows98_without_data;
  windows98_without_data.system.version = windows98.system.version;
  windows98_without_data.registry.EnableDynamicStatistics(10);
  windows98_without_data.registry.DeleteKey({RegRoot::DynData, "PerfStats\\StatData"});

  const struct {
    std::optional<CpuLoadError> error;
    int32_t number;
    const char* source;
    const char* description;
  } cases[] = {
      {ErrorOf([&] { CPULoad load(no_version.registry, no_version.system); }), -2147213503,
       "CPULoad.Initialize", "Can't get the Windows version"},
      {ErrorOf([&] {
         CPULoad load(windows98.registry, windows98.system);
         load.CollectCPUData();
       }),
       -2147213502, "CPULoad.CollectCPRData()", "Unable to start performance monitoring"},
      {ErrorOf([&] {
         CPULoad load(machine.registry, machine.system);
         Serve(kNoon, {{u"0", 0}, {u"1", 0}});
         load.GetCPUUsage(2);
       }),
       -2147213501, "CPULoad.GetCPUUsage()", "CPU index out of bounds"},
      {failing_collection(header_only), -2147213500, "CPULoad.CollectData",
       "Unable to locate the 'Processor' performance object"},
      {failing_collection(PerformanceBlock(kNoon, {{u"0", 0}}, {.time_counter = false})),
       -2147213499, "CPULoad.CollectData",
       "Unable to locate the '% of CPU usage' performance counter"},
      {failing_collection(bad_signature), -2147213498, "CPULoad.CollectCPUData()",
       "Unable to read performance data"},
      {ErrorOf([&] {
         CPULoad load(windows98_without_data.registry, windows98_without_data.system);
         load.CollectCPUData();
       }),
       -2147213498, "CPULoad.CollectCPUData()", "Unable to read performance data"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(c.error.has_value()) << c.description;
    EXPECT_EQ(c.error->Number(), c.number);
    EXPECT_EQ(c.error->Source(), c.source);
    EXPECT_EQ(c.error->Description(), c.description);
  }
}

TEST_F(CpuLoadTest, IndexBelowZeroIsOutOfBounds) {
  CPULoad load(machine.registry, machine.system);
  Serve(kNoon, {{u"0", 0}});
  const auto error = ErrorOf([&] { load.GetCPUUsage(-1); });
  ASSERT_TRUE(error);
  EXPECT_EQ(error->OffsetNumber(), CpuLoadError::kIndexOutOfBounds);
}

// Malformed data once ended the program or read outside the buffer; now it is refused.
TEST_F(CpuLoadTest, MalformedBlocksRaiseUnreadableAndChangeNothing) {
  CPULoad load(machine.registry, machine.system);
  Serve(kNoon, {{u"0", 0}});
  load.CollectCPUData();
  const auto good = PerformanceBlock(kOneSecondLater, {{u"0", kSecond / 2}, {u"1", 0}});
  for (size_t length = 0; length < good.size(); ++length) {
    Serve(std::vector<uint8_t>(good.begin(), good.begin() + static_cast<long>(length)));
    const auto error = ErrorOf([&] { load.CollectCPUData(); });
    ASSERT_TRUE(error) << length;
    EXPECT_TRUE(error->OffsetNumber() == CpuLoadError::kUnreadableData ||
                error->OffsetNumber() == CpuLoadError::kNoProcessorObject)
        << length;
  }
  const struct {
    size_t at;
    uint32_t value;
  } corruptions[] = {
      {24, 0xFFFFFF00},        // header length beyond the block
      {88, 0},                 // an object that does not move the walk on
      {152 + 64, 0},           // a counter definition of length 0 ahead of the one wanted
      {152 + 40, 0x7FFFFFFF},  // two billion instances
      {152 + 144, 0},          // an instance of length 0
      {152 + 144 + 16, 0xFFFFFFF0},  // a name far outside
      {38, 13},                // the thirteenth month
  };
  for (const auto& c : corruptions) {
    auto block = good;
    testing::Put32(block, c.at, c.value);
    Serve(block);
    const auto error = ErrorOf([&] { load.CollectCPUData(); });
    ASSERT_TRUE(error) << c.at;
    EXPECT_EQ(error->OffsetNumber(), CpuLoadError::kUnreadableData) << c.at;
  }
  Serve(good);
  load.CollectCPUData();
  EXPECT_EQ(load.GetCPUUsage(0), 50);  // measured against the last good collection
}

TEST_F(CpuLoadTest, Windows9xStartsReadsAndStopsTheKernelStatistics) {
  machine.system.version = {4, 10, 1998, platform_id::kWindows9x};
  machine.system.processors = 2;
  machine.registry.EnableDynamicStatistics(37);
  {
    CPULoad load(machine.registry, machine.system);
    EXPECT_FALSE(machine.registry.DynamicStatisticsRunning());
    EXPECT_EQ(load.GetCPUUsage(0), 37);
    EXPECT_TRUE(machine.registry.DynamicStatisticsRunning());
    machine.registry.SetDynamicCpuUsage(81);
    load.CollectCPUData();
    EXPECT_EQ(load.GetCPUUsage(0), 81);
    const auto error = ErrorOf([&] { load.GetCPUUsage(1); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->OffsetNumber(), CpuLoadError::kIndexOutOfBounds);
  }
  EXPECT_FALSE(machine.registry.DynamicStatisticsRunning());
  EXPECT_TRUE(machine.registry.PerformanceQuerySizes().empty());
}

TEST(CalendarTime, CountsFrom1601AndRefusesImpossibleDates) {
  int64_t ticks = -1;
  ASSERT_TRUE(CalendarTimeToTicks({1601, 1, 1, 1, 0, 0, 0, 0}, ticks));
  EXPECT_EQ(ticks, 0);
  ASSERT_TRUE(CalendarTimeToTicks({1970, 1, 4, 1, 0, 0, 0, 1}, ticks));
  EXPECT_EQ(ticks, 116444736000000000 + 10'000);
  ASSERT_TRUE(CalendarTimeToTicks({2024, 2, 4, 29, 23, 59, 59, 999}, ticks));
  for (const CalendarTime bad : {CalendarTime{2023, 2, 0, 29, 0, 0, 0, 0},
                                 CalendarTime{1600, 12, 0, 31, 0, 0, 0, 0},
                                 CalendarTime{2026, 4, 0, 31, 0, 0, 0, 0},
                                 CalendarTime{2026, 1, 0, 1, 24, 0, 0, 0},
                                 CalendarTime{2026, 1, 0, 1, 0, 0, 0, 1000}}) {
    EXPECT_FALSE(CalendarTimeToTicks(bad, ticks)) << bad.year << "-" << bad.month;
  }
}

}  // namespace
}  // namespace qb::monitor
