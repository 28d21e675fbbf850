#pragma once
// The machine as the program's logic sees it. The entry point wires the real services in;
// tests wire the in-memory machine. Adding a service is one interface file and one member.
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/drive_formatter.h"
#include "platform/display_modes.h"
#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/fonts.h"
#include "platform/images.h"
#include "platform/named_locks.h"
#include "platform/power.h"
#include "platform/processes.h"
#include "platform/profile.h"
#include "platform/recycle_bin.h"
#include "platform/registry.h"
#include "platform/restore_points.h"
#include "platform/shell.h"
#include "platform/shortcuts.h"
#include "platform/single_instance.h"
#include "platform/system_information.h"
#include "platform/system_colours.h"
#include "platform/system_parameters.h"

namespace qb {

struct Services {
  Registry& registry;
  ProfileStore& profile;
  SingleInstance& instance;
  Environment& environment;
  Shell& shell;
  Dialogs& dialogs;
  Clock& clock;
  FileSystem& files;
  SystemParameters& system_parameters;
  Power& power;
  Shortcuts& shortcuts;
  SystemInformation& system;
  DriveFormatter& formatter;
  Images& images;
  DisplayModes& display_modes;
  SystemColours& system_colours;
  RecycleBin& recycle_bin;
  Fonts& fonts;
  Processes& processes;
  NamedLocks& locks;
  RestorePoints& restore_points;
};

}  // namespace qb
