// Working another process's windows the way a user does: finding them,
// reading and filling their controls, real mouse and keyboard input, and
// screenshots for review.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ui/gdi_handles.h"

// A kernel handle (process, thread) closed when it goes out of scope.
using OwnedHandle = Owned<HANDLE, CloseHandle>;

// Memory in another process, for the control messages that carry pointers
// (the system marshals only its own messages). Freed when it goes out of scope.
class RemoteMemory {
 public:
  RemoteMemory(HANDLE process, SIZE_T size);
  ~RemoteMemory();
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;
  char* address() const { return static_cast<char*>(address_); }
  bool Write(const void* data, SIZE_T size, SIZE_T offset = 0) const;
  bool Read(void* data, SIZE_T size, SIZE_T offset = 0) const;

 private:
  HANDLE process_;
  void* address_;
};

// Polls `done` every 20 ms until it holds; false when `timeoutMs` passed first.
bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = 10000);

// A top-level window of process `processId` with this class whose caption
// starts with `captionStart` (and, when given, owned by `owner`), or null.
struct WindowQuery {
  const char* className;
  std::string captionStart = {};
  HWND owner = nullptr;
  bool visibleOnly = true;
};
HWND FindProcessWindow(DWORD processId, const WindowQuery& query);
// The child of `parent` with this class and exact text, or null.
HWND FindChild(HWND parent, const char* className, const char* text);
// The first descendant of `parent` with this class, at any depth, or null.
HWND FindDescendant(HWND parent, const char* className);
// The children of `parent` with this class, in creation order.
std::vector<HWND> ChildrenOfClass(HWND parent, const char* className);
std::string ClassOf(HWND window);
// Every descendant as "class#id", for failure messages.
std::string DescribeChildren(HWND parent);

// Texts through WM_GETTEXT / WM_SETTEXT, which the system carries across processes.
std::string WindowText(HWND window);
void SetWindowTextRemote(HWND window, const std::string& text);
// A click on a push button or check box, posted: a click handler may run a
// modal window, and a sent message would wait for it to close.
void PostClick(HWND button);
bool IsButtonChecked(HWND button);
// The text of a message box (its static control).
std::string MessageBoxText(HWND box);

// The tree control of another process.
struct RemoteTree {
  HANDLE process;
  HWND tree;
};
int TreeItemCount(const RemoteTree& tree);
// Root items, each followed by its children: "Velmora[a|b|c]".
std::string TreeText(const RemoteTree& tree);
// The n-th child of the first root item (1 is the first child), or null.
HTREEITEM TreeChild(const RemoteTree& tree, int number);
HTREEITEM TreeSelection(const RemoteTree& tree);
std::string TreeItemText(const RemoteTree& tree, HTREEITEM item);
// The item's text rectangle in screen coordinates, scrolled into view first.
bool TreeItemScreenRect(const RemoteTree& tree, HTREEITEM item, RECT* rect);

// Real input, as from the mouse and keyboard.
bool RightClickAt(POINT screen);
bool PressKey(WORD virtualKey);

// The window's rectangle as now on screen, as a 24-bit BMP file.
bool SaveWindowScreenshot(HWND window, const std::string& bmpPath);
