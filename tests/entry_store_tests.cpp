#include <gtest/gtest.h>

#include "entries/entry_store.h"
#include "tests/test_folder.h"

namespace {

// Section headers of the data file, in code page 936.
const std::string kAliasHeader = "[\xB9\xD8\xC1\xAA\xB1\xEA\xCC\xE2]\r\n";
const std::string kTitleHeader = "[\xB1\xEA\xCC\xE2\xCA\xFD\xBE\xDD]\r\n";
const std::string kCommandHeader = "[\xC3\xFC\xC1\xEE\xCA\xFD\xBE\xDD]\r\n";

std::string DataFile(const std::string& aliases, const std::string& titles, const std::string& commands) {
  return kAliasHeader + "data=" + aliases + "\r\n" + kTitleHeader + "data=" + titles + "\r\n" +
         kCommandHeader + "data=" + commands + "\r\n";
}

TextList AliasesFor(std::size_t count) {
  TextList aliases;
  for (std::size_t i = 1; i <= count; ++i) aliases.push_back("vlm" + std::to_string(i));
  return aliases;
}

class EntryStore : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearEntries();
    EditMode.clear();
  }
  void SetEntries(const TextList& titles, const TextList& commands) {
    Entries.Titles = titles;
    Entries.Commands = commands;
  }
  // Saves the current entries, empties memory and loads them back.
  int SaveAndReload() {
    EXPECT_TRUE(SaveEntries(AliasesFor(Entries.Titles.size())));
    ClearEntries();
    return LoadEntries();
  }
  TestFolder folder;
};

TEST_F(EntryStore, NewFileForTwoEntriesHasTheExactBytes) {
  SetEntries({"A", "\xC3\xFC\xC1\xEE"}, {"P", "C:\\Q.exe"});
  ASSERT_TRUE(SaveEntries({"vlm1", "vlm2"}));
  EXPECT_EQ(folder.ReadDataFile(), DataFile("vlm1,vlm2,", "A,\xC3\xFC\xC1\xEE,", "P,C:\\Q.exe,"));
}

TEST_F(EntryStore, EmptyListsWriteEmptyValues) {
  ASSERT_TRUE(SaveEntries({}));
  EXPECT_EQ(folder.ReadDataFile(), DataFile("", "", ""));
  EXPECT_EQ(LoadEntries(), 0);
  EXPECT_TRUE(Entries.Titles.empty());
  EXPECT_TRUE(Entries.Commands.empty());
}

TEST_F(EntryStore, LaterWriteReplacesValuesInPlaceAndKeepsTheRest) {
  folder.WriteDataFile("; kept comment\r\n[other]\r\nx=1\r\n" +
                       DataFile("vlm1,vlm2,vlm3,", "a,b,c,", "p,q,r,") + "[tail]\r\ny=2\r\n");
  SetEntries({"A"}, {"P"});
  ASSERT_TRUE(SaveEntries({"vlm1"}));
  EXPECT_EQ(folder.ReadDataFile(),
            "; kept comment\r\n[other]\r\nx=1\r\n" + DataFile("vlm1,", "A,", "P,") + "[tail]\r\ny=2\r\n");
}

TEST_F(EntryStore, SavesOnlyAsManyEntriesAsAliases) {
  SetEntries({"a", "b", "c"}, {"p", "q", "r"});
  ASSERT_TRUE(SaveEntries({"vlm1", "vlm2"}));
  EXPECT_EQ(folder.ReadDataFile(), DataFile("vlm1,vlm2,", "a,b,", "p,q,"));
  // More aliases than entries: the missing items are written empty.
  ASSERT_TRUE(SaveEntries(AliasesFor(4)));
  EXPECT_EQ(folder.ReadDataFile(), DataFile("vlm1,vlm2,vlm3,vlm4,", "a,b,c,,", "p,q,r,,"));
}

TEST_F(EntryStore, NoDataFileLoadsNothing) {
  SetEntries({"stale"}, {"stale"});
  EXPECT_EQ(LoadEntries(), 0);
  EXPECT_TRUE(Entries.Titles.empty());
  EXPECT_TRUE(Entries.Commands.empty());
}

struct LoadCase {
  const char* name;
  std::string file;
  int count;
  TextList titles;
  TextList commands;
};

TEST_F(EntryStore, LoadsFilesAsTheyWereWritten) {
  const LoadCase cases[] = {
      {"two entries", DataFile("vlm1,vlm2,", "A,B,", "P,Q,"), 2, {"A", "B"}, {"P", "Q"}},
      {"older file with paths, quotes and %1",
       DataFile("vlm1,vlm2,vlm3,", "dir\\,\"q\",%1,", "C:\\d\\,\"C:\\a b.exe\" \"%1\",,"),
       3,
       {"dir\\", "\"q\"", "%1"},
       {"C:\\d\\", "\"C:\\a b.exe\" \"%1\"", ""}},
      {"empty caption in the middle",
       DataFile("vlm1,vlm2,vlm3,", "a,,c,", "p,q,r,"),
       3,
       {"a", "", "c"},
       {"p", "q", "r"}},
      {"sections missing", kTitleHeader + "data=a,b,\r\n", 0, {}, {}},
      {"fewer titles than recorded",
       DataFile("vlm1,vlm2,vlm3,", "a,b,", "p,q,r,"),
       2,
       {"a", "b"},
       {"p", "q"}},
      {"fewer commands than titles", DataFile("vlm1,vlm2,", "a,b,", "p,"), 2, {"a", "b"}, {"p", ""}},
      // An older file whose caption held a comma: the pieces beyond the
      // recorded count are not entries and are not kept.
      {"older file with a comma", DataFile("vlm1,vlm2,", "a,b,c,", "x,y,z,"), 2, {"a", "b"}, {"x", "y"}},
      {"not a profile file", std::string("\x89PNG\r\n\x1A\n\0\0garbage", 16), 0, {}, {}},
  };
  for (const LoadCase& c : cases) {
    folder.WriteDataFile(c.file);
    EXPECT_EQ(LoadEntries(), c.count) << c.name;
    EXPECT_EQ(Entries.Titles, c.titles) << c.name;
    EXPECT_EQ(Entries.Commands, c.commands) << c.name;
  }
}

TEST_F(EntryStore, HostileItemsSurviveSaveAndLoad) {
  const TextList titles = {
      "a,b",    "",     "\xB1\x5C", "line\r\nbreak", " leading", "\"q\"", "\xCA\xC7,\xB7\xF1", "C:\\dir\\",
      "%1 %25", "\x81", ""};
  const TextList commands = {"explorer.exe /select,\"%1\"",
                             std::string(20000, 'c') + ",end",
                             "\xB1\x5C\\",
                             "",
                             "\t",
                             "'x'",
                             ";not a comment",
                             "[not a section]",
                             "=",
                             "\x81,",
                             ""};
  SetEntries(titles, commands);
  ASSERT_EQ(SaveAndReload(), static_cast<int>(titles.size()));
  EXPECT_EQ(Entries.Titles, titles);
  EXPECT_EQ(Entries.Commands, commands);
}

TEST_F(EntryStore, SixteenEntriesSurviveSaveAndLoad) {
  TextList titles;
  TextList commands;
  for (int i = 1; i <= MaxEntries; ++i) {
    titles.push_back("\xB1\xEA\xCC\xE2 " + std::to_string(i));
    commands.push_back("C:\\Program Files\\tool" + std::to_string(i) + ".exe");
  }
  SetEntries(titles, commands);
  ASSERT_EQ(SaveAndReload(), MaxEntries);
  EXPECT_EQ(Entries.Titles, titles);
  EXPECT_EQ(Entries.Commands, commands);
}

TEST_F(EntryStore, ReadsValuesLongerThanTheOldBuffer) {
  const Text longTitle(30000, 't');
  folder.WriteDataFile(DataFile("vlm1,vlm2,", longTitle + ",after,", "p,q,"));
  ASSERT_EQ(LoadEntries(), 2);
  EXPECT_EQ(Entries.Titles, (TextList{longTitle, "after"}));
}

TEST_F(EntryStore, ChangesKeepBothListsInStep) {
  SetEntries({"a", "b", "c"}, {"p", "q", "r"});
  AppendEntry("d", "");
  EXPECT_EQ(Entries.Titles, (TextList{"a", "b", "c", "d"}));
  EXPECT_EQ(Entries.Commands, (TextList{"p", "q", "r", ""}));

  EXPECT_TRUE(ReplaceEntry(2, "B", "Q"));
  for (int outside : {-1, 0, 5}) EXPECT_FALSE(ReplaceEntry(outside, "x", "y")) << outside;
  EXPECT_EQ(Entries.Titles, (TextList{"a", "B", "c", "d"}));
  EXPECT_EQ(Entries.Commands, (TextList{"p", "Q", "r", ""}));

  RemoveEntry(2);
  for (int outside : {-1, 0, 4}) RemoveEntry(outside);
  EXPECT_EQ(Entries.Titles, (TextList{"a", "c", "d"}));
  EXPECT_EQ(Entries.Commands, (TextList{"p", "r", ""}));
  RemoveEntry(3);
  RemoveEntry(1);
  EXPECT_EQ(Entries.Titles, TextList{"c"});
  EXPECT_EQ(Entries.Commands, TextList{"r"});

  EXPECT_EQ(EntryTitle(1), "c");
  EXPECT_EQ(EntryTitle(2), "");
  EXPECT_EQ(EntryCommand(0), "");
  ClearEntries();
  EXPECT_TRUE(Entries.Titles.empty());
  EXPECT_TRUE(Entries.Commands.empty());
}

TEST_F(EntryStore, RemoveChecksEachListAgainstItsOwnLength) {
  SetEntries({"a", "b", "c"}, {"p"});
  RemoveEntry(2);
  EXPECT_EQ(Entries.Titles, (TextList{"a", "c"}));
  EXPECT_EQ(Entries.Commands, TextList{"p"});
  EXPECT_EQ(EntryCount(), 1);
  EXPECT_FALSE(HasEntry(2));
}

TEST_F(EntryStore, EditModeIsOnlyTheExactText) {
  EXPECT_FALSE(IsEditing());
  EditMode = "\xCA\xC7";
  EXPECT_TRUE(IsEditing());
  EditMode = "\xCA\xC7 ";
  EXPECT_FALSE(IsEditing());
}

}  // namespace
