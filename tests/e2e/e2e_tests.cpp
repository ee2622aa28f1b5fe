// End to end: the real velmora.exe, copied into a fresh folder whose path has
// spaces and Chinese characters, started as a process of its own and worked
// through its windows like a user: entries added, edited and deleted, the
// menu published and read back from the registry and the data file, the
// program started again, the menu removed.
//
// Usage: e2e_tests <velmora.exe> <screenshot folder>   (Unix paths are fine under Wine)
#include <gtest/gtest.h>
#include <windows.h>

#include <dlgs.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/e2e/machine_state.h"
#include "tests/e2e/remote_ui.h"
#include "tests/folder_tree.h"

namespace {

std::string g_velmoraPath;  // the built program
std::string g_shotFolder;

const char* const kMainClass = "VelmoraMainWindow";
const char* const kMainCaptionStart = "Velmora   ";
const char* const kEditorClass = "VelmoraEditorWindow";
const char* const kEditorCaption = "编辑菜单";
const char* const kDialogClass = "#32770";
const char* const kPopupMenuClass = "#32768";
const char* const kMessageCaption = "系统提示";
const char* const kTargetBoxes[] = {"桌面右键菜单", "文件右键菜单", "文件夹右键菜单"};

const std::string kCommandStore =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CommandStore\\shell\\";
const std::string kDesktopKey = "SOFTWARE\\Classes\\Directory\\Background\\shell\\vlm";
const std::string kFilesKey = "SOFTWARE\\Classes\\*\\shell\\vlm";
const std::string kFoldersKey = "SOFTWARE\\Classes\\Directory\\shell\\vlm";
const std::string kLibraryKey = "SOFTWARE\\Classes\\LibraryFolder\\background\\shell\\vlm";
const std::string kCascadeKeys[] = {kDesktopKey, kFilesKey, kFoldersKey, kLibraryKey};
const int kMaxEntries = 16;

const DWORD kStartTimeoutMs = 20000;
const DWORD kWindowTimeoutMs = 10000;

// The tree's popup menu, counted in Down presses from no selection.
enum PopupItem { kPopupEdit = 1, kPopupDelete = 2 };

struct Entry {
  std::string caption;
  std::string command;
};

// A path from the command line as Windows sees it: Wine shows the Unix root as Z:.
std::string WindowsPath(std::string path) {
  if (path.empty() || path[0] != '/') return path;
  for (char& c : path)
    if (c == '/') c = '\\';
  return "Z:" + path;
}

std::string VerbKey(int n) { return kCommandStore + "vlm" + std::to_string(n); }

// REG_SZ holding `expected` and its terminating zero.
::testing::AssertionResult HasText(const std::string& key, const char* name, const std::string& expected) {
  const RegistryText value = ReadMachineValue(key, name);
  const std::string shown = key + " [" + (*name ? name : "(default)") + "]";
  if (!value.exists) return ::testing::AssertionFailure() << shown << " is missing";
  if (value.type != REG_SZ) return ::testing::AssertionFailure() << shown << " has type " << value.type;
  if (value.bytes != expected + '\0')
    return ::testing::AssertionFailure()
           << shown << " holds \"" << value.bytes << "\" (" << value.bytes.size() << " bytes), expected \""
           << expected << "\" and a zero";
  return ::testing::AssertionSuccess();
}

// The keys "生成" may write that still exist, by name; empty when none.
std::string PublishedKeysLeft() {
  std::string left;
  for (int n = 1; n <= kMaxEntries; ++n)
    if (MachineKeyExists(VerbKey(n))) left += VerbKey(n) + "; ";
  for (const std::string& key : kCascadeKeys)
    if (MachineKeyExists(key)) left += key + "; ";
  return left;
}

void DeletePublishedKeys() {
  for (int n = 1; n <= kMaxEntries; ++n) DeleteMachineKeyTree(VerbKey(n));
  for (const std::string& key : kCascadeKeys) DeleteMachineKeyTree(key);
}

class VelmoraEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  void StartProgram();
  void CloseProgram();
  bool Running() const { return process_.get() && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

  HWND MainButton(const char* text) const { return FindChild(main_, "Button", text); }
  // A click on the window's button with this label.
  void Click(HWND window, const char* label);
  HWND EditorBox(std::size_t index) const;  // 0: caption, 1: command
  HWND CaptionBox() const { return EditorBox(0); }
  HWND CommandBox() const { return EditorBox(1); }
  std::string ExpectedTree() const;

  void WaitForEditor();
  void OpenEditorToAdd();
  void CloseEditor();
  void AddEntry(const std::string& caption, const std::string& command);
  void CommitNewEntry();
  void BrowseFor(const std::string& path);
  void ChooseFromPopup(int entry, PopupItem item);
  void DismissMessageBox(std::string* text, const char* shotName = nullptr);
  void ExpectNoMessageBox();
  void Shot(HWND window, const char* name);

  std::string startFolder_;    // the current folder the program is started in
  std::string folder_;         // the test's own folder, removed afterwards
  std::string programFolder_;  // where the copy of the program lives
  std::string programPath_;
  std::string dataFile_;
  OwnedHandle job_;  // ends the program with this driver, however the driver ends
  OwnedHandle process_;
  OwnedHandle thread_;
  DWORD processId_ = 0;
  HWND main_ = nullptr;
  HWND editor_ = nullptr;
  RemoteTree tree_{};
  std::vector<Entry> entries_;  // what the tree should show, in order
  bool popupShot_ = false;
};

void VelmoraEndToEnd::SetUp() {
  ASSERT_FALSE(g_velmoraPath.empty());
  char temp[MAX_PATH] = "";
  char longTemp[MAX_PATH] = "";
  ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
  ASSERT_GT(GetLongPathNameA(temp, longTemp, MAX_PATH), 0u);
  startFolder_ = longTemp;
  if (startFolder_.back() == '\\') startFolder_.pop_back();
  folder_ = startFolder_ + "\\velmora e2e " + std::to_string(GetCurrentProcessId());
  programFolder_ = folder_ + "\\测试 目录";
  programPath_ = programFolder_ + "\\velmora.exe";
  dataFile_ = programFolder_ + "\\data\\data.ini";
  // The expected data file holds this path as it is: it must need no escaping.
  ASSERT_EQ(programPath_.find_first_of(",%"), std::string::npos) << programPath_;

  RemoveFolders(startFolder_, "velmora e2e *");  // left by a run that was killed
  ASSERT_TRUE(CreateFolders(programFolder_)) << programFolder_;
  ASSERT_TRUE(CopyFileA(g_velmoraPath.c_str(), programPath_.c_str(), FALSE))
      << "cannot copy " << g_velmoraPath << ": error " << GetLastError();
  ASSERT_TRUE(CreateFolders(g_shotFolder)) << g_shotFolder;
  // No picture of an earlier run stays for review, and nothing an earlier run
  // left in the registry may pass for this run's work.
  DeleteFiles(g_shotFolder, "*.bmp");
  DeletePublishedKeys();

  job_.Reset(CreateJobObjectA(nullptr, nullptr));
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  ASSERT_TRUE(job_.get() &&
              SetInformationJobObject(job_.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits))
      << "no job object: error " << GetLastError();
}

void VelmoraEndToEnd::TearDown() {
  if (HasFailure()) SaveWindowScreenshot(GetDesktopWindow(), g_shotFolder + "\\failure-screen.bmp");
  if (Running()) {
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), 5000);
  }
  DeletePublishedKeys();
  if (folder_.empty()) return;  // SetUp stopped early
  // A program just ended may hold its files for a moment.
  WaitFor(
      [&] {
        RemoveFolderTree(folder_);
        return !FolderExists(folder_);
      },
      5000);
  EXPECT_FALSE(FolderExists(folder_)) << "could not remove " << folder_;
}

void VelmoraEndToEnd::StartProgram() {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  std::string commandLine = "\"" + programPath_ + "\"";
  ASSERT_TRUE(CreateProcessA(programPath_.c_str(), &commandLine[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                             nullptr, startFolder_.c_str(), &startup, &started))
      << "cannot start " << programPath_ << ": error " << GetLastError();
  process_.Reset(started.hProcess);
  thread_.Reset(started.hThread);
  processId_ = started.dwProcessId;
  ASSERT_TRUE(AssignProcessToJobObject(job_.get(), process_.get())) << "error " << GetLastError();
  ResumeThread(thread_.get());
  WaitFor(
      [&] {
        main_ = FindProcessWindow(processId_, {kMainClass, kMainCaptionStart});
        return main_ || !Running();
      },
      kStartTimeoutMs);
  ASSERT_NE(main_, nullptr) << "no main window; the program " << (Running() ? "is running" : "has exited");
  tree_ = {process_.get(), FindWindowExA(main_, nullptr, "SysTreeView32", nullptr)};
  ASSERT_NE(tree_.tree, nullptr) << "the main window has no tree";
}

void VelmoraEndToEnd::CloseProgram() {
  PostMessageA(main_, WM_CLOSE, 0, 0);
  ASSERT_EQ(WaitForSingleObject(process_.get(), kWindowTimeoutMs), WAIT_OBJECT_0)
      << "the program still runs after its main window was closed";
  DWORD exitCode = 0;
  GetExitCodeProcess(process_.get(), &exitCode);
  EXPECT_EQ(exitCode, 0u);
  main_ = nullptr;
  editor_ = nullptr;
  tree_ = {};
}

HWND VelmoraEndToEnd::EditorBox(std::size_t index) const {
  const std::vector<HWND> boxes = ChildrenOfClass(editor_, "Edit");
  return boxes.size() == 2 ? boxes[index] : nullptr;
}

std::string VelmoraEndToEnd::ExpectedTree() const {
  std::string text = "Velmora[";
  for (const Entry& entry : entries_) text += (&entry == &entries_.front() ? "" : "|") + entry.caption;
  return text + "]";
}

void VelmoraEndToEnd::Click(HWND window, const char* label) {
  HWND button = FindChild(window, "Button", label);
  if (button)
    PostClick(button);
  else
    ADD_FAILURE() << "no button \"" << label << "\" in \"" << WindowText(window) << "\"";
}

void VelmoraEndToEnd::WaitForEditor() {
  ASSERT_TRUE(WaitFor([&] { return (editor_ = FindProcessWindow(processId_, {kEditorClass})) != nullptr; },
                      kWindowTimeoutMs))
      << "the editor did not open";
  EXPECT_EQ(WindowText(editor_), kEditorCaption);
  ASSERT_NE(CaptionBox(), nullptr) << "the editor should have two edit boxes";
}

void VelmoraEndToEnd::OpenEditorToAdd() {
  Click(main_, "添加");
  ASSERT_NO_FATAL_FAILURE(WaitForEditor());
  EXPECT_EQ(WindowText(CaptionBox()), "");
  EXPECT_EQ(WindowText(CommandBox()), "");
}

void VelmoraEndToEnd::CloseEditor() {
  PostMessageA(editor_, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(editor_); })) << "the editor stayed open";
  editor_ = nullptr;
}

void VelmoraEndToEnd::AddEntry(const std::string& caption, const std::string& command) {
  SetWindowTextRemote(CaptionBox(), caption);
  SetWindowTextRemote(CommandBox(), command);
  ASSERT_NO_FATAL_FAILURE(CommitNewEntry());
}

// The editor's "添加" with the boxes as they are: one more entry in the tree.
void VelmoraEndToEnd::CommitNewEntry() {
  const int before = TreeItemCount(tree_);
  const Entry entry{WindowText(CaptionBox()), WindowText(CommandBox())};
  Click(editor_, "添加");
  ASSERT_TRUE(WaitFor([&] { return TreeItemCount(tree_) == before + 1; }))
      << "\"" << entry.caption << "\" was not added: " << TreeText(tree_);
  entries_.push_back(entry);
  ASSERT_EQ(TreeText(tree_), ExpectedTree());
}

// "浏览", and in the real file-open dialog the file name typed and "打开".
void VelmoraEndToEnd::BrowseFor(const std::string& path) {
  Click(editor_, "浏览");
  HWND dialog = nullptr;
  ASSERT_TRUE(WaitFor(
      [&] {
        return (dialog = FindProcessWindow(processId_, {kDialogClass, "", editor_})) != nullptr;
      },
      kStartTimeoutMs))
      << "no file-open dialog over the editor";
  // The file name box: the edit inside the cmb13 combo box.
  HWND combo = GetDlgItem(dialog, cmb13);
  HWND nameBox = combo ? FindDescendant(combo, "Edit") : nullptr;
  ASSERT_NE(nameBox, nullptr) << "the file-open dialog has no file name box: " << DescribeChildren(dialog);
  SetWindowTextRemote(nameBox, path);
  ASSERT_NO_FATAL_FAILURE(Shot(dialog, "file-dialog"));
  PostClick(GetDlgItem(dialog, IDOK));
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); })) << "the file-open dialog stayed open";
  EXPECT_TRUE(WaitFor([&] { return WindowText(CommandBox()) == path; }))
      << "the command box holds \"" << WindowText(CommandBox()) << "\"";
}

// A real right click on the entry, then the popup menu item chosen with the keyboard.
void VelmoraEndToEnd::ChooseFromPopup(int entry, PopupItem item) {
  HTREEITEM target = TreeChild(tree_, entry);
  ASSERT_NE(target, nullptr) << "no entry " << entry << " in " << TreeText(tree_);
  RECT rect{};
  ASSERT_TRUE(TreeItemScreenRect(tree_, target, &rect));
  const POINT at{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  ASSERT_EQ(WindowFromPoint(at), tree_.tree) << "entry " << entry << " is covered at " << at.x << "," << at.y;
  ASSERT_TRUE(RightClickAt(at)) << "the mouse cannot be moved and pressed";
  HWND menu = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (menu = FindProcessWindow(processId_, {kPopupMenuClass})) != nullptr; },
                      kWindowTimeoutMs))
      << "no popup menu after a right click on entry " << entry;
  EXPECT_EQ(TreeSelection(tree_), target) << "the right click did not select entry " << entry;
  if (!popupShot_) {
    popupShot_ = true;
    ASSERT_NO_FATAL_FAILURE(Shot(main_, "popup-menu"));
  }
  for (int i = 0; i < item; ++i) ASSERT_TRUE(PressKey(VK_DOWN));
  ASSERT_TRUE(PressKey(VK_RETURN));
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(menu) || !IsWindowVisible(menu); }))
      << "the popup menu stayed open";
}

void VelmoraEndToEnd::DismissMessageBox(std::string* text, const char* shotName) {
  HWND box = nullptr;
  ASSERT_TRUE(WaitFor(
      [&] {
        return (box = FindProcessWindow(processId_, {kDialogClass, kMessageCaption})) != nullptr;
      },
      kWindowTimeoutMs))
      << "no message box \"" << kMessageCaption << "\"";
  EXPECT_EQ(WindowText(box), kMessageCaption);
  *text = MessageBoxText(box);
  if (shotName) {
    ASSERT_NO_FATAL_FAILURE(Shot(box, shotName));
  }
  HWND ok = GetDlgItem(box, IDOK);
  ASSERT_NE(ok, nullptr) << "the message box has no OK button";
  PostClick(ok);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); })) << "the message box stayed open";
}

void VelmoraEndToEnd::ExpectNoMessageBox() {
  // A handler that shows a box has created it before the program answers
  // sent messages again.
  SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kWindowTimeoutMs, nullptr);
  Sleep(100);
  HWND box = FindProcessWindow(processId_, {kDialogClass, kMessageCaption, nullptr, false});
  ASSERT_EQ(box, nullptr) << "unexpected message: " << (box ? MessageBoxText(box) : "");
}

// A screenshot for review; nothing is checked on its pixels.
void VelmoraEndToEnd::Shot(HWND window, const char* name) {
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kWindowTimeoutMs, nullptr);
  Sleep(150);  // the drawing reaches the screen
  const std::string path = g_shotFolder + "\\" + name + ".bmp";
  EXPECT_TRUE(SaveWindowScreenshot(window, path)) << "cannot save " << path;
}

TEST_F(VelmoraEndToEnd, UserKeepsAMenuFromFirstStartToRemoval) {
  // First start, from another current folder: a data folder beside the
  // program, the root alone, every target chosen.
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  EXPECT_TRUE(FolderExists(programFolder_ + "\\data"));
  EXPECT_EQ(TreeText(tree_), "Velmora[]");
  for (const char* target : kTargetBoxes) {
    HWND box = MainButton(target);
    ASSERT_NE(box, nullptr) << target;
    EXPECT_TRUE(IsButtonChecked(box)) << target;
  }
  ASSERT_NO_FATAL_FAILURE(Shot(main_, "main-window-first-start"));

  // Three entries: a Chinese caption, a command with a comma and quotes, and
  // one picked with the file-open dialog.
  ASSERT_NO_FATAL_FAILURE(OpenEditorToAdd());
  ASSERT_NO_FATAL_FAILURE(AddEntry("记事本", "notepad.exe"));
  ASSERT_NO_FATAL_FAILURE(AddEntry("定位 Windows", "explorer.exe /select,\"C:\\windows\""));
  SetWindowTextRemote(CaptionBox(), "本程序 副本");
  SetWindowTextRemote(CommandBox(), "");
  ASSERT_NO_FATAL_FAILURE(BrowseFor(programPath_));
  ASSERT_NO_FATAL_FAILURE(Shot(editor_, "editor-window"));
  ASSERT_NO_FATAL_FAILURE(CommitNewEntry());

  // "添加" with no caption is refused; so is a 17th entry.
  Click(editor_, "清空");
  ASSERT_TRUE(WaitFor([&] { return WindowText(CaptionBox()).empty() && WindowText(CommandBox()).empty(); }))
      << "清空 left the boxes filled";
  SetWindowTextRemote(CommandBox(), "cmd.exe");
  Click(editor_, "添加");
  std::string message;
  ASSERT_NO_FATAL_FAILURE(DismissMessageBox(&message, "message-box"));
  EXPECT_EQ(message, "添加标题不能为空");
  EXPECT_EQ(TreeText(tree_), ExpectedTree());
  while (entries_.size() < static_cast<std::size_t>(kMaxEntries)) {
    const std::string n = std::to_string(entries_.size() + 1);
    ASSERT_NO_FATAL_FAILURE(AddEntry("填充 " + n, "cmd.exe /c echo " + n));
  }
  SetWindowTextRemote(CaptionBox(), "第十七项");
  Click(editor_, "添加");
  ASSERT_NO_FATAL_FAILURE(DismissMessageBox(&message));
  EXPECT_EQ(message, "系统限制,不能大于16个");
  EXPECT_EQ(TreeText(tree_), ExpectedTree());
  ASSERT_NO_FATAL_FAILURE(CloseEditor());

  // "编辑" on the first entry, with the tree full: the editor shows its
  // texts, "添加" replaces them and closes the editor.
  ASSERT_NO_FATAL_FAILURE(ChooseFromPopup(1, kPopupEdit));
  ASSERT_NO_FATAL_FAILURE(WaitForEditor());
  EXPECT_EQ(WindowText(CaptionBox()), "记事本");
  EXPECT_EQ(WindowText(CommandBox()), "notepad.exe");
  entries_[0] = {"笔记本 编辑", "notepad.exe \"%1\""};
  SetWindowTextRemote(CaptionBox(), entries_[0].caption);
  SetWindowTextRemote(CommandBox(), entries_[0].command);
  Click(editor_, "添加");
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(editor_); })) << "the editor stayed open after the edit";
  editor_ = nullptr;
  EXPECT_EQ(TreeText(tree_), ExpectedTree());

  // "删除" on the first filler until the three entries are left: each time
  // the entry below moves up.
  while (entries_.size() > 3) {
    const int before = TreeItemCount(tree_);
    ASSERT_NO_FATAL_FAILURE(ChooseFromPopup(4, kPopupDelete));
    ASSERT_TRUE(WaitFor([&] { return TreeItemCount(tree_) == before - 1; }))
        << "\"" << entries_[3].caption << "\" was not deleted: " << TreeText(tree_);
    entries_.erase(entries_.begin() + 3);
    ASSERT_EQ(TreeText(tree_), ExpectedTree());
  }

  // "生成" for the desktop and folders, not for files.
  HWND filesBox = MainButton("文件右键菜单");
  ASSERT_NE(filesBox, nullptr);
  PostClick(filesBox);
  ASSERT_TRUE(WaitFor([&] { return !IsButtonChecked(filesBox); })) << "文件右键菜单 stayed checked";
  Click(main_, "生成");
  const std::string expectedData =
      "[关联标题]\r\ndata=vlm1,vlm2,vlm3,\r\n"
      "[标题数据]\r\ndata=笔记本 编辑,定位 Windows,本程序 副本,\r\n"
      "[命令数据]\r\ndata=notepad.exe \"%251\",explorer.exe /select%2C\"C:\\windows\"," +
      programPath_ + ",%\r\n";
  WaitFor([&] { return ReadWholeFile(dataFile_) == expectedData; });  // the check below shows any difference
  EXPECT_EQ(ReadWholeFile(dataFile_), expectedData);
  ASSERT_NO_FATAL_FAILURE(ExpectNoMessageBox());
  ASSERT_NO_FATAL_FAILURE(Shot(main_, "main-window"));

  for (int n = 1; n <= 3; ++n) {
    const Entry& entry = entries_[n - 1];
    EXPECT_TRUE(HasText(VerbKey(n), "", entry.caption));
    EXPECT_TRUE(HasText(VerbKey(n), "icon", entry.command));
    EXPECT_TRUE(HasText(VerbKey(n) + "\\command", "", entry.command));
  }
  EXPECT_FALSE(MachineKeyExists(VerbKey(4)));
  const std::string verbs = "vlm1;vlm2;vlm3;";
  const std::string cascadeIcon = programFolder_ + "/velmora.exe";
  for (const std::string& key : {kDesktopKey, kFoldersKey, kLibraryKey}) {
    EXPECT_TRUE(HasText(key, "SubCommands", verbs));
    EXPECT_TRUE(HasText(key, "MUIVerb", "Velmora"));
  }
  EXPECT_TRUE(HasText(kDesktopKey, "icon", cascadeIcon));
  EXPECT_TRUE(HasText(kFoldersKey, "icon", cascadeIcon));
  EXPECT_TRUE(HasText(kDesktopKey, "Position", "top"));
  EXPECT_TRUE(HasText(kLibraryKey, "Position", "top"));
  EXPECT_FALSE(ReadMachineValue(kFoldersKey, "Position").exists);
  EXPECT_FALSE(MachineKeyExists(kFilesKey)) << "files were not chosen";

  // Closed and started again: the same entries, in order, with their commands.
  ASSERT_NO_FATAL_FAILURE(CloseProgram());
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  EXPECT_EQ(TreeText(tree_), ExpectedTree());
  for (int n = 1; n <= 3; ++n) {
    ASSERT_NO_FATAL_FAILURE(ChooseFromPopup(n, kPopupEdit));
    ASSERT_NO_FATAL_FAILURE(WaitForEditor());
    EXPECT_EQ(WindowText(CaptionBox()), entries_[n - 1].caption);
    EXPECT_EQ(WindowText(CommandBox()), entries_[n - 1].command);
    ASSERT_NO_FATAL_FAILURE(CloseEditor());
  }

  // "删除菜单": no verb, no cascade, no data file, the root alone.
  Click(main_, "删除菜单");
  WaitFor([&] {
    return TreeText(tree_) == "Velmora[]" && !FileExists(dataFile_) && PublishedKeysLeft().empty();
  });
  EXPECT_EQ(TreeText(tree_), "Velmora[]");
  EXPECT_FALSE(FileExists(dataFile_));
  EXPECT_EQ(PublishedKeysLeft(), "");
  ASSERT_NO_FATAL_FAILURE(ExpectNoMessageBox());
  ASSERT_NO_FATAL_FAILURE(CloseProgram());
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc != 3 || !*argv[1] || !*argv[2]) {
    std::fprintf(stderr, "usage: %s <velmora.exe> <screenshot folder>\n", argv[0]);
    return 2;
  }
  g_velmoraPath = WindowsPath(argv[1]);
  g_shotFolder = WindowsPath(argv[2]);
  return RUN_ALL_TESTS();
}
