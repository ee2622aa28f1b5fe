#include "ui/main_window.h"

#include <commctrl.h>

#include "assets/resource_ids.h"
#include "entries/entry_store.h"
#include "entries/program_paths.h"
#include "shellmenu/publish_menus.h"
#include "shellmenu/remove_menus.h"
#include "ui/editor_window.h"
#include "ui/entry_edits.h"
#include "ui/entry_tree.h"
#include "ui/gdi_handles.h"
#include "ui/modal_seam.h"
#include "ui/picture.h"
#include "ui/program.h"

const char* const PublisherAddress = "https://velmora.example";  // placeholder, see README

const char* const PublishFailedMessage =
    "菜单未能全部写入注册表和数据文件。请右键点击本程序，选择“以管理员身份运行”，然后再点“生成”。";
const char* const RemoveFailedMessage =
    "菜单未能从注册表中全部删除。请右键点击本程序，选择“以管理员身份运行”，然后再点“删除菜单”。";

const ControlDesign MainWindowDesign[11] = {
    {"树型框1", WC_TREEVIEWA, 16, 4, 216, 368, "", WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS,
     WS_EX_CLIENTEDGE, IdEntryTree},
    {"透明标签3", "STATIC", 240, 4, 16, 296, "←这里图标使用默认图标　最终效果会选取程序的图标",
     SS_LEFT | SS_EDITCONTROL, 0, IdArrowLabel},
    {"图片框1", "STATIC", 312, 4, 200, 184, "", SS_OWNERDRAW, 0, IdPreview},
    {"透明标签1", "STATIC", 362, 196, 100, 24, "最终效果就这样", SS_LEFT, 0, IdEffectLabel},
    {"透明标签2", "STATIC", 296, 220, 232, 32, "右键分为桌面、文件、文件夹，按需选择吧\r\n", SS_LEFT, 0,
     IdTargetsLabel},
    {"选择框_桌面", "BUTTON", 241, 298, 96, 24, "桌面右键菜单", WS_TABSTOP | BS_AUTOCHECKBOX, 0,
     IdDesktopCheck},
    {"选择框_文件", "BUTTON", 343, 298, 96, 24, "文件右键菜单", WS_TABSTOP | BS_AUTOCHECKBOX, 0,
     IdFilesCheck},
    {"选择框_文件夹", "BUTTON", 446, 298, 104, 24, "文件夹右键菜单", WS_TABSTOP | BS_AUTOCHECKBOX, 0,
     IdFoldersCheck},
    {"按钮_添加", "BUTTON", 241, 338, 64, 32, "添加", WS_TABSTOP | BS_PUSHBUTTON, 0, IdAddButton},
    {"按钮_生成", "BUTTON", 398, 338, 64, 32, "生成", WS_TABSTOP | BS_PUSHBUTTON, 0, IdPublishButton},
    {"按钮_删除", "BUTTON", 478, 338, 80, 32, "删除菜单", WS_TABSTOP | BS_PUSHBUTTON, 0, IdRemoveButton},
};

namespace {

const char* const kClassName = "VelmoraMainWindow";
const int kWidth = 570;
const int kHeight = 402;

struct MainWindowState {
  HWND window = nullptr;
  HWND tree = nullptr;
  OwnedImageList treePictures;
  OwnedBitmap preview;
  OwnedMenu menu;  // "右键菜单": shown only as the tree's popup
};
MainWindowState g_main;

bool IsChecked(int id) { return SendDlgItemMessageA(g_main.window, id, BM_GETCHECK, 0, 0) == BST_CHECKED; }
void Check(int id) { SendDlgItemMessageA(g_main.window, id, BM_SETCHECK, BST_CHECKED, 0); }

void ResetMainTree() { ResetEntryTree(g_main.tree); }

OwnedMenu CreateEntryMenu() {
  HMENU bar = CreateMenu();
  HMENU popup = CreatePopupMenu();
  AppendMenuA(popup, MF_STRING, IdPopupEdit, "编辑");
  AppendMenuA(popup, MF_STRING, IdPopupDelete, "删除");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), "右键菜单");
  return OwnedMenu(bar);
}

void SetUpTree() {
  g_main.treePictures.Reset(ImageList_Create(16, 15, ILC_COLOR24 | ILC_MASK, 2, 0));
  HBITMAP strip = static_cast<HBITMAP>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_TREE_PICTURES), IMAGE_BITMAP, 0, 0, 0));
  if (strip) {
    ImageList_AddMasked(g_main.treePictures.get(), strip, RGB(255, 0, 255));
    DeleteObject(strip);
  }
  SendMessageA(g_main.tree, TVM_SETIMAGELIST, TVSIL_NORMAL,
               reinterpret_cast<LPARAM>(g_main.treePictures.get()));
  // The design's root: "Velmora", bold, expanded and selected.
  TVINSERTSTRUCTA root{};
  root.hParent = TVI_ROOT;
  root.hInsertAfter = TVI_LAST;
  root.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE;
  root.item.pszText = const_cast<char*>("Velmora");
  root.item.stateMask = TVIS_BOLD | TVIS_EXPANDED;
  root.item.state = TVIS_BOLD | TVIS_EXPANDED;
  SendMessageA(g_main.tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&root));
  TreeSelectItem(g_main.tree, 0);
}

// The creation handler: data folder, check boxes, entries.
void OnCreated() {
  CreateDirectoryA(DataDirectory().c_str(), nullptr);
  Check(IdFilesCheck);
  Check(IdDesktopCheck);
  Check(IdFoldersCheck);
  ShowLoadedEntries(g_main.tree, LoadEntries());
}

void OnPublish() {
  if (!PublishMenus(IsChecked(IdDesktopCheck), IsChecked(IdFilesCheck), IsChecked(IdFoldersCheck)))
    ShowSystemMessage(PublishFailedMessage);
}

void OnRemove() {
  if (!RemoveMenus(ResetMainTree)) ShowSystemMessage(RemoveFailedMessage);
}

// Right button released over the tree (a press on an item has selected it).
void OnTreeRightClick() {
  POINT cursor;
  GetCursorPos(&cursor);
  POINT client = cursor;
  ScreenToClient(g_main.tree, &client);
  const int hit = TreeItemAt(g_main.tree, client);
  if (hit >= 0) TreeSelectItem(g_main.tree, hit);
  if (TreeSelection(g_main.tree) == 0) return;
  const int chosen = Modal.TrackPopupMenu(GetSubMenu(g_main.menu.get(), 0),
                                          TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                                          cursor.x + 3, cursor.y + 3, 0, g_main.window, nullptr);
  if (chosen != 0) PostMessageA(g_main.window, WM_COMMAND, static_cast<WPARAM>(chosen), 0);
}

void OnCommand(int id) {
  switch (id) {
    case IdAddButton: OpenEditorToAdd(); break;
    case IdPublishButton: OnPublish(); break;
    case IdRemoveButton: OnRemove(); break;
    case IdPopupEdit: OpenEditorToEdit(TreeSelection(g_main.tree)); break;
    case IdPopupDelete: DeleteEntryAt(g_main.tree, TreeSelection(g_main.tree)); break;
  }
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      g_main.window = window;
      CreateControls(window, MainWindowDesign, std::size(MainWindowDesign));
      g_main.tree = GetDlgItem(window, IdEntryTree);
      g_main.menu = CreateEntryMenu();
      g_main.preview = LoadPngResource(IDR_PREVIEW_PNG, GetSysColor(COLOR_BTNFACE));
      SetUpTree();
      ProgramWindowOpened();
      OnCreated();
      return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) OnCommand(LOWORD(wParam));  // also menu commands
      return 0;
    case WM_NOTIFY: {
      const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->idFrom == IdEntryTree && header->code == NM_RCLICK) {
        OnTreeRightClick();
        return TRUE;
      }
      break;
    }
    case WM_CTLCOLORSTATIC: return ColorStaticTransparent(reinterpret_cast<HDC>(wParam));
    case WM_DRAWITEM: {
      const DRAWITEMSTRUCT* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (draw->CtlID == IdPreview) DrawStretched(draw->hDC, draw->rcItem, g_main.preview.get());
      return TRUE;
    }
    case DM_GETDEFID: return FocusedButtonAsDefault(window, 0);
    case WM_DESTROY:
      CloseEditorWindow();  // it works on this window's tree
      return 0;
    case WM_NCDESTROY:
      g_main = MainWindowState();
      ProgramWindowClosed();
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool RegisterMainWindowClass() { return RegisterProgramWindowClass(kClassName, MainWindowProc); }

HWND CreateMainWindow() {
  const Text caption = Text("Velmora   ") + PublisherAddress;
  HWND window = CreateCentredWindow(kClassName, caption.c_str(), kWidth, kHeight);
  if (window) ShowWindow(window, SW_SHOW);
  return window;
}

HWND MainWindowHandle() { return g_main.window; }
HWND MainTree() { return g_main.tree; }

HWND MainControl(const char* name) {
  return ControlByName(g_main.window, MainWindowDesign, std::size(MainWindowDesign), name);
}
