#pragma once
// One control of a form model: the portable description of what the Win32 view shows.
// Setters tell the form's observer (the view) what changed; the events that the system
// raises when code sets a value (a check box's Click, a text box's Change) are raised here
// too, so logic behaves the same whether a user or the program changed the control.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/control_kind.h"
#include "ui/geometry.h"

namespace qb {
class FileSystem;
}

namespace qb::ui {

class Form;
class Control;

enum class Property {
  Caption, Text, Value, Visible, Enabled, Position, Items, ListIndex, ZOrder, Range,
  Tabs, Columns, Rows, RowChecks, Interval, Picture, SkinElement, Points, BackColour, Font,
};

enum class ComboStyle { DropDown, DropDownList };

// The font a control's text is drawn in when the program chooses it (a font preview);
// an empty face leaves the control in the skin's or the system's font.
struct TextFont {
  std::string face;
  int points = 8;
  bool bold = false;
  bool italic = false;
  bool strikeout = false;
  bool operator==(const TextFont&) const = default;
};

struct ListColumn {
  std::string caption;
  int width = 1200;  // twips
  std::string tag;   // the language key of its caption, as a control's Tag
};

struct ListRow {
  std::vector<std::string> cells;  // the first cell is the item's text, the rest sub-items
  std::string tag;
  bool checked = false;            // its tick, in a list view with check boxes
  bool selected = false;           // chosen, in a list view where several rows may be
};

// A creation description: every member has a default, so a form names only what differs.
struct ControlSpec {
  std::string name;
  ControlKind kind = ControlKind::Label;
  Control* container = nullptr;  // nullptr: the form itself
  int index = -1;                // position in a control array; -1 for a single control
  std::string caption;
  std::string tag;               // language key
  TwipRect rect;
  bool visible = true;
  bool enabled = true;
  int value = 0;
  std::string text;
  std::vector<std::string> items;  // list entries, or tab captions of a tab strip
  int min = 0;
  int max = 100;
  int interval = 0;                // timer interval in milliseconds
  ComboStyle combo_style = ComboStyle::DropDown;
  bool multiline = false;
  bool locked = false;             // a text box that shows text but takes no typing
  bool three_state = false;        // a check box the user may also make greyed
  std::vector<ListColumn> columns;
  bool check_boxes = false;        // a list view whose rows each carry a tick
  bool multi_select = false;       // a list view where Shift and Ctrl choose several rows
};

class Control {
 public:
  Control(Form& form, ControlSpec desc);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Form& Owner() const { return form_; }
  const std::string& Name() const { return spec_.name; }
  ControlKind Kind() const { return spec_.kind; }
  int Index() const { return spec_.index; }
  Control* Container() const { return spec_.container; }

  const std::string& Caption() const { return spec_.caption; }
  void SetCaption(std::string caption);
  const std::string& Tag() const { return spec_.tag; }
  void SetTag(std::string tag) { spec_.tag = std::move(tag); }

  bool Visible() const { return spec_.visible; }
  void SetVisible(bool visible);
  bool Enabled() const { return spec_.enabled; }
  void SetEnabled(bool enabled);
  // Visible on screen: this control and every container up to the form are visible.
  bool ShownOnForm() const;

  const TwipRect& Rect() const { return spec_.rect; }
  void Move(int left, int top);
  void Move(int left, int top, int width, int height);
  void SetTop(int top) { Move(spec_.rect.left, top); }
  void SetHeight(int height) { Move(spec_.rect.left, spec_.rect.top, spec_.rect.width, height); }

  // Check box 0/1/2, option button 0/1, slider, progress bar and up-down position, selected
  // tab of a tab strip (counted from 1). A check box or option button raises Click when its
  // value changes, a slider raises Change.
  int Value() const { return spec_.value; }
  void SetValue(int value);
  bool ThreeState() const { return spec_.three_state; }
  int Min() const { return spec_.min; }
  int Max() const { return spec_.max; }
  void SetRange(int min, int max);

  // Text of a text box or combo box; raises Change when it changes.
  const std::string& Text() const { return spec_.text; }
  void SetText(std::string text);

  const std::vector<std::string>& Items() const { return spec_.items; }
  void AddItem(std::string item);
  void ClearItems();
  void SetItems(std::vector<std::string> items);
  // Selected list entry, -1 for none. Selecting sets a combo's text and raises Click.
  int ListIndex() const { return list_index_; }
  void SetListIndex(int index);

  ComboStyle Style() const { return spec_.combo_style; }
  bool Multiline() const { return spec_.multiline; }
  bool Locked() const { return spec_.locked; }

  // Tab strip: the captions are the items; the selected tab is Value(), from 1.
  int SelectedTab() const { return spec_.value; }
  void SelectTab(int tab);

  // Folder tree: the subfolders of one of its folders, in the order shown, from the file
  // system it lists (none until it is given one).
  void ListFoldersFrom(FileSystem* files) { folders_ = files; }
  std::vector<std::string> Subfolders(std::string_view folder) const;

  // List view.
  const std::vector<ListColumn>& Columns() const { return spec_.columns; }
  void SetColumns(std::vector<ListColumn> columns);
  const std::vector<ListRow>& Rows() const { return rows_; }
  void SetRows(std::vector<ListRow> rows);
  int SelectedRow() const { return list_index_; }
  // Every chosen row, in order: in a list view where several may be chosen the rows marked
  // selected, otherwise the selected row alone. SetListIndex chooses that one row only.
  bool MultiSelect() const { return spec_.multi_select; }
  std::vector<int> SelectedRows() const;
  // A list view with check boxes: a row's tick. A change raises Change, as the system
  // reports a tick set by the program the same way as one set by the user.
  bool CheckBoxes() const { return spec_.check_boxes; }
  void SetRowChecked(int row, bool checked);

  // Timer.
  int Interval() const { return spec_.interval; }
  void SetInterval(int milliseconds);

  // Picture and image: the file shown (empty for none).
  const std::string& PicturePath() const { return picture_; }
  void SetPicture(std::string path);

  // A picture box's own background colour (0x00BBGGRR); none: the container's.
  const std::optional<uint32_t>& BackColour() const { return back_colour_; }
  void SetBackColour(uint32_t colour);

  // Graph: the points plotted, oldest first, each from 0 to 100.
  const std::vector<double>& Points() const { return points_; }
  void SetPoints(std::vector<double> points);

  const TextFont& Font() const { return font_; }
  void SetFont(TextFont font);

  // The skin element this control is painted as; empty: plain system drawing.
  const std::string& SkinElement() const { return skin_element_; }
  void SetSkinElement(std::string element);

  int ZOrder() const { return z_order_; }
  void BringToFront();

  // Whether the value, text, selection or back colour changed since the last Untouch. A page
  // untouches its controls once they show the stored settings and again after Apply, so
  // that a touched control is one the user (or a handler acting on the user's choice)
  // changed, and Apply writes only those.
  bool Touched() const { return touched_; }
  void Untouch() { touched_ = false; }

  // Events. The view calls the Raise functions when the user acts.
  std::function<void()> on_click;
  std::function<void()> on_dbl_click;
  std::function<void()> on_change;
  std::function<void(int& key_ascii)> on_key_press;
  // A key that types nothing (Delete, the arrows), by its virtual-key code; a handler that
  // sets it to 0 takes it, so the control does not act on it too.
  std::function<void(int& key_code)> on_key_down;
  std::function<void()> on_timer;

  void RaiseClick();
  void RaiseDblClick();
  void RaiseChange();
  void RaiseKeyPress(int& key_ascii);
  void RaiseKeyDown(int& key_code);
  void RaiseTimer();
  // The view reports what the user typed or chose without being told to redraw it.
  void TextChangedByUser(std::string text);
  void ListIndexChangedByUser(int index);
  void ValueChangedByUser(int value);
  void RowCheckChangedByUser(int row, bool checked);
  // row -1: every row, as the system reports a change to all of them at once.
  void RowSelectionChangedByUser(int row, bool selected);
  // What a user's click on a button means: a check box takes its next value (checked and
  // clear alternate and a greyed box becomes checked; a three-state box goes clear, checked,
  // greyed in turn), an option button is chosen, a command button raises Click.
  void ClickedByUser();

 private:
  void Notify(Property property);

  Form& form_;
  ControlSpec spec_;
  int list_index_ = -1;
  std::vector<ListRow> rows_;
  std::string picture_;
  std::optional<uint32_t> back_colour_;
  std::vector<double> points_;
  std::string skin_element_;
  TextFont font_;
  FileSystem* folders_ = nullptr;
  int z_order_ = 0;
  bool touched_ = false;
};

}  // namespace qb::ui
