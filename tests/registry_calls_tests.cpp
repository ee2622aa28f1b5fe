// Registry access against a recording system table: which calls, with which
// arguments, in which order.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "registry/registry_access.h"
#include "registry/system_calls.h"

namespace {

std::vector<std::string> g_calls;
WORD g_architecture = PROCESSOR_ARCHITECTURE_AMD64;
bool g_redirectionFails = false;
LSTATUS g_openStatus = ERROR_SUCCESS;
LSTATUS g_createStatus = ERROR_SUCCESS;
LSTATUS g_deleteStatus = ERROR_SUCCESS;
int g_nextHandle = 0;

HKEY const kOpened[] = {reinterpret_cast<HKEY>(0x1001), reinterpret_cast<HKEY>(0x1002)};
HMODULE const kKernel32 = reinterpret_cast<HMODULE>(0x7001);
HMODULE const kAdvapi32 = reinterpret_cast<HMODULE>(0x7002);

std::string Name(HKEY key) {
  if (key == HKEY_CLASSES_ROOT) return "HKCR";
  if (key == HKEY_LOCAL_MACHINE) return "HKLM";
  if (key == HKEY_CURRENT_USER) return "HKCU";
  if (key == HKEY_CURRENT_CONFIG) return "HKCC";
  if (key == HKEY_USERS) return "HKU";
  if (key == kOpened[0]) return "k1";
  if (key == kOpened[1]) return "k2";
  return "?";
}

std::string Quote(LPCSTR text) { return text ? "\"" + std::string(text) + "\"" : "null"; }

std::string Hex(unsigned value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%X", value);
  return buffer;
}

void Record(const std::string& call) { g_calls.push_back(call); }

LSTATUS WINAPI FakeOpen(HKEY root, LPCSTR sub, DWORD, REGSAM access, PHKEY out) {
  Record("open " + Name(root) + " " + Quote(sub) + " " + Hex(access));
  if (g_openStatus != ERROR_SUCCESS) return g_openStatus;
  *out = kOpened[g_nextHandle++ % 2];
  return ERROR_SUCCESS;
}

LSTATUS WINAPI FakeCreate(HKEY parent, LPCSTR sub, DWORD, LPSTR keyClass, DWORD options, REGSAM access,
                          const LPSECURITY_ATTRIBUTES security, PHKEY out, LPDWORD disposition) {
  Record("create " + Name(parent) + " " + Quote(sub) + " " + Hex(access) + " class=" + Quote(keyClass) +
         " options=" + std::to_string(options) + " security=" + (security ? "set" : "null") +
         " disposition=" + std::to_string(*disposition));
  if (g_createStatus != ERROR_SUCCESS) return g_createStatus;
  *out = kOpened[g_nextHandle++ % 2];
  return ERROR_SUCCESS;
}

LSTATUS WINAPI FakeSet(HKEY key, LPCSTR name, DWORD, DWORD type, const BYTE* data, DWORD size) {
  Record("set " + Name(key) + " " + Quote(name) + " type=" + std::to_string(type) + " " +
         std::string(reinterpret_cast<const char*>(data), size));
  return ERROR_SUCCESS;
}

LSTATUS WINAPI FakeDeleteKey(HKEY key, LPCSTR name) {
  Record("deletekey " + Name(key) + " " + Quote(name));
  return g_deleteStatus;
}

LSTATUS WINAPI FakeDeleteValue(HKEY key, LPCSTR name) {
  Record("deletevalue " + Name(key) + " " + Quote(name));
  return g_deleteStatus;
}

LSTATUS WINAPI FakeClose(HKEY key) {
  Record("close " + Name(key));
  return ERROR_SUCCESS;
}

void WINAPI FakeNativeInfo(LPSYSTEM_INFO info) { info->wProcessorArchitecture = g_architecture; }

HMODULE WINAPI FakeModule(LPCSTR name) {
  return std::string(name) == "kernel32.dll"   ? kKernel32
         : std::string(name) == "advapi32.dll" ? kAdvapi32
                                               : nullptr;
}

RedirectionState const kSavedState = reinterpret_cast<RedirectionState>(0x5A5A);

BOOL WINAPI FakeDisableRedirection(RedirectionState* state) {
  Record("redirection off");
  if (g_redirectionFails) return FALSE;
  *state = kSavedState;
  return TRUE;
}

BOOL WINAPI FakeRevertRedirection(RedirectionState state) {
  Record(std::string("redirection back") + (state == kSavedState ? "" : " (wrong state)"));
  return TRUE;
}

LONG WINAPI FakeReflectionOff(HKEY key) {
  Record("reflection off " + Name(key));
  return ERROR_SUCCESS;
}

LONG WINAPI FakeReflectionOn(HKEY key) {
  Record("reflection on " + Name(key));
  return ERROR_SUCCESS;
}

FARPROC WINAPI FakeProc(HMODULE module, LPCSTR name) {
  const std::string wanted = name;
  void* found = nullptr;
  if (module == kKernel32 && wanted == "Wow64DisableWow64FsRedirection")
    found = reinterpret_cast<void*>(FakeDisableRedirection);
  if (module == kKernel32 && wanted == "Wow64RevertWow64FsRedirection")
    found = reinterpret_cast<void*>(FakeRevertRedirection);
  if (module == kAdvapi32 && wanted == "RegDisableReflectionKey")
    found = reinterpret_cast<void*>(FakeReflectionOff);
  if (module == kAdvapi32 && wanted == "RegEnableReflectionKey")
    found = reinterpret_cast<void*>(FakeReflectionOn);
  return reinterpret_cast<FARPROC>(found);
}

class RegistryCalls : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = System;
    System.RegOpenKeyExA = FakeOpen;
    System.RegCreateKeyExA = FakeCreate;
    System.RegSetValueExA = FakeSet;
    System.RegDeleteKeyA = FakeDeleteKey;
    System.RegDeleteValueA = FakeDeleteValue;
    System.RegCloseKey = FakeClose;
    System.GetNativeSystemInfo = FakeNativeInfo;
    System.GetModuleHandleA = FakeModule;
    System.GetProcAddress = FakeProc;
    // As the 32-bit product sees it: WOW64 redirection exists.
    System.processHasFileRedirection = true;
    g_calls.clear();
    g_architecture = PROCESSOR_ARCHITECTURE_AMD64;
    g_redirectionFails = false;
    g_openStatus = g_createStatus = g_deleteStatus = ERROR_SUCCESS;
    g_nextHandle = 0;
  }
  void TearDown() override { System = saved_; }
  SystemCalls saved_;
};

using Calls = std::vector<std::string>;

const std::string kStored("abc\0", 4);

struct ArchitectureCase {
  WORD architecture;
  Calls write;
  Calls deleteKey;
};

TEST_F(RegistryCalls, EachArchitectureTakesItsBranch) {
  const Calls write32 = {"open HKLM \"\" 0x2001F",
                         "create k1 \"A\\B\\\" 0x2001F class=null options=0 security=null disposition=0",
                         "set k2 \"name\" type=1 " + kStored, "close k2", "close k1"};
  const Calls delete32 = {"open HKLM \"A\\B\" 0x20006", "deletekey k1 \"C\"", "close k1"};
  const Calls write64 = {"redirection off",
                         "open HKLM \"\" 0x2011F",
                         "create k1 \"A\\B\\\" 0x2011F class=null options=0 security=null disposition=0",
                         "set k2 \"name\" type=1 " + kStored,
                         "close k2",
                         "close k1",
                         "redirection back"};
  const Calls delete64 = {"redirection off",    "open HKLM \"A\\B\" 0x20106", "reflection off k1",
                          "deletekey k1 \"C\"", "reflection on k1",           "close k1",
                          "redirection back"};
  const ArchitectureCase cases[] = {
      {PROCESSOR_ARCHITECTURE_INTEL, write32, delete32},
      {PROCESSOR_ARCHITECTURE_IA64, write64, delete64},
      {PROCESSOR_ARCHITECTURE_AMD64, write64, delete64},
      {12 /* ARM64 */, write32, delete32},
  };
  for (const ArchitectureCase& c : cases) {
    g_architecture = c.architecture;
    g_calls.clear();
    g_nextHandle = 0;
    EXPECT_TRUE(WriteRegistryText(RootLocalMachine, "A\\B\\", "name", "abc"));
    EXPECT_EQ(g_calls, c.write) << "architecture " << c.architecture;
    g_calls.clear();
    g_nextHandle = 0;
    EXPECT_TRUE(DeleteRegistryPath(RootLocalMachine, "A\\B\\C\\"));
    EXPECT_EQ(g_calls, c.deleteKey) << "architecture " << c.architecture;
  }
}

TEST_F(RegistryCalls, RedirectionThatCannotBeTurnedOffTouchesNothing) {
  g_redirectionFails = true;
  EXPECT_FALSE(WriteRegistryText(RootLocalMachine, "A", "", "x"));
  EXPECT_EQ(g_calls, Calls{"redirection off"});
  g_calls.clear();
  EXPECT_FALSE(DeleteRegistryPath(RootLocalMachine, "A\\B\\"));
  EXPECT_EQ(DeleteRegistryPathOutcome(RootLocalMachine, "A\\B\\"), DeleteOutcome::Failed);
  EXPECT_EQ(g_calls, (Calls{"redirection off", "redirection off"}));
}

TEST_F(RegistryCalls, RedirectionIsRestoredWhenAKeyCannotBeOpened) {
  g_openStatus = ERROR_ACCESS_DENIED;
  EXPECT_FALSE(WriteRegistryText(RootLocalMachine, "A", "", "x"));
  EXPECT_EQ(g_calls, (Calls{"redirection off", "open HKLM \"\" 0x2011F", "redirection back"}));
  g_calls.clear();
  EXPECT_EQ(DeleteRegistryPathOutcome(RootLocalMachine, "A\\B\\"), DeleteOutcome::Failed);
  EXPECT_EQ(g_calls, (Calls{"redirection off", "open HKLM \"A\" 0x20106", "redirection back"}));
  g_openStatus = ERROR_FILE_NOT_FOUND;
  EXPECT_EQ(DeleteRegistryPathOutcome(RootLocalMachine, "A\\B\\"), DeleteOutcome::NotFound);
}

TEST_F(RegistryCalls, AKeyThatCannotBeCreatedClosesTheRootHandle) {
  g_createStatus = ERROR_ACCESS_DENIED;
  EXPECT_FALSE(WriteRegistryText(RootLocalMachine, "A", "v", ""));
  EXPECT_EQ(g_calls.size(), 5u);
  EXPECT_EQ(g_calls[3], "close k1");
  EXPECT_EQ(g_calls[4], "redirection back");
}

TEST_F(RegistryCalls, RefusedDeletionIsReportedAfterTheCleanup) {
  g_deleteStatus = ERROR_ACCESS_DENIED;
  EXPECT_EQ(DeleteRegistryPathOutcome(RootLocalMachine, "A\\B\\"), DeleteOutcome::Failed);
  EXPECT_EQ(g_calls.back(), "redirection back");
  g_deleteStatus = ERROR_FILE_NOT_FOUND;
  EXPECT_EQ(DeleteRegistryPathOutcome(RootLocalMachine, "A\\B\\"), DeleteOutcome::NotFound);
}

struct DeleteCase {
  const char* path;
  Calls calls;
};

TEST_F(RegistryCalls, EmptyPartsReachTheSystemAsNull) {
  g_architecture = PROCESSOR_ARCHITECTURE_INTEL;
  const DeleteCase cases[] = {
      {"A\\B\\C", {"open HKCR \"A\\B\" 0x20006", "deletevalue k1 \"C\"", "close k1"}},
      {"A", {"open HKCR \"A\" 0x20006", "deletevalue k1 null", "close k1"}},
      {"\\A", {"open HKCR null 0x20006", "deletevalue k1 \"A\"", "close k1"}},
      {"\\A\\", {"open HKCR null 0x20006", "deletekey k1 \"A\"", "close k1"}},
      {"A\\", {"open HKCR \"A\" 0x20006", "deletekey k1 null", "close k1"}},
  };
  for (const DeleteCase& c : cases) {
    g_calls.clear();
    g_nextHandle = 0;
    DeleteRegistryPath(RootClassesRoot, c.path);
    EXPECT_EQ(g_calls, c.calls) << c.path;
  }
}

TEST_F(RegistryCalls, EmptyTextIsOneZeroByteUnderTheDefaultValue) {
  g_architecture = PROCESSOR_ARCHITECTURE_INTEL;
  EXPECT_TRUE(WriteRegistryText(RootCurrentUser, "K", "", ""));
  EXPECT_EQ(g_calls[2], std::string("set k2 \"\" type=1 ") + '\0');
}

TEST_F(RegistryCalls, NativeProcessHasNoRedirectionToTurnOff) {
  System.processHasFileRedirection = false;
  EXPECT_TRUE(DeleteRegistryPath(RootLocalMachine, "A\\B\\"));
  EXPECT_EQ(g_calls, (Calls{"open HKLM \"A\" 0x20106", "reflection off k1", "deletekey k1 \"B\"",
                            "reflection on k1", "close k1"}));
}

TEST_F(RegistryCalls, RootCodesNameThePredefinedKeys) {
  EXPECT_EQ(RootKeyFromCode(1), HKEY_CLASSES_ROOT);
  EXPECT_EQ(RootKeyFromCode(2), HKEY_CURRENT_CONFIG);
  EXPECT_EQ(RootKeyFromCode(3), HKEY_CURRENT_USER);
  EXPECT_EQ(RootKeyFromCode(4), HKEY_LOCAL_MACHINE);
  EXPECT_EQ(RootKeyFromCode(5), HKEY_USERS);
}

}  // namespace
