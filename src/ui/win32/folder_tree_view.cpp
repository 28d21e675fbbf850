// The folder tree: the folders of one drive, opened one level at a time. The model's text
// is the selected folder's path; setting it opens the tree down to that folder.
#include "ui/win32/control_views.h"

#include <algorithm>

#include "platform/win32/scoped.h"
#include "platform/win32/wide.h"

namespace qb::ui::win32 {
namespace {

std::wstring Joined(const std::wstring& folder, const std::wstring& name) {
  return !folder.empty() && folder.back() == L'\\' ? folder + name : folder + L'\\' + name;
}

std::vector<std::wstring> SubfolderNames(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found{};
  qb::win32::ScopedFind find(FindFirstFileExW(Joined(folder, L"*").c_str(), FindExInfoStandard, &found,
                                              FindExSearchLimitToDirectories, nullptr, 0));
  if (!find) return names;
  do {
    const std::wstring name = found.cFileName;
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != L"." && name != L"..") {
      names.push_back(name);
    }
  } while (FindNextFileW(find.Get(), &found));
  std::sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_LESS_THAN;
  });
  return names;
}

// "C:\Windows\System32" -> {"C:\", "Windows", "System32"}.
std::vector<std::wstring> PathParts(const std::wstring& path) {
  std::vector<std::wstring> parts;
  if (path.size() < 2 || path[1] != L':') return parts;
  parts.push_back(path.substr(0, 2) + L"\\");
  std::size_t start = 3;
  while (start < path.size()) {
    const std::size_t end = path.find(L'\\', start);
    const std::wstring part = path.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
    if (!part.empty()) parts.push_back(part);
    if (end == std::wstring::npos) break;
    start = end + 1;
  }
  return parts;
}

}  // namespace

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

HTREEITEM FolderTreeView::AddFolder(HTREEITEM parent, const std::wstring& path, const std::wstring& name) {
  paths_.push_back(path);
  std::wstring text = name;
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
  const std::wstring folder = paths_[static_cast<std::size_t>(data.lParam)];
  const std::vector<std::wstring> names = SubfolderNames(folder);
  for (const std::wstring& name : names) AddFolder(item, Joined(folder, name), name);
  if (names.empty()) {
    data.mask = TVIF_CHILDREN;
    data.cChildren = 0;
    TreeView_SetItem(Handle(), &data);
  }
}

void FolderTreeView::ShowPath() {
  const std::vector<std::wstring> parts = PathParts(qb::win32::Wide(Model().Text()));
  TreeView_DeleteAllItems(Handle());
  paths_.clear();
  if (parts.empty()) return;
  HTREEITEM item = AddFolder(TVI_ROOT, parts[0], parts[0]);
  for (std::size_t i = 1; i < parts.size() && item; ++i) {
    FillChildren(item);
    TreeView_Expand(Handle(), item, TVE_EXPAND);
    HTREEITEM match = nullptr;
    for (HTREEITEM child = TreeView_GetChild(Handle(), item); child && !match;
         child = TreeView_GetNextSibling(Handle(), child)) {
      wchar_t name[MAX_PATH] = {};
      TVITEMW data{};
      data.mask = TVIF_TEXT;
      data.hItem = child;
      data.pszText = name;
      data.cchTextMax = MAX_PATH;
      if (TreeView_GetItem(Handle(), &data) &&
          CompareStringOrdinal(name, -1, parts[i].c_str(), -1, TRUE) == CSTR_EQUAL) {
        match = child;
      }
    }
    if (!match) break;
    item = match;
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
    if (index < paths_.size()) Model().TextChangedByUser(qb::win32::Narrow(paths_[index]));
    return 0;
  }
  return std::nullopt;
}

}  // namespace qb::ui::win32
