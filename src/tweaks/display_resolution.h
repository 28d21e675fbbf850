#pragma once
// The screen size of the primary display: the sizes it offers, and a change that the user
// confirms or that goes back by itself, as the system's own display settings do.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"
#include "tweaks/page_hooks.h"

namespace qb::tweaks {

inline constexpr unsigned kKeepDisplayTimeoutMs = 15000;

struct ScreenSize {
  int width = 0;
  int height = 0;
  bool operator==(const ScreenSize&) const = default;
};

// "1024x768" (blanks allowed, "X" too) as a size; none for anything else.
std::optional<ScreenSize> ParseScreenSize(std::string_view text);
std::string SizeText(ScreenSize size);
// Every width x height the display offers, once each, largest first.
std::vector<std::string> OfferedSizes(DisplayModes& modes);

// Switches to the size for this session and asks whether to keep it; without a Yes within
// the time the question allows, the previous mode comes back. Tells the user plainly when
// the display refuses the size. True when the new size stays.
bool ChangeScreenSize(const Services& services, const PageHooks& hooks, ScreenSize size);

}  // namespace qb::tweaks
