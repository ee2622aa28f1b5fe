#include <gtest/gtest.h>

#include "entries/entry_store.h"
#include "entries/program_paths.h"
#include "registry/system_calls.h"
#include "tests/menu_fixture.h"
#include "tests/ui_fixture.h"
#include "ui/editor_window.h"
#include "ui/entry_tree.h"
#include "ui/main_window.h"
#include "ui/program.h"

namespace {

const std::string kThreeEntries =
    "[关联标题]\r\ndata=vlm1,vlm2,vlm3,\r\n[标题数据]\r\ndata=记事本,b,c,\r\n[命令数据]\r\ndata=notepad.exe,"
    "q,r,\r\n";

class MainWindow : public ProgramTest {};

TEST_F(MainWindow, FirstStartCreatesTheDataFolderAndShowsTheRootAlone) {
  RemoveDirectoryA((folder.path + "\\data").c_str());
  SetCurrentDirectoryA("C:\\");
  Start();
  EXPECT_NE(GetFileAttributesA((folder.path + "\\data").c_str()), INVALID_FILE_ATTRIBUTES);
  char current[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, current);
  EXPECT_STREQ(current, folder.path.c_str());
  EXPECT_EQ(TreeText(), "Velmora[]");
  EXPECT_TRUE(TreeItemIsBold(MainTree(), 0));
  EXPECT_TRUE(TreeItemIsExpanded(MainTree(), 0));
  EXPECT_EQ(TreeSelection(MainTree()), 0);
  for (const char* box : {"选择框_桌面", "选择框_文件", "选择框_文件夹"})
    EXPECT_TRUE(IsChecked(Main(box))) << box;
  EXPECT_EQ(TextOf(MainWindowHandle()), "Velmora   " + std::string(PublisherAddress));
}

TEST_F(MainWindow, StartFillsTheTreeFromTheDataFile) {
  folder.WriteDataFile(kThreeEntries);
  Start();
  EXPECT_EQ(TreeText(), "Velmora[记事本|b|c]");
  EXPECT_FALSE(TreeItemIsBold(MainTree(), 1));
  EXPECT_EQ(Entries.Commands, (TextList{"notepad.exe", "q", "r"}));
}

TEST_F(MainWindow, WindowAndControlsFollowTheDesign) {
  Start();
  RECT outer;
  GetWindowRect(MainWindowHandle(), &outer);
  EXPECT_EQ(outer.right - outer.left, 570);
  EXPECT_EQ(outer.bottom - outer.top, 402);
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_NEAR(outer.left + outer.right, work.left + work.right, 1);  // centred
  EXPECT_NEAR(outer.top + outer.bottom, work.top + work.bottom, 1);
  const LONG_PTR style = GetWindowLongPtrA(MainWindowHandle(), GWL_STYLE);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_EQ(GetWindow(MainWindowHandle(), GW_OWNER), nullptr);
  for (const ControlDesign& c : MainWindowDesign) {
    HWND control = Main(c.name);
    ASSERT_NE(control, nullptr) << c.name;
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, MainWindowHandle(), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, c.x) << c.name;
    EXPECT_EQ(rect.top, c.y) << c.name;
    EXPECT_EQ(rect.right - rect.left, c.width) << c.name;
    EXPECT_EQ(rect.bottom - rect.top, c.height) << c.name;
    EXPECT_EQ(TextOf(control), c.text) << c.name;
  }
  const LONG_PTR treeStyle = GetWindowLongPtrA(MainTree(), GWL_STYLE);
  EXPECT_EQ(
      treeStyle & (TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_EDITLABELS | TVS_SHOWSELALWAYS),
      TVS_HASLINES | TVS_HASBUTTONS);
}

TEST_F(MainWindow, RightClickWithTheRootSelectedShowsNoMenu) {
  folder.WriteDataFile(kThreeEntries);
  Start();
  RECT last = TreeItemRect(MainTree(), 3);
  RightClickTree({last.left + 5, last.bottom + 40});  // empty space below the entries
  RightClickEntry(0);
  EXPECT_TRUE(User.popups.empty());
  EXPECT_EQ(TreeSelection(MainTree()), 0);
}

TEST_F(MainWindow, RightClickOnAnEntrySelectsItAndShowsTheMenuBesideTheCursor) {
  folder.WriteDataFile(kThreeEntries);
  Start();
  RightClickEntry(2);
  ASSERT_EQ(User.popups.size(), 1u);
  EXPECT_EQ(TreeSelection(MainTree()), 2);
  POINT cursor;
  GetCursorPos(&cursor);
  EXPECT_EQ(User.popups[0].at.x, cursor.x + 3);
  EXPECT_EQ(User.popups[0].at.y, cursor.y + 3);
  EXPECT_EQ(User.popups[0].items, (std::vector<std::string>{"编辑", "删除"}));
  EXPECT_TRUE(User.popups[0].flags & TPM_RIGHTBUTTON);
  // On empty space the menu is for the entry selected before.
  RECT last = TreeItemRect(MainTree(), 3);
  RightClickTree({last.left + 5, last.bottom + 40});
  EXPECT_EQ(User.popups.size(), 2u);
  EXPECT_EQ(TreeSelection(MainTree()), 2);
}

TEST_F(MainWindow, DeleteRemovesTheEntryFromListsAndTreeOnly) {
  folder.WriteDataFile(kThreeEntries);
  Start();
  Popup(2, IdPopupDelete);
  EXPECT_EQ(TreeText(), "Velmora[记事本|c]");
  EXPECT_EQ(Entries.Titles, (TextList{"记事本", "c"}));
  EXPECT_EQ(Entries.Commands, (TextList{"notepad.exe", "r"}));
  EXPECT_EQ(folder.ReadDataFile(), kThreeEntries);
  Popup(1, IdPopupDelete);
  Popup(1, IdPopupDelete);
  EXPECT_EQ(TreeText(), "Velmora[]");
  EXPECT_TRUE(Entries.Titles.empty());
  EXPECT_TRUE(User.messages.empty());
}

TEST_F(MainWindow, RemoveMenuResetsTheTreeToTheBoldRoot) {
  folder.WriteDataFile(kThreeEntries);
  Start();
  Click(Main("按钮_删除"));
  EXPECT_EQ(TreeText(), "Velmora[]");
  EXPECT_TRUE(TreeItemIsBold(MainTree(), 0));
  EXPECT_TRUE(TreeItemIsExpanded(MainTree(), 0));
  EXPECT_EQ(TreeSelection(MainTree()), -1);
  EXPECT_TRUE(Entries.Titles.empty());
  EXPECT_EQ(GetFileAttributesA(DataFilePath().c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(User.messages.empty());
  // The next entry is the root's first child.
  Click(Main("按钮_添加"));
  Type(Editor("编辑框_添加项"), "new");
  Click(Editor("按钮_添加"));
  EXPECT_EQ(TreeText(), "Velmora[new]");
  EXPECT_EQ(Entries.Titles, TextList{"new"});
}

class MainWindowRegistry : public ProgramTest {};

TEST_F(MainWindowRegistry, PublishUsesTheCheckBoxesAndSucceedsSilently) {
  folder.WriteDataFile(kThreeEntries);
  Start();
  SendMessageA(Main("选择框_文件"), BM_SETCHECK, BST_UNCHECKED, 0);
  Click(Main("按钮_生成"));
  EXPECT_TRUE(User.messages.empty());
  EXPECT_TRUE(RegistryKeyExists(HKEY_LOCAL_MACHINE, VerbKey(3)));
  EXPECT_TRUE(RegistryKeyExists(HKEY_LOCAL_MACHINE, kCascadeKeys[0]));
  EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, kCascadeKeys[1]));
  EXPECT_TRUE(RegistryKeyExists(HKEY_LOCAL_MACHINE, kCascadeKeys[2]));
  Click(Main("按钮_删除"));
  EXPECT_TRUE(User.messages.empty());
  EXPECT_FALSE(AnyMenuKeyLeft());
}

LSTATUS WINAPI Refuse(HKEY, LPCSTR, DWORD, REGSAM, PHKEY) { return ERROR_ACCESS_DENIED; }

TEST_F(MainWindowRegistry, RefusedRegistryAccessIsToldToTheUser) {
  folder.WriteDataFile(kThreeEntries);
  Start();
  System.RegOpenKeyExA = Refuse;
  Click(Main("按钮_生成"));
  ASSERT_EQ(User.messages.size(), 1u);
  EXPECT_EQ(User.messages[0].text, PublishFailedMessage);
  EXPECT_EQ(User.messages[0].caption, "系统提示");
  EXPECT_EQ(User.messages[0].flags, static_cast<UINT>(MB_ICONERROR | MB_TASKMODAL));
  // Nothing in memory is lost.
  EXPECT_EQ(TreeText(), "Velmora[记事本|b|c]");
  Click(Main("按钮_删除"));
  ASSERT_EQ(User.messages.size(), 2u);
  EXPECT_EQ(User.messages[1].text, RemoveFailedMessage);
}

TEST_F(MainWindow, ClosingTheMainWindowClosesTheEditor) {
  Start();
  Click(Main("按钮_添加"));
  ASSERT_NE(EditorWindowHandle(), nullptr);
  SendMessageA(MainWindowHandle(), WM_CLOSE, 0, 0);
  Pump();
  EXPECT_EQ(MainWindowHandle(), nullptr);
  EXPECT_EQ(EditorWindowHandle(), nullptr);
  EXPECT_EQ(OpenProgramWindows(), 0);
}

TEST_F(MainWindow, TabMovesFocusAndEnterPressesTheFocusedButton) {
  Start();
  SetForegroundWindow(MainWindowHandle());
  SetFocus(Main("选择框_文件夹"));
  PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
  Pump();
  EXPECT_EQ(GetFocus(), Main("按钮_添加"));
  PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
  Pump();
  EXPECT_NE(EditorWindowHandle(), nullptr);
}

}  // namespace
