#include <gtest/gtest.h>

#include <vector>

#include "entries/entry_store.h"
#include "entries/program_paths.h"
#include "registry/system_calls.h"
#include "shellmenu/publish_menus.h"
#include "shellmenu/remove_menus.h"
#include "tests/menu_fixture.h"

namespace {

// What the tree reset saw when it ran: the file already gone, the lists not yet emptied.
struct ResetSeen {
  int calls = 0;
  bool fileGone = false;
  std::size_t entries = 0;
};
ResetSeen g_reset;

void RecordReset() {
  ++g_reset.calls;
  g_reset.fileGone = GetFileAttributesA(DataFilePath().c_str()) == INVALID_FILE_ATTRIBUTES;
  g_reset.entries = Entries.Titles.size();
}

class Remove : public MenuTest {
 protected:
  void SetUp() override {
    MenuTest::SetUp();
    g_reset = ResetSeen();
  }
};

TEST_F(Remove, LeavesNothingOfAPublishedMenu) {
  SetEntries(3);
  ASSERT_TRUE(PublishMenus(true, true, true));
  ASSERT_TRUE(AnyMenuKeyLeft());
  EXPECT_TRUE(RemoveMenus(RecordReset));
  EXPECT_FALSE(AnyMenuKeyLeft());
  EXPECT_EQ(GetFileAttributesA(DataFilePath().c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_NE(GetFileAttributesA(DataDirectory().c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(Entries.Titles.empty());
  EXPECT_TRUE(Entries.Commands.empty());
  EXPECT_EQ(g_reset.calls, 1);
  EXPECT_TRUE(g_reset.fileGone);
  EXPECT_EQ(g_reset.entries, 3u);
}

TEST_F(Remove, RemovesEveryTargetWhateverWasChosen) {
  SetEntries(16);
  PublishMenus(true, false, false);
  SetEntries(2);
  PublishMenus(false, true, true);
  EXPECT_TRUE(RemoveMenus(nullptr));
  EXPECT_FALSE(AnyMenuKeyLeft());
}

TEST_F(Remove, KeepsAVerbThatHoldsAForeignSubkey) {
  SetEntries(2);
  PublishMenus(false, false, false);
  CreateRegistryKey(HKEY_LOCAL_MACHINE, VerbKey(2) + "\\foreign");
  EXPECT_FALSE(RemoveMenus(nullptr));
  EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, VerbKey(1)));
  EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, VerbKey(2) + "\\command"));
  EXPECT_TRUE(RegistryKeyExists(HKEY_LOCAL_MACHINE, VerbKey(2) + "\\foreign"));
  EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, kCascadeKeys[3]));
}

TEST_F(Remove, WithNothingPublishedChangesNothingAndReportsNoFailure) {
  const std::string before = DescribeRegistryKey(HKEY_LOCAL_MACHINE, kVerbRoot) +
                             DescribeRegistryKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Classes\\Directory");
  SetEntries(2);
  EXPECT_TRUE(RemoveMenus(RecordReset));
  EXPECT_EQ(DescribeRegistryKey(HKEY_LOCAL_MACHINE, kVerbRoot) +
                DescribeRegistryKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Classes\\Directory"),
            before);
  EXPECT_TRUE(Entries.Titles.empty());
  EXPECT_EQ(g_reset.calls, 1);
}

// Every deletion refused, as for a user without administrator rights.
std::vector<std::string> g_opened;
LSTATUS WINAPI RefuseOpen(HKEY root, LPCSTR path, DWORD, REGSAM, PHKEY) {
  g_opened.push_back((root == HKEY_CLASSES_ROOT ? "HKCR " : "HKLM ") + std::string(path ? path : ""));
  return ERROR_ACCESS_DENIED;
}

TEST_F(Remove, RefusedDeletionsAreAllAttemptedInOrderAndReported) {
  SetEntries(3);
  PublishMenus(true, true, true);
  SystemCalls saved = System;
  System.RegOpenKeyExA = RefuseOpen;
  g_opened.clear();
  const bool removed = RemoveMenus(RecordReset);
  System = saved;
  EXPECT_FALSE(removed);
  ASSERT_EQ(g_opened.size(), 16u * 2 + 6);
  EXPECT_EQ(g_opened[0], "HKLM " + VerbKey(1));
  EXPECT_EQ(g_opened[1], "HKLM " + kVerbRoot);
  EXPECT_EQ(g_opened[31], "HKLM " + kVerbRoot);
  EXPECT_EQ(g_opened[32], "HKLM SOFTWARE\\Classes\\Directory\\shell");
  EXPECT_EQ(g_opened[33], "HKLM SOFTWARE\\Classes\\*\\shell");
  EXPECT_EQ(g_opened[34], "HKLM SOFTWARE\\Classes\\LibraryFolder\\background\\shell");
  EXPECT_EQ(g_opened[35], "HKLM SOFTWARE\\Classes\\Directory\\Background\\shell");
  EXPECT_EQ(g_opened[36], "HKCR *\\shell");
  EXPECT_EQ(g_opened[37], "HKCR Directory\\shell");
  // The file and the lists go regardless.
  EXPECT_EQ(GetFileAttributesA(DataFilePath().c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(Entries.Titles.empty());
  EXPECT_EQ(g_reset.calls, 1);
}

}  // namespace
