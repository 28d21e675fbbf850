#include "cleaner/system_health_form.h"

#include "language/phrases.h"
#include "ui/form_builder.h"

namespace qb::cleaner {

namespace {

using ui::ControlKind;
using ui::TwipRect;

constexpr int kFrameWidth = 6300;
constexpr int kFrameHeight = 1200;
constexpr int kLeftColumn = 120;
constexpr int kRightColumn = 6555;
constexpr int kFirstRow = 240;
constexpr int kRowStep = 1260;

TwipRect FramePlace(size_t index) {
  // Two columns of three; the orphan-shortcut frame is the left bottom one and taller.
  switch (index) {
    case 0: return {kLeftColumn, kFirstRow, kFrameWidth, kFrameHeight};
    case 1: return {kLeftColumn, kFirstRow + kRowStep, kFrameWidth, kFrameHeight};
    case 2: return {kRightColumn, kFirstRow, kFrameWidth, kFrameHeight};
    case 3: return {kRightColumn, kFirstRow + kRowStep, kFrameWidth, kFrameHeight};
    case 4: return {kRightColumn, kFirstRow + 2 * kRowStep, kFrameWidth, kFrameHeight};
    default: return {kLeftColumn, kFirstRow + 2 * kRowStep, kFrameWidth, 2460};
  }
}

void AddCategoryFrame(ui::Form& form, ui::Control& health, const FrameNames& names, size_t index) {
  ui::FormBuilder b{form};
  ui::Control& frame = b.Add(names.frame, ControlKind::Frame, &health, FramePlace(index), names.caption, names.tag);
  // The counts stand right of room for captions half as long again as the English ones.
  b.Add(names.found_caption_label, ControlKind::SkinLabel, &frame, {120, 300, 2790, 255},
        "Total Errors Found :", "3025");
  b.Add(names.found, ControlKind::Label, &frame, {2940, 300, 900, 255});
  b.Add(names.repaired_caption_label, ControlKind::SkinLabel, &frame, {120, 600, 2790, 255},
        "Repaired                :", "3026");
  b.Add(names.repaired, ControlKind::Label, &frame, {2940, 600, 900, 255});
  // As wide as the room beside the counts allows, for the longer translations.
  b.Add(names.button, ControlKind::CommandButton, &frame, {3960, 300, 2175, 375},
        "Check && Repair", "1020");
  ui::Control& bar = b.Add(names.bar, ControlKind::ProgressBar, &frame, {120, 900, 6015, 195});
  bar.SetRange(0, 100);
}

}  // namespace

std::unique_ptr<ui::Form> BuildSystemHealthForm(const std::vector<std::string>& drives,
                                                int selected_drive) {
  // The window's size counts its skinned title bar and border; the client area below them
  // is the 12975 x 5445 twips that the frames fill.
  auto form = std::make_unique<ui::Form>("pchealth", "System Health", kHealthWidth + 30,
                                         kHealthHeight + 390);
  ui::FormBuilder b{*form};
  ui::Control& health = b.Add("HealthFrame", ControlKind::Frame, nullptr,
                            {0, 0, kHealthWidth, kHealthHeight}, "System Health", "7010");
  for (size_t i = 0; i < kFrames.size(); ++i) AddCategoryFrame(*form, health, kFrames[i], i);

  ui::Control& shortcuts = (*form)["OSFrame"];
  ui::Control& drive_list =
      b.Add("ODrive", ControlKind::DriveList, &shortcuts, {120, 1200, 3015, 315});
  drive_list.SetItems(drives);
  if (selected_drive >= 0 && selected_drive < static_cast<int>(drives.size())) {
    drive_list.SetListIndex(selected_drive);
  }
  b.Add("label29", ControlKind::Label, &shortcuts, {120, 1680, 6015, 615});
  // Below the right column: the review before removal (off, so one click repairs as it
  // always did) and the list of entries kept, beside "Close".
  namespace phrase = language::phrase;
  b.Check("review", &health, {6555, 4140, 6300, 300}, std::string(phrase::kShowReview.english),
          std::string(phrase::kShowReview.key));
  b.Button("exclusions", &health, {9615, 4920, 1800, 375}, std::string(phrase::kExclusionsButton.english),
           std::string(phrase::kExclusionsButton.key));
  b.Add("Command1", ControlKind::CommandButton, &health, {11535, 4920, 1335, 375}, "Close", "1013");
  return form;
}

}  // namespace qb::cleaner
