#pragma once
// A services bundle that is another one with some members put in by the test: the program's
// code runs on one machine with the real registry, files or dialogs where a test needs them.
// Every member is named here once, so a new service changes one place.
#include "platform/services.h"

namespace qb::test_support {

struct Replacements {
  Registry* registry = nullptr;
  Environment* environment = nullptr;
  Dialogs* dialogs = nullptr;
  FileSystem* files = nullptr;
  SystemParameters* system_parameters = nullptr;
  Shortcuts* shortcuts = nullptr;
  Images* images = nullptr;
  DisplayModes* display_modes = nullptr;
  Power* power = nullptr;
};

inline Services ServicesWith(const Services& base, const Replacements& put) {
  const auto pick = [](auto* replacement, auto& original) -> auto& {
    return replacement ? *replacement : original;
  };
  return Services{pick(put.registry, base.registry), base.profile, base.instance,
                  pick(put.environment, base.environment), base.shell,
                  pick(put.dialogs, base.dialogs), base.clock, pick(put.files, base.files),
                  pick(put.system_parameters, base.system_parameters), pick(put.power, base.power),
                  pick(put.shortcuts, base.shortcuts), base.system, base.formatter,
                  pick(put.images, base.images), pick(put.display_modes, base.display_modes),
                  base.system_colours, base.recycle_bin, base.fonts, base.processes,
                  base.locks, base.restore_points};
}

}  // namespace qb::test_support
