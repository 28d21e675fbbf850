#pragma once
// What a tweak page needs from the window that hosts it, beyond the form model itself.
#include <functional>

#include "platform/shell.h"

namespace qb::tweaks {

struct PageHooks {
  // The window that owns the page's message boxes; none gives unowned boxes.
  std::function<WindowHandle()> owner;
  // Draws the window's controls again with its skin, after the page reset some of them.
  std::function<void()> reskin;

  WindowHandle Owner() const { return owner ? owner() : 0; }
};

}  // namespace qb::tweaks
