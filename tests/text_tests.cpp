#include <gtest/gtest.h>

#include "entries/text.h"

namespace {

struct SplitCase {
  const char* value;
  TextList pieces;
};

TEST(SplitValue, FollowsTheTable) {
  const SplitCase cases[] = {
      {"", {}},
      {"a,b,", {"a", "b"}},
      {"a,,b,", {"a", "", "b"}},
      {"a,,", {"a", ""}},
      {",a", {"", "a"}},
      {"a,b", {"a", "b"}},
      {",", {""}},
      {"vlm1,vlm2,", {"vlm1", "vlm2"}},
      {"A,B,", {"A", "B"}},
      {"P,Q,", {"P", "Q"}},
      // The second byte of a double-byte character is never a separator.
      {"\x81,x,", {"\x81,x"}},
      {"\xB1\xEA,\xCC\xE2,", {"\xB1\xEA", "\xCC\xE2"}},
      // A lead byte as the last byte ends the scan and stays in the last piece.
      {"a,\xB1", {"a", "\xB1"}},
      {"C:\\x\\,\"%1\",", {"C:\\x\\", "\"%1\""}},
  };
  for (const SplitCase& c : cases) EXPECT_EQ(SplitValue(c.value, ','), c.pieces) << c.value;
}

TEST(JoinItems, FollowsEveryItemWithTheSeparator) {
  EXPECT_EQ(JoinItems({}, ','), "");
  EXPECT_EQ(JoinItems({"A", "B"}, ','), "A,B,");
  EXPECT_EQ(JoinItems({"", "x", ""}, ';'), ";x;;");
}

TEST(FindLastSeparator, StepsOverDoubleByteCharacters) {
  // 0xB1 0x5C is one character whose second byte looks like a backslash.
  EXPECT_EQ(FindLastSeparator("a\\\xB1\x5C", '\\'), 1u);
  EXPECT_EQ(FindLastSeparator("abc", '\\'), Text::npos);
  EXPECT_EQ(FindLastSeparator("\\", '\\'), 0u);
}

struct ModulePathCase {
  const char* path;
  const char* directory;
  const char* fileName;
};

TEST(SplitModulePath, GivesRunDirectoryAndExecutableFileName) {
  const ModulePathCase cases[] = {
      {"D:\\Tools\\menu.exe", "D:\\Tools", "menu.exe"},
      {"E:\\menu.exe", "E:", "menu.exe"},
      {"menu.exe", "", "menu.exe"},
      {"menu", "", "menu"},
      // The folder name ends in a character whose trail byte is 0x5C.
      {"C:\\\xB1\x5C\\v.exe", "C:\\\xB1\x5C", "v.exe"},
      {"C:\\a\\\xB1\x5C.exe", "C:\\a", "\xB1\x5C.exe"},
  };
  for (const ModulePathCase& c : cases) {
    ModulePathParts parts = SplitModulePath(c.path);
    EXPECT_EQ(parts.directory, c.directory) << c.path;
    EXPECT_EQ(parts.fileName, c.fileName) << c.path;
  }
}

}  // namespace
