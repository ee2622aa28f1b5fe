#include "tests/test_folder.h"

#include <windows.h>

#include <fstream>
#include <iterator>

#include "entries/program_paths.h"

namespace {

void RemoveTree(const Text& path) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      Text name = found.cFileName;
      if (name == "." || name == "..") continue;
      Text child = path + "\\" + name;
      SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(child);
      else
        DeleteFileA(child.c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(path.c_str());
}

}  // namespace

TestFolder::TestFolder(const char* name) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  path = Text(temp) + "velmora-" + name + "-" + std::to_string(GetCurrentProcessId());
  RemoveTree(path);
  CreateDirectoryA(path.c_str(), nullptr);
  CreateDirectoryA((path + "\\data").c_str(), nullptr);
  InitProgramPaths(path + "\\velmora.exe");
}

TestFolder::~TestFolder() { RemoveTree(path); }

Text TestFolder::ReadDataFile() const { return ReadFileBytes(DataFile()); }
void TestFolder::WriteDataFile(const std::string& bytes) const { WriteFileBytes(DataFile(), bytes); }

Text ReadFileBytes(const Text& path) {
  std::ifstream in(path, std::ios::binary);
  return Text(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const Text& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}
