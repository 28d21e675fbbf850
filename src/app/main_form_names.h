#pragma once
// Names and sizes of the main window that the shell's logic refers to.
#include <array>
#include <string_view>

namespace qb::app {

inline constexpr int kMainWidth = 9720;
inline constexpr int kMainHeight = 6390;          // twips, at start
inline constexpr int kMainHeightExpanded = 8745;  // after "CPU && Memory"

// The seven content frames that share the page area; exactly one is shown at a time.
inline constexpr std::array<std::string_view, 7> kContentFrames = {
    "EXPFrame", "SIFrame", "VisualFrame", "drivesframe", "Inputframe", "langFrame", "SMframe"};

// Frames without a language key of their own, captioned by code from these keys.
struct CodedCaption {
  std::string_view control;
  std::string_view key;
};
inline constexpr std::array<CodedCaption, 3> kCodedFrameCaptions = {
    {{"SMframe", "7000"}, {"drivesframe", "7001"}, {"Inputframe", "7008"}}};

// Tab strips whose tab captions come from these keys, one per tab in order.
struct CodedTabs {
  std::string_view control;
  std::array<std::string_view, 3> keys;  // an empty key: no such tab
};
inline constexpr std::array<CodedTabs, 2> kCodedTabCaptions = {
    {{"TabStrip1", {"8002", "8003", "8004"}}, {"ExpTab", {"7016", "4002", ""}}}};

}  // namespace qb::app
