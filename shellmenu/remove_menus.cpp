#include "shellmenu/remove_menus.h"

#include <windows.h>

#include "entries/entry_store.h"
#include "entries/program_paths.h"
#include "registry/registry_access.h"
#include "shellmenu/menu_layout.h"

namespace {

struct Remover {
  bool ok = true;
  void Delete(int rootCode, const Text& path) {
    ok = DeleteRegistryPathOutcome(rootCode, path) != DeleteOutcome::Failed && ok;
  }
};

}  // namespace

bool RemoveMenus(void (*resetTree)()) {
  DeleteFileA(DataFilePath().c_str());
  if (resetTree) resetTree();
  ClearEntries();
  Remover out;
  for (int i = 1; i <= MaxEntries; ++i) {
    const Text verbKey = CommandStoreShell + VerbName(i) + "\\";
    out.Delete(RootLocalMachine, verbKey + "command\\");
    out.Delete(RootLocalMachine, verbKey);
  }
  out.Delete(RootLocalMachine, Text(FoldersKey) + "\\");
  out.Delete(RootLocalMachine, Text(FilesKey) + "\\");
  out.Delete(RootLocalMachine, LibraryBackgroundKey);
  out.Delete(RootLocalMachine, DesktopBackgroundKey);
  out.Delete(RootClassesRoot, "*\\shell\\vlm\\");
  out.Delete(RootClassesRoot, "Directory\\shell\\vlm\\");
  return out.ok;
}
