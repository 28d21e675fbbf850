// Text boxes, combo boxes (and drive lists) and list boxes.
#include "ui/win32/control_views.h"

#include "platform/win32/wide.h"

namespace qb::ui::win32 {
namespace {

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return qb::win32::Narrow(text);
}

void FillList(HWND window, UINT reset, UINT add, const std::vector<std::string>& items) {
  SendMessageW(window, WM_SETREDRAW, FALSE, 0);
  SendMessageW(window, reset, 0, 0);
  for (const std::string& item : items) {
    SendMessageW(window, add, 0, reinterpret_cast<LPARAM>(qb::win32::Wide(item).c_str()));
  }
  SendMessageW(window, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(window, nullptr, TRUE);
}

}  // namespace

ControlView::Shape TextBoxView::WindowShape() const {
  const DWORD lines = Model().Multiline() ? ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL
                                          : ES_AUTOHSCROLL;
  // A locked box shows its text (and lets it be selected and copied) but takes no typing.
  const DWORD locked = Model().Locked() ? ES_READONLY : 0;
  return {L"EDIT", lines | locked | WS_TABSTOP, WS_EX_CLIENTEDGE};
}

void TextBoxView::SyncContent() { Mirror(Property::Text); }

void TextBoxView::Mirror(Property property) {
  if (property == Property::Text) {
    SetWindowTextW(Handle(), qb::win32::Wide(Model().Text()).c_str());
    return;
  }
  ControlView::Mirror(property);
}

std::optional<LRESULT> TextBoxView::OnCommand(int code) {
  if (code != EN_CHANGE || Syncing()) return std::nullopt;
  Model().TextChangedByUser(WindowText(Handle()));
  return 0;
}

std::optional<LRESULT> TextBoxView::OnChar(WPARAM& character) {
  if (Syncing()) return std::nullopt;
  int key = static_cast<int>(character);
  Model().RaiseKeyPress(key);
  // A handler that sets the key to 0 swallows it; one that changes it types another.
  if (key == 0) return 0;
  character = static_cast<WPARAM>(key);
  return std::nullopt;
}

std::optional<LRESULT> TextBoxView::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message != WM_GETDLGCODE) return std::nullopt;
  // Enter reaches the box (and its KeyPress) instead of the window's dialog navigation.
  LRESULT code = DefSubclassProc(Handle(), message, wparam, lparam);
  const auto* pending = reinterpret_cast<const MSG*>(lparam);
  if (pending && pending->message == WM_KEYDOWN && pending->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
  return code;
}

ControlView::Shape ComboBoxView::WindowShape() const {
  const bool list_only = Model().Kind() == ControlKind::DriveList ||
                         Model().Style() == ComboStyle::DropDownList;
  const DWORD kind = list_only ? CBS_DROPDOWNLIST : CBS_DROPDOWN | CBS_AUTOHSCROLL;
  return {L"COMBOBOX", kind | WS_VSCROLL | WS_TABSTOP};
}

int ComboBoxView::ExtraHeight() const { return CurrentDpi().Scale(160); }

void ComboBoxView::SyncContent() {
  Mirror(Property::Items);
  Mirror(Property::Text);
}

void ComboBoxView::Mirror(Property property) {
  switch (property) {
    case Property::Items:
      FillList(Handle(), CB_RESETCONTENT, CB_ADDSTRING, Model().Items());
      [[fallthrough]];
    case Property::ListIndex:
      SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(Model().ListIndex()), 0);
      if (Model().ListIndex() >= 0 || Model().Style() == ComboStyle::DropDownList) break;
      [[fallthrough]];
    case Property::Text:
      if (Model().Kind() == ControlKind::ComboBox && Model().Style() == ComboStyle::DropDown) {
        SetWindowTextW(Handle(), qb::win32::Wide(Model().Text()).c_str());
      }
      break;
    default:
      ControlView::Mirror(property);
  }
}

std::optional<LRESULT> ComboBoxView::OnCommand(int code) {
  if (Syncing()) return std::nullopt;
  if (code == CBN_SELCHANGE) {
    Model().ListIndexChangedByUser(static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0)));
    return 0;
  }
  if (code == CBN_EDITCHANGE) {
    Model().TextChangedByUser(WindowText(Handle()));
    return 0;
  }
  return std::nullopt;
}

ControlView::Shape ListBoxView::WindowShape() const {
  return {L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
}

void ListBoxView::SyncContent() { Mirror(Property::Items); }

void ListBoxView::Mirror(Property property) {
  switch (property) {
    case Property::Items:
      FillList(Handle(), LB_RESETCONTENT, LB_ADDSTRING, Model().Items());
      [[fallthrough]];
    case Property::ListIndex:
      SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(Model().ListIndex()), 0);
      break;
    default:
      ControlView::Mirror(property);
  }
}

std::optional<LRESULT> ListBoxView::OnCommand(int code) {
  if (Syncing()) return std::nullopt;
  if (code == LBN_SELCHANGE) {
    Model().ListIndexChangedByUser(static_cast<int>(SendMessageW(Handle(), LB_GETCURSEL, 0, 0)));
    return 0;
  }
  if (code == LBN_DBLCLK) {
    Model().RaiseDblClick();
    return 0;
  }
  return std::nullopt;
}

std::optional<LRESULT> ListBoxView::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message != WM_KEYDOWN || Syncing()) return std::nullopt;
  int key = static_cast<int>(wparam);
  Model().RaiseKeyDown(key);
  if (key == 0) return 0;
  return std::nullopt;
}

}  // namespace qb::ui::win32
