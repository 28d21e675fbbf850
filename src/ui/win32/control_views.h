#pragma once
// The view of each kind of control. Buttons, check boxes, option buttons and tab strips are
// the system's controls, drawn by the skin painter when their element is in the skin;
// frames, labels, pictures and the graph are windows of our own; the rest are the system's
// common controls as they are.
#include <memory>
#include <string>
#include <vector>

#include "ui/win32/control_view.h"
#include "ui/win32/palette.h"
#include "ui/win32/picture_file.h"
#include "ui/win32/skin_painter.h"

namespace qb::ui::win32 {

class ButtonView : public ControlView {
 public:
  using ControlView::ControlView;
  std::optional<LRESULT> OnCommand(int code) override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
  std::optional<LRESULT> OnNotify(NMHDR& header) override;

 protected:
  Shape WindowShape() const override;
  bool StyledBySkin() const override;
  void SyncContent() override;
  void Mirror(Property property) override;
  std::optional<LRESULT> OnMouseMove(const MouseEvent&) override;
  std::optional<LRESULT> OnMouseLeave() override;
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  bool Paints() const override { return Style() != nullptr; }
  void Paint(HDC dc, const RECT& client) override;

 private:
  ButtonState Look(bool disabled, bool pressed, bool hot) const;
  void PaintSkinned(HDC target, const RECT& rect, ButtonState state, bool focused);
  void DrawSkinned(HDC dc, const RECT& rect, ButtonState state, bool focused);
  // The first option button of its container, which starts the group.
  bool FirstOfGroup() const;
  void UpdateGroupTabStops() const;
  bool hot_ = false;
};

class FrameView : public ControlView {
 public:
  using ControlView::ControlView;

 protected:
  Shape WindowShape() const override;
  void SyncContent() override;
  void Mirror(Property property) override;
  bool Paints() const override { return true; }
  void Paint(HDC dc, const RECT& client) override;
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
};

class LabelView : public ControlView {
 public:
  using ControlView::ControlView;

 protected:
  Shape WindowShape() const override;
  bool Paints() const override { return true; }
  void Paint(HDC dc, const RECT& client) override;
  std::optional<LRESULT> OnLeftButtonUp(const MouseEvent&) override;
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
};

class TextBoxView : public ControlView {
 public:
  using ControlView::ControlView;
  std::optional<LRESULT> OnCommand(int code) override;
  std::optional<LRESULT> OnControlColor(HDC) override { return std::nullopt; }

 protected:
  Shape WindowShape() const override;
  void SyncContent() override;
  void Mirror(Property property) override;
  std::optional<LRESULT> OnChar(WPARAM& character) override;
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
};

class ComboBoxView : public ControlView {
 public:
  using ControlView::ControlView;
  std::optional<LRESULT> OnCommand(int code) override;

 protected:
  Shape WindowShape() const override;
  void SyncContent() override;
  void Mirror(Property property) override;
  int ExtraHeight() const override;
};

class ListBoxView : public ControlView {
 public:
  using ControlView::ControlView;
  std::optional<LRESULT> OnCommand(int code) override;
  std::optional<LRESULT> OnControlColor(HDC) override { return std::nullopt; }

 protected:
  Shape WindowShape() const override;
  void SyncContent() override;
  void Mirror(Property property) override;
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
};

class ListViewView : public ControlView {
 public:
  using ControlView::ControlView;
  std::optional<LRESULT> OnNotify(NMHDR& header) override;
  void ApplyDpi() override;

 protected:
  Shape WindowShape() const override;
  void SyncContent() override;
  void Mirror(Property property) override;

 private:
  void FillColumns();
  void FillRows();
  void TickRows();
  void SelectRow();
};

class SliderView : public ControlView {
 public:
  using ControlView::ControlView;
  std::optional<LRESULT> OnScroll(int code) override;

 protected:
  Shape WindowShape() const override;
  void SyncContent() override;
  void Mirror(Property property) override;
};

class ProgressBarView : public ControlView {
 public:
  using ControlView::ControlView;

 protected:
  Shape WindowShape() const override;
  void SyncContent() override;
  void Mirror(Property property) override;
};

class UpDownView : public ControlView {
 public:
  using ControlView::ControlView;
  std::optional<LRESULT> OnScroll(int code) override;

 protected:
  Shape WindowShape() const override;
  void SyncContent() override;
  void Mirror(Property property) override;
};

class TabStripView : public ControlView {
 public:
  using ControlView::ControlView;
  std::optional<LRESULT> OnNotify(NMHDR& header) override;

 protected:
  Shape WindowShape() const override;
  void SyncContent() override;
  void Mirror(Property property) override;
  bool Paints() const override { return Style() != nullptr; }
  void Paint(HDC dc, const RECT& client) override;
  std::optional<LRESULT> OnMouseMove(const MouseEvent& event) override;
  std::optional<LRESULT> OnMouseLeave() override;
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  void FillTabs();
  int hot_tab_ = -1;
};

class PictureView : public ControlView {
 public:
  using ControlView::ControlView;

 protected:
  Shape WindowShape() const override;
  void SyncContent() override;
  void Mirror(Property property) override;
  bool Paints() const override { return true; }
  void Paint(HDC dc, const RECT& client) override;
  std::optional<LRESULT> OnLeftButtonUp(const MouseEvent&) override;

 private:
  // The picture box's own colour when the model sets one, else its container's.
  COLORREF OwnBackground() const;

  std::unique_ptr<PictureFile> picture_;
};

class FolderTreeView : public ControlView {
 public:
  using ControlView::ControlView;
  std::optional<LRESULT> OnNotify(NMHDR& header) override;
  std::optional<LRESULT> OnControlColor(HDC) override { return std::nullopt; }

 protected:
  Shape WindowShape() const override;
  void SyncContent() override;
  void Mirror(Property property) override;

 private:
  HTREEITEM AddFolder(HTREEITEM parent, const std::string& path, const std::string& name);
  void FillChildren(HTREEITEM item);
  void ShowPath();
  std::vector<std::string> paths_;  // a node's lParam indexes its full path here
};

class GraphView : public ControlView {
 public:
  using ControlView::ControlView;

 protected:
  Shape WindowShape() const override;
  void Mirror(Property property) override;
  bool Paints() const override { return true; }
  void Paint(HDC dc, const RECT& client) override;

 private:
  // The grid is drawn once per size into a bitmap one cell wider than the graph and
  // scrolled by copying from an offset.
  void BuildGrid(HDC dc, int width, int height, int cell, const GraphColors& colors);
  qb::win32::ScopedGdiObject grid_bitmap_;
  SIZE grid_size_{};
  int grid_cell_ = 0;
  GraphColors grid_colours_;  // the scheme the grid was drawn in; high contrast redraws it
  unsigned long long samples_taken_ = 0;
};

// A timer has no window: it runs on the form's window while enabled with an interval.
class TimerView : public ControlView {
 public:
  using ControlView::ControlView;
  void Create() override;
  void ApplyDpi() override {}

 protected:
  Shape WindowShape() const override { return {L"", 0}; }
  void Mirror(Property property) override;

 private:
  void Update();
};

}  // namespace qb::ui::win32
