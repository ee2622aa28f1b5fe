#include "tests/ui_fixture.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "entries/entry_store.h"
#include "tests/menu_fixture.h"
#include "ui/editor_window.h"
#include "ui/entry_edits.h"
#include "ui/entry_tree.h"
#include "ui/main_window.h"
#include "ui/program.h"

ScriptedUser User;

namespace {

int WINAPI ScriptedMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT flags) {
  User.messages.push_back({owner, text ? text : "", caption ? caption : "", flags});
  return IDOK;
}

BOOL WINAPI ScriptedOpenFile(LPOPENFILENAMEA dialog) {
  User.dialogStartNames.push_back(dialog->lpstrFile);
  User.dialogFilter.clear();
  for (const char* at = dialog->lpstrFilter; at && *at; at += std::strlen(at) + 1)
    User.dialogFilter += std::string(at) + '|';
  User.dialogFlags = dialog->Flags;
  User.dialogOwner = dialog->hwndOwner;
  if (User.fileToPick.empty()) return FALSE;
  lstrcpynA(dialog->lpstrFile, User.fileToPick.c_str(), static_cast<int>(dialog->nMaxFile));
  return TRUE;
}

BOOL WINAPI ScriptedPopup(HMENU menu, UINT flags, int x, int y, int, HWND, const RECT*) {
  ShownPopup popup{{x, y}, flags, {}};
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[64] = "";
    GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
    popup.items.push_back(text);
  }
  User.popups.push_back(popup);
  return User.popupChoice;
}

}  // namespace

void ProgramTest::SetUp() {
  User = ScriptedUser();
  WipeMenuRegistry();
  savedSystem_ = System;
  savedSeam_ = Modal;
  Modal = {ScriptedMessageBox, ScriptedOpenFile, ScriptedPopup};
}

void ProgramTest::TearDown() {
  if (HWND main = MainWindowHandle()) DestroyWindow(main);
  Pump();
  EXPECT_EQ(EditorWindowHandle(), nullptr);
  EXPECT_EQ(OpenProgramWindows(), 0);
  Modal = savedSeam_;
  System = savedSystem_;
  WipeMenuRegistry();
  ClearEntries();
  EditMode.clear();
  EditedEntry = NoEditedEntry;
}

void ProgramTest::Start() {
  ASSERT_TRUE(StartProgram(folder.path + "\\velmora.exe"));
  Pump();
}

void ProgramTest::Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT || HandleDialogKeys(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void ProgramTest::Click(HWND button) {
  ASSERT_NE(button, nullptr);
  SendMessageA(button, BM_CLICK, 0, 0);
  Pump();
}

void ProgramTest::Type(HWND box, const Text& text) {
  SetWindowTextA(box, text.c_str());
  Pump();
}

Text ProgramTest::TextOf(HWND window) {
  char buffer[4096] = "";
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

bool ProgramTest::IsChecked(HWND box) { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void ProgramTest::RightClickTree(POINT client) {
  HWND tree = MainTree();
  POINT screen = client;
  ClientToScreen(tree, &screen);
  SetCursorPos(screen.x, screen.y);
  const LPARAM at = MAKELPARAM(client.x, client.y);
  // The tree follows the press until the release, which is already queued.
  PostMessageA(tree, WM_RBUTTONUP, 0, at);
  SendMessageA(tree, WM_RBUTTONDOWN, MK_RBUTTON, at);
  Pump();
}

void ProgramTest::RightClickEntry(int item) {
  // Near the start of the item's text, which may reach far beyond the tree.
  RECT rect = TreeItemRect(MainTree(), item);
  RightClickTree({std::min((rect.left + rect.right) / 2, rect.left + 8), (rect.top + rect.bottom) / 2});
}

void ProgramTest::Popup(int item, int command) {
  User.popupChoice = command;
  RightClickEntry(item);
  User.popupChoice = 0;
}

Text ProgramTest::TreeText() {
  HWND tree = MainTree();
  Text text = TreeItemText(tree, 0) + "[";
  for (int i = 1; i < TreeItemCount(tree); ++i) text += (i > 1 ? "|" : "") + TreeItemText(tree, i);
  return text + "]";
}

HWND ProgramTest::Main(const char* name) { return MainControl(name); }
HWND ProgramTest::Editor(const char* name) { return EditorControl(name); }

void ProgramTest::AddThroughEditor(const Text& caption, const Text& command) {
  Click(Main("按钮_添加"));
  Type(Editor("编辑框_添加项"), caption);
  Type(Editor("编辑框_命令"), command);
  Click(Editor("按钮_添加"));
}
