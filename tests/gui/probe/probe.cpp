// Drives a running program's windows from outside, through window messages only, for the
// GUI scripts: find a top-level window by its title, find a control in it by its text,
// click it, read texts and visibility, close the window. "demo" shows a demonstration
// window of the view instead.
//
//   qb_gui_probe wait <title> [seconds]        exit 0 once a visible window has the title
//   qb_gui_probe gone <title> [seconds]        exit 0 once no window has the title
//   qb_gui_probe list <title>                  prints the window's controls
//   qb_gui_probe click <title> <text> [class] [within]  clicks the control with that text
//   qb_gui_probe visible <title> <text> [class] [within] prints visible/hidden; exit 0/1, 2 if absent
//   (within: the text of a frame holding the control, where several controls share a text;
//   an empty class matches any)
//   qb_gui_probe close <title>                 asks the window to close (WM_CLOSE)
//   qb_gui_probe message <title> [seconds]     waits for a message box with that title,
//                                              prints its text and presses its first button
//   qb_gui_probe demo [plain] [dpi]            shows the demonstration window
//   qb_gui_probe file <title> <path> [seconds] waits for a file dialog with that title, types
//                                              the path as the file name and presses OK
//   qb_gui_probe system                        prints the mouse speed and font smoothing as
//                                              SystemParametersInfo reads them
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

int RunDemo(bool skinned, int dpi);

namespace {

// WM_GETTEXT rather than GetWindowText, which does not ask a control of another process.
std::wstring TextOf(HWND window) {
  wchar_t text[512] = {};
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                      &copied);
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[128] = {};
  GetClassNameW(window, name, 128);
  return name;
}

// "&Explorer" and "Check && Repair" as the user reads them: "Explorer", "Check & Repair".
std::wstring Shown(const std::wstring& text) {
  std::wstring shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'&' && i + 1 < text.size()) ++i;
    shown += text[i];
  }
  return shown;
}

bool SameText(const std::wstring& window_text, const std::wstring& wanted) {
  return window_text == wanted || Shown(window_text) == wanted || Shown(window_text) == Shown(wanted);
}

// A visible top-level window with the title, and of the class when one is named.
struct TopLevelSearch {
  const std::wstring& title;
  const wchar_t* class_name;
  HWND found = nullptr;
};

// Named rather than a lambda: a 32-bit callback has to be stdcall.
BOOL CALLBACK MatchTopLevel(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<TopLevelSearch*>(data);
  if (IsWindowVisible(window) && (!search->class_name || ClassOf(window) == search->class_name) &&
      TextOf(window) == search->title) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindTopLevel(const std::wstring& title, const wchar_t* class_name = nullptr) {
  TopLevelSearch search{title, class_name};
  EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM data) {
  reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
  return TRUE;
}

std::vector<HWND> Descendants(HWND top) {
  std::vector<HWND> all;
  EnumChildWindows(top, CollectWindow, reinterpret_cast<LPARAM>(&all));
  return all;
}

HWND FindControl(HWND top, const std::wstring& text, const std::wstring& class_name) {
  for (HWND window : Descendants(top)) {
    if (!SameText(TextOf(window), text)) continue;
    if (!class_name.empty() && _wcsicmp(ClassOf(window).c_str(), class_name.c_str()) != 0) continue;
    return window;
  }
  return nullptr;
}

bool WaitFor(bool want_present, const std::wstring& title, int seconds) {
  for (int tenth = 0; tenth <= seconds * 10; ++tenth) {
    if ((FindTopLevel(title) != nullptr) == want_present) return true;
    Sleep(100);
  }
  return false;
}

void List(HWND top) {
  std::wprintf(L"%ls \"%ls\" %ls\n", ClassOf(top).c_str(), TextOf(top).c_str(),
               IsWindowVisible(top) ? L"visible" : L"hidden");
  for (HWND window : Descendants(top)) {
    int depth = 0;
    for (HWND parent = GetParent(window); parent && parent != top; parent = GetParent(parent)) ++depth;
    RECT rect{};
    GetWindowRect(window, &rect);
    std::wprintf(L"%*ls%ls \"%ls\" %ls %ldx%ld\n", 2 * (depth + 1), L"", ClassOf(window).c_str(),
                 TextOf(window).c_str(), IsWindowVisible(window) ? L"visible" : L"hidden",
                 rect.right - rect.left, rect.bottom - rect.top);
  }
}

// A real click: the button goes down and up in its middle. Posted, so a click that opens a
// modal window does not hold the probe.
void Click(HWND control) {
  RECT rect{};
  GetClientRect(control, &rect);
  const LPARAM middle = MAKELPARAM(rect.right / 2, rect.bottom / 2);
  PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, middle);
  PostMessageW(control, WM_LBUTTONUP, 0, middle);
}

// A message box: a dialog whose caption is title, with a static text.
HWND FindMessageBox(const std::wstring& title) { return FindTopLevel(title, L"#32770"); }

int AnswerMessage(const std::wstring& title, int seconds) {
  for (int tenth = 0; tenth <= seconds * 10; ++tenth) {
    if (HWND box = FindMessageBox(title)) {
      for (HWND child : Descendants(box)) {
        if (ClassOf(child) == L"Static" && !TextOf(child).empty()) std::wprintf(L"%ls\n", TextOf(child).c_str());
      }
      for (HWND child : Descendants(box)) {
        if (ClassOf(child) == L"Button") {
          PostMessageW(box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(child), BN_CLICKED), reinterpret_cast<LPARAM>(child));
          return 0;
        }
      }
      return 0;
    }
    Sleep(100);
  }
  std::fwprintf(stderr, L"no message box titled \"%ls\"\n", title.c_str());
  return 1;
}

// A file dialog: the file name goes into its first edit box (the one of its name box), as
// typed, and OK takes it as Enter would.
int AnswerFileDialog(const std::wstring& title, const wchar_t* path, int seconds) {
  for (int tenth = 0; tenth <= seconds * 10; ++tenth) {
    if (HWND box = FindMessageBox(title)) {
      for (HWND child : Descendants(box)) {
        if (ClassOf(child) != L"Edit") continue;
        SendMessageW(child, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path));
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return 0;
      }
      std::fwprintf(stderr, L"the dialog \"%ls\" has no edit box\n", title.c_str());
      return 1;
    }
    Sleep(100);
  }
  std::fwprintf(stderr, L"no file dialog titled \"%ls\"\n", title.c_str());
  return 1;
}

int Usage() {
  std::fwprintf(stderr, L"usage: qb_gui_probe wait|gone|list|click|visible|close|focus|message|file|demo|system ...\n");
  return 64;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return Usage();
  const std::wstring command = argv[1];
  if (command == L"demo") {
    const bool plain = argc > 2 && std::wstring(argv[2]) == L"plain";
    const int dpi = argc > 3 ? _wtoi(argv[3]) : 0;
    return RunDemo(!plain, dpi);
  }
  if (command == L"system") {
    int speed = 0;
    BOOL smoothing = FALSE;
    if (!SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0) ||
        !SystemParametersInfoW(SPI_GETFONTSMOOTHING, 0, &smoothing, 0)) {
      return 1;
    }
    std::wprintf(L"mouse-speed %d\nfont-smoothing %d\n", speed, smoothing ? 1 : 0);
    return 0;
  }
  if (argc < 3) return Usage();
  const std::wstring title = argv[2];
  const int seconds = argc > 3 ? _wtoi(argv[3]) : 30;
  if (command == L"wait") return WaitFor(true, title, seconds) ? 0 : 1;
  if (command == L"gone") return WaitFor(false, title, seconds) ? 0 : 1;
  if (command == L"message") return AnswerMessage(title, seconds);
  if (command == L"file") return argc > 3 ? AnswerFileDialog(title, argv[3], argc > 4 ? _wtoi(argv[4]) : 30) : Usage();

  HWND top = FindTopLevel(title);
  if (!top) {
    std::fwprintf(stderr, L"no window titled \"%ls\"\n", title.c_str());
    return 2;
  }
  if (command == L"list") {
    List(top);
    return 0;
  }
  if (command == L"close") {
    PostMessageW(top, WM_CLOSE, 0, 0);
    return 0;
  }
  if (command == L"focus") {
    // The control with the keyboard focus in the window's thread, as a screen reader asks.
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &info) || !info.hwndFocus) return 1;
    std::wprintf(L"%ls \"%ls\"\n", ClassOf(info.hwndFocus).c_str(), TextOf(info.hwndFocus).c_str());
    return 0;
  }
  if (argc < 4) return Usage();
  const std::wstring class_name = argc > 4 ? argv[4] : L"";
  if (argc > 5) {
    top = FindControl(top, argv[5], L"");
    if (!top) {
      std::fwprintf(stderr, L"no control \"%ls\" in \"%ls\"\n", argv[5], title.c_str());
      return 2;
    }
  }
  HWND control = FindControl(top, argv[3], class_name);
  if (!control) {
    std::fwprintf(stderr, L"no control \"%ls\" in \"%ls\"\n", argv[3], title.c_str());
    return 2;
  }
  if (command == L"click") {
    Click(control);
    return 0;
  }
  if (command == L"visible") {
    const bool visible = IsWindowVisible(control);
    std::wprintf(L"%ls\n", visible ? L"visible" : L"hidden");
    return visible ? 0 : 1;
  }
  return Usage();
}
