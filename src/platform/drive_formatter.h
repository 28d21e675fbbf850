#pragma once
// The system's own format dialog for one drive.
#include "platform/shell.h"

namespace qb {

// How the format dialog ended, as it reports it.
enum class FormatOutcome {
  Formatted,     // at least one format finished
  Cancelled,     // the user closed it without formatting
  Failed,        // a format failed or was not finished
  CannotFormat,  // the drive cannot be formatted (the system drive, one in use)
};

class DriveFormatter {
 public:
  virtual ~DriveFormatter() = default;
  // Shows the dialog modally over the owner for drive index 0 (A:) .. 25 (Z:), with the
  // default capacity and options; returns once the user has closed it.
  virtual FormatOutcome ShowFormatDialog(WindowHandle owner, int drive_index) = 0;
};

}  // namespace qb
