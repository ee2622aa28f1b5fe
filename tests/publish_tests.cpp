#include <gtest/gtest.h>

#include <vector>

#include "entries/entry_store.h"
#include "entries/program_paths.h"
#include "registry/system_calls.h"
#include "shellmenu/publish_menus.h"
#include "tests/menu_fixture.h"

namespace {

std::string Stored(const std::string& text) { return text + '\0'; }

std::string Value(const std::string& key, const char* name) {
  RegistryValue value = ReadRegistryValue(HKEY_LOCAL_MACHINE, key, name);
  EXPECT_TRUE(value.exists) << key << " " << (name ? name : "(default)");
  EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ)) << key;
  return value.bytes;
}

bool HasValue(const std::string& key, const char* name) {
  return ReadRegistryValue(HKEY_LOCAL_MACHINE, key, name).exists;
}

std::string ExpectedVerbList(int count) {
  std::string list;
  for (int i = 1; i <= count; ++i) list += "vlm" + std::to_string(i) + ";";
  return list;
}

class Publish : public MenuTest {
 protected:
  std::string CascadeIcon() const { return Stored(folder.path + "/velmora.exe"); }

  // Every row publishing writes for the current entries and choices.
  void ExpectPublished(int count, bool desktop, bool files, bool folders) {
    for (int i = 1; i <= count; ++i) {
      EXPECT_EQ(Value(VerbKey(i), nullptr), Stored(EntryTitle(i)));
      EXPECT_EQ(Value(VerbKey(i), "icon"), Stored(EntryCommand(i)));
      EXPECT_EQ(Value(VerbKey(i) + "\\command", nullptr), Stored(EntryCommand(i)));
    }
    EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, VerbKey(count + 1)));
    const std::string verbs = Stored(ExpectedVerbList(count));
    const bool chosen[3] = {desktop, files, folders};
    for (int t = 0; t < 3; ++t) {
      const std::string key = kCascadeKeys[t];
      if (!chosen[t]) {
        EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, key)) << key;
        continue;
      }
      EXPECT_EQ(Value(key, "SubCommands"), verbs) << key;
      EXPECT_EQ(Value(key, "MUIVerb"), Stored("Velmora")) << key;
      EXPECT_EQ(Value(key, "icon"), CascadeIcon()) << key;
      // Only the desktop background gets a position.
      EXPECT_EQ(HasValue(key, "Position"), t == 0) << key;
      if (t == 0) {
        EXPECT_EQ(Value(key, "Position"), Stored("top"));
      }
    }
    const std::string library = kCascadeKeys[3];
    EXPECT_EQ(Value(library, "SubCommands"), verbs);
    EXPECT_EQ(Value(library, "MUIVerb"), Stored("Velmora"));
    EXPECT_EQ(Value(library, "Position"), Stored("top"));
    EXPECT_FALSE(HasValue(library, "icon"));
  }
};

TEST_F(Publish, WritesEveryRowForEachCountAndTargetChoice) {
  for (int count : {0, 1, 3, 16}) {
    for (int choice = 0; choice < 8; ++choice) {
      const bool desktop = choice & 1, files = choice & 2, folders = choice & 4;
      SCOPED_TRACE("entries " + std::to_string(count) + ", choice " + std::to_string(choice));
      SetEntries(count);
      EXPECT_TRUE(PublishMenus(desktop, files, folders));
      ExpectPublished(count, desktop, files, folders);
      WipeMenuRegistry();
    }
  }
}

TEST_F(Publish, SixteenVerbsMakeAListOf87Characters) {
  SetEntries(16);
  PublishMenus(true, true, true);
  const std::string list = ExpectedVerbList(16);
  ASSERT_EQ(list.size(), 87u);
  EXPECT_EQ(Value(kCascadeKeys[0], "SubCommands"), Stored(list));
}

TEST_F(Publish, SavesThePublishedEntriesToTheDataFile) {
  Entries.Titles = {"\xBC\xC7\xCA\xC2\xB1\xBE", "b,c"};
  Entries.Commands = {"notepad.exe", "explorer.exe /select,\"%1\""};
  ASSERT_TRUE(PublishMenus(false, false, false));
  // The Chinese caption is stored as its code page 936 bytes.
  EXPECT_EQ(Value(VerbKey(1), nullptr), "\xBC\xC7\xCA\xC2\xB1\xBE" + std::string(1, '\0'));
  EXPECT_EQ(Value(VerbKey(2) + "\\command", nullptr), Stored("explorer.exe /select,\"%1\""));
  const std::string file = folder.ReadDataFile();
  EXPECT_NE(file.find("data=vlm1,vlm2,\r\n"), std::string::npos) << file;
  const TextList titles = Entries.Titles, commands = Entries.Commands;
  ClearEntries();
  ASSERT_EQ(LoadEntries(), 2);
  EXPECT_EQ(Entries.Titles, titles);
  EXPECT_EQ(Entries.Commands, commands);
}

TEST_F(Publish, LeavesStaleVerbsAndUnchosenTargetsAsTheyWere) {
  SetEntries(5);
  PublishMenus(true, true, true);
  const std::string staleVerb = DescribeRegistryKey(HKEY_LOCAL_MACHINE, VerbKey(3));
  const std::string desktopBefore = DescribeRegistryKey(HKEY_LOCAL_MACHINE, kCascadeKeys[0]);
  const std::string foldersBefore = DescribeRegistryKey(HKEY_LOCAL_MACHINE, kCascadeKeys[2]);

  Entries.Titles = {"new 1", "new 2"};
  Entries.Commands = {"n1.exe", "n2.exe"};
  PublishMenus(false, true, false);
  EXPECT_EQ(Value(VerbKey(1), nullptr), Stored("new 1"));
  EXPECT_EQ(Value(VerbKey(2) + "\\command", nullptr), Stored("n2.exe"));
  for (int i = 3; i <= 5; ++i) EXPECT_TRUE(RegistryKeyExists(HKEY_LOCAL_MACHINE, VerbKey(i) + "\\command"));
  EXPECT_EQ(DescribeRegistryKey(HKEY_LOCAL_MACHINE, VerbKey(3)), staleVerb);
  EXPECT_EQ(DescribeRegistryKey(HKEY_LOCAL_MACHINE, kCascadeKeys[0]), desktopBefore);
  EXPECT_EQ(DescribeRegistryKey(HKEY_LOCAL_MACHINE, kCascadeKeys[2]), foldersBefore);
  EXPECT_EQ(Value(kCascadeKeys[1], "SubCommands"), Stored("vlm1;vlm2;"));
  EXPECT_EQ(Value(kCascadeKeys[3], "SubCommands"), Stored("vlm1;vlm2;"));
}

TEST_F(Publish, EmptyCaptionAndCommandAreWrittenAsEmptyStrings) {
  Entries.Titles = {""};
  Entries.Commands = {""};
  PublishMenus(false, false, false);
  EXPECT_EQ(Value(VerbKey(1), nullptr), Stored(""));
  EXPECT_EQ(Value(VerbKey(1), "icon"), Stored(""));
  EXPECT_EQ(Value(VerbKey(1) + "\\command", nullptr), Stored(""));
}

struct UnevenCase {
  std::size_t titles;
  std::size_t commands;
  int published;
};

TEST_F(Publish, PublishesOnlyWholeEntriesAndAtMostSixteen) {
  const UnevenCase cases[] = {{3, 5, 3}, {3, 1, 1}, {20, 20, 16}};
  for (const UnevenCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.titles) + " titles, " + std::to_string(c.commands) + " commands");
    SetEntries(static_cast<int>(c.titles));
    Entries.Commands.resize(c.commands, "extra.exe");
    PublishMenus(true, false, false);
    EXPECT_EQ(Value(kCascadeKeys[0], "SubCommands"), Stored(ExpectedVerbList(c.published)));
    EXPECT_TRUE(RegistryKeyExists(HKEY_LOCAL_MACHINE, VerbKey(c.published)));
    EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, VerbKey(c.published + 1)));
    // The data file records exactly the published entries.
    const TextList titles(Entries.Titles.begin(), Entries.Titles.begin() + c.published);
    ClearEntries();
    EXPECT_EQ(LoadEntries(), c.published);
    EXPECT_EQ(Entries.Titles, titles);
    WipeMenuRegistry();
  }
}

// Every write refused, as for a user without administrator rights.
std::vector<std::string> g_refusedWrites;
LSTATUS WINAPI RefuseCreate(HKEY, LPCSTR path, DWORD, LPSTR, DWORD, REGSAM, const LPSECURITY_ATTRIBUTES,
                            PHKEY, LPDWORD) {
  g_refusedWrites.push_back(path);
  return ERROR_ACCESS_DENIED;
}

TEST_F(Publish, RefusedWritesAreAllAttemptedReportedAndTheFileStillSaved) {
  SetEntries(2);
  SystemCalls saved = System;
  System.RegCreateKeyExA = RefuseCreate;
  g_refusedWrites.clear();
  const bool published = PublishMenus(true, true, true);
  System = saved;
  EXPECT_FALSE(published);
  EXPECT_EQ(g_refusedWrites.size(), 3u * 2 + 4 + 3 + 3 + 3);
  EXPECT_EQ(g_refusedWrites.front(), kVerbRoot + "\\vlm1\\");
  EXPECT_EQ(g_refusedWrites.back(), std::string(kCascadeKeys[3]) + "\\");
  EXPECT_FALSE(AnyMenuKeyLeft());
  EXPECT_EQ(Entries.Titles.size(), 2u);
  ClearEntries();
  EXPECT_EQ(LoadEntries(), 2);
}

TEST_F(Publish, AFailedDataFileSaveIsReported) {
  SetEntries(1);
  CreateDirectoryA(DataFilePath().c_str(), nullptr);  // data.ini is a folder
  EXPECT_FALSE(PublishMenus(false, false, false));
  RemoveDirectoryA(DataFilePath().c_str());
}

}  // namespace
