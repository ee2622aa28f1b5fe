// A window is its design: a caption, an outer size and a table of controls
// placed in its client area. These helpers build a window from its design.
#pragma once

#include <windows.h>

#include <cstddef>
#include <iterator>

struct ControlDesign {
  const char* name;       // the design's name of the control
  const char* className;  // window class: "BUTTON", "STATIC", "EDIT", WC_TREEVIEWA
  int x, y, width, height;
  const char* text;
  DWORD style;  // added to WS_CHILD | WS_VISIBLE
  DWORD exStyle;
  int id;
};

// Styles of a fixed-size top-level window with a close box but no
// minimize or maximize box.
constexpr DWORD FixedWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

// Registers a class for the program's top-level windows: its icon, the
// dialog background colour. True also when it exists already.
bool RegisterProgramWindowClass(const char* className, WNDPROC windowProc);

// Creates a top-level window of `width` x `height` (outer size), centred on
// the screen's work area, without owner.
HWND CreateCentredWindow(const char* className, const char* caption, int width, int height);

// Creates every control of the table as a child of `parent`, in table order
// (which is also the Tab order), all with the program's dialog font.
void CreateControls(HWND parent, const ControlDesign* table, std::size_t count);

// The control of `parent` that the table names `name`, or null.
HWND ControlByName(HWND parent, const ControlDesign* table, std::size_t count, const char* name);

// The font every control uses.
HFONT DialogFont();

// WM_CTLCOLORSTATIC: labels are transparent over the window's background.
LRESULT ColorStaticTransparent(HDC dc);

// DM_GETDEFID, which IsDialogMessage asks when Enter is pressed: the focused
// push button, else `fallbackId` (0 for none).
LRESULT FocusedButtonAsDefault(HWND window, int fallbackId);
