#include "tests/registry_fixture.h"

#include <vector>

namespace {
const REGSAM kView = KEY_WOW64_64KEY;
}

RegistryValue ReadRegistryValue(HKEY root, const std::string& keyPath, const char* valueName) {
  RegistryValue value;
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ | kView, &key) != ERROR_SUCCESS) return value;
  DWORD size = 0;
  if (RegQueryValueExA(key, valueName, nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
    std::vector<BYTE> data(size + 1);
    if (RegQueryValueExA(key, valueName, nullptr, &value.type, data.data(), &size) == ERROR_SUCCESS) {
      value.exists = true;
      value.bytes.assign(reinterpret_cast<const char*>(data.data()), size);
    }
  }
  RegCloseKey(key);
  return value;
}

bool RegistryKeyExists(HKEY root, const std::string& keyPath) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ | kView, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

std::string DescribeRegistryKey(HKEY root, const std::string& keyPath) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ | kView, &key) != ERROR_SUCCESS) return "(absent)";
  std::string description;
  char name[1024];
  for (DWORD i = 0;; ++i) {
    DWORD length = sizeof name;
    if (RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    description += std::string("key:") + name + "{" + DescribeRegistryKey(root, keyPath + "\\" + name) + "}";
  }
  for (DWORD i = 0;; ++i) {
    DWORD length = sizeof name;
    if (RegEnumValueA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    RegistryValue value = ReadRegistryValue(root, keyPath, name);
    description += std::string("value:") + name + "=" + value.bytes + ";";
  }
  RegCloseKey(key);
  return description;
}

void DeleteRegistryTree(HKEY root, const std::string& keyPath) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_ALL_ACCESS | kView, &key) != ERROR_SUCCESS) return;
  std::vector<std::string> children;
  char name[1024];
  for (DWORD i = 0;; ++i) {
    DWORD length = sizeof name;
    if (RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    children.push_back(name);
  }
  for (const std::string& child : children) DeleteRegistryTree(root, keyPath + "\\" + child);
  RegCloseKey(key);
  RegDeleteKeyExA(root, keyPath.c_str(), kView, 0);
}

void CreateRegistryKey(HKEY root, const std::string& keyPath) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(root, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | kView, nullptr, &key, nullptr) ==
      ERROR_SUCCESS)
    RegCloseKey(key);
}
