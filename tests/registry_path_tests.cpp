#include <gtest/gtest.h>

#include "registry/registry_path.h"

namespace {

struct SplitPathCase {
  const char* path;
  const char* remaining;
  const char* name;
  bool endsWithBackslash;
};

TEST(SplitRegistryPath, SplitsAtTheLastBackslash) {
  const SplitPathCase cases[] = {
      {"A\\B\\C", "A\\B", "C", false},
      {"A\\B\\C\\", "A\\B\\C\\", "", true},
      {"A", "A", "", false},
      {"\\A", "", "A", false},
      {"", "", "", false},
      {"A\\\xB1\x5C", "A", "\xB1\x5C", false},
  };
  for (const SplitPathCase& c : cases) {
    Text path = c.path;
    bool endsWithBackslash = !c.endsWithBackslash;
    EXPECT_EQ(SplitRegistryPath(path, endsWithBackslash), c.name) << c.path;
    EXPECT_EQ(path, c.remaining) << c.path;
    EXPECT_EQ(endsWithBackslash, c.endsWithBackslash) << c.path;
  }
}

struct TargetCase {
  const char* path;
  const char* parent;
  const char* name;
  bool isKey;
};

TEST(ParseRegistryTarget, KeysEndWithABackslash) {
  const TargetCase cases[] = {
      {"A\\B\\C\\", "A\\B", "C", true},
      {"A\\B\\C", "A\\B", "C", false},
      {"A", "A", "", false},
      {"A\\", "A", "", true},
      {"S\\vlm1\\command\\", "S\\vlm1", "command", true},
      {"\xB1\x5C\\\xB1\x5C\\", "\xB1\x5C", "\xB1\x5C", true},
  };
  for (const TargetCase& c : cases) {
    RegistryTarget target = ParseRegistryTarget(c.path);
    EXPECT_EQ(target.parentPath, c.parent) << c.path;
    EXPECT_EQ(target.name, c.name) << c.path;
    EXPECT_EQ(target.isKey, c.isKey) << c.path;
  }
}

}  // namespace
