// The user's menu entries in memory, the editor's mode flag, and the data
// file data.ini that keeps the entries between runs.
#pragma once

#include "entries/text.h"

// Two parallel lists; entry p (from 1) is (Titles[p-1], Commands[p-1]) and is
// shown as child p of the tree's root.
struct EntryLists {
  TextList Titles;
  TextList Commands;
};

constexpr int MaxEntries = 16;

extern EntryLists Entries;
// "是" while the editor works on an existing entry, empty when it adds.
extern Text EditMode;
extern const char* const EditModeEditing;

bool IsEditing();  // EditMode is "是", byte for byte

int EntryCount();                 // entries that have both a title and a command
bool HasEntry(int position);      // 1 <= position <= EntryCount()
Text EntryTitle(int position);    // empty outside the list
Text EntryCommand(int position);  // empty outside the list

// Replaces both lists from the data file and returns how many entries the
// tree shows (the lists hold exactly that many afterwards).
int LoadEntries();
// Writes the aliases and the first aliases.size() titles and commands.
// Returns whether all three values were written.
bool SaveEntries(const TextList& aliases);

void AppendEntry(const Text& caption, const Text& command);
bool ReplaceEntry(int position, const Text& caption, const Text& command);
void RemoveEntry(int position);
void ClearEntries();
