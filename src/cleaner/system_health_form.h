#pragma once
// The layout of the System Health window: one frame per cleaner category, each with its
// "Check && Repair" button, progress bar and found/repaired counts, the choice to review
// the findings first (`review`), "Exclusions..." and "Close".
#include <array>
#include <memory>
#include <string_view>

#include "ui/form.h"

namespace qb::cleaner {

inline constexpr int kHealthWidth = 12975;
inline constexpr int kHealthHeight = 5445;
inline constexpr std::string_view kHealthTitleKey = "7010";

// The names of one category's controls.
struct FrameNames {
  std::string_view frame;
  std::string_view caption;
  std::string_view tag;
  std::string_view button;
  std::string_view bar;
  std::string_view found_caption_label;
  std::string_view found;
  std::string_view repaired_caption_label;
  std::string_view repaired;
};

// In the order of the frames: uninstall entries, application paths, histories, help
// files, shared components, orphan shortcuts.
inline constexpr std::array<FrameNames, 6> kFrames{{
    {"SRFrame", "Software removal entries in Registry", "2005", "checkcmd", "RemovalProgressBar",
     "ErrorSkinLabel", "Elabel", "RepairSkinLabel", "Rlabel"},
    {"APFrame", "Application paths entries in Registry", "2006", "check2cmd", "PathProgressBar",
     "Error2SkinLabel", "t2label", "Repair2SkinLabel", "R2label"},
    {"HFrame", "Histories", "2008", "check4cmd", "HistoryProgressBar", "Error4SkinLabel",
     "t4label", "Repair4SkinLabel", "R4label"},
    {"HelpFrame", "Help files", "2009", "check5cmd", "HelpProgressBar", "Error5SkinLabel",
     "e5label", "Repair5SkinLabel", "R5label"},
    {"SCFrame", "Shared Components", "2010", "check6cmd", "SharedProgressBar", "Error6SkinLabel",
     "E6label", "Repair6SkinLabel", "R6label"},
    {"OSFrame", "Orphan Shortcuts", "2011", "check3cmd", "OrphanProgressBar", "Error3SkinLabel",
     "E3label", "Repair3SkinLabel", "R3label"},
}};

// The window `pchealth` with every control in place; drives fill the drive list `ODrive`,
// the one in selected_drive selected.
std::unique_ptr<ui::Form> BuildSystemHealthForm(const std::vector<std::string>& drives,
                                                int selected_drive);

}  // namespace qb::cleaner
