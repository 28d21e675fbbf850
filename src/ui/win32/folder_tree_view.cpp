// The folder tree: the folders of one drive, opened one level at a time. The model's text
// is the selected folder's path; setting it opens the tree down to that folder. The model
// lists each folder's subfolders; the view only shows them.
#include "ui/win32/control_views.h"

#include "platform/text.h"
#include "platform/win32/wide.h"
#include "ui/folder_tree.h"

namespace qb::ui::win32 {

ControlView::Shape FolderTreeView::WindowShape() const {
  return {WC_TREEVIEWW, TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS | WS_TABSTOP,
          WS_EX_CLIENTEDGE};
}

void FolderTreeView::SyncContent() { ShowPath(); }

void FolderTreeView::Mirror(Property property) {
  if (property == Property::Text) {
    ShowPath();
    return;
  }
  ControlView::Mirror(property);
}

HTREEITEM FolderTreeView::AddFolder(HTREEITEM parent, const std::string& path, const std::string& name) {
  paths_.push_back(path);
  std::wstring text = qb::win32::Wide(name);
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN;
  insert.item.pszText = text.data();
  insert.item.lParam = static_cast<LPARAM>(paths_.size() - 1);
  insert.item.cChildren = 1;  // found out when the folder is opened
  return TreeView_InsertItem(Handle(), &insert);
}

void FolderTreeView::FillChildren(HTREEITEM item) {
  if (TreeView_GetChild(Handle(), item)) return;
  TVITEMW data{};
  data.mask = TVIF_PARAM;
  data.hItem = item;
  if (!TreeView_GetItem(Handle(), &data) || data.lParam < 0 ||
      static_cast<std::size_t>(data.lParam) >= paths_.size()) {
    return;
  }
  const std::string folder = paths_[static_cast<std::size_t>(data.lParam)];
  const std::vector<std::string> names = Model().Subfolders(folder);
  for (const std::string& name : names) AddFolder(item, JoinFolder(folder, name), name);
  if (names.empty()) {
    data.mask = TVIF_CHILDREN;
    data.cChildren = 0;
    TreeView_SetItem(Handle(), &data);
  }
}

void FolderTreeView::ShowPath() {
  const std::vector<std::string> parts = FolderPathParts(Model().Text());
  TreeView_DeleteAllItems(Handle());
  paths_.clear();
  if (parts.empty()) return;
  std::string folder = parts[0];
  HTREEITEM item = AddFolder(TVI_ROOT, folder, folder);
  for (std::size_t i = 1; i < parts.size() && item; ++i) {
    FillChildren(item);
    TreeView_Expand(Handle(), item, TVE_EXPAND);
    const std::string wanted = JoinFolder(folder, parts[i]);
    HTREEITEM match = nullptr;
    for (HTREEITEM child = TreeView_GetChild(Handle(), item); child && !match;
         child = TreeView_GetNextSibling(Handle(), child)) {
      TVITEMW data{};
      data.mask = TVIF_PARAM;
      data.hItem = child;
      if (TreeView_GetItem(Handle(), &data) && static_cast<std::size_t>(data.lParam) < paths_.size() &&
          text::EqualsNoCase(paths_[static_cast<std::size_t>(data.lParam)], wanted)) {
        match = child;
      }
    }
    if (!match) break;
    item = match;
    folder = wanted;
  }
  TreeView_SelectItem(Handle(), item);
  TreeView_EnsureVisible(Handle(), item);
}

std::optional<LRESULT> FolderTreeView::OnNotify(NMHDR& header) {
  if (header.code == TVN_ITEMEXPANDINGW) {
    const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
    if (change.action & TVE_EXPAND) FillChildren(change.itemNew.hItem);
    return FALSE;
  }
  if (header.code == TVN_SELCHANGEDW && !Syncing()) {
    const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
    const auto index = static_cast<std::size_t>(change.itemNew.lParam);
    if (index < paths_.size()) Model().TextChangedByUser(paths_[index]);
    return 0;
  }
  return std::nullopt;
}

}  // namespace qb::ui::win32
