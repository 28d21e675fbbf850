#include "monitor/monitor_page.h"

#include <gtest/gtest.h>

#include "app/main_form_layout.h"
#include "monitor/performance_block.h"
#include "platform/memory/memory_machine.h"

namespace qb::monitor {
namespace {

constexpr uint64_t kMegabyte = 1048576;
constexpr int64_t kSecond = 10'000'000;
constexpr CalendarTime kNoon{2026, 12, 3, 9, 12, 0, 0, 0};
constexpr CalendarTime kOneSecondLater{2026, 12, 3, 9, 12, 0, 1, 0};
const RegKeyPath kCounterNames{RegRoot::LocalMachine,
                               "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Perflib\\009"};

class MonitorPageTest : public ::testing::Test {
 protected:
  // Windows names its counters, the processor object 238 among them.
  MonitorPageTest() { NameCounters({"1", "1847", "238", "Processor", "6", "% Processor Time"}); }
  void NameCounters(const std::vector<std::string>& pairs) {
    machine.registry.CreateKey(kCounterNames);
    machine.registry.SetValue(kCounterNames, RegValue::MultiString("Counter", pairs));
  }
  void ServeProcessors(const CalendarTime& time, int64_t idle0, int64_t idle1) {
    machine.registry.SetPerformanceData(
        "238", testing::PerformanceBlock(time, {{u"0", idle0}, {u"1", idle1}, {u"_Total", 0}}));
  }
  // What Wine answers: a header and no objects.
  void ServeNoProcessorObject() {
    auto block = testing::PerformanceBlock(kNoon, {}, {.processor_object = false});
    testing::Put32(block, 28, 0);
    machine.registry.SetPerformanceData("238", block);
  }
  // Both processors together: busy for `busy` of every `total` units.
  void AdvanceTimes(uint64_t total, uint64_t busy) {
    machine.system.times.idle += total - busy;
    machine.system.times.kernel += total - busy + busy / 2;
    machine.system.times.user += busy - busy / 2;
  }
  ui::Control& operator[](std::string_view name) { return (*form)[name]; }

  MemoryMachine machine;
  std::unique_ptr<ui::Form> form = app::CreateMainForm();
  MonitorPage page{*form, machine.services()};
};

// The performance data is first read at the first tick, which only takes the starting point.
TEST_F(MonitorPageTest, GraphAndLabelShowTheAverageOfAllProcessors) {
  page.Load();
  EXPECT_TRUE(machine.registry.PerformanceQuerySizes().empty());
  ServeProcessors(kNoon, 0, 0);
  (*this)["Timer1"].RaiseTimer();
  EXPECT_TRUE((*this)["cpuhist"].Points().empty());
  ServeProcessors(kOneSecondLater, kSecond / 4, kSecond * 3 / 4);  // 75 % and 25 % busy
  (*this)["Timer1"].RaiseTimer();
  EXPECT_FALSE(page.MeasuresFromProcessorTimes());
  EXPECT_EQ((*this)["Label1"].Caption(), "50 %");
  EXPECT_EQ((*this)["cpuhist"].Points(), std::vector<double>{50});
}

// The sampler's error once ended the program on the first tick where the performance data
// has no processor object; now the load comes from the processor times.
TEST_F(MonitorPageTest, MissingProcessorObjectFallsBackToProcessorTimes) {
  ServeNoProcessorObject();
  page.Load();
  (*this)["Timer1"].RaiseTimer();
  EXPECT_TRUE(page.MeasuresFromProcessorTimes());
  AdvanceTimes(1000, 370);
  (*this)["Timer1"].RaiseTimer();
  EXPECT_EQ((*this)["Label1"].Caption(), "37 %");
  EXPECT_EQ((*this)["cpuhist"].Caption(), "Processor usage 37 %");  // its name for a screen reader
  AdvanceTimes(1000, 1000);
  (*this)["Timer1"].RaiseTimer();
  EXPECT_EQ((*this)["Label1"].Caption(), "100 %");
  EXPECT_EQ((*this)["cpuhist"].Points(), (std::vector<double>{37, 100}));
}

// Wine's table names no processor (asking would only load its print spooler's provider);
// "238" as a name rather than an index does not count.
TEST_F(MonitorPageTest, CountersNamingNoProcessorAreNeverAsked) {
  NameCounters({"1", "1847", "1846", "End Marker", "2", "238"});
  ServeProcessors(kNoon, 0, 0);
  page.Load();
  (*this)["Timer1"].RaiseTimer();
  EXPECT_TRUE(page.MeasuresFromProcessorTimes());
  AdvanceTimes(1000, 250);
  (*this)["Timer1"].RaiseTimer();
  EXPECT_EQ((*this)["Label1"].Caption(), "25 %");
  EXPECT_TRUE(machine.registry.PerformanceQuerySizes().empty());
}

TEST_F(MonitorPageTest, SamplerFailingWhileRunningIsReplacedForGood) {
  ServeProcessors(kNoon, 0, 0);
  page.Load();
  (*this)["Timer1"].RaiseTimer();
  machine.registry.SetPerformanceData("238", {'P', 0, 'E', 0, 'R', 0, 'F', 0, 9});
  (*this)["Timer1"].RaiseTimer();  // the failing tick shows nothing new
  EXPECT_TRUE(page.MeasuresFromProcessorTimes());
  AdvanceTimes(1000, 500);
  (*this)["Timer1"].RaiseTimer();
  EXPECT_EQ((*this)["Label1"].Caption(), "50 %");
}

TEST_F(MonitorPageTest, ZoomShowsThirtyToAHundredSamplesAndSpeedSetsTheTick) {
  ServeNoProcessorObject();
  page.Load();
  for (int tick = 0; tick < 120; ++tick) {
    AdvanceTimes(100, tick % 100);
    (*this)["Timer1"].RaiseTimer();
  }
  EXPECT_EQ((*this)["cpuhist"].Points().size(), 30u);
  EXPECT_EQ((*this)["cpuhist"].Points().back(), 19);
  (*this)["Slider1"].SetValue(100);
  EXPECT_EQ((*this)["cpuhist"].Points().size(), 100u);
  EXPECT_EQ((*this)["cpuhist"].Points().back(), 19);

  const struct {
    int speed, interval;
  } speeds[] = {{650, 650}, {300, 1000}, {1000, 300}};
  for (const auto& s : speeds) {
    (*this)["Slider2"].SetValue(s.speed);
    EXPECT_EQ((*this)["Timer1"].Interval(), s.interval) << s.speed;
  }
}

TEST_F(MonitorPageTest, MemoryPanelFigures) {
  const struct {
    uint64_t total, available;
    const char* total_text;
    const char* free_text;
    const char* used_text;
    int free_bar, used_bar;
  } cases[] = {
      {static_cast<uint64_t>(255.6 * kMegabyte), 97 * kMegabyte, "257 MB", "97 MB of 257 MB",
       "62%", 97, 159},
      {4096 * kMegabyte, 1234 * kMegabyte, "4,097 MB", "1,234 MB of 4,097 MB", "70%", 1234, 2868},
      {256 * kMegabyte, kMegabyte / 3, "257 MB", "0  MB of 257 MB", "100%", 0, 257},
      // Beyond what the old 32-bit status could report.
      {64ull << 30, 40ull << 30, "65,537 MB", "40,960 MB of 65,537 MB", "38%", 40960, 24904},
  };
  for (const auto& c : cases) {
    MemoryMachine machine;
    machine.system.memory = {c.total, c.available, c.total * 2, c.total};
    auto form = app::CreateMainForm();
    MonitorPage page(*form, machine.services());
    page.Load();
    (*form)["Timer2"].RaiseTimer();
    EXPECT_EQ((*form)["Label5"].Caption(), c.total_text);
    EXPECT_EQ((*form)["label2"].Caption(), c.free_text);
    EXPECT_EQ((*form)["label4"].Caption(), c.used_text);
    EXPECT_EQ((*form)["ProgressBar1"].Value(), c.free_bar) << c.free_text;
    EXPECT_EQ((*form)["ProgressBar2"].Value(), c.used_bar) << c.used_text;
  }
}

TEST_F(MonitorPageTest, FailedMemoryReadingKeepsTheLastFigures) {
  page.Load();
  (*this)["Timer2"].RaiseTimer();
  const std::string shown = (*this)["label2"].Caption();
  machine.system.memory_known = false;
  (*this)["Timer2"].RaiseTimer();
  EXPECT_EQ((*this)["label2"].Caption(), shown);
  EXPECT_FALSE(shown.empty());
}

}  // namespace
}  // namespace qb::monitor
