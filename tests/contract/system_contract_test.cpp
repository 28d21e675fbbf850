// The machine-wide services, checked against whichever machine the test program was built
// with: the memory one natively, the real one under Windows. What the program's windows do
// with them is tested on the memory machine, so the two must answer alike.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <set>
#include <thread>

#include "contract/fixtures.h"
#include "platform/text.h"

namespace qb {
namespace {

constexpr uint32_t kStillActive = 259;

class SystemContract : public ::testing::Test {
 protected:
  void SetUp() override { fixture_ = contract::MakeSystemFixture(); }

  std::unique_ptr<contract::SystemFixture> fixture_;
};

TEST_F(SystemContract, TheProgramFindsItselfAmongTheProcessesWithItsStartTime) {
  Processes& processes = fixture_->ProcessList();
  std::vector<ProcessEntry> entries;
  ASSERT_EQ(processes.Snapshot(entries), status::kOk);
  const uint32_t self = processes.CurrentProcessId();
  const auto listed = std::find_if(entries.begin(), entries.end(),
                                   [&](const ProcessEntry& entry) { return entry.id == self; });
  ASSERT_NE(listed, entries.end());

  OpenedProcess opened(processes, self);
  ASSERT_EQ(opened.OpenStatus(), status::kOk);
  uint64_t started = 0;
  ASSERT_EQ(processes.StartTime(opened.Handle(), started), status::kOk);
  EXPECT_EQ(listed->start_time, started) << "the list and the process must name the same start";
  EXPECT_LE(started, processes.Now());
  uint32_t code = 0;
  ASSERT_EQ(processes.ExitCode(opened.Handle(), code), status::kOk);
  EXPECT_EQ(code, kStillActive);
  EXPECT_FALSE(processes.IsCritical(opened.Handle()));
}

TEST_F(SystemContract, AnEndedProcessKeepsTheCodeItWasEndedWithAndHandlesCloseOnce) {
  Processes& processes = fixture_->ProcessList();
  const uint32_t idle = fixture_->StartIdleProcess();
  ASSERT_NE(idle, 0u);
  ProcessHandle handle = 0;
  ASSERT_EQ(processes.Open(idle, handle), status::kOk);
  ASSERT_EQ(processes.Terminate(handle, 7), status::kOk);
  // Ending is asynchronous on a real machine: the code shows once the process is gone.
  uint32_t code = kStillActive;
  const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (processes.ExitCode(handle, code) == status::kOk && code == kStillActive &&
         std::chrono::steady_clock::now() < limit) {
    std::this_thread::yield();
  }
  EXPECT_EQ(code, 7u);
  // Windows refuses to end a process twice; Wine says yes and changes nothing.
  const Status again = processes.Terminate(handle, 8);
  if (!contract::RunningOnWine()) {
    EXPECT_NE(again, status::kOk);
  }
  EXPECT_EQ(processes.ExitCode(handle, code), status::kOk);
  EXPECT_EQ(code, 7u) << "the first end stands";
  EXPECT_EQ(processes.Close(handle), status::kOk);
  EXPECT_NE(processes.Close(handle), status::kOk);
}

TEST_F(SystemContract, OpeningAProcessThatIsNotThereFailsWithoutAHandle) {
  Processes& processes = fixture_->ProcessList();
  std::vector<ProcessEntry> entries;
  ASSERT_EQ(processes.Snapshot(entries), status::kOk);
  uint32_t absent = 0xFFFFFFF0;
  while (std::any_of(entries.begin(), entries.end(), [&](const ProcessEntry& e) { return e.id == absent; })) {
    absent -= 4;
  }
  ProcessHandle handle = 12345;
  EXPECT_NE(processes.Open(absent, handle), status::kOk);
  EXPECT_EQ(handle, 0u);
  EXPECT_NE(processes.Close(0), status::kOk);
}

TEST_F(SystemContract, AColourSetIsTheColourReadAndAnElementThatIsNoneChangesNothing) {
  SystemColours& colours = fixture_->Colours();
  const ColourRef before = colours.Get(syscolour::kGrayText);
  const ColourRef wanted = before == 0x00123456 ? 0x00654321 : 0x00123456;
  ASSERT_EQ(colours.Set(syscolour::kGrayText, wanted), status::kOk);
  EXPECT_EQ(colours.Get(syscolour::kGrayText), wanted);
  ASSERT_EQ(colours.Set(syscolour::kGrayText, before), status::kOk);
  EXPECT_EQ(colours.Get(syscolour::kGrayText), before);
  // The system passes over an element number it does not have, and says yes.
  colours.Set(999, 0x00FFFFFF);
  EXPECT_EQ(colours.Get(syscolour::kGrayText), before);
  EXPECT_EQ(colours.Get(999), 0u);
}

TEST_F(SystemContract, TheDisplayShowsOneOfItsModesAndRefusesASizeItHasNot) {
  DisplayModes& display = fixture_->Display();
  const std::optional<DisplayMode> current = display.Current();
  ASSERT_TRUE(current);
  const std::vector<DisplayMode> modes = display.Modes();
  EXPECT_TRUE(std::any_of(modes.begin(), modes.end(), [&](const DisplayMode& mode) {
    return mode.width == current->width && mode.height == current->height &&
           mode.bits_per_pixel == current->bits_per_pixel;
  }));
  EXPECT_EQ(display.ChangeSize(12347, 773), dispchange::kBadMode);
  EXPECT_EQ(display.ChangeSize(current->width, current->height), dispchange::kSuccessful);
  EXPECT_EQ(display.Restore(*current), dispchange::kSuccessful);
  const std::optional<DisplayMode> after = display.Current();
  ASSERT_TRUE(after);
  EXPECT_EQ(after->width, current->width);
  EXPECT_EQ(after->height, current->height);
}

TEST_F(SystemContract, TheMachineDescribesItselfConsistently) {
  SystemInformation& information = fixture_->Information();
  EXPECT_GE(information.ProcessorCount(), 1);
  MemoryFigures memory;
  ASSERT_TRUE(information.Memory(memory));
  EXPECT_GT(memory.total_physical, 0u);
  EXPECT_LE(memory.available_physical, memory.total_physical);
  EXPECT_LE(memory.available_commit, memory.total_commit);
  ProcessorTimes first, second;
  ASSERT_TRUE(information.Times(first));
  ASSERT_TRUE(information.Times(second));
  EXPECT_GE(second.idle, first.idle);
  EXPECT_GE(second.kernel + second.user, first.kernel + first.user);
  EXPECT_FALSE(information.ComputerName().empty());
  EXPECT_FALSE(information.UserName().empty());
  OsVersion version;
  ASSERT_TRUE(information.TrueVersion(version));
  EXPECT_EQ(version.platform, platform_id::kWindowsNt);
  EXPECT_GE(version.major, 5u);
}

TEST_F(SystemContract, ScreenFontsAreListedOnceAndAFileThatIsNoFontIsRefused) {
  Fonts& fonts = fixture_->FontList();
  const std::vector<std::string> families = fonts.ScreenFonts();
  EXPECT_FALSE(families.empty());
  EXPECT_EQ(std::set<std::string>(families.begin(), families.end()).size(), families.size());
  const std::string text = fixture_->ScratchFile("notes.ttf", "these are notes, not a font\r\n");
  EXPECT_FALSE(fonts.LoadFontFile(text));
  EXPECT_FALSE(fonts.LoadFontFile(text.substr(0, text.size() - 4) + "-absent.ttf"));
  EXPECT_EQ(fonts.ScreenFonts(), families);
}

TEST_F(SystemContract, SystemSettingsRefuseAnActionTheyDoNotKnowAndIconsHaveASize) {
  SystemParameters& parameters = fixture_->Parameters();
  EXPECT_NE(parameters.SetParameter(0xFFFF, 0, 0, spi::kNone), status::kOk);
  EXPECT_GE(parameters.IconSize(), 16);
  EXPECT_LE(parameters.IconSize(), 256);
}

TEST_F(SystemContract, AMessageBoxNobodyAnswersTimesOut) {
  EXPECT_EQ(fixture_->Boxes().ShowTimedMessage(0, "Closing by itself", "Quill Box", mb::kOk, 200),
            mb::kIdTimeout);
}

}  // namespace
}  // namespace qb
