// Sliders, progress bars and up-down arrows: a value within a range.
#include "ui/win32/control_views.h"

#include <algorithm>

namespace qb::ui::win32 {

ControlView::Shape SliderView::WindowShape() const {
  return {TRACKBAR_CLASSW, TBS_HORZ | TBS_AUTOTICKS | TBS_BOTTOM | WS_TABSTOP};
}

void SliderView::SyncContent() {
  SendMessageW(Handle(), TBM_SETLINESIZE, 0, 1);
  SendMessageW(Handle(), TBM_SETPAGESIZE, 0, 5);
  Mirror(Property::Range);
}

void SliderView::Mirror(Property property) {
  switch (property) {
    case Property::Range:
      SendMessageW(Handle(), TBM_SETRANGEMIN, FALSE, Model().Min());
      SendMessageW(Handle(), TBM_SETRANGEMAX, FALSE, Model().Max());
      SendMessageW(Handle(), TBM_SETTICFREQ, std::max(1, (Model().Max() - Model().Min()) / 10), 0);
      [[fallthrough]];
    case Property::Value:
      SendMessageW(Handle(), TBM_SETPOS, TRUE, Model().Value());
      break;
    default:
      ControlView::Mirror(property);
  }
}

std::optional<LRESULT> SliderView::OnScroll(int code) {
  if (Syncing()) return std::nullopt;
  Model().ValueChangedByUser(static_cast<int>(SendMessageW(Handle(), TBM_GETPOS, 0, 0)));
  return 0;
}

ControlView::Shape ProgressBarView::WindowShape() const { return {PROGRESS_CLASSW, PBS_SMOOTH}; }

void ProgressBarView::SyncContent() { Mirror(Property::Range); }

void ProgressBarView::Mirror(Property property) {
  switch (property) {
    case Property::Range:
      SendMessageW(Handle(), PBM_SETRANGE32, Model().Min(), Model().Max());
      [[fallthrough]];
    case Property::Value:
      SendMessageW(Handle(), PBM_SETPOS, Model().Value(), 0);
      break;
    default:
      ControlView::Mirror(property);
  }
}

ControlView::Shape UpDownView::WindowShape() const {
  return {UPDOWN_CLASSW, UDS_ARROWKEYS | UDS_NOTHOUSANDS | WS_TABSTOP};
}

void UpDownView::SyncContent() { Mirror(Property::Range); }

void UpDownView::Mirror(Property property) {
  switch (property) {
    case Property::Range:
      SendMessageW(Handle(), UDM_SETRANGE32, Model().Min(), Model().Max());
      [[fallthrough]];
    case Property::Value:
      SendMessageW(Handle(), UDM_SETPOS32, 0, Model().Value());
      break;
    default:
      ControlView::Mirror(property);
  }
}

std::optional<LRESULT> UpDownView::OnScroll(int code) {
  if (Syncing() || code == SB_ENDSCROLL) return std::nullopt;
  Model().ValueChangedByUser(static_cast<int>(SendMessageW(Handle(), UDM_GETPOS32, 0, 0)));
  return 0;
}

}  // namespace qb::ui::win32
