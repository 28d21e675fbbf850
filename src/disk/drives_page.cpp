#include "disk/drives_page.h"

#include <cmath>

#include "disk/defragmenter.h"
#include "disk/size_text.h"
#include "language/numbers.h"
#include "language/wording.h"
#include "platform/windows_version.h"
#include "platform/text.h"

namespace qb::disk {

namespace {

struct NoMedium {
  DriveType type;
  const language::Phrase& text;
  const language::Phrase& title;
};
constexpr NoMedium kNoMediumMessages[] = {
    {DriveType::Removable, language::phrase::kNoDisk, language::phrase::kInsertDisk},
    {DriveType::CdRom, language::phrase::kNoCd, language::phrase::kInsertCd},
};

// A byte count as the page writes it, in the user's language.
std::string ShownSize(const Services& services, double bytes) {
  const SizeParts size = SizeIn(bytes);
  return language::ShownSize(services, size.number, size.unit, language::phrase::kDriveBytes);
}

int Percent(double ratio) { return static_cast<int>(std::nearbyint(ratio * 100)); }

// "C:\" -> "c:", the form the drive list shows.
std::string ListEntry(const std::string& root) {
  return text::ToLowerAscii(root.substr(0, 2));
}

}  // namespace

std::string DriveTypeText(const Services& services, DriveType type) {
  switch (type) {
    case DriveType::Removable: return language::Say(services, language::phrase::kFloppyDrive);
    case DriveType::Fixed: return language::Say(services, language::phrase::kFixedDrive);
    case DriveType::CdRom: return language::Say(services, language::phrase::kCdRomDrive);
    default: return {};
  }
}

int FormatDriveIndex(std::string_view entry) {
  if (entry.empty()) return -1;
  const char letter = static_cast<char>(text::ToLowerAscii(std::string(1, entry[0]))[0]);
  return letter >= 'a' && letter <= 'z' ? letter - 'a' : -1;
}

int StartingDrive(const std::vector<std::string>& entries) {
  for (size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].starts_with("c:")) return static_cast<int>(i);
  }
  return entries.empty() ? -1 : 0;
}

DrivesPage::DrivesPage(ui::Form& form, const Services& services,
                       std::function<WindowHandle()> owner)
    : form_(form), services_(services), owner_(std::move(owner)) {
  form_["Drive1"].on_click = [this] {
    if (!listing_) Refresh();
  };
  form_["formatcmd"].on_click = [this] { Format(); };
  form_["defragmentcmd"].on_click = [this] { Defragment(); };
}

void DrivesPage::FillAtLoad() {
  ui::Control& list = form_["Drive1"];
  std::vector<std::string> entries;
  for (const auto& root : services_.files.DriveRoots()) {
    if (root.size() >= 2 && root[1] == ':') entries.push_back(ListEntry(root));
  }
  listing_ = true;
  list.SetItems(entries);
  list.SetListIndex(StartingDrive(entries));
  listing_ = false;
  Fill(Mode::Load);
}

void DrivesPage::Refresh() { Fill(Mode::Full); }

void DrivesPage::ShowTypeText() {
  const std::string drive = SelectedDrive();
  if (drive.empty()) return;
  const std::string name = DriveTypeText(services_, services_.files.GetDriveType(drive + "\\"));
  if (!name.empty()) form_["typelbl"].SetCaption(name);
}

std::string DrivesPage::SelectedDrive() const {
  const std::string& entry = form_["Drive1"].Text();
  return entry.size() >= 2 && entry[1] == ':' ? entry.substr(0, 2) : std::string();
}

void DrivesPage::Fill(Mode mode) {
  const std::string drive = SelectedDrive();
  if (drive.empty()) return;
  const std::string root = drive + "\\";
  const DriveType type = services_.files.GetDriveType(root);
  ui::Control& type_label = form_["typelbl"];
  // A type the page has no name for (network, RAM disk) keeps the text of the last drive.
  if (const std::string name = DriveTypeText(services_, type); !name.empty()) type_label.SetCaption(name);
  if (mode == Mode::Full) {
    form_["Command1"].SetEnabled(type_label.Caption() == DriveTypeText(services_, DriveType::Fixed));
  }

  // A drive without a medium answers with an error; its figures then read as nothing.
  uint64_t total_bytes = 0, free_bytes = 0;
  if (services_.files.DiskSpace(root, total_bytes, free_bytes) != status::kOk) {
    total_bytes = free_bytes = 0;
  }
  const double total = static_cast<double>(total_bytes);
  const double free = static_cast<double>(free_bytes);
  form_["lblTotal"].SetCaption(ShownSize(services_, total));
  form_["lblFree"].SetCaption(ShownSize(services_, free));
  form_["lblUsed"].SetCaption(ShownSize(services_, total - free));
  if (total <= 0) {
    if (mode == Mode::Load) return;
    for (const auto& message : kNoMediumMessages) {
      if (message.type != type) continue;
      ZeroFacts();
      services_.dialogs.ShowMessage(owner_(), language::Say(services_, message.text),
                                    language::Say(services_, message.title),
                                    mb::kOk | mb::kIconStop);
    }
    return;
  }
  form_["lblPercentFree"].SetCaption(language::ShownNumber(services_, PercentNumber(free / total)) + "%");
  form_["lblPercentUsed"].SetCaption(language::ShownNumber(services_, PercentNumber((total - free) / total)) + "%");
  form_["usedbar"].SetValue(Percent((total - free) / total));
  form_["freebar"].SetValue(Percent(free / total));
}

void DrivesPage::ZeroFacts() {
  for (const char* label : {"lblTotal", "lblFree", "lblUsed", "lblPercentFree", "lblPercentUsed"}) {
    form_[label].SetCaption("0");
  }
  form_["usedbar"].SetValue(0);
  form_["freebar"].SetValue(0);
}

void DrivesPage::Format() {
  const int index = FormatDriveIndex(form_["Drive1"].Text());
  if (index < 0) return;
  const FormatOutcome outcome = services_.formatter.ShowFormatDialog(owner_(), index);
  const std::string drive = std::string(1, static_cast<char>('A' + index)) + ":";
  std::string text;
  if (outcome == FormatOutcome::Failed) {
    text = language::Say(services_, language::phrase::kNotFormatted, {drive});
  } else if (outcome == FormatOutcome::CannotFormat) {
    text = language::Say(services_, language::phrase::kCannotFormat, {drive});
  }
  // A cancel is the user's own choice, and a finished format the dialog has shown itself.
  if (!text.empty()) {
    services_.dialogs.ShowMessage(owner_(), text, kDefaultMessageTitle, mb::kOk | mb::kIconExclamation);
  }
}

void DrivesPage::Defragment() {
  const std::string version = GetWindowsVersion(services_.system, services_.dialogs,
                                                language::Say(services_, language::phrase::kVersionUnknown));
  const auto candidates =
      DefragmenterCandidates(version, services_.environment.WindowsFolder());
  std::string reason = language::Say(services_, language::phrase::kDefragmenterNotFound);
  for (const auto& program : candidates) {
    uint32_t attributes = 0;
    if (services_.files.GetAttributes(program.file, attributes) != status::kOk ||
        (attributes & fileattr::kDirectory)) {
      continue;
    }
    const intptr_t result = services_.shell.Execute({.owner = owner_(),
                                                     .verb = "open",
                                                     .file = program.file,
                                                     .parameters = program.parameters,
                                                     .directory = "",
                                                     .show = showmode::kMinimized});
    if (result > 32) return;
    reason = language::Say(services_, language::phrase::kFailureReason,
                           {program.file, services_.environment.ErrorText(ShellFailure(result))});
    // Refused, or the user said no to running it as an administrator: the next program
    // would be refused the same way, or started without the tool it opens.
    if (ShellFailure(result) == status::kAccessDenied) break;
  }
  services_.dialogs.ShowMessage(owner_(), language::Say(services_, language::phrase::kDefragmenterNotStarted, {reason}),
                                kDefaultMessageTitle, mb::kOk | mb::kIconExclamation);
}

}  // namespace qb::disk
