// What the program leaves on the machine, read and cleaned by the driver
// itself: registry keys in the 64-bit view and files in its folder.
#pragma once

#include <windows.h>

#include <string>

struct RegistryText {
  bool exists = false;
  DWORD type = REG_NONE;
  std::string bytes;  // as stored, the terminating zero included
};

// HKEY_LOCAL_MACHINE, 64-bit view.
RegistryText ReadMachineValue(const std::string& keyPath, const char* valueName);
bool MachineKeyExists(const std::string& keyPath);
void DeleteMachineKeyTree(const std::string& keyPath);

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// The whole file, or `missing` when it cannot be opened.
std::string ReadWholeFile(const std::string& path, const std::string& missing = "<no file>");
bool CreateFolders(const std::string& path);  // with every missing parent
// The files, or the folders with all they hold, in `folder` whose names
// match `pattern` ("*.bmp").
void DeleteFiles(const std::string& folder, const char* pattern);
void RemoveFolders(const std::string& folder, const char* pattern);
