// The tab strip: the system's tab control, painted by the skin when its element is skinned.
#include "ui/win32/control_views.h"

#include "platform/win32/wide.h"
#include "ui/win32/form_window.h"
#include "ui/win32/skin_painter.h"

namespace qb::ui::win32 {

ControlView::Shape TabStripView::WindowShape() const {
  return {WC_TABCONTROLW, TCS_TABS | TCS_SINGLELINE | WS_TABSTOP};
}

void TabStripView::SyncContent() {
  TabCtrl_SetPadding(Handle(), CurrentDpi().Scale(8), CurrentDpi().Scale(3));
  FillTabs();
}

void TabStripView::FillTabs() {
  TabCtrl_DeleteAllItems(Handle());
  const auto& captions = Model().Items();
  for (std::size_t i = 0; i < captions.size(); ++i) {
    std::wstring text = qb::win32::Wide(captions[i]);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    TabCtrl_InsertItem(Handle(), static_cast<int>(i), &item);
  }
  TabCtrl_SetCurSel(Handle(), Model().SelectedTab() - 1);
  Invalidate();
}

void TabStripView::Mirror(Property property) {
  switch (property) {
    case Property::Items:
      FillTabs();
      break;
    case Property::Value:
      TabCtrl_SetCurSel(Handle(), Model().SelectedTab() - 1);
      Invalidate();
      break;
    default:
      ControlView::Mirror(property);
  }
}

std::optional<LRESULT> TabStripView::OnNotify(NMHDR& header) {
  if (header.code != TCN_SELCHANGE || Syncing()) return std::nullopt;
  Model().ValueChangedByUser(TabCtrl_GetCurSel(Handle()) + 1);
  return 0;
}

void TabStripView::Paint(HDC dc, const RECT& client) {
  const skin::ElementStyle* style = Style();
  if (!style) return;
  std::vector<RECT> tabs;
  std::vector<std::wstring> captions;
  const int count = TabCtrl_GetItemCount(Handle());
  for (int i = 0; i < count; ++i) {
    RECT tab{};
    TabCtrl_GetItemRect(Handle(), i, &tab);
    tabs.push_back(tab);
    captions.push_back(i < static_cast<int>(Model().Items().size()) ? qb::win32::Wide(Model().Items()[i]) : L"");
  }
  SkinPainter painter(dc, *style, CurrentDpi(), Font());
  painter.Fill(client, Background());
  painter.TabStrip(client, tabs, captions, TabCtrl_GetCurSel(Handle()), hot_tab_, Model().Enabled());
}

std::optional<LRESULT> TabStripView::OnMessage(UINT message, WPARAM wparam, LPARAM) {
  if (message != WM_ERASEBKGND) return std::nullopt;
  // The system's tabs stand on the colour of the window or frame around them.
  RECT client{};
  GetClientRect(Handle(), &client);
  FillRect(reinterpret_cast<HDC>(wparam), &client, OwnerWindow().BrushFor(Background()));
  return 1;
}

std::optional<LRESULT> TabStripView::OnMouseMove(const MouseEvent& event) {
  if (!Style()) return std::nullopt;
  TCHITTESTINFO hit{event.point, 0};
  const int under = TabCtrl_HitTest(Handle(), &hit);
  if (under != hot_tab_) {
    hot_tab_ = under;
    TrackMouseLeave(Handle());
    Invalidate();
  }
  return std::nullopt;
}

std::optional<LRESULT> TabStripView::OnMouseLeave() {
  if (hot_tab_ >= 0) {
    hot_tab_ = -1;
    Invalidate();
  }
  return std::nullopt;
}

}  // namespace qb::ui::win32
