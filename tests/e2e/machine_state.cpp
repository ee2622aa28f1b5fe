#include "tests/e2e/machine_state.h"

#include <vector>

#include "tests/folder_tree.h"

namespace {

const REGSAM kView = KEY_WOW64_64KEY;

// A registry key closed when it goes out of scope.
struct OpenKey {
  HKEY handle = nullptr;
  OpenKey(const std::string& path, REGSAM access) {
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, access | kView, &handle) != ERROR_SUCCESS)
      handle = nullptr;
  }
  ~OpenKey() {
    if (handle) RegCloseKey(handle);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
};

// A file handle closed when it goes out of scope.
struct ReadableFile {
  HANDLE handle;
  explicit ReadableFile(const std::string& path)
      : handle(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~ReadableFile() {
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
  ReadableFile(const ReadableFile&) = delete;
  ReadableFile& operator=(const ReadableFile&) = delete;
};

DWORD Attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

std::vector<WIN32_FIND_DATAA> Matching(const std::string& folder, const char* pattern) {
  std::vector<WIN32_FIND_DATAA> matches;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\" + pattern).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return matches;
  do {
    const std::string name = found.cFileName;
    if (name != "." && name != "..") matches.push_back(found);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return matches;
}

}  // namespace

RegistryText ReadMachineValue(const std::string& keyPath, const char* valueName) {
  RegistryText value;
  OpenKey key(keyPath, KEY_QUERY_VALUE);
  if (!key.handle) return value;
  DWORD size = 0;
  if (RegQueryValueExA(key.handle, valueName, nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS)
    return value;
  std::vector<BYTE> data(size + 1);
  if (RegQueryValueExA(key.handle, valueName, nullptr, &value.type, data.data(), &size) != ERROR_SUCCESS)
    return value;
  value.exists = true;
  value.bytes.assign(reinterpret_cast<const char*>(data.data()), size);
  return value;
}

bool MachineKeyExists(const std::string& keyPath) { return OpenKey(keyPath, KEY_READ).handle != nullptr; }

void DeleteMachineKeyTree(const std::string& keyPath) {
  std::vector<std::string> children;
  {
    OpenKey key(keyPath, KEY_READ);
    if (!key.handle) return;
    char name[256];
    for (DWORD i = 0;; ++i) {
      DWORD length = sizeof name;
      if (RegEnumKeyExA(key.handle, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        break;
      children.push_back(name);
    }
  }
  for (const std::string& child : children) DeleteMachineKeyTree(keyPath + "\\" + child);
  RegDeleteKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), kView, 0);
}

bool FileExists(const std::string& path) {
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadWholeFile(const std::string& path, const std::string& missing) {
  ReadableFile file(path);
  if (file.handle == INVALID_HANDLE_VALUE) return missing;
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file.handle, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  return bytes;
}

bool CreateFolders(const std::string& path) {
  if (FolderExists(path)) return true;
  const std::size_t slash = path.find_last_of("\\/");
  if (slash != std::string::npos && slash > 2) CreateFolders(path.substr(0, slash));
  return CreateDirectoryA(path.c_str(), nullptr) || FolderExists(path);
}

void DeleteFiles(const std::string& folder, const char* pattern) {
  for (const WIN32_FIND_DATAA& found : Matching(folder, pattern))
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      DeleteFileA((folder + "\\" + found.cFileName).c_str());
}

void RemoveFolders(const std::string& folder, const char* pattern) {
  for (const WIN32_FIND_DATAA& found : Matching(folder, pattern))
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveFolderTree(folder + "\\" + found.cFileName);
}
