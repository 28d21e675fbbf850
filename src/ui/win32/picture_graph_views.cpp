// Pictures and images drawn from a file, and the monitor graph drawn from its points.
#include "ui/win32/control_views.h"

#include <algorithm>
#include <string>

#include "ui/graph_plot.h"
#include "ui/win32/form_window.h"
#include "ui/win32/palette.h"

namespace qb::ui::win32 {
namespace {

constexpr wchar_t kPictureClass[] = L"QbPicture";
constexpr wchar_t kGraphClass[] = L"QbGraph";

}  // namespace

ControlView::Shape PictureView::WindowShape() const {
  RegisterControlClass(Instance(), kPictureClass);
  // A picture box has a sunken border; an image is only its picture.
  return {kPictureClass, 0, Model().Kind() == ControlKind::Picture ? WS_EX_STATICEDGE : 0u};
}

void PictureView::SyncContent() { Mirror(Property::Picture); }

void PictureView::Mirror(Property property) {
  if (property != Property::Picture && property != Property::BackColour) {
    ControlView::Mirror(property);
    return;
  }
  picture_ = PictureFile::Load(Model().PicturePath(), OwnBackground());
  Invalidate();
}

COLORREF PictureView::OwnBackground() const {
  return Model().BackColour().value_or(Background());
}

void PictureView::Paint(HDC dc, const RECT& client) {
  FillRect(dc, &client, OwnerWindow().BrushFor(OwnBackground()));
  if (!picture_) return;
  const PixelRect box{client.left, client.top, client.right - client.left, client.bottom - client.top};
  picture_->Draw(dc, FitInside(picture_->Width(), picture_->Height(), box, true));
}

std::optional<LRESULT> PictureView::OnLeftButtonUp(const MouseEvent&) {
  Model().RaiseClick();
  return 0;
}

ControlView::Shape GraphView::WindowShape() const {
  RegisterControlClass(Instance(), kGraphClass);
  return {kGraphClass, 0, WS_EX_STATICEDGE};
}

void GraphView::Mirror(Property property) {
  if (property != Property::Points) {
    ControlView::Mirror(property);
    return;
  }
  ++samples_taken_;
  Invalidate();
}

void GraphView::BuildGrid(HDC dc, int width, int height, int cell, const GraphColors& colors) {
  grid_colours_ = colors;
  grid_bitmap_.Reset(CreateCompatibleBitmap(dc, width + cell, height));
  grid_size_ = {width, height};
  grid_cell_ = cell;
  if (!grid_bitmap_) return;
  qb::win32::ScopedMemoryDc grid_dc(CreateCompatibleDC(dc));
  qb::win32::ScopedSelect select(grid_dc.Get(), grid_bitmap_.Get());
  const RECT all{0, 0, width + cell, height};
  qb::win32::ScopedGdiObject background(CreateSolidBrush(ToColorRef(colors.background)));
  FillRect(grid_dc.Get(), &all, static_cast<HBRUSH>(background.Get()));
  qb::win32::ScopedGdiObject pen(CreatePen(PS_SOLID, 1, ToColorRef(colors.grid)));
  qb::win32::ScopedSelect pen_select(grid_dc.Get(), pen.Get());
  for (int x = 0; x <= width + cell; x += cell) {
    MoveToEx(grid_dc.Get(), x, 0, nullptr);
    LineTo(grid_dc.Get(), x, height);
  }
  for (int y = height - 1; y >= 0; y -= cell) {
    MoveToEx(grid_dc.Get(), 0, y, nullptr);
    LineTo(grid_dc.Get(), width + cell, y);
  }
}

void GraphView::Paint(HDC dc, const RECT& client) {
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  if (width <= 0 || height <= 0) return;
  const int cell = std::max(4, CurrentDpi().Scale(12));
  const GraphColors colors = OwnerWindow().GraphColours();
  if (!grid_bitmap_ || grid_size_.cx != width || grid_size_.cy != height || grid_cell_ != cell ||
      !(grid_colours_ == colors)) {
    BuildGrid(dc, width, height, cell, colors);
  }
  const auto& points = Model().Points();
  const int step = SampleStep(points.size(), width);
  if (grid_bitmap_) {
    qb::win32::ScopedMemoryDc grid_dc(CreateCompatibleDC(dc));
    qb::win32::ScopedSelect select(grid_dc.Get(), grid_bitmap_.Get());
    const int shift = (cell - GridPhase(samples_taken_, step, cell)) % cell;
    BitBlt(dc, 0, 0, width, height, grid_dc.Get(), shift, 0, SRCCOPY);
  }
  const std::vector<PlotPoint> line = PlotLine(points, width, height);
  if (line.empty()) return;
  std::vector<POINT> polyline;
  polyline.reserve(line.size());
  for (const PlotPoint& point : line) polyline.push_back({point.x, point.y});
  qb::win32::ScopedGdiObject pen(CreatePen(PS_SOLID, std::max(1, CurrentDpi().Scale(1)), ToColorRef(colors.line)));
  qb::win32::ScopedSelect pen_select(dc, pen.Get());
  Polyline(dc, polyline.data(), static_cast<int>(polyline.size()));

  // The newest value in the top right corner, in the line's colour.
  const std::wstring value = std::to_wstring(static_cast<int>(points.back() + 0.5)) + L" %";
  qb::win32::ScopedSelect font(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(colors.line));
  RECT corner{client.left, client.top + CurrentDpi().Scale(2), client.right - CurrentDpi().Scale(4),
              client.bottom};
  DrawTextW(dc, value.c_str(), static_cast<int>(value.size()), &corner, DT_RIGHT | DT_TOP | DT_SINGLELINE);
}

void TimerView::Create() { Update(); }

void TimerView::Mirror(Property property) {
  if (property == Property::Enabled || property == Property::Interval) Update();
}

void TimerView::Update() {
  OwnerWindow().SetControlTimer(Model(), Model().Enabled() ? Model().Interval() : 0);
}

}  // namespace qb::ui::win32
