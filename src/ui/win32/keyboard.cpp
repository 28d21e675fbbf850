#include "ui/win32/keyboard.h"

#include <algorithm>
#include <vector>

#include "ui/win32/control_view.h"

namespace qb::ui::win32 {
namespace {

// Shown and usable on the screen: a control of a hidden or disabled page is neither, even
// when its own window is marked visible and enabled.
bool Reachable(HWND root, HWND control) {
  if (!IsWindowVisible(control)) return false;
  for (HWND window = control; window && window != root; window = GetParent(window)) {
    if (!IsWindowEnabled(window)) return false;
  }
  return (GetWindowLongPtrW(control, GWL_STYLE) & WS_TABSTOP) != 0;
}

RECT PlaceOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

// Reading order: rows from the top, each row from the left. A window joins the row of the
// one above it when it starts within the upper half of that one, as a label beside a box
// a little taller than itself does.
void SortInReadingOrder(std::vector<HWND>& windows) {
  std::stable_sort(windows.begin(), windows.end(),
                   [](HWND a, HWND b) { return PlaceOf(a).top < PlaceOf(b).top; });
  std::vector<HWND> ordered;
  for (size_t row_start = 0; row_start < windows.size();) {
    const RECT first = PlaceOf(windows[row_start]);
    const LONG row_limit = first.top + std::max<LONG>(1, (first.bottom - first.top) / 2);
    size_t row_end = row_start + 1;
    while (row_end < windows.size() && PlaceOf(windows[row_end]).top < row_limit) ++row_end;
    std::stable_sort(windows.begin() + row_start, windows.begin() + row_end,
                     [](HWND a, HWND b) { return PlaceOf(a).left < PlaceOf(b).left; });
    row_start = row_end;
  }
}

// The reachable controls within a container in reading order, each container's own
// controls where the container stands. The order follows the layout, not the windows'
// stacking, which serves the painting of controls that overlap.
void CollectReachable(HWND root, HWND container, std::vector<HWND>& found) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(container, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsWindowVisible(child) && IsWindowEnabled(child)) children.push_back(child);
  }
  SortInReadingOrder(children);
  for (HWND child : children) {
    if (Reachable(root, child)) {
      found.push_back(child);
    } else if (GetWindowLongPtrW(child, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) {
      CollectReachable(root, child, found);
    }
  }
}

std::vector<HWND> ReachableControls(HWND root) {
  std::vector<HWND> controls;
  CollectReachable(root, root, controls);
  return controls;
}

bool IsClass(HWND window, const wchar_t* name) {
  wchar_t class_name[32] = {};
  GetClassNameW(window, class_name, 32);
  return lstrcmpiW(class_name, name) == 0;
}

bool IsCommandButton(HWND window) {
  if (!IsClass(window, L"BUTTON")) return false;
  // A skinned check box is owner-drawn too: the model says what the button is.
  if (const ControlView* view = ControlView::FromHandle(window)) {
    return view->Model().Kind() == ControlKind::CommandButton;
  }
  const LONG_PTR type = GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW;
}

bool IsOptionButton(HWND window) {
  const ControlView* view = ControlView::FromHandle(window);
  return view && view->Model().Kind() == ControlKind::OptionButton;
}

// The option buttons of the focused one's container, the group the arrows move in, in
// reading order: the ones the user can see and use.
std::vector<HWND> OptionGroupOf(HWND option) {
  std::vector<HWND> group;
  for (HWND sibling = GetWindow(GetParent(option), GW_CHILD); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    if (IsOptionButton(sibling) && IsWindowVisible(sibling) && IsWindowEnabled(sibling)) group.push_back(sibling);
  }
  SortInReadingOrder(group);
  return group;
}

// An arrow on an option button chooses the next (or previous) one of its group, round the
// group, as the arrows do in a dialog; Tab leaves the group.
bool MoveInOptionGroup(HWND focus, bool backwards) {
  const std::vector<HWND> group = OptionGroupOf(focus);
  const auto at = std::find(group.begin(), group.end(), focus);
  if (at == group.end() || group.size() < 2) return at != group.end();
  const size_t index = static_cast<size_t>(at - group.begin());
  const HWND next = group[backwards ? (index + group.size() - 1) % group.size() : (index + 1) % group.size()];
  SetFocus(next);
  SendMessageW(next, BM_CLICK, 0, 0);
  return true;
}

wchar_t Upper(wchar_t letter) {
  CharUpperBuffW(&letter, 1);
  return letter;
}

// The letter a caption marks with "&" as its access key ("&&" is an ampersand), or 0.
wchar_t AccessKeyOf(HWND window) {
  wchar_t text[256] = {};
  const int length = GetWindowTextW(window, text, 256);
  for (int i = 0; i + 1 < length; ++i) {
    if (text[i] != L'&') continue;
    if (text[i + 1] != L'&') return Upper(text[i + 1]);
    ++i;
  }
  return 0;
}

bool IsFrame(HWND window) {
  const ControlView* view = ControlView::FromHandle(window);
  return view && view->Model().Kind() == ControlKind::Frame;
}

// The buttons, labels and frames on the screen, in reading order, which may carry access
// keys; a frame comes before the controls inside it.
void CollectKeyed(HWND root, HWND container, std::vector<HWND>& found) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(container, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsWindowVisible(child) && IsWindowEnabled(child)) children.push_back(child);
  }
  SortInReadingOrder(children);
  for (HWND child : children) {
    if (IsClass(child, L"BUTTON") || IsClass(child, L"STATIC") || IsFrame(child)) found.push_back(child);
    if (GetWindowLongPtrW(child, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) CollectKeyed(root, child, found);
  }
}

// Alt and a letter: the next control after the focus whose caption marks that letter (so
// a letter used twice goes from one to the other). A button is pressed, a check box or
// option button taken and clicked; a label hands the focus to the control it names, which
// stands right after it in the window order; a frame to the first control inside it that
// the user can reach, as a group box does in a dialog.
bool PressAccessKey(HWND root, wchar_t letter) {
  std::vector<HWND> keyed;
  CollectKeyed(root, root, keyed);
  const wchar_t wanted = Upper(letter);
  const HWND focus = GetFocus();
  const auto at = std::find(keyed.begin(), keyed.end(), focus);
  const size_t start = at == keyed.end() ? 0 : static_cast<size_t>(at - keyed.begin()) + 1;
  for (size_t step = 0; step < keyed.size(); ++step) {
    const HWND control = keyed[(start + step) % keyed.size()];
    if (AccessKeyOf(control) != wanted) continue;
    HWND target = nullptr;
    if (IsFrame(control)) {
      std::vector<HWND> inside;
      CollectReachable(root, control, inside);
      target = inside.empty() ? nullptr : inside.front();
    } else if (IsClass(control, L"STATIC")) {
      target = GetWindow(control, GW_HWNDNEXT);
    } else {
      if (!IsCommandButton(control)) SetFocus(control);
      SendMessageW(control, BM_CLICK, 0, 0);
      return true;
    }
    if (!target || !IsWindowVisible(target) || !IsWindowEnabled(target)) continue;
    SetFocus(target);
    if (IsClass(target, L"EDIT")) SendMessageW(target, EM_SETSEL, 0, -1);
    return true;
  }
  return false;
}

// The keyboard is in use: the focus mark and the access keys' underlines are shown.
void ShowKeyboardCues(HWND root) {
  SendMessageW(root, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
}

// A combo box whose list is open takes Enter and Escape for itself.
bool InOpenList(HWND focus) {
  for (HWND window = focus; window; window = GetParent(window)) {
    if (IsClass(window, L"ComboBox")) return SendMessageW(window, CB_GETDROPPEDSTATE, 0, 0) != 0;
  }
  return false;
}

}  // namespace

HWND FirstFocusable(HWND root, bool last) {
  const std::vector<HWND> controls = ReachableControls(root);
  if (controls.empty()) return nullptr;
  return last ? controls.back() : controls.front();
}

HWND NextFocusable(HWND root, HWND from, bool backwards) {
  const std::vector<HWND> controls = ReachableControls(root);
  if (controls.empty()) return nullptr;
  // The focus may sit in a part of a control (a combo box's edit): its control counts.
  for (size_t i = 0; i < controls.size(); ++i) {
    if (controls[i] == from || IsChild(controls[i], from)) {
      const size_t count = controls.size();
      return controls[backwards ? (i + count - 1) % count : (i + 1) % count];
    }
  }
  return backwards ? controls.back() : controls.front();
}

void FocusFirstControl(HWND root) {
  const HWND focus = GetFocus();
  if (focus && focus != root && IsChild(root, focus) && IsWindowVisible(focus)) return;
  if (HWND first = FirstFocusable(root)) SetFocus(first);
}

bool HandleWindowKey(HWND root, const MSG& message) {
  if (message.message == WM_SYSCHAR) {
    ShowKeyboardCues(root);
    return PressAccessKey(root, static_cast<wchar_t>(message.wParam));
  }
  // The letter alone is an access key too while the focus is on a control that takes no
  // typing (a button, a slider), as in a dialog.
  if (message.message == WM_CHAR && message.wParam > L' ' && GetKeyState(VK_CONTROL) >= 0) {
    const HWND focus = GetFocus();
    MSG copy = message;
    const LRESULT wants = focus ? SendMessageW(focus, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&copy)) : 0;
    if (!focus || !IsChild(root, focus) || (wants & (DLGC_WANTCHARS | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE | DLGC_HASSETSEL))) {
      return false;
    }
    return PressAccessKey(root, static_cast<wchar_t>(message.wParam));
  }
  if (message.message != WM_KEYDOWN) return false;
  const bool control_down = GetKeyState(VK_CONTROL) < 0;
  const bool alt_down = GetKeyState(VK_MENU) < 0;
  if (control_down || alt_down) return false;
  const HWND focus = GetFocus();
  switch (message.wParam) {
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
      if (!focus || !IsChild(root, focus) || !IsOptionButton(focus)) return false;
      ShowKeyboardCues(root);
      return MoveInOptionGroup(focus, message.wParam == VK_LEFT || message.wParam == VK_UP);
    case VK_TAB: {
      ShowKeyboardCues(root);
      // Taken before any control sees it: a multi-line box would keep the focus forever.
      if (HWND next = NextFocusable(root, focus, GetKeyState(VK_SHIFT) < 0)) {
        SetFocus(next);
        if (IsClass(next, L"EDIT")) SendMessageW(next, EM_SETSEL, 0, -1);
      }
      return true;
    }
    case VK_RETURN:
      if (focus && IsChild(root, focus) && IsCommandButton(focus)) {
        SendMessageW(focus, BM_CLICK, 0, 0);
        return true;
      }
      return false;
    case VK_F1: {
      // As the system asks for help: the window answers it, or passes it to its owner.
      HELPINFO help{sizeof(HELPINFO), HELPINFO_WINDOW, 0, focus ? focus : root, 0, {}};
      GetCursorPos(&help.MousePos);
      SendMessageW(root, WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
      return true;
    }
    case VK_ESCAPE:
      // Only a window standing over another closes: Escape never ends the program.
      if (!GetWindow(root, GW_OWNER) || InOpenList(focus)) return false;
      SendMessageW(root, WM_CLOSE, 0, 0);
      return true;
    default:
      return false;
  }
}

}  // namespace qb::ui::win32
