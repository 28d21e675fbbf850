#pragma once
// Journaling of the system's own settings: parameters (mouse, keyboard, smoothing, double
// click, wallpaper), screen element colours, the display mode and loaded fonts. Each wraps
// the real service, records the state before and after, and passes the call on; an ended
// process is recorded too, as something no undo can give back.
#include <map>

#include "journal/journal.h"
#include "platform/clock.h"
#include "platform/display_modes.h"
#include "platform/fonts.h"
#include "platform/processes.h"
#include "platform/system_colours.h"
#include "platform/system_parameters.h"

namespace qb::journal {

// Appends a record to the action in hand (the one set, else the open scope's); nothing
// outside any action.
class Recorder {
 public:
  Recorder(Journal& journal, Clock& clock) : journal_(journal), clock_(clock) {}
  bool Active() const { return action_ != 0 || journal_.InScope(); }
  void SetAction(uint64_t action) { action_ = action; }
  // Records a change whose result was status; a change that changed nothing is left out,
  // unless even_unchanged.
  void Record(ItemKind kind, std::string target, ItemState before, ItemState after,
              Status result, Outcome done = Outcome::Done, bool even_unchanged = false);

 private:
  Journal& journal_;
  Clock& clock_;
  uint64_t action_ = 0;
};

ItemState NumberState(uint32_t tag, std::optional<uint32_t> value);
ItemState ModeState(const std::optional<DisplayMode>& mode);
std::optional<DisplayMode> ModeOf(const ItemState& state);

class JournalingSystemParameters : public SystemParameters {
 public:
  JournalingSystemParameters(SystemParameters& inner, Recorder& recorder)
      : inner_(inner), recorder_(recorder) {}
  void BroadcastSettingChange(uint32_t action, std::string_view area) override {
    inner_.BroadcastSettingChange(action, area);
  }
  int IconSize() override { return inner_.IconSize(); }
  Status SetWallpaper(std::string_view image_path) override;
  Status SetParameter(uint32_t action, uint32_t ui_param, intptr_t pv_value,
                      uint32_t flags) override;
  Status SetDoubleClickTime(unsigned milliseconds) override;
  std::optional<uint32_t> ReadParameter(uint32_t set_action) override {
    return inner_.ReadParameter(set_action);
  }
  std::string Wallpaper() override { return inner_.Wallpaper(); }

 private:
  template <typename Change>
  Status Parameter(uint32_t action, Change change);

  SystemParameters& inner_;
  Recorder& recorder_;
};

class JournalingSystemColours : public SystemColours {
 public:
  JournalingSystemColours(SystemColours& inner, Recorder& recorder)
      : inner_(inner), recorder_(recorder) {}
  ColourRef Get(int index) override { return inner_.Get(index); }
  Status Set(int index, ColourRef colour) override;

 private:
  SystemColours& inner_;
  Recorder& recorder_;
};

class JournalingDisplayModes : public DisplayModes {
 public:
  JournalingDisplayModes(DisplayModes& inner, Recorder& recorder)
      : inner_(inner), recorder_(recorder) {}
  std::vector<DisplayMode> Modes() override { return inner_.Modes(); }
  std::optional<DisplayMode> Current() override { return inner_.Current(); }
  long ChangeSize(int width, int height) override;
  long Restore(const DisplayMode& mode) override;

 private:
  template <typename Change>
  long Recorded(Change change);

  DisplayModes& inner_;
  Recorder& recorder_;
};

class JournalingFonts : public Fonts {
 public:
  JournalingFonts(Fonts& inner, Recorder& recorder) : inner_(inner), recorder_(recorder) {}
  std::vector<std::string> ScreenFonts() override { return inner_.ScreenFonts(); }
  bool LoadFontFile(std::string_view path) override;
  void UnloadFontFile(std::string_view path) override;
  void BroadcastFontChange() override { inner_.BroadcastFontChange(); }

 private:
  Fonts& inner_;
  Recorder& recorder_;
};

class JournalingProcesses : public Processes {
 public:
  JournalingProcesses(Processes& inner, Recorder& recorder)
      : inner_(inner), recorder_(recorder) {}
  Status Snapshot(std::vector<ProcessEntry>& entries) override {
    return inner_.Snapshot(entries);
  }
  Status Open(uint32_t id, ProcessHandle& handle) override;
  Status ExitCode(ProcessHandle handle, uint32_t& code) override {
    return inner_.ExitCode(handle, code);
  }
  Status Terminate(ProcessHandle handle, uint32_t exit_code) override;
  Status Close(ProcessHandle handle) override;
  bool IsCritical(ProcessHandle handle) override { return inner_.IsCritical(handle); }
  Status StartTime(ProcessHandle handle, uint64_t& time) override {
    return inner_.StartTime(handle, time);
  }
  uint64_t Now() override { return inner_.Now(); }
  uint32_t CurrentProcessId() override { return inner_.CurrentProcessId(); }

 private:
  Processes& inner_;
  Recorder& recorder_;
  std::map<ProcessHandle, uint32_t> ids_;  // the process each open handle names
};

}  // namespace qb::journal
