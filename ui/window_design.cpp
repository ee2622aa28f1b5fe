#include "ui/window_design.h"

#include <cstring>

#include "assets/resource_ids.h"

HFONT DialogFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

bool RegisterProgramWindowClass(const char* className, WNDPROC windowProc) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hIcon = LoadIconA(windowClass.hInstance, MAKEINTRESOURCEA(IDI_APP));
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512) /* IDC_ARROW */);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = className;
  return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CreateCentredWindow(const char* className, const char* caption, int width, int height) {
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const int x = work.left + (work.right - work.left - width) / 2;
  const int y = work.top + (work.bottom - work.top - height) / 2;
  return CreateWindowExA(WS_EX_APPWINDOW | WS_EX_CONTROLPARENT, className, caption, FixedWindowStyle, x, y,
                         width, height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

void CreateControls(HWND parent, const ControlDesign* table, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    const ControlDesign& c = table[i];
    HWND control = CreateWindowExA(
        c.exStyle, c.className, c.text, WS_CHILD | WS_VISIBLE | c.style, c.x, c.y, c.width, c.height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont()), FALSE);
  }
}

HWND ControlByName(HWND parent, const ControlDesign* table, std::size_t count, const char* name) {
  for (std::size_t i = 0; i < count; ++i)
    if (std::strcmp(table[i].name, name) == 0) return GetDlgItem(parent, table[i].id);
  return nullptr;
}

LRESULT ColorStaticTransparent(HDC dc) {
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT FocusedButtonAsDefault(HWND window, int fallbackId) {
  HWND focus = GetFocus();
  if (focus && IsChild(window, focus)) {
    char className[16] = "";
    GetClassNameA(focus, className, sizeof className);
    const LONG_PTR type = GetWindowLongPtrA(focus, GWL_STYLE) & BS_TYPEMASK;
    if (lstrcmpiA(className, "BUTTON") == 0 && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON))
      return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
  }
  return fallbackId ? MAKELRESULT(fallbackId, DC_HASDEFID) : 0;
}
