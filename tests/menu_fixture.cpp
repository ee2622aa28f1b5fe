#include "tests/menu_fixture.h"

const std::string kVerbRoot = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CommandStore\\shell";
const char* const kCascadeKeys[4] = {
    "SOFTWARE\\Classes\\Directory\\Background\\shell\\vlm",
    "SOFTWARE\\Classes\\*\\shell\\vlm",
    "SOFTWARE\\Classes\\Directory\\shell\\vlm",
    "SOFTWARE\\Classes\\LibraryFolder\\background\\shell\\vlm",
};

std::string VerbKey(int i) { return kVerbRoot + "\\vlm" + std::to_string(i); }

void WipeMenuRegistry() {
  for (int i = 1; i <= 40; ++i) DeleteRegistryTree(HKEY_LOCAL_MACHINE, VerbKey(i));
  for (const char* key : kCascadeKeys) DeleteRegistryTree(HKEY_LOCAL_MACHINE, key);
}

bool AnyMenuKeyLeft() {
  for (int i = 1; i <= 40; ++i)
    if (RegistryKeyExists(HKEY_LOCAL_MACHINE, VerbKey(i))) return true;
  for (const char* key : kCascadeKeys)
    if (RegistryKeyExists(HKEY_LOCAL_MACHINE, key)) return true;
  return RegistryKeyExists(HKEY_CLASSES_ROOT, "*\\shell\\vlm") ||
         RegistryKeyExists(HKEY_CLASSES_ROOT, "Directory\\shell\\vlm");
}

void MenuTest::SetUp() {
  ASSERT_FALSE(AnyMenuKeyLeft()) << "an earlier test left menu keys behind";
  ClearEntries();
}

void MenuTest::TearDown() {
  WipeMenuRegistry();
  ClearEntries();
}

void MenuTest::SetEntries(int count) {
  ClearEntries();
  for (int i = 1; i <= count; ++i)
    AppendEntry("Caption " + std::to_string(i), "C:\\Tools\\tool " + std::to_string(i) + ".exe");
}
