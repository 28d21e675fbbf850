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

  // Handles the waiting window messages during a long step; false once the program closes.
  std::function<bool()> do_events;

  WindowHandle Owner() const { return owner ? owner() : 0; }
  bool DoEvents() const { return do_events ? do_events() : true; }
};

}  // namespace qb::tweaks
