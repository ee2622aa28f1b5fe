#include "shellmenu/publish_menus.h"

#include <algorithm>

#include "entries/entry_store.h"
#include "entries/program_paths.h"
#include "registry/registry_access.h"
#include "shellmenu/menu_layout.h"

namespace {

struct Publisher {
  bool ok = true;
  void Write(const Text& keyPath, const Text& valueName, const Text& data) {
    ok = WriteRegistryText(RootLocalMachine, keyPath, valueName, data) && ok;
  }
};

}  // namespace

bool PublishMenus(bool desktop, bool files, bool folders) {
  Publisher out;
  TextList aliases;
  // Only whole entries are published, and never more verbs than removal clears.
  const int count = std::min(EntryCount(), MaxEntries);
  for (int i = 1; i <= count; ++i) {
    const Text verb = VerbName(i);
    const Text verbKey = CommandStoreShell + verb + "\\";
    out.Write(verbKey, "", EntryTitle(i));
    out.Write(verbKey, "icon", EntryCommand(i));
    out.Write(verbKey + "command\\", "", EntryCommand(i));
    aliases.push_back(verb);
  }
  const Text verbList = JoinItems(aliases, ';');
  const Text cascadeIcon = RunDirectory() + "/" + ExecutableFileName();
  if (desktop) {
    out.Write(DesktopBackgroundKey, "SubCommands", verbList);
    out.Write(DesktopBackgroundKey, "MUIVerb", CascadeCaption);
    out.Write(DesktopBackgroundKey, "icon", cascadeIcon);
    out.Write(DesktopBackgroundKey, "Position", "top");
  }
  if (files) {
    out.Write(FilesKey, "SubCommands", verbList);
    out.Write(FilesKey, "MUIVerb", CascadeCaption);
    out.Write(FilesKey, "icon", cascadeIcon);
  }
  if (folders) {
    out.Write(FoldersKey, "SubCommands", verbList);
    out.Write(FoldersKey, "MUIVerb", CascadeCaption);
    out.Write(FoldersKey, "icon", cascadeIcon);
  }
  out.Write(LibraryBackgroundKey, "SubCommands", verbList);
  out.Write(LibraryBackgroundKey, "MUIVerb", CascadeCaption);
  out.Write(LibraryBackgroundKey, "Position", "top");
  const bool saved = SaveEntries(aliases);
  return out.ok && saved;
}
