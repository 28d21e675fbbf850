// The report-style list view: columns, rows of cells, one selected row (or several where the
// model allows), and a tick per row where the model asks for check boxes (Space or a click
// on the box turns it).
#include "ui/win32/control_views.h"

#include "platform/win32/wide.h"

namespace qb::ui::win32 {

ControlView::Shape ListViewView::WindowShape() const {
  return {WC_LISTVIEWW,
          LVS_REPORT | (Model().MultiSelect() ? 0 : LVS_SINGLESEL) | LVS_SHOWSELALWAYS | WS_TABSTOP,
          WS_EX_CLIENTEDGE};
}

void ListViewView::SyncContent() {
  ListView_SetExtendedListViewStyle(Handle(), LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER | LVS_EX_LABELTIP |
                                                  (Model().CheckBoxes() ? LVS_EX_CHECKBOXES : 0));
  FillColumns();
  FillRows();
}

void ListViewView::ApplyDpi() {
  ControlView::ApplyDpi();
  if (!Handle()) return;
  const auto& columns = Model().Columns();
  for (std::size_t i = 0; i < columns.size(); ++i) {
    ListView_SetColumnWidth(Handle(), static_cast<int>(i), CurrentDpi().FromTwips(columns[i].width));
  }
}

void ListViewView::Mirror(Property property) {
  switch (property) {
    case Property::Columns: FillColumns(); break;
    case Property::Rows: FillRows(); break;
    case Property::RowChecks: TickRows(); break;
    case Property::ListIndex: SelectRow(); break;
    default: ControlView::Mirror(property);
  }
}

void ListViewView::FillColumns() {
  while (ListView_DeleteColumn(Handle(), 0)) {
  }
  const auto& columns = Model().Columns();
  for (std::size_t i = 0; i < columns.size(); ++i) {
    std::wstring caption = qb::win32::Wide(columns[i].caption);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = caption.data();
    column.cx = CurrentDpi().FromTwips(columns[i].width);
    column.iSubItem = static_cast<int>(i);
    ListView_InsertColumn(Handle(), static_cast<int>(i), &column);
  }
}

void ListViewView::FillRows() {
  SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
  ListView_DeleteAllItems(Handle());
  const auto& rows = Model().Rows();
  for (std::size_t row = 0; row < rows.size(); ++row) {
    const auto& cells = rows[row].cells;
    std::wstring first = cells.empty() ? L"" : qb::win32::Wide(cells[0]);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(row);
    item.pszText = first.data();
    const int index = ListView_InsertItem(Handle(), &item);
    for (std::size_t cell = 1; cell < cells.size(); ++cell) {
      std::wstring text = qb::win32::Wide(cells[cell]);
      ListView_SetItemText(Handle(), index, static_cast<int>(cell), text.data());
    }
  }
  TickRows();
  SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
  SelectRow();
}

void ListViewView::TickRows() {
  if (!Model().CheckBoxes()) return;
  const auto& rows = Model().Rows();
  for (std::size_t row = 0; row < rows.size(); ++row) {
    const int index = static_cast<int>(row);
    if ((ListView_GetCheckState(Handle(), index) != 0) != rows[row].checked) {
      ListView_SetCheckState(Handle(), index, rows[row].checked);
    }
  }
}

void ListViewView::SelectRow() {
  const int row = Model().SelectedRow();
  ListView_SetItemState(Handle(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  if (Model().MultiSelect()) {
    for (int chosen : Model().SelectedRows()) ListView_SetItemState(Handle(), chosen, LVIS_SELECTED, LVIS_SELECTED);
  }
  if (row >= 0) {
    ListView_SetItemState(Handle(), row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(Handle(), row, FALSE);
  }
}

std::optional<LRESULT> ListViewView::OnNotify(NMHDR& header) {
  if (Syncing()) return std::nullopt;
  if (header.code == LVN_ITEMCHANGED) {
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if ((change.uChanged & LVIF_STATE) && ((change.uNewState ^ change.uOldState) & LVIS_SELECTED)) {
      Model().RowSelectionChangedByUser(change.iItem, (change.uNewState & LVIS_SELECTED) != 0);
    }
    if ((change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_SELECTED) &&
        !(change.uOldState & LVIS_SELECTED)) {
      Model().ListIndexChangedByUser(change.iItem);
    }
    // The tick is the row's state image: 1 clear, 2 ticked.
    if ((change.uChanged & LVIF_STATE) && Model().CheckBoxes() && change.iItem >= 0 &&
        ((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK)) {
      Model().RowCheckChangedByUser(change.iItem, (change.uNewState & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2));
    }
    return 0;
  }
  if (header.code == NM_DBLCLK) {
    Model().RaiseDblClick();
    return 0;
  }
  return std::nullopt;
}

}  // namespace qb::ui::win32
