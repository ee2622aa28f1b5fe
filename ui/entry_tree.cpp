#include "ui/entry_tree.h"

#include <cstring>
#include <vector>

namespace {

HTREEITEM Next(HWND tree, HTREEITEM item, UINT relation) {
  return reinterpret_cast<HTREEITEM>(
      SendMessageA(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

// The item after `item` in display order, counting collapsed children too.
HTREEITEM Following(HWND tree, HTREEITEM item) {
  if (HTREEITEM child = Next(tree, item, TVGN_CHILD)) return child;
  for (HTREEITEM at = item; at; at = Next(tree, at, TVGN_PARENT))
    if (HTREEITEM sibling = Next(tree, at, TVGN_NEXT)) return sibling;
  return nullptr;
}

HTREEITEM ItemByNumber(HWND tree, int number) {
  if (number < 0) return nullptr;
  HTREEITEM item = Next(tree, nullptr, TVGN_ROOT);
  for (int i = 0; item && i < number; ++i) item = Following(tree, item);
  return item;
}

int NumberOfItem(HWND tree, HTREEITEM wanted) {
  if (!wanted) return -1;
  int number = 0;
  for (HTREEITEM item = Next(tree, nullptr, TVGN_ROOT); item; item = Following(tree, item), ++number)
    if (item == wanted) return number;
  return -1;
}

UINT ItemState(HWND tree, int number, UINT mask) {
  HTREEITEM item = ItemByNumber(tree, number);
  if (!item) return 0;
  return static_cast<UINT>(SendMessageA(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), mask));
}

}  // namespace

int TreeSelection(HWND tree) { return NumberOfItem(tree, Next(tree, nullptr, TVGN_CARET)); }

int TreeItemCount(HWND tree) { return static_cast<int>(SendMessageA(tree, TVM_GETCOUNT, 0, 0)); }

void TreeAddItem(HWND tree, int parent, const Text& text, bool bold) {
  TVINSERTSTRUCTA insert{};
  HTREEITEM parentItem = ItemByNumber(tree, parent);
  insert.hParent = parentItem ? parentItem : TVI_ROOT;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE;
  insert.item.pszText = const_cast<char*>(text.c_str());
  insert.item.iImage = 0;
  insert.item.iSelectedImage = 0;
  insert.item.stateMask = TVIS_BOLD;
  insert.item.state = bold ? TVIS_BOLD : 0;
  SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
}

void TreeSetItemText(HWND tree, int number, const Text& text) {
  HTREEITEM item = ItemByNumber(tree, number);
  if (!item) return;
  TVITEMA change{};
  change.mask = TVIF_TEXT;
  change.hItem = item;
  change.pszText = const_cast<char*>(text.c_str());
  SendMessageA(tree, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&change));
}

void TreeExpandItem(HWND tree, int number) {
  if (HTREEITEM item = ItemByNumber(tree, number))
    SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
}

void TreeDeleteItem(HWND tree, int number) {
  if (HTREEITEM item = ItemByNumber(tree, number))
    SendMessageA(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item));
}

void TreeRemoveAll(HWND tree) { SendMessageA(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)); }

void TreeSelectItem(HWND tree, int number) {
  SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(ItemByNumber(tree, number)));
}

Text TreeItemText(HWND tree, int number) {
  HTREEITEM item = ItemByNumber(tree, number);
  if (!item) return Text();
  std::vector<char> buffer(65536);
  TVITEMA query{};
  query.mask = TVIF_TEXT;
  query.hItem = item;
  query.pszText = buffer.data();
  query.cchTextMax = static_cast<int>(buffer.size());
  SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query));
  return Text(query.pszText);
}

bool TreeItemIsBold(HWND tree, int number) { return ItemState(tree, number, TVIS_BOLD) & TVIS_BOLD; }

bool TreeItemIsExpanded(HWND tree, int number) {
  return ItemState(tree, number, TVIS_EXPANDED) & TVIS_EXPANDED;
}

int TreeChildCount(HWND tree, int number) {
  HTREEITEM item = ItemByNumber(tree, number);
  int count = 0;
  for (HTREEITEM child = item ? Next(tree, item, TVGN_CHILD) : nullptr; child;
       child = Next(tree, child, TVGN_NEXT))
    ++count;
  return count;
}

int TreeItemAt(HWND tree, POINT client) {
  TVHITTESTINFO hit{};
  hit.pt = client;
  SendMessageA(tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  return (hit.flags & TVHT_ONITEM) ? NumberOfItem(tree, hit.hItem) : -1;
}

RECT TreeItemRect(HWND tree, int number) {
  RECT rect{};
  HTREEITEM item = ItemByNumber(tree, number);
  // TVM_GETITEMRECT takes the item in the rectangle's first bytes.
  std::memcpy(&rect, &item, sizeof item);
  if (item) SendMessageA(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect));
  return rect;
}
