// MainWindow: the entry tree, the three target check boxes and the buttons
// that open the editor, publish the menu and remove it.
#pragma once

#include <windows.h>

#include "ui/window_design.h"

// The publisher's web address, shown in the caption. A placeholder until the
// project has a home page of its own.
extern const char* const PublisherAddress;

enum MainControlId {
  IdEntryTree = 100,
  IdArrowLabel,
  IdPreview,
  IdEffectLabel,
  IdTargetsLabel,
  IdDesktopCheck,
  IdFilesCheck,
  IdFoldersCheck,
  IdAddButton,
  IdPublishButton,
  IdRemoveButton,
  IdPopupEdit = 200,
  IdPopupDelete,
};

extern const ControlDesign MainWindowDesign[11];

bool RegisterMainWindowClass();
HWND CreateMainWindow();
HWND MainWindowHandle();  // null when it is not open
HWND MainTree();          // null when the main window is not open
HWND MainControl(const char* name);

extern const char* const PublishFailedMessage;
extern const char* const RemoveFailedMessage;
