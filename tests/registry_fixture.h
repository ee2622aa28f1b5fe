// Reading and cleaning the real registry (Wine's, 64-bit view) in tests.
#pragma once

#include <windows.h>

#include <string>

struct RegistryValue {
  bool exists = false;
  DWORD type = 0;
  std::string bytes;  // as stored, terminating zero included
};

RegistryValue ReadRegistryValue(HKEY root, const std::string& keyPath, const char* valueName);
bool RegistryKeyExists(HKEY root, const std::string& keyPath);
// The names of a key's values and subkeys, for "nothing else changed" checks.
std::string DescribeRegistryKey(HKEY root, const std::string& keyPath);
void DeleteRegistryTree(HKEY root, const std::string& keyPath);
void CreateRegistryKey(HKEY root, const std::string& keyPath);
