#include "tweaks/display_resolution.h"

#include <algorithm>

#include "language/wording.h"
#include "platform/text.h"
#include "registry/registry_paths.h"

namespace qb::tweaks {

namespace {

const language::Phrase& RefusalText(long result) {
  switch (result) {
    case dispchange::kBadMode: return language::phrase::kDisplayBadMode;
    case dispchange::kRestart: return language::phrase::kDisplayRestart;
    case dispchange::kNotUpdated: return language::phrase::kDisplayNotUpdated;
    default: return language::phrase::kDisplayRefused;
  }
}

}  // namespace

std::optional<ScreenSize> ParseScreenSize(std::string_view text) {
  const std::string lower = text::ToLowerAscii(text);
  const auto x = lower.find('x');
  if (x == std::string::npos) return std::nullopt;
  // Pieces after a second "x" (a colour depth, say) are not part of the size.
  const auto end = lower.find('x', x + 1);
  const std::string_view all(lower);
  const auto width = registry::WholeNumber(all.substr(0, x));
  const auto height = registry::WholeNumber(
      all.substr(x + 1, end == std::string::npos ? std::string_view::npos : end - x - 1));
  if (!width || !height || *width <= 0 || *height <= 0 || *width > 100000 || *height > 100000) {
    return std::nullopt;
  }
  return ScreenSize{static_cast<int>(*width), static_cast<int>(*height)};
}

std::string SizeText(ScreenSize size) {
  return std::to_string(size.width) + "x" + std::to_string(size.height);
}

std::vector<std::string> OfferedSizes(DisplayModes& modes) {
  std::vector<ScreenSize> sizes;
  for (const auto& mode : modes.Modes()) {
    const ScreenSize size{mode.width, mode.height};
    if (size.width > 0 && size.height > 0 &&
        std::find(sizes.begin(), sizes.end(), size) == sizes.end()) {
      sizes.push_back(size);
    }
  }
  std::sort(sizes.begin(), sizes.end(), [](const ScreenSize& a, const ScreenSize& b) {
    return a.width != b.width ? a.width > b.width : a.height > b.height;
  });
  std::vector<std::string> texts;
  for (const auto& size : sizes) texts.push_back(SizeText(size));
  return texts;
}

bool ChangeScreenSize(const Services& services, const PageHooks& hooks, ScreenSize size) {
  const auto previous = services.display_modes.Current();
  if (previous && previous->width == size.width && previous->height == size.height) return true;
  const long changed = services.display_modes.ChangeSize(size.width, size.height);
  if (changed != dispchange::kSuccessful) {
    services.dialogs.ShowMessage(hooks.Owner(),
                                 language::Say(services, language::phrase::kResolutionNotChanged,
                                               {SizeText(size), language::Say(services, RefusalText(changed))}),
                                 {}, mb::kOk | mb::kIconExclamation);
    return false;
  }
  const int answer = services.dialogs.ShowTimedMessage(
      hooks.Owner(),
      language::Say(services, language::phrase::kKeepDisplay, {std::to_string(kKeepDisplayTimeoutMs / 1000)}),
      {}, mb::kYesNo | mb::kIconQuestion, kKeepDisplayTimeoutMs);
  if (answer == mb::kIdYes) return true;
  if (!previous) return false;
  // Left in the new size without a word, the user would take it for the old one kept.
  if (const long restored = services.display_modes.Restore(*previous); restored != dispchange::kSuccessful) {
    services.dialogs.ShowMessage(hooks.Owner(),
                                 language::Say(services, language::phrase::kDisplayNotRestored,
                                               {SizeText({previous->width, previous->height}),
                                                language::Say(services, RefusalText(restored))}),
                                 {}, mb::kOk | mb::kIconExclamation);
  }
  return false;
}

}  // namespace qb::tweaks
