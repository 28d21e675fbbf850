#pragma once
#include "platform/drive_formatter.h"

namespace qb::win32 {

class Win32DriveFormatter : public DriveFormatter {
 public:
  FormatOutcome ShowFormatDialog(WindowHandle owner, int drive_index) override;
};

}  // namespace qb::win32
