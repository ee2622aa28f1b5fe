// EditorWindow "编辑菜单": where an entry's caption and command line are
// typed, to add a new entry or to change the one it was opened for.
#pragma once

#include <windows.h>

#include "ui/window_design.h"

enum EditorControlId {
  IdCaptionLabel = 300,
  IdCaptionBox,
  IdCommandLabel,
  IdCommandBox,
  IdBrowseButton,
  IdCommitButton,
  IdClearButton,
};

extern const ControlDesign EditorWindowDesign[7];

bool RegisterEditorWindowClass();
// Opens the editor to add entries, or brings the open one to the front in add mode.
void OpenEditorToAdd();
// Opens the editor on entry `position`; nothing happens when there is no such entry.
void OpenEditorToEdit(int position);
void CloseEditorWindow();
HWND EditorWindowHandle();  // null when it is not open
HWND EditorControl(const char* name);

extern const char* const TooManyEntriesMessage;
extern const char* const EmptyCaptionMessage;
extern const char* const EditedEntryGoneMessage;
