// Registry faults injected through the system-function table while the real
// windows publish and remove the menu.
#include <gtest/gtest.h>

#include <functional>

#include "entries/entry_store.h"
#include "entries/program_paths.h"
#include "registry/system_calls.h"
#include "tests/menu_fixture.h"
#include "tests/ui_fixture.h"
#include "ui/main_window.h"

namespace {

const int kPublishSteps = 4 * 3 + 4 + 3 + 3 + 3;  // four entries, every target
const int kRemoveSteps = 16 * 2 + 6;

std::vector<std::string> g_attempts;  // what the failing fake was asked, in order

LSTATUS WINAPI DenySet(HKEY, LPCSTR name, DWORD, DWORD, const BYTE*, DWORD) {
  g_attempts.push_back(name ? name : "");
  return ERROR_ACCESS_DENIED;
}

LSTATUS WINAPI DenyDeleteKey(HKEY, LPCSTR name) {
  g_attempts.push_back(name ? name : "");
  return ERROR_ACCESS_DENIED;
}

BOOL WINAPI FailRedirection(void**) {
  g_attempts.push_back("redirection");
  return FALSE;
}

FARPROC WINAPI RedirectionThatFails(HMODULE module, LPCSTR name) {
  if (std::string(name) == "Wow64DisableWow64FsRedirection")
    return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(FailRedirection));
  return ::GetProcAddress(module, name);
}

struct Fault {
  const char* name;
  std::function<void()> install;
  int removeAttempts;
};

class Faults : public ProgramTest {};

TEST_F(Faults, EveryStepIsAttemptedAndTheUserIsTold) {
  const Fault faults[] = {
      {"writes and deletes refused",
       [] {
         System.RegSetValueExA = DenySet;
         System.RegDeleteKeyA = DenyDeleteKey;
       },
       3 + 16 + 6},  // the deletions whose parent key exists
      {"redirection cannot be turned off",
       [] {
         System.processHasFileRedirection = true;
         System.GetProcAddress = RedirectionThatFails;
       },
       kRemoveSteps},
  };
  const std::string file =
      "[关联标题]\r\ndata=vlm1,vlm2,vlm3,\r\n[标题数据]\r\ndata=a,b,c,\r\n[命令数据]\r\ndata=p,q,r,\r\n";
  for (const Fault& fault : faults) {
    SCOPED_TRACE(fault.name);
    folder.WriteDataFile(file);
    Start();
    AddThroughEditor("d", "s");
    User.messages.clear();

    // Publishing: every row attempted, the file saved, nothing in memory lost.
    g_attempts.clear();
    fault.install();
    Click(Main("按钮_生成"));
    System = savedSystem_;
    EXPECT_EQ(static_cast<int>(g_attempts.size()), kPublishSteps);
    ASSERT_EQ(User.messages.size(), 1u);
    EXPECT_EQ(User.messages[0].text, PublishFailedMessage);
    EXPECT_NE(folder.ReadDataFile().find("data=vlm1,vlm2,vlm3,vlm4,\r\n"), std::string::npos);
    EXPECT_EQ(TreeText(), "Velmora[a|b|c|d]");
    EXPECT_EQ(Entries.Commands, (TextList{"p", "q", "r", "s"}));
    EXPECT_FALSE(ReadRegistryValue(HKEY_LOCAL_MACHINE, VerbKey(1), nullptr).exists);
    WipeMenuRegistry();  // a refused value can leave its key created

    // Removal of a menu that is there: every deletion attempted, the user told.
    Popup(4, IdPopupDelete);
    Click(Main("按钮_生成"));
    ASSERT_EQ(User.messages.size(), 1u);
    g_attempts.clear();
    fault.install();
    Click(Main("按钮_删除"));
    System = savedSystem_;
    EXPECT_EQ(static_cast<int>(g_attempts.size()), fault.removeAttempts);
    ASSERT_EQ(User.messages.size(), 2u);
    EXPECT_EQ(User.messages[1].text, RemoveFailedMessage);
    EXPECT_TRUE(RegistryKeyExists(HKEY_LOCAL_MACHINE, VerbKey(3) + "\\command"));
    EXPECT_EQ(GetFileAttributesA(DataFilePath().c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(TreeText(), "Velmora[]");

    DestroyWindow(MainWindowHandle());
    Pump();
    WipeMenuRegistry();
  }
}

TEST_F(Faults, AForeignSubkeyKeepsItsVerbAndIsReported) {
  Start();
  AddThroughEditor("a", "p");
  AddThroughEditor("b", "q");
  Click(Main("按钮_生成"));
  CreateRegistryKey(HKEY_LOCAL_MACHINE, VerbKey(2) + "\\foreign");
  Click(Main("按钮_删除"));
  ASSERT_EQ(User.messages.size(), 1u);
  EXPECT_EQ(User.messages[0].text, RemoveFailedMessage);
  EXPECT_TRUE(RegistryKeyExists(HKEY_LOCAL_MACHINE, VerbKey(2) + "\\foreign"));
  EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, VerbKey(2) + "\\command"));
  EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, VerbKey(1)));
  for (const char* key : kCascadeKeys) EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, key)) << key;
}

}  // namespace
