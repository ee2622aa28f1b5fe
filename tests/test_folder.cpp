#include "tests/test_folder.h"

#include <windows.h>

#include <fstream>
#include <iterator>

#include "entries/program_paths.h"
#include "tests/folder_tree.h"

TestFolder::TestFolder(const char* name) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  path = Text(temp) + "velmora-" + name + "-" + std::to_string(GetCurrentProcessId());
  RemoveFolderTree(path);
  CreateDirectoryA(path.c_str(), nullptr);
  CreateDirectoryA((path + "\\data").c_str(), nullptr);
  InitProgramPaths(path + "\\velmora.exe");
}

TestFolder::~TestFolder() { RemoveFolderTree(path); }

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
