// The second reference of the start-up benchmark: the 27 child windows of Quill Box's first
// picture made the plainest way. The same common controls (version 6, through the same kind
// of manifest) and window classes in about the same places: nine navigation buttons, three
// check boxes, six push buttons (one hidden), a drop-down list, a tab strip, four panels
// holding controls, a picture, a caption and a hidden label. The system draws them in its own
// font; there is no skin, model, translation or service behind them. What Quill Box takes
// beyond this program is its own; what this program takes beyond the plain window is the
// cost of the windows themselves.
#include <windows.h>
#include <commctrl.h>

#include <cwchar>

namespace {

constexpr wchar_t kPanelClass[] = L"QbReferencePanel";

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

struct Child {
  const wchar_t* window_class;
  const wchar_t* text;
  DWORD style;
  int parent;  // index of the panel it stands in, or -1 for the main window
  RECT place;  // left, top, width, height
  bool shown = true;
};

// The panels come first; the controls are made last to first, as Quill Box makes them.
const Child kChildren[] = {
    {kPanelClass, L"", 0, -1, {8, 38, 136, 372}},
    {kPanelClass, L"", 0, -1, {160, 38, 480, 372}},
    {kPanelClass, L"", 0, 1, {8, 48, 464, 316}},
    {kPanelClass, L"", 0, 2, {236, 12, 204, 180}},
    {L"BUTTON", L"System", BS_PUSHBUTTON | WS_TABSTOP, 0, {4, 4, 128, 26}},
    {L"BUTTON", L"Explorer", BS_PUSHBUTTON | WS_TABSTOP, 0, {10, 56, 116, 24}},
    {L"BUTTON", L"System info", BS_PUSHBUTTON | WS_TABSTOP, 0, {10, 88, 116, 24}},
    {L"BUTTON", L"System Health", BS_PUSHBUTTON | WS_TABSTOP, 0, {10, 120, 116, 24}},
    {L"BUTTON", L"Visual", BS_PUSHBUTTON | WS_TABSTOP, 0, {10, 152, 116, 24}},
    {L"BUTTON", L"Drives", BS_PUSHBUTTON | WS_TABSTOP, 0, {10, 184, 116, 24}},
    {L"BUTTON", L"Input", BS_PUSHBUTTON | WS_TABSTOP, 0, {10, 216, 116, 24}},
    {L"BUTTON", L"Language", BS_PUSHBUTTON | WS_TABSTOP, 0, {10, 248, 116, 24}},
    {L"BUTTON", L"CPU && Memory", BS_PUSHBUTTON | WS_TABSTOP, 0, {4, 282, 128, 26}},
    {WC_TABCONTROLW, L"", WS_TABSTOP, 1, {8, 18, 464, 24}},
    {L"BUTTON", L"Font Smoothing", BS_AUTOCHECKBOX | WS_TABSTOP, 2, {24, 20, 180, 20}},
    {L"BUTTON", L"Change resolution", BS_AUTOCHECKBOX | WS_TABSTOP, 2, {24, 48, 180, 20}},
    {L"COMBOBOX", L"", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP | WS_DISABLED, 2,
     {40, 72, 168, 200}},
    {L"BUTTON", L"Change windows wallpaper", BS_AUTOCHECKBOX | WS_TABSTOP, 2, {24, 104, 200, 20}},
    {L"BUTTON", L"...", BS_PUSHBUTTON | WS_TABSTOP, 2, {40, 128, 38, 22}},
    {L"STATIC", L"Desktop background", SS_LEFT, 3, {8, 0, 180, 16}},
    {L"STATIC", L"", SS_BLACKRECT, 3, {14, 24, 166, 134}},
    {L"STATIC", L"Resolution", SS_LEFT, 2, {0, 0, 4, 4}, false},
    {L"BUTTON", L"Fonts", BS_PUSHBUTTON | WS_TABSTOP, 2, {30, 284, 86, 24}},
    {L"BUTTON", L"System Colors", BS_PUSHBUTTON | WS_TABSTOP, 2, {138, 284, 86, 24}},
    {L"BUTTON", L"Icons", BS_PUSHBUTTON | WS_TABSTOP, 2, {246, 284, 86, 24}},
    {L"BUTTON", L"Apply", BS_PUSHBUTTON | WS_TABSTOP, 2, {354, 284, 86, 24}},
    {L"BUTTON", L"", BS_PUSHBUTTON, 2, {0, 0, 1, 1}, false},
};
constexpr int kPanels = 4;

// The tab strip's three tabs, a display's worth of resolutions, the first box checked.
void Fill(HWND made, const Child& child) {
  if (std::wcscmp(child.window_class, WC_TABCONTROLW) == 0) {
    const wchar_t* names[] = {L"Visual Options", L"Start Menu", L"Desktop"};
    for (int index = 0; index < 3; ++index) {
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = const_cast<wchar_t*>(names[index]);
      SendMessageW(made, TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
    }
  } else if (std::wcscmp(child.window_class, L"COMBOBOX") == 0) {
    const wchar_t* modes[] = {L"640 x 480",   L"800 x 600",  L"1024 x 768", L"1280 x 720",
                              L"1280 x 1024", L"1366 x 768", L"1600 x 900", L"1920 x 1080"};
    for (const wchar_t* mode : modes) {
      SendMessageW(made, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(mode));
    }
    SetWindowTextW(made, L"Select resolution");
  } else if (std::wcscmp(child.text, L"Font Smoothing") == 0) {
    SendMessageW(made, BM_SETCHECK, BST_CHECKED, 0);
  }
}

void MakeChildren(HWND window, HINSTANCE instance) {
  const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
  HWND panels[kPanels] = {};
  // Panels first, so that their controls have somewhere to go.
  for (int index = 0; index < kPanels; ++index) {
    const Child& child = kChildren[index];
    const HWND parent = child.parent < 0 ? window : panels[child.parent];
    panels[index] = CreateWindowExW(WS_EX_CONTROLPARENT, child.window_class, child.text,
                                    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, child.place.left,
                                    child.place.top, child.place.right, child.place.bottom, parent,
                                    nullptr, instance, nullptr);
  }
  for (int index = ARRAYSIZE(kChildren) - 1; index >= kPanels; --index) {
    const Child& child = kChildren[index];
    const HWND parent = child.parent < 0 ? window : panels[child.parent];
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (child.shown ? WS_VISIBLE : 0u) | child.style;
    const HWND made = CreateWindowExW(0, child.window_class, child.text, style, child.place.left,
                                      child.place.top, child.place.right, child.place.bottom, parent,
                                      nullptr, instance, nullptr);
    SendMessageW(made, WM_SETFONT, font, FALSE);
    Fill(made, child);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = Procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = L"QbControlsWindow";
  if (!RegisterClassW(&window_class)) return 1;
  window_class.lpfnWndProc = DefWindowProcW;
  window_class.lpszClassName = kPanelClass;
  if (!RegisterClassW(&window_class)) return 1;

  HWND window = CreateWindowExW(WS_EX_CONTROLPARENT, L"QbControlsWindow", L"Controls window",
                                WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                                656, 456, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  MakeChildren(window, instance);
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG message;
  BOOL got;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
    if (IsDialogMessageW(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return got == 0 ? static_cast<int>(message.wParam) : 1;
}
