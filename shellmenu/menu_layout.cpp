#include "shellmenu/menu_layout.h"

#include <string>

const char* const CommandStoreShell =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CommandStore\\shell\\";
const char* const DesktopBackgroundKey = "SOFTWARE\\Classes\\Directory\\Background\\shell\\vlm\\";
const char* const FilesKey = "SOFTWARE\\Classes\\*\\shell\\vlm";
const char* const FoldersKey = "SOFTWARE\\Classes\\Directory\\shell\\vlm";
const char* const LibraryBackgroundKey = "SOFTWARE\\Classes\\LibraryFolder\\background\\shell\\vlm\\";
const char* const CascadeCaption = "Velmora";

Text VerbName(int position) { return "vlm" + std::to_string(position); }
