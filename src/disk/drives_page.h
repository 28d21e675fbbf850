#pragma once
// The Drives page: the drive list, the chosen drive's type, size, free and used space with
// their shares and bars, and the Format and Defragment buttons.
#include <functional>
#include <string>

#include "platform/services.h"
#include "ui/form.h"

namespace qb::disk {

// The system's drive type as the page names it, in the chosen language; empty for types the
// page has no name for.
std::string DriveTypeText(const Services& services, DriveType type);

// Drive index for the format dialog from the first character of a drive-list entry:
// "a" .. "z" (either case) give 0 .. 25, anything else -1.
int FormatDriveIndex(std::string_view entry);

// Which of the drive roots the list starts on: C: when present, else the first.
int StartingDrive(const std::vector<std::string>& entries);

class DrivesPage {
 public:
  // owner: the main window's handle, for the dialogs this page shows.
  DrivesPage(ui::Form& form, const Services& services, std::function<WindowHandle()> owner);

  // Start-up: lists the drives, selects C: and fills the facts without the Explorer-button
  // rule and without asking for a medium.
  void FillAtLoad();
  // The facts of the selected drive, as on every change of the selection.
  void Refresh();
  // The drive type again, in the language chosen since.
  void ShowTypeText();
  void Format();
  void Defragment();

 private:
  enum class Mode { Load, Full };
  void Fill(Mode mode);
  void ZeroFacts();
  std::string SelectedDrive() const;

  ui::Form& form_;
  Services services_;
  std::function<WindowHandle()> owner_;
  bool listing_ = false;  // the list is being filled; its selection events are not the user's
};

}  // namespace qb::disk
