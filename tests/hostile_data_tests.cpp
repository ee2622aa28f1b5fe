// Data files a user or a broken disk can produce, loaded by the real program.
#include <gtest/gtest.h>

#include "entries/entry_store.h"
#include "entries/program_paths.h"
#include "tests/menu_fixture.h"
#include "tests/ui_fixture.h"
#include "ui/editor_window.h"
#include "ui/entry_tree.h"
#include "ui/main_window.h"

namespace {

const std::string kAliases = "[关联标题]\r\n";
const std::string kTitles = "[标题数据]\r\n";
const std::string kCommands = "[命令数据]\r\n";

std::string File(const std::string& aliases, const std::string& titles, const std::string& commands) {
  return kAliases + "data=" + aliases + "\r\n" + kTitles + "data=" + titles + "\r\n" + kCommands +
         "data=" + commands + "\r\n";
}

std::string Repeat(const std::string& piece, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

TextList Numbered(const char* prefix, int count) {
  TextList items;
  for (int i = 1; i <= count; ++i) items.push_back(prefix + std::to_string(i));
  return items;
}

std::string Value(const TextList& items) {
  std::string value;
  for (const Text& item : items) value += item + ",";
  return value;
}

class HostileData : public ProgramTest {
 protected:
  void TearDown() override {
    SetFileAttributesA(folder.DataFile().c_str(), FILE_ATTRIBUTE_NORMAL);
    ProgramTest::TearDown();
  }
  // Whatever was loaded, the tree shows exactly the lists, entry for entry.
  void ExpectTreeMatchesLists() {
    HWND tree = MainTree();
    ASSERT_EQ(Entries.Titles.size(), Entries.Commands.size());
    ASSERT_EQ(TreeChildCount(tree, 0), static_cast<int>(Entries.Titles.size()));
    ASSERT_EQ(TreeItemCount(tree), 1 + static_cast<int>(Entries.Titles.size()));
    // (Long texts are compared by their start: the tree keeps only so much.)
    for (std::size_t i = 0; i < Entries.Titles.size(); ++i)
      EXPECT_EQ(TreeItemText(tree, static_cast<int>(i) + 1).substr(0, 200), Entries.Titles[i].substr(0, 200))
          << i;
  }
};

struct HostileCase {
  const char* name;
  std::string file;
  TextList titles;  // what must be shown
  TextList commands;
};

TEST_F(HostileData, BrokenFilesShowWhatWasReadable) {
  const HostileCase cases[] = {
      {"lists of different lengths",
       File("vlm1,vlm2,vlm3,vlm4,", "a,b,c,", "p,q,"),
       {"a", "b", "c"},
       {"p", "q", ""}},
      {"more titles than recorded", File("vlm1,", "a,b,c,", "p,q,r,"), {"a"}, {"p"}},
      {"forty entries", File(Value(Numbered("vlm", 40)), Value(Numbered("t", 40)), Value(Numbered("c", 40))),
       Numbered("t", 40), Numbered("c", 40)},
      {"sections missing", kCommands + "data=p,q,\r\n", {}, {}},
      {"only the count", kAliases + "data=vlm1,vlm2,\r\n", {}, {}},
      {"not a profile file",
       std::string("MZ\x90\0\3\0\0\0\4\0\0\0\xFF\xFF\0\0", 16) + Repeat("\x01\x02\xFE", 500),
       {},
       {}},
      {"empty file", "", {}, {}},
  };
  for (const HostileCase& c : cases) {
    SCOPED_TRACE(c.name);
    folder.WriteDataFile(c.file);
    Start();
    ExpectTreeMatchesLists();
    EXPECT_EQ(Entries.Titles, c.titles);
    EXPECT_EQ(Entries.Commands, c.commands);
    DestroyWindow(MainWindowHandle());
    Pump();
  }
}

TEST_F(HostileData, OddBytesInValues) {
  // A lone lead byte at the end of a value, NUL and CR bytes inside lines.
  folder.WriteDataFile(File("vlm1,vlm2,", "a,b\xB1", "p,q,") + std::string("[x]\r\ny=\0z\r\n", 12) + kTitles +
                       "data=ignored,\r\r\n");
  Start();
  ExpectTreeMatchesLists();
  EXPECT_LE(Entries.Titles.size(), 2u);
  ASSERT_GE(Entries.Titles.size(), 1u);
  EXPECT_EQ(Entries.Titles[0], "a");
  EXPECT_EQ(Entries.Commands[0], "p");
}

TEST_F(HostileData, ValuesOfOneMebibyte) {
  const std::string title(1 << 20, 't');
  const std::string command(1 << 20, 'c');
  const std::string aliases = "vlm1," + std::string((1 << 20) - 5, 'v');
  folder.WriteDataFile(File(aliases, title + ",", command + ","));
  Start();
  ExpectTreeMatchesLists();
  ASSERT_EQ(Entries.Titles.size(), 1u);
  EXPECT_TRUE(Entries.Titles[0] == title) << "title of " << Entries.Titles[0].size() << " bytes";
  EXPECT_TRUE(Entries.Commands[0] == command) << "command of " << Entries.Commands[0].size() << " bytes";
  // Editing the entry keeps its texts whole.
  Popup(1, IdPopupEdit);
  Click(Editor("按钮_添加"));
  EXPECT_TRUE(Entries.Titles[0] == title) << "title of " << Entries.Titles[0].size() << " bytes";
  EXPECT_TRUE(Entries.Commands[0] == command) << "command of " << Entries.Commands[0].size() << " bytes";
}

TEST_F(HostileData, DataFileThatIsAFolder) {
  CreateDirectoryA(folder.DataFile().c_str(), nullptr);
  Start();
  ExpectTreeMatchesLists();
  EXPECT_TRUE(Entries.Titles.empty());
  // Entries can still be made; saving them fails and the user is told.
  AddThroughEditor("a");
  Click(Main("按钮_生成"));
  ASSERT_EQ(User.messages.size(), 1u);
  EXPECT_EQ(User.messages[0].text, PublishFailedMessage);
  EXPECT_EQ(Entries.Titles, TextList{"a"});
  RemoveDirectoryA(folder.DataFile().c_str());
}

TEST_F(HostileData, ReadOnlyDataFileLoads) {
  folder.WriteDataFile(File("vlm1,vlm2,", "a,b,", "p,q,"));
  SetFileAttributesA(folder.DataFile().c_str(), FILE_ATTRIBUTE_READONLY);
  Start();
  EXPECT_EQ(Entries.Titles, (TextList{"a", "b"}));
  EXPECT_EQ(Entries.Commands, (TextList{"p", "q"}));
  ExpectTreeMatchesLists();
}

TEST_F(HostileData, DataFileThatCannotBeWrittenIsReported) {
  // (The tests run as root, for whom a read-only file stays writable; a file
  // that another program holds open without sharing cannot be written by anyone.)
  const std::string file = File("vlm1,", "a,", "p,");
  folder.WriteDataFile(file);
  Start();
  AddThroughEditor("b");
  HANDLE held = CreateFileA(folder.DataFile().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Click(Main("按钮_生成"));
  CloseHandle(held);
  ASSERT_EQ(User.messages.size(), 1u);
  EXPECT_EQ(User.messages[0].text, PublishFailedMessage);
  EXPECT_EQ(folder.ReadDataFile(), file);
  EXPECT_EQ(Entries.Titles, (TextList{"a", "b"}));
  ExpectTreeMatchesLists();
}

}  // namespace
