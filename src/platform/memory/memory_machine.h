#pragma once
// A whole in-memory machine: every memory service, wired into one Services bundle. Tests
// and benchmarks start from one of these and shape it through the services' test controls.
#include "platform/memory/memory_display_modes.h"
#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_fonts.h"
#include "platform/memory/memory_images.h"
#include "platform/memory/memory_power.h"
#include "platform/memory/memory_processes.h"
#include "platform/memory/memory_profile.h"
#include "platform/memory/memory_recycle_bin.h"
#include "platform/memory/memory_registry.h"
#include "platform/memory/memory_restore_points.h"
#include "platform/memory/memory_services.h"
#include "platform/memory/memory_shortcuts.h"
#include "platform/memory/memory_system_information.h"
#include "platform/memory/memory_system_colours.h"
#include "platform/memory/memory_system_parameters.h"
#include "platform/services.h"

namespace qb {

class MemoryMachine {
 public:
  explicit MemoryMachine(MemoryRegistry::Options options = {}) : registry(options) {
    system_parameters.profile = &registry;
  }
  MemoryMachine(const MemoryMachine&) = delete;
  MemoryMachine& operator=(const MemoryMachine&) = delete;

  // One more process on this machine: shares everything but its own named-object claims.
  Services ServicesFor(MemorySingleInstance& instance) {
    return Services{registry, profile, instance, environment, shell, dialogs, clock, files,
                    system_parameters, power, shortcuts, system, formatter,
                    images,
                    display_modes, system_colours, recycle_bin, fonts, processes, locks,
                    restore_points};
  }
  Services services() { return ServicesFor(instance); }

  MemoryRegistry registry;
  MemoryProfileStore profile;
  MemoryNamedObjects named_objects;
  MemorySingleInstance instance{named_objects};
  MemoryEnvironment environment;
  MemoryShell shell;
  MemoryDialogs dialogs;
  MemoryClock clock;
  MemoryFileSystem files;
  MemorySystemParameters system_parameters;
  MemoryPower power;
  MemoryShortcuts shortcuts{files};
  MemorySystemInformation system;
  MemoryDriveFormatter formatter;
  MemoryImages images{files};
  MemoryDisplayModes display_modes;
  MemorySystemColours system_colours;
  MemoryRecycleBin recycle_bin;
  MemoryFonts fonts{files};
  MemoryProcesses processes;
  MemoryNamedLocks locks;
  MemoryRestorePoints restore_points;
};

}  // namespace qb
