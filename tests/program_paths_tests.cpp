#include <gtest/gtest.h>
#include <windows.h>

#include "entries/program_paths.h"

namespace {

struct PathCase {
  const char* modulePath;
  const char* runDirectory;
  const char* fileName;
  const char* dataDirectory;
  const char* dataFile;
};

TEST(ProgramPaths, FollowTheModulePath) {
  const PathCase cases[] = {
      {"D:\\Tools\\menu.exe", "D:\\Tools", "menu.exe", "D:\\Tools\\data", "D:\\Tools/data/data.ini"},
      {"E:\\menu.exe", "E:", "menu.exe", "E:\\data", "E:/data/data.ini"},
      {"menu.exe", "", "menu.exe", "\\data", "/data/data.ini"},
      {"C:\\\xB1\x5C\\v.exe", "C:\\\xB1\x5C", "v.exe", "C:\\\xB1\x5C\\data", "C:\\\xB1\x5C/data/data.ini"},
  };
  for (const PathCase& c : cases) {
    InitProgramPaths(c.modulePath);
    EXPECT_EQ(RunDirectory(), c.runDirectory) << c.modulePath;
    EXPECT_EQ(ExecutableFileName(), c.fileName) << c.modulePath;
    EXPECT_EQ(DataDirectory(), c.dataDirectory) << c.modulePath;
    EXPECT_EQ(DataFilePath(), c.dataFile) << c.modulePath;
  }
}

TEST(ProgramPaths, ModuleFileNameIsReadWholeWhateverItsLength) {
  // Wine starts no program from a path longer than 260 bytes, so the growth
  // is shown by starting from buffers shorter than this program's own path.
  char expected[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, expected, MAX_PATH);
  ASSERT_GT(length, 10u);
  for (std::size_t initial : {std::size_t(1), std::size_t(8), std::size_t(length), std::size_t(length + 1)})
    EXPECT_EQ(ReadModuleFileName(initial), expected) << initial;
  EXPECT_EQ(ReadModuleFileName(), expected);
}

}  // namespace
