#pragma once
// Draws the skinned look of each kind of element from one skin::ElementStyle: glassy
// rounded buttons, check boxes and option buttons, frames with their caption, labels, the
// tab strip and a window's title bar. Shapes are anti-aliased (GDI+), text is drawn by GDI
// in the element's ClearType font; corner radii and line widths follow the DPI.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "skin/skin.h"
#include "ui/view_geometry.h"
#include "ui/win32/dpi.h"
#include "ui/win32/face_cache.h"

namespace qb::ui::win32 {

enum class ButtonState { Normal, Hot, Pressed, Disabled };

// The kinds of caption the painter draws, each in its own place.
enum class CaptionKind { CommandButton, Indicator, Frame, Label };

// Where a caption goes and the DrawText format it is drawn with: it fits when DrawText
// with DT_CALCRECT, at the area's width, asks for no more than the area.
struct CaptionPlace {
  RECT area;
  UINT format;
};

struct TitleButtonLook {
  std::string name;  // "close", "minimize", "help", "about" or any other
  PixelRect rect;
  ButtonState state = ButtonState::Normal;
};

class SkinPainter {
 public:
  // faces: where glassy faces already painted are kept; none paints each one afresh.
  SkinPainter(HDC dc, const skin::ElementStyle& style, Dpi dpi, HFONT font,
              FaceCache* faces = nullptr);

  // The solid colour inside a window or frame of this element; children paint on it.
  static COLORREF BodyColor(const skin::ElementStyle& style);

  void Fill(const RECT& rect, COLORREF color) const;
  // Captions' access keys are drawn without their underline (the window's keyboard cues).
  void HideAccessKeys(bool hide) { hide_access_keys_ = hide; }
  // The room for a caption of that kind in an element drawn in rect (a frame's caption at
  // its longest, before the border line closes in).
  CaptionPlace PlaceFor(CaptionKind kind, const RECT& rect) const;
  void CommandButton(const RECT& rect, std::wstring_view caption, ButtonState state,
                     bool focused) const;
  // value: 0 clear, 1 checked, 2 grey.
  void CheckBox(const RECT& rect, std::wstring_view caption, int value, ButtonState state,
                bool focused) const;
  void OptionButton(const RECT& rect, std::wstring_view caption, bool selected,
                    ButtonState state, bool focused) const;
  // caption: with its access-key mark, underlined unless the keyboard cues are hidden.
  void Frame(const RECT& rect, std::wstring_view caption, bool enabled) const;
  void Label(const RECT& rect, std::wstring_view text, bool enabled) const;
  // tabs: the rectangle of each tab as the tab control lays them out.
  void TabStrip(const RECT& client, const std::vector<RECT>& tabs,
                const std::vector<std::wstring>& captions, int selected, int hot,
                bool enabled) const;
  // The window's body and border below a title bar of the element's title height.
  void WindowFrame(const RECT& client, int title_height) const;
  void TitleBar(const RECT& bar, std::wstring_view caption,
                const std::vector<TitleButtonLook>& buttons, bool active) const;

 private:
  void Text(const RECT& rect, std::wstring_view text, COLORREF color, UINT format) const;
  void Glass(const RECT& rect, int radius, skin::Color top, skin::Color bottom,
             skin::Color border) const;
  void FocusRing(const RECT& rect, int radius) const;
  // The dotted rectangle round a check box's or option button's caption.
  void FocusDots(const RECT& rect, std::wstring_view caption) const;
  // Check boxes and option buttons: the indicator square at the left, centred vertically,
  // and the caption to its right.
  RECT IndicatorBox(const RECT& rect) const;
  void IndicatorCaption(const RECT& rect, std::wstring_view caption,
                        ButtonState state) const;
  void TitleGlyph(const TitleButtonLook& button) const;
  COLORREF TextColor(bool enabled) const;
  float LineWidth() const;

  HDC dc_;
  const skin::ElementStyle& style_;
  Dpi dpi_;
  HFONT font_;
  FaceCache* faces_;
  bool hide_access_keys_ = false;
};

}  // namespace qb::ui::win32
