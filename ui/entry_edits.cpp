#include "ui/entry_edits.h"

#include "entries/entry_store.h"
#include "ui/entry_tree.h"

int EditedEntry = NoEditedEntry;

namespace {
const int kRoot = 0;
}

void ShowLoadedEntries(HWND tree, int count) {
  for (int i = 1; i <= count; ++i) TreeAddItem(tree, kRoot, EntryTitle(i));
}

void AddEntry(HWND tree, const Text& caption, const Text& command) {
  TreeAddItem(tree, kRoot, caption);
  AppendEntry(caption, command);
}

bool ReplaceEntryAt(HWND tree, int position, const Text& caption, const Text& command) {
  if (!ReplaceEntry(position, caption, command)) return false;
  TreeSetItemText(tree, position, caption);
  return true;
}

void DeleteEntryAt(HWND tree, int position) {
  if (position < 1) return;  // never the root
  RemoveEntry(position);
  TreeDeleteItem(tree, position);
  if (EditedEntry == position)
    EditedEntry = EditedEntryGone;
  else if (EditedEntry > position)
    --EditedEntry;
}

void ResetEntryTree(HWND tree) {
  TreeRemoveAll(tree);
  TreeAddItem(tree, -1, "Velmora", true);
  // A tree only marks an item expanded while it has children: give it one
  // for the moment.
  TreeAddItem(tree, kRoot, "");
  TreeExpandItem(tree, kRoot);
  TreeDeleteItem(tree, 1);
  if (EditedEntry > 0) EditedEntry = EditedEntryGone;
}
