// Removing a folder with everything in it, for tests that make folders.
#pragma once

#include <string>

// Deletes `path` and all it holds, read-only files included. Refuses a drive
// or a drive's root.
void RemoveFolderTree(const std::string& path);
