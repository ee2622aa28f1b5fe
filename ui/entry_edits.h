// Every change the windows make to the entry lists, each paired with the same
// change of the entry tree, so that child p of the root always shows Titles[p].
#pragma once

#include <windows.h>

#include "entries/text.h"

void ShowLoadedEntries(HWND tree, int count);
void AddEntry(HWND tree, const Text& caption, const Text& command);
// Replaces entry `position`; false (and nothing changed) when there is none.
bool ReplaceEntryAt(HWND tree, int position, const Text& caption, const Text& command);
void DeleteEntryAt(HWND tree, int position);
// The bare root "Velmora", bold and expanded; the lists are emptied next.
void ResetEntryTree(HWND tree);

// The entry the editor was opened for: its position, kept in step when
// earlier entries are deleted; NoEditedEntry when the editor is not editing,
// EditedEntryGone when that entry has been deleted meanwhile.
constexpr int NoEditedEntry = 0;
constexpr int EditedEntryGone = -1;
extern int EditedEntry;
