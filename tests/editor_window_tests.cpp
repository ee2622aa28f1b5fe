#include <gtest/gtest.h>

#include "entries/entry_store.h"
#include "tests/ui_fixture.h"
#include "ui/editor_window.h"
#include "ui/entry_tree.h"
#include "ui/main_window.h"

namespace {

class EditorWindow : public ProgramTest {
 protected:
  void StartWith(int entries) {
    std::string aliases, titles, commands;
    for (int i = 1; i <= entries; ++i) {
      aliases += "vlm" + std::to_string(i) + ",";
      titles += "t" + std::to_string(i) + ",";
      commands += "c" + std::to_string(i) + ",";
    }
    folder.WriteDataFile("[关联标题]\r\ndata=" + aliases + "\r\n[标题数据]\r\ndata=" + titles +
                         "\r\n[命令数据]\r\ndata=" + commands + "\r\n");
    Start();
  }
  void OpenToAdd() { Click(Main("按钮_添加")); }
  void Commit(const Text& caption, const Text& command) {
    Type(Editor("编辑框_添加项"), caption);
    Type(Editor("编辑框_命令"), command);
    Click(Editor("按钮_添加"));
  }
  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const ShownMessage& m : User.messages) texts.push_back(m.text);
    return texts;
  }
};

TEST_F(EditorWindow, FollowsTheDesign) {
  Start();
  OpenToAdd();
  HWND editor = EditorWindowHandle();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(TextOf(editor), "编辑菜单");
  RECT outer;
  GetWindowRect(editor, &outer);
  EXPECT_EQ(outer.right - outer.left, 382);
  EXPECT_EQ(outer.bottom - outer.top, 191);
  EXPECT_FALSE(GetWindowLongPtrA(editor, GWL_STYLE) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_EQ(GetWindow(editor, GW_OWNER), nullptr);
  for (const ControlDesign& c : EditorWindowDesign) {
    HWND control = Editor(c.name);
    ASSERT_NE(control, nullptr) << c.name;
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, editor, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, c.x) << c.name;
    EXPECT_EQ(rect.top, c.y) << c.name;
    EXPECT_EQ(rect.right - rect.left, c.width) << c.name;
    EXPECT_EQ(rect.bottom - rect.top, c.height) << c.name;
    EXPECT_EQ(TextOf(control), c.text) << c.name;
  }
}

TEST_F(EditorWindow, AddsEntriesAndKeepsTheBoxes) {
  Start();
  OpenToAdd();
  Commit("A", "P");
  EXPECT_EQ(TreeText(), "Velmora[A]");
  EXPECT_EQ(Entries.Titles, TextList{"A"});
  EXPECT_EQ(Entries.Commands, TextList{"P"});
  EXPECT_EQ(TextOf(Editor("编辑框_添加项")), "A");
  EXPECT_EQ(TextOf(Editor("编辑框_命令")), "P");
  Click(Editor("按钮_添加"));  // the same entry once more; the command may be empty too
  Commit("  ", "");
  EXPECT_EQ(TreeText(), "Velmora[A|A|  ]");
  EXPECT_EQ(Entries.Commands, (TextList{"P", "P", ""}));
  EXPECT_TRUE(User.messages.empty());
}

struct LimitCase {
  int entries;
  const char* caption;
  const char* message;  // null: added
};

TEST_F(EditorWindow, LimitIsCheckedBeforeTheEmptyCaption) {
  const LimitCase cases[] = {
      {16, "", "系统限制,不能大于16个"}, {16, "x", "系统限制,不能大于16个"},
      {15, "", "添加标题不能为空"},      {15, "x", nullptr},
      {0, "", "添加标题不能为空"},
  };
  for (const LimitCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.entries) + " entries, caption \"" + c.caption + "\"");
    StartWith(c.entries);
    User.messages.clear();
    OpenToAdd();
    Commit(c.caption, "cmd");
    if (c.message) {
      ASSERT_EQ(User.messages.size(), 1u);
      EXPECT_EQ(User.messages[0].text, c.message);
      EXPECT_EQ(User.messages[0].caption, "系统提示");
      EXPECT_EQ(User.messages[0].flags, 0x2010u);
      EXPECT_EQ(User.messages[0].owner, nullptr);
      EXPECT_EQ(EntryCount(), c.entries);
      EXPECT_EQ(TreeItemCount(MainTree()), c.entries + 1);
    } else {
      EXPECT_TRUE(User.messages.empty());
      EXPECT_EQ(EntryCount(), c.entries + 1);
      EXPECT_EQ(TreeItemText(MainTree(), c.entries + 1), c.caption);
    }
    DestroyWindow(MainWindowHandle());
    Pump();
  }
}

TEST_F(EditorWindow, EditReplacesTheEntryItWasOpenedFor) {
  StartWith(3);
  Popup(2, IdPopupEdit);
  ASSERT_NE(EditorWindowHandle(), nullptr);
  EXPECT_TRUE(IsEditing());
  EXPECT_EQ(TextOf(Editor("编辑框_添加项")), "t2");
  EXPECT_EQ(TextOf(Editor("编辑框_命令")), "c2");
  Type(Editor("编辑框_添加项"), "B");
  Click(Editor("按钮_添加"));
  EXPECT_EQ(TreeText(), "Velmora[t1|B|t3]");
  EXPECT_EQ(Entries.Titles, (TextList{"t1", "B", "t3"}));
  EXPECT_EQ(Entries.Commands, (TextList{"c1", "c2", "c3"}));
  EXPECT_FALSE(IsEditing());
  EXPECT_EQ(EditorWindowHandle(), nullptr);
  // The main window's "添加" opens it again in add mode, with empty boxes.
  OpenToAdd();
  EXPECT_EQ(TextOf(Editor("编辑框_添加项")), "");
  Commit("t4", "c4");
  EXPECT_EQ(TreeText(), "Velmora[t1|B|t3|t4]");
}

TEST_F(EditorWindow, EditAcceptsEmptyTextsAndIgnoresTheLimit) {
  StartWith(16);
  Popup(16, IdPopupEdit);
  Commit("", "");
  EXPECT_TRUE(User.messages.empty());
  EXPECT_EQ(EntryTitle(16), "");
  EXPECT_EQ(TreeItemText(MainTree(), 16), "");
}

TEST_F(EditorWindow, AbandonedEditDoesNotTurnTheNextAddIntoAReplacement) {
  StartWith(2);
  Popup(1, IdPopupEdit);
  SendMessageA(EditorWindowHandle(), WM_CLOSE, 0, 0);
  Pump();
  EXPECT_EQ(EditorWindowHandle(), nullptr);
  EXPECT_FALSE(IsEditing());
  OpenToAdd();
  Commit("t3", "c3");
  EXPECT_EQ(TreeText(), "Velmora[t1|t2|t3]");
  // "添加" on the main window while an edit is open also switches to adding.
  Popup(1, IdPopupEdit);
  OpenToAdd();
  Commit("t4", "c4");
  EXPECT_EQ(TreeText(), "Velmora[t1|t2|t3|t4]");
}

TEST_F(EditorWindow, SelectingAnotherEntryMeanwhileDoesNotRedirectTheEdit) {
  StartWith(3);
  Popup(1, IdPopupEdit);
  TreeSelectItem(MainTree(), 3);
  Commit("one", "c");
  EXPECT_EQ(TreeText(), "Velmora[one|t2|t3]");
  // Deleting an earlier entry moves the edited one up; the edit follows it.
  Popup(3, IdPopupEdit);
  Popup(1, IdPopupDelete);
  Commit("three", "c3");
  EXPECT_EQ(TreeText(), "Velmora[t2|three]");
  EXPECT_EQ(Entries.Titles, (TextList{"t2", "three"}));
}

TEST_F(EditorWindow, EditOfADeletedEntryChangesNothingAndSaysSo) {
  StartWith(3);
  Popup(2, IdPopupEdit);
  Popup(2, IdPopupDelete);
  Commit("lost?", "cmd");
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{EditedEntryGoneMessage});
  EXPECT_EQ(TreeText(), "Velmora[t1|t3]");
  EXPECT_EQ(Entries.Titles, (TextList{"t1", "t3"}));
  EXPECT_NE(EditorWindowHandle(), nullptr);
  // A second click adds the texts as a new entry.
  Click(Editor("按钮_添加"));
  EXPECT_EQ(TreeText(), "Velmora[t1|t3|lost?]");
  EXPECT_EQ(Entries.Commands, (TextList{"c1", "c3", "cmd"}));

  // The same after "删除菜单" emptied everything.
  Popup(1, IdPopupEdit);
  Click(Main("按钮_删除"));
  User.messages.clear();
  Click(Editor("按钮_添加"));
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{EditedEntryGoneMessage});
  EXPECT_TRUE(Entries.Titles.empty());
  EXPECT_EQ(TreeText(), "Velmora[]");
}

TEST_F(EditorWindow, EditWithoutAnEntryOpensNothing) {
  StartWith(2);
  // The tree selects its first item when it gains the focus with nothing
  // selected, so give it the focus first.
  SetForegroundWindow(MainWindowHandle());
  SetFocus(MainTree());
  TreeSelectItem(MainTree(), -1);
  ASSERT_EQ(TreeSelection(MainTree()), -1);
  User.popupChoice = IdPopupEdit;
  RightClickTree({5, 300});  // empty space: the menu comes up for "no selection"
  EXPECT_EQ(User.popups.size(), 1u);
  EXPECT_EQ(EditorWindowHandle(), nullptr);
  EXPECT_FALSE(IsEditing());
}

TEST_F(EditorWindow, EditWhileOpenSwitchesToTheNewEntry) {
  StartWith(3);
  OpenToAdd();
  Type(Editor("编辑框_添加项"), "draft");
  Popup(3, IdPopupEdit);
  EXPECT_EQ(TextOf(Editor("编辑框_添加项")), "t3");
  Click(Editor("按钮_添加"));
  EXPECT_EQ(TreeText(), "Velmora[t1|t2|t3]");
  EXPECT_EQ(EditorWindowHandle(), nullptr);
}

TEST_F(EditorWindow, AddTwiceOpensOneEditor) {
  Start();
  OpenToAdd();
  HWND first = EditorWindowHandle();
  Type(Editor("编辑框_添加项"), "kept");
  ShowWindow(first, SW_MINIMIZE);
  OpenToAdd();
  EXPECT_EQ(EditorWindowHandle(), first);
  EXPECT_FALSE(IsIconic(first));
  EXPECT_EQ(TextOf(Editor("编辑框_添加项")), "kept");
  int editors = 0;
  for (HWND w = FindWindowExA(nullptr, nullptr, nullptr, "编辑菜单"); w;
       w = FindWindowExA(nullptr, w, nullptr, "编辑菜单"))
    ++editors;
  EXPECT_EQ(editors, 1);
}

TEST_F(EditorWindow, BrowsePutsTheChosenFileIntoTheCommandBox) {
  Start();
  OpenToAdd();
  Type(Editor("编辑框_命令"), "typed.exe --flag");
  User.fileToPick = "";  // cancel
  Click(Editor("按钮_命令浏览"));
  EXPECT_EQ(TextOf(Editor("编辑框_命令")), "typed.exe --flag");
  EXPECT_EQ(User.dialogFilter, "应用程序|*.exe|");
  EXPECT_EQ(User.dialogFlags, static_cast<DWORD>(OFN_HIDEREADONLY));
  EXPECT_EQ(User.dialogOwner, EditorWindowHandle());
  User.fileToPick = "C:\\Tools\\x.exe";
  Click(Editor("按钮_命令浏览"));
  EXPECT_EQ(TextOf(Editor("编辑框_命令")), "C:\\Tools\\x.exe");
  User.fileToPick = "";
  Click(Editor("按钮_命令浏览"));
  EXPECT_EQ(User.dialogStartNames, (std::vector<std::string>{"", "", "C:\\Tools\\x.exe"}));
  EXPECT_EQ(TextOf(Editor("编辑框_命令")), "C:\\Tools\\x.exe");
}

TEST_F(EditorWindow, ClearEmptiesBothBoxes) {
  Start();
  OpenToAdd();
  Type(Editor("编辑框_添加项"), "a");
  Type(Editor("编辑框_命令"), "b");
  Click(Editor("按钮_清空"));
  EXPECT_EQ(TextOf(Editor("编辑框_添加项")), "");
  EXPECT_EQ(TextOf(Editor("编辑框_命令")), "");
  EXPECT_TRUE(Entries.Titles.empty());
}

TEST_F(EditorWindow, EnterInABoxAddsAndEscapeCloses) {
  Start();
  OpenToAdd();
  HWND caption = Editor("编辑框_添加项");
  Type(caption, "keyboard");
  SetForegroundWindow(EditorWindowHandle());
  SetFocus(caption);
  PostMessageA(caption, WM_KEYDOWN, VK_TAB, 0);
  Pump();
  EXPECT_EQ(GetFocus(), Editor("编辑框_命令"));
  PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
  Pump();
  EXPECT_EQ(TreeText(), "Velmora[keyboard]");
  PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
  Pump();
  EXPECT_EQ(EditorWindowHandle(), nullptr);
}

}  // namespace
