#pragma once
// The modes of the primary display and switching between them for the running session.
#include <optional>
#include <vector>

namespace qb {

struct DisplayMode {
  int width = 0;   // pixels
  int height = 0;
  int bits_per_pixel = 0;
  int frequency = 0;  // Hz; 0 or 1 for the hardware's default

  bool operator==(const DisplayMode&) const = default;
};

// Results of a mode change, with the system's values (DISP_CHANGE_*).
namespace dispchange {
constexpr long kSuccessful = 0;
constexpr long kRestart = 1;
constexpr long kFailed = -1;
constexpr long kBadMode = -2;
constexpr long kNotUpdated = -3;
constexpr long kBadFlags = -4;
constexpr long kBadParam = -5;
}  // namespace dispchange

class DisplayModes {
 public:
  virtual ~DisplayModes() = default;
  // Every mode the primary display offers, in the system's order.
  virtual std::vector<DisplayMode> Modes() = 0;
  // The mode the primary display shows now; none when the system cannot say.
  virtual std::optional<DisplayMode> Current() = 0;
  // Switches the primary display to width x height for this session only (nothing is
  // stored as the permanent setting); depth and refresh rate stay as they are.
  virtual long ChangeSize(int width, int height) = 0;
  // Switches the primary display back to exactly this mode, for this session only.
  virtual long Restore(const DisplayMode& mode) = 0;
};

}  // namespace qb
