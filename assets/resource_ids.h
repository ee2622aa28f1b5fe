// Resource identifiers shared by velmora.rc and the program.
#pragma once

#define IDI_APP 1
#define IDR_PREVIEW_PNG 101
#define IDB_TREE_PICTURES 102
