// The entry tree's operations, with items named by number: items count from
// 0 in display order (an item before its children, its children before its
// next sibling), whether expanded or not. The root is item 0.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "entries/text.h"

int TreeSelection(HWND tree);  // the selected item's number, -1 when none
int TreeItemCount(HWND tree);  // all items, the root included
// Adds a last child of item `parent`; a top-level item when `parent` names no item.
void TreeAddItem(HWND tree, int parent, const Text& text, bool bold = false);
void TreeSetItemText(HWND tree, int item, const Text& text);
void TreeExpandItem(HWND tree, int item);
void TreeDeleteItem(HWND tree, int item);
void TreeRemoveAll(HWND tree);
void TreeSelectItem(HWND tree, int item);

Text TreeItemText(HWND tree, int item);
bool TreeItemIsBold(HWND tree, int item);
bool TreeItemIsExpanded(HWND tree, int item);
int TreeChildCount(HWND tree, int item);
int TreeItemAt(HWND tree, POINT client);  // the item whose picture or text is at the point, or -1
RECT TreeItemRect(HWND tree, int item);   // the item's text rectangle, in client coordinates
