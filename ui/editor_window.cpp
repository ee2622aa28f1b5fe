#include "ui/editor_window.h"

#include <commdlg.h>

#include <vector>

#include "entries/entry_store.h"
#include "ui/entry_edits.h"
#include "ui/entry_tree.h"
#include "ui/main_window.h"
#include "ui/modal_seam.h"
#include "ui/program.h"

const char* const TooManyEntriesMessage = "系统限制,不能大于16个";
const char* const EmptyCaptionMessage = "添加标题不能为空";
const char* const EditedEntryGoneMessage =
    "正在编辑的菜单项已被删除，没有改动任何菜单项。再点一次“添加”，可把框中的内容作为新菜单项添加。";

const ControlDesign EditorWindowDesign[7] = {
    {"透明标签1", "STATIC", 32, 20, 56, 24, "添加标题", SS_LEFT, 0, IdCaptionLabel},
    {"编辑框_添加项", "EDIT", 97, 20, 184, 24, "", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
     IdCaptionBox},
    {"透明标签2", "STATIC", 32, 52, 56, 24, "执行命令", SS_LEFT, 0, IdCommandLabel},
    {"编辑框_命令", "EDIT", 97, 52, 184, 24, "", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, IdCommandBox},
    {"按钮_命令浏览", "BUTTON", 288, 52, 64, 24, "浏览", WS_TABSTOP | BS_PUSHBUTTON, 0, IdBrowseButton},
    {"按钮_添加", "BUTTON", 215, 117, 64, 24, "添加", WS_TABSTOP | BS_DEFPUSHBUTTON, 0, IdCommitButton},
    {"按钮_清空", "BUTTON", 286, 116, 64, 24, "清空", WS_TABSTOP | BS_PUSHBUTTON, 0, IdClearButton},
};

namespace {

const char* const kClassName = "VelmoraEditorWindow";
const int kWidth = 382;
const int kHeight = 191;
const int kMaxEntryItems = MaxEntries + 1;  // the root and 16 entries

struct EditorState {
  HWND window = nullptr;
  Text dialogFileName;  // the file-open dialog's file name, kept while the window is open
};
EditorState g_editor;

Text BoxText(int id) {
  HWND box = GetDlgItem(g_editor.window, id);
  std::vector<char> buffer(static_cast<std::size_t>(GetWindowTextLengthA(box)) + 1);
  GetWindowTextA(box, buffer.data(), static_cast<int>(buffer.size()));
  return Text(buffer.data());
}

void SetBoxText(int id, const Text& text) { SetDlgItemTextA(g_editor.window, id, text.c_str()); }

void FillFromEditedEntry() {
  if (!IsEditing() || !HasEntry(EditedEntry)) return;
  SetBoxText(IdCaptionBox, EntryTitle(EditedEntry));
  SetBoxText(IdCommandBox, EntryCommand(EditedEntry));
}

void StopEditing() {
  EditMode.clear();
  EditedEntry = NoEditedEntry;
}

void OnBrowse() {
  std::vector<char> file(32768, '\0');
  g_editor.dialogFileName.copy(file.data(), file.size() - 1);
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = g_editor.window;
  dialog.lpstrFilter = "应用程序\0*.exe\0";
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.Flags = OFN_HIDEREADONLY;
  if (!Modal.GetOpenFileNameA(&dialog)) return;  // cancelled: the box keeps its text
  g_editor.dialogFileName = file.data();
  SetBoxText(IdCommandBox, g_editor.dialogFileName);
}

void OnCommit() {
  HWND tree = MainTree();
  if (!tree) return;
  TreeExpandItem(tree, 0);
  const Text caption = BoxText(IdCaptionBox);
  const Text command = BoxText(IdCommandBox);
  if (IsEditing()) {
    if (!ReplaceEntryAt(tree, EditedEntry, caption, command)) {
      // The entry was deleted meanwhile: change nothing, say so, and let a
      // second click add the texts as a new entry.
      StopEditing();
      ShowSystemMessage(EditedEntryGoneMessage);
      return;
    }
    StopEditing();
    PostMessageA(g_editor.window, WM_CLOSE, 0, 0);
    return;
  }
  if (TreeItemCount(tree) >= kMaxEntryItems) {
    ShowSystemMessage(TooManyEntriesMessage);
    return;
  }
  if (caption.empty()) {
    ShowSystemMessage(EmptyCaptionMessage);
    return;
  }
  AddEntry(tree, caption, command);
}

void OnCommand(int id) {
  switch (id) {
    case IdBrowseButton: OnBrowse(); break;
    case IdCommitButton: OnCommit(); break;
    case IdClearButton:
      SetBoxText(IdCaptionBox, "");
      SetBoxText(IdCommandBox, "");
      break;
    case IDCANCEL: PostMessageA(g_editor.window, WM_CLOSE, 0, 0); break;  // Esc
  }
}

LRESULT CALLBACK EditorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      g_editor.window = window;
      CreateControls(window, EditorWindowDesign, std::size(EditorWindowDesign));
      ProgramWindowOpened();
      FillFromEditedEntry();
      return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) OnCommand(LOWORD(wParam));
      return 0;
    case WM_CTLCOLORSTATIC: return ColorStaticTransparent(reinterpret_cast<HDC>(wParam));
    case DM_GETDEFID: return FocusedButtonAsDefault(window, IdCommitButton);
    case WM_NCDESTROY:
      // Closing without "添加" abandons the edit.
      StopEditing();
      g_editor = EditorState();
      ProgramWindowClosed();
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void ShowEditor() {
  if (g_editor.window) {
    if (IsIconic(g_editor.window)) ShowWindow(g_editor.window, SW_RESTORE);
    SetForegroundWindow(g_editor.window);
    return;
  }
  HWND window = CreateCentredWindow(kClassName, "编辑菜单", kWidth, kHeight);
  if (!window) return;
  ShowWindow(window, SW_SHOW);
  SetFocus(GetDlgItem(window, IdCaptionBox));
}

}  // namespace

bool RegisterEditorWindowClass() { return RegisterProgramWindowClass(kClassName, EditorWindowProc); }

void OpenEditorToAdd() {
  StopEditing();
  ShowEditor();
}

void OpenEditorToEdit(int position) {
  if (!HasEntry(position)) return;
  EditMode = EditModeEditing;
  EditedEntry = position;
  if (g_editor.window) FillFromEditedEntry();  // an open editor switches to this entry
  ShowEditor();
}

void CloseEditorWindow() {
  if (g_editor.window) DestroyWindow(g_editor.window);
}

HWND EditorWindowHandle() { return g_editor.window; }

HWND EditorControl(const char* name) {
  return ControlByName(g_editor.window, EditorWindowDesign, std::size(EditorWindowDesign), name);
}
