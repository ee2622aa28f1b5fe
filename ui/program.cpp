#include "ui/program.h"

#include <commctrl.h>

#include "entries/entry_store.h"
#include "entries/program_paths.h"
#include "ui/editor_window.h"
#include "ui/main_window.h"

namespace {
int g_openWindows = 0;
}

bool StartProgram(const Text& modulePath) {
  InitProgramPaths(modulePath);
  SetCurrentDirectoryA(RunDirectory().c_str());
  ClearEntries();
  EditMode.clear();
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  if (!RegisterMainWindowClass() || !RegisterEditorWindowClass()) return false;
  return CreateMainWindow() != nullptr;
}

bool HandleDialogKeys(MSG& message) {
  if (!message.hwnd) return false;
  HWND top = GetAncestor(message.hwnd, GA_ROOT);
  if (top != MainWindowHandle() && top != EditorWindowHandle()) return false;
  return IsDialogMessageA(top, &message) != FALSE;
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (HandleDialogKeys(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}

void ReleaseProgramState() {
  Entries.Commands = TextList();
  Entries.Titles = TextList();
  EditMode = Text();
}

void ProgramWindowOpened() { ++g_openWindows; }

void ProgramWindowClosed() {
  if (--g_openWindows == 0) PostQuitMessage(0);
}

int OpenProgramWindows() { return g_openWindows; }
