#include "platform/win32/win32_dialogs.h"

#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#include <vector>

#include "platform/win32/scoped.h"
#include "platform/win32/timed_message_box.h"
#include "platform/win32/wide.h"

namespace qb::win32 {

namespace {

HWND Owner(WindowHandle owner) { return reinterpret_cast<HWND>(owner); }

// The dialog's filter holds its pairs separated by NULs and ends with two.
std::wstring FilterText(std::string_view filter) {
  std::wstring text = Wide(filter);
  for (auto& c : text) {
    if (c == L'|') c = L'\0';
  }
  text.append(2, L'\0');
  return text;
}

// An item list the shell allocated, freed with the shell's allocator.
class ScopedItemList {
 public:
  explicit ScopedItemList(PIDLIST_ABSOLUTE list) : list_(list) {}
  ScopedItemList(const ScopedItemList&) = delete;
  ScopedItemList& operator=(const ScopedItemList&) = delete;
  ~ScopedItemList() { CoTaskMemFree(list_); }
  PIDLIST_ABSOLUTE Get() const { return list_; }

 private:
  PIDLIST_ABSOLUTE list_;
};

// The common dialog library is loaded for the one dialog asked for, not with the program: it
// brings the printing system along, several megabytes that a start-up would pay for dialogs
// most runs never open.
class CommonDialogs {
 public:
  CommonDialogs() : library_(LoadLibraryW(L"comdlg32.dll")) {}
  template <typename Function>
  Function* Get(const char* name) const {
    return library_ ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(library_.Get(), name)))
                    : nullptr;
  }

 private:
  ScopedLibrary library_;
};

}  // namespace

int Win32Dialogs::ShowMessage(WindowHandle owner, std::string_view text, std::string_view title,
                             unsigned style) {
  return MessageBoxW(Owner(owner), Wide(text).c_str(),
                     Wide(title.empty() ? kDefaultMessageTitle : title).c_str(), style);
}

namespace {

bool ChooseFile(WindowHandle owner, const FileChoice& choice, std::string& path, bool save) {
  const std::wstring filter = FilterText(choice.filter);
  const std::wstring title = Wide(choice.title);
  const std::wstring folder = Wide(choice.initial_folder);
  // Long enough for any path the system accepts.
  std::vector<wchar_t> file(32768, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = Owner(owner);
  dialog.lpstrFilter = choice.filter.empty() ? nullptr : filter.c_str();
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  // The program's current folder stays where it was: relative names elsewhere keep meaning.
  dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER |
                 (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  const CommonDialogs dialogs;
  const auto open = dialogs.Get<decltype(GetOpenFileNameW)>(save ? "GetSaveFileNameW" : "GetOpenFileNameW");
  if (!open || !open(&dialog)) return false;
  path = Narrow(file.data());
  return true;
}

}  // namespace

bool Win32Dialogs::ChooseOpenFile(WindowHandle owner, const FileChoice& choice, std::string& path) {
  return ChooseFile(owner, choice, path, false);
}

bool Win32Dialogs::ChooseSaveFile(WindowHandle owner, const FileChoice& choice, std::string& path) {
  return ChooseFile(owner, choice, path, true);
}

bool Win32Dialogs::ChooseFolder(WindowHandle owner, std::string_view title, std::string& path) {
  const std::wstring caption = Wide(title);
  BROWSEINFOW browse{};
  browse.hwndOwner = Owner(owner);
  browse.lpszTitle = caption.c_str();
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  const ScopedItemList chosen(SHBrowseForFolderW(&browse));
  if (!chosen.Get()) return false;
  std::vector<wchar_t> folder(32768, L'\0');
  if (!SHGetPathFromIDListEx(chosen.Get(), folder.data(), static_cast<DWORD>(folder.size()),
                             GPFIDL_DEFAULT)) {
    return false;  // a virtual folder (Control Panel, a printer) has no path
  }
  path = Narrow(folder.data());
  return true;
}

bool Win32Dialogs::ChooseColour(WindowHandle owner, uint32_t& colour) {
  COLORREF custom[16];
  for (auto& c : custom) c = RGB(255, 255, 255);
  CHOOSECOLORW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = Owner(owner);
  dialog.rgbResult = colour;
  dialog.lpCustColors = custom;
  dialog.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
  const CommonDialogs dialogs;
  const auto choose = dialogs.Get<decltype(ChooseColorW)>("ChooseColorW");
  if (!choose || !choose(&dialog)) return false;
  colour = dialog.rgbResult;
  return true;
}

int Win32Dialogs::ShowTimedMessage(WindowHandle owner, std::string_view text,
                                   std::string_view title, unsigned style,
                                   unsigned timeout_ms) {
  return TimedMessageBox(reinterpret_cast<HWND>(owner), Wide(text),
                         Wide(title.empty() ? kDefaultMessageTitle : title), style, timeout_ms);
}

}  // namespace qb::win32
