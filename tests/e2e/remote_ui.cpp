#include "tests/e2e/remote_ui.h"

#include <cstdlib>
#include <cstring>

namespace {

const UINT kAnswerTimeoutMs = 5000;
const int kMessageBoxTextId = 0xFFFF;

// A message the other process answers; 0 when it does not within the timeout.
LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &result))
    return 0;
  return static_cast<LRESULT>(result);
}

HTREEITEM NextItem(const RemoteTree& tree, HTREEITEM item, UINT relation) {
  return reinterpret_cast<HTREEITEM>(
      Ask(tree.tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

// The device contexts of a screenshot, released when they go out of scope.
struct ScreenContext {
  HDC dc = GetDC(nullptr);
  ~ScreenContext() {
    if (dc) ReleaseDC(nullptr, dc);
  }
};

struct MemoryContext {
  HDC dc;
  HGDIOBJ saved = nullptr;
  explicit MemoryContext(HDC screen) : dc(CreateCompatibleDC(screen)) {}
  ~MemoryContext() {
    if (saved) SelectObject(dc, saved);
    if (dc) DeleteDC(dc);
  }
};

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  HANDLE created =
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (created == INVALID_HANDLE_VALUE) return false;
  OwnedHandle file(created);
  DWORD written = 0;
  return WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

template <typename T>
void AppendBytes(std::string& out, const T& value) {
  out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

}  // namespace

RemoteMemory::RemoteMemory(HANDLE process, SIZE_T size)
    : process_(process),
      address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}

RemoteMemory::~RemoteMemory() {
  if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
}

bool RemoteMemory::Write(const void* data, SIZE_T size, SIZE_T offset) const {
  SIZE_T done = 0;
  return address_ && WriteProcessMemory(process_, address() + offset, data, size, &done) && done == size;
}

bool RemoteMemory::Read(void* data, SIZE_T size, SIZE_T offset) const {
  SIZE_T done = 0;
  return address_ && ReadProcessMemory(process_, address() + offset, data, size, &done) && done == size;
}

bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  for (;;) {
    if (done()) return true;
    if (GetTickCount64() >= end) return false;
    Sleep(20);
  }
}

std::string ClassOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

HWND FindProcessWindow(DWORD processId, const WindowQuery& query) {
  std::vector<HWND> windows;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
  for (HWND window : windows) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != processId || ClassOf(window) != query.className) continue;
    if (query.visibleOnly && !IsWindowVisible(window)) continue;
    if (query.owner && GetWindow(window, GW_OWNER) != query.owner) continue;
    if (WindowText(window).compare(0, query.captionStart.size(), query.captionStart) == 0) return window;
  }
  return nullptr;
}

HWND FindChild(HWND parent, const char* className, const char* text) {
  for (HWND child : ChildrenOfClass(parent, className))
    if (WindowText(child) == text) return child;
  return nullptr;
}

HWND FindDescendant(HWND parent, const char* className) {
  std::vector<HWND> children;
  EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&children));
  for (HWND child : children)
    if (lstrcmpiA(ClassOf(child).c_str(), className) == 0) return child;
  return nullptr;
}

std::vector<HWND> ChildrenOfClass(HWND parent, const char* className) {
  std::vector<HWND> found;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (lstrcmpiA(ClassOf(child).c_str(), className) == 0) found.push_back(child);
  return found;
}

std::string DescribeChildren(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&children));
  std::string text;
  for (HWND child : children) text += ClassOf(child) + "#" + std::to_string(GetDlgCtrlID(child)) + " ";
  return text;
}

std::string WindowText(HWND window) {
  // The length may count characters where the text has double-byte ones: room for both.
  const LRESULT length = Ask(window, WM_GETTEXTLENGTH, 0, 0);
  std::vector<char> buffer(static_cast<std::size_t>(length) * 2 + 64, '\0');
  Ask(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  return buffer.data();
}

void SetWindowTextRemote(HWND window, const std::string& text) {
  Ask(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void PostClick(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

bool IsButtonChecked(HWND button) { return Ask(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

std::string MessageBoxText(HWND box) {
  if (HWND text = GetDlgItem(box, kMessageBoxTextId)) return WindowText(text);
  for (HWND label : ChildrenOfClass(box, "Static")) {
    const std::string text = WindowText(label);
    if (!text.empty()) return text;
  }
  return "<no text>";
}

int TreeItemCount(const RemoteTree& tree) { return static_cast<int>(Ask(tree.tree, TVM_GETCOUNT, 0, 0)); }

std::string TreeText(const RemoteTree& tree) {
  std::string text;
  for (HTREEITEM root = NextItem(tree, nullptr, TVGN_ROOT); root; root = NextItem(tree, root, TVGN_NEXT)) {
    if (!text.empty()) text += " + ";
    text += TreeItemText(tree, root) + "[";
    const char* separator = "";
    for (HTREEITEM child = NextItem(tree, root, TVGN_CHILD); child;
         child = NextItem(tree, child, TVGN_NEXT)) {
      text += separator + TreeItemText(tree, child);
      separator = "|";
    }
    text += "]";
  }
  return text;
}

HTREEITEM TreeChild(const RemoteTree& tree, int number) {
  HTREEITEM item = NextItem(tree, NextItem(tree, nullptr, TVGN_ROOT), TVGN_CHILD);
  for (int i = 1; item && i < number; ++i) item = NextItem(tree, item, TVGN_NEXT);
  return number >= 1 ? item : nullptr;
}

HTREEITEM TreeSelection(const RemoteTree& tree) { return NextItem(tree, nullptr, TVGN_CARET); }

std::string TreeItemText(const RemoteTree& tree, HTREEITEM item) {
  const int kTextMax = 1024;
  RemoteMemory memory(tree.process, sizeof(TVITEMA) + kTextMax);
  TVITEMA query{};
  query.mask = TVIF_TEXT;
  query.hItem = item;
  query.pszText = memory.address() + sizeof(TVITEMA);
  query.cchTextMax = kTextMax;
  const char zero = '\0';
  if (!memory.Write(&query, sizeof query) || !memory.Write(&zero, 1, sizeof(TVITEMA)) ||
      !Ask(tree.tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(memory.address())))
    return "<unreadable>";
  std::vector<char> text(kTextMax + 1, '\0');
  if (!memory.Read(text.data(), kTextMax, sizeof(TVITEMA))) return "<unreadable>";
  return text.data();
}

bool TreeItemScreenRect(const RemoteTree& tree, HTREEITEM item, RECT* rect) {
  Ask(tree.tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
  // TVM_GETITEMRECT takes the item in the rectangle's first bytes.
  RemoteMemory memory(tree.process, sizeof(RECT));
  RECT query{};
  std::memcpy(&query, &item, sizeof item);
  if (!memory.Write(&query, sizeof query) ||
      !Ask(tree.tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(memory.address())) ||
      !memory.Read(rect, sizeof *rect))
    return false;
  MapWindowPoints(tree.tree, HWND_DESKTOP, reinterpret_cast<POINT*>(rect), 2);
  return true;
}

bool RightClickAt(POINT screen) {
  // A second click this close in place and time would be a double click.
  static POINT lastAt{-1000, -1000};
  static ULONGLONG lastTick = 0;
  const ULONGLONG doubleClickMs = GetDoubleClickTime();
  if (std::abs(screen.x - lastAt.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
      std::abs(screen.y - lastAt.y) <= GetSystemMetrics(SM_CYDOUBLECLK)) {
    const ULONGLONG since = GetTickCount64() - lastTick;
    if (since <= doubleClickMs) Sleep(static_cast<DWORD>(doubleClickMs - since) + 50);
  }
  if (!SetCursorPos(screen.x, screen.y)) return false;
  POINT now{};
  if (!GetCursorPos(&now) || now.x != screen.x || now.y != screen.y) return false;
  INPUT press{};
  press.type = INPUT_MOUSE;
  press.mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
  INPUT release = press;
  release.mi.dwFlags = MOUSEEVENTF_RIGHTUP;
  if (SendInput(1, &press, sizeof press) != 1) return false;
  Sleep(30);
  const bool released = SendInput(1, &release, sizeof release) == 1;
  lastAt = screen;
  lastTick = GetTickCount64();
  return released;
}

bool PressKey(WORD virtualKey) {
  INPUT keys[2]{};
  keys[0].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = virtualKey;
  keys[0].ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
  keys[1] = keys[0];
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  const bool sent = SendInput(2, keys, sizeof(INPUT)) == 2;
  Sleep(30);
  return sent;
}

bool SaveWindowScreenshot(HWND window, const std::string& bmpPath) {
  RECT rect;
  if (!GetWindowRect(window, &rect)) return false;
  const LONG width = rect.right - rect.left;
  const LONG height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return false;

  ScreenContext screen;
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;  // bottom-up, as BMP files usually are
  header.biPlanes = 1;
  header.biBitCount = 24;  // no alpha byte that a viewer could take for transparency
  header.biCompression = BI_RGB;
  void* bits = nullptr;
  OwnedBitmap picture(
      CreateDIBSection(screen.dc, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0));
  MemoryContext memory(screen.dc);  // after the bitmap: it must let go of it before it is deleted
  if (!screen.dc || !memory.dc || !picture || !bits) return false;
  memory.saved = SelectObject(memory.dc, picture.get());
  if (!BitBlt(memory.dc, 0, 0, width, height, screen.dc, rect.left, rect.top, SRCCOPY | CAPTUREBLT))
    return false;
  GdiFlush();

  const DWORD rowSize = (static_cast<DWORD>(width) * 3 + 3) & ~3u;  // rows padded to 4 bytes
  const DWORD imageSize = rowSize * static_cast<DWORD>(height);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + imageSize;
  header.biSizeImage = imageSize;
  std::string bytes;
  AppendBytes(bytes, file);
  AppendBytes(bytes, header);
  bytes.append(static_cast<const char*>(bits), imageSize);
  return WriteWholeFile(bmpPath, bytes);
}
