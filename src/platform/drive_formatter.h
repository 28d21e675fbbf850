#pragma once
// The system's own format dialog for one drive.
#include "platform/shell.h"

namespace qb {

class DriveFormatter {
 public:
  virtual ~DriveFormatter() = default;
  // Shows the dialog modally over the owner for drive index 0 (A:) .. 25 (Z:), with the
  // default capacity and options; returns once the user has closed it. The outcome is the
  // dialog's own business: it reports success and failure to the user itself.
  virtual void ShowFormatDialog(WindowHandle owner, int drive_index) = 0;
};

}  // namespace qb
