// Where the published menu lives in the registry (beneath HKEY_LOCAL_MACHINE
// unless stated otherwise).
#pragma once

#include "entries/text.h"

extern const char* const CommandStoreShell;     // ...\CommandStore\shell\ (ends in "\")
extern const char* const DesktopBackgroundKey;  // cascade on the desktop background
extern const char* const FilesKey;              // cascade on files
extern const char* const FoldersKey;            // cascade on folders
extern const char* const LibraryBackgroundKey;  // cascade on the library background
extern const char* const CascadeCaption;        // "Velmora"

Text VerbName(int position);  // "vlm" + position
