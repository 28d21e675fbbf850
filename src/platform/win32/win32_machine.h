#pragma once
// The real machine: every Windows service, wired into one Services bundle. Only the
// program's entry point, the Windows tests and the benchmarks create one.
#include "platform/services.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_drive_formatter.h"
#include "platform/win32/win32_display_modes.h"
#include "platform/win32/win32_environment.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_fonts.h"
#include "platform/win32/win32_named_locks.h"
#include "platform/win32/win32_images.h"
#include "platform/win32/win32_power.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_profile.h"
#include "platform/win32/win32_recycle_bin.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_restore_points.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_shortcuts.h"
#include "platform/win32/win32_single_instance.h"
#include "platform/win32/win32_system_information.h"
#include "platform/win32/win32_system_colours.h"
#include "platform/win32/win32_system_parameters.h"

namespace qb::win32 {

class Win32Machine {
 public:
  Win32Machine() = default;
  Win32Machine(const Win32Machine&) = delete;
  Win32Machine& operator=(const Win32Machine&) = delete;

  Services services() {
    return Services{registry, profile, instance, environment, shell, dialogs, clock, files,
                    system_parameters, power, shortcuts, system, formatter,
                    images,
                    display_modes, system_colours, recycle_bin, fonts, processes, locks,
                    restore_points};
  }

  Win32Registry registry;
  Win32ProfileStore profile;
  Win32SingleInstance instance;
  Win32Environment environment;
  Win32Shell shell;
  Win32Dialogs dialogs;
  Win32Clock clock;
  Win32FileSystem files;
  Win32SystemParameters system_parameters;
  Win32Power power;
  Win32Shortcuts shortcuts;
  Win32SystemInformation system;
  Win32DriveFormatter formatter;
  Win32Images images;
  Win32DisplayModes display_modes;
  Win32SystemColours system_colours;
  Win32RecycleBin recycle_bin;
  Win32Fonts fonts;
  Win32Processes processes;
  Win32NamedLocks locks;
  Win32RestorePoints restore_points;
};

}  // namespace qb::win32
