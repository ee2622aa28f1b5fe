// Registry access against Wine's real registry, 64-bit view.
#include <gtest/gtest.h>

#include "registry/registry_access.h"
#include "tests/registry_fixture.h"

namespace {

const std::string kBase = "SOFTWARE\\VelmoraRegistryTest";

class RealRegistry : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, kBase);
    CreateRegistryKey(HKEY_LOCAL_MACHINE, kBase + "\\X");
  }
  void TearDown() override { DeleteRegistryTree(HKEY_LOCAL_MACHINE, kBase); }
};

TEST_F(RealRegistry, WriteCreatesMissingKeysAndStoresTheTerminatingZero) {
  ASSERT_TRUE(WriteRegistryText(RootLocalMachine, kBase + "\\X\\Y\\Z\\", "abc", "abc"));
  RegistryValue value = ReadRegistryValue(HKEY_LOCAL_MACHINE, kBase + "\\X\\Y\\Z", "abc");
  EXPECT_TRUE(value.exists);
  EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(value.bytes, std::string("abc\0", 4));

  ASSERT_TRUE(WriteRegistryText(RootLocalMachine, kBase + "\\X", "empty", ""));
  EXPECT_EQ(ReadRegistryValue(HKEY_LOCAL_MACHINE, kBase + "\\X", "empty").bytes, std::string(1, '\0'));

  ASSERT_TRUE(WriteRegistryText(RootLocalMachine, kBase + "\\X", "", "\xB2\xE2\xCA\xD4"));
  EXPECT_EQ(ReadRegistryValue(HKEY_LOCAL_MACHINE, kBase + "\\X", nullptr).bytes,
            std::string("\xB2\xE2\xCA\xD4\0", 5));
}

TEST_F(RealRegistry, DeletesKeysValuesAndDefaultValues) {
  WriteRegistryText(RootLocalMachine, kBase + "\\X\\A", "", "default");
  WriteRegistryText(RootLocalMachine, kBase + "\\X\\A", "C", "value");
  WriteRegistryText(RootLocalMachine, kBase + "\\X\\A\\B\\C", "", "");

  EXPECT_TRUE(DeleteRegistryPath(RootLocalMachine, kBase + "\\X\\A\\C"));
  EXPECT_FALSE(ReadRegistryValue(HKEY_LOCAL_MACHINE, kBase + "\\X\\A", "C").exists);
  EXPECT_TRUE(RegistryKeyExists(HKEY_LOCAL_MACHINE, kBase + "\\X\\A\\B\\C"));

  // A path without a backslash names the default value of that key.
  const std::string top = "VelmoraRegistryTestTop";
  WriteRegistryText(RootCurrentUser, top, "", "default");
  WriteRegistryText(RootCurrentUser, top, "kept", "1");
  EXPECT_TRUE(DeleteRegistryPath(RootCurrentUser, top));
  EXPECT_FALSE(ReadRegistryValue(HKEY_CURRENT_USER, top, nullptr).exists);
  EXPECT_TRUE(ReadRegistryValue(HKEY_CURRENT_USER, top, "kept").exists);
  DeleteRegistryTree(HKEY_CURRENT_USER, top);

  EXPECT_TRUE(DeleteRegistryPath(RootLocalMachine, kBase + "\\X\\A\\B\\C\\"));
  EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, kBase + "\\X\\A\\B\\C"));
  EXPECT_TRUE(RegistryKeyExists(HKEY_LOCAL_MACHINE, kBase + "\\X\\A\\B"));
}

TEST_F(RealRegistry, KeyWithSubkeyStaysUntilTheSubkeyIsGone) {
  WriteRegistryText(RootLocalMachine, kBase + "\\X\\K\\Sub", "v", "1");
  EXPECT_EQ(DeleteRegistryPathOutcome(RootLocalMachine, kBase + "\\X\\K\\"), DeleteOutcome::Failed);
  EXPECT_TRUE(RegistryKeyExists(HKEY_LOCAL_MACHINE, kBase + "\\X\\K\\Sub"));
  EXPECT_TRUE(DeleteRegistryPath(RootLocalMachine, kBase + "\\X\\K\\Sub\\"));
  EXPECT_TRUE(DeleteRegistryPath(RootLocalMachine, kBase + "\\X\\K\\"));
  EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, kBase + "\\X\\K"));
}

TEST_F(RealRegistry, MissingParentGivesFalseAndChangesNothing) {
  const std::string before = DescribeRegistryKey(HKEY_LOCAL_MACHINE, kBase);
  EXPECT_EQ(DeleteRegistryPathOutcome(RootLocalMachine, kBase + "\\Missing\\K\\"), DeleteOutcome::NotFound);
  EXPECT_EQ(DeleteRegistryPathOutcome(RootLocalMachine, kBase + "\\Missing\\v"), DeleteOutcome::NotFound);
  EXPECT_EQ(DeleteRegistryPathOutcome(RootLocalMachine, kBase + "\\X\\Absent\\"), DeleteOutcome::NotFound);
  EXPECT_FALSE(DeleteRegistryPath(RootLocalMachine, kBase + "\\X\\absentValue"));
  EXPECT_EQ(DescribeRegistryKey(HKEY_LOCAL_MACHINE, kBase), before);
}

TEST_F(RealRegistry, WritesLandInThe64BitView) {
  ASSERT_TRUE(WriteRegistryText(RootLocalMachine, kBase + "\\X", "view", "64"));
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, (kBase + "\\X").c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &key),
            ERROR_FILE_NOT_FOUND);
  EXPECT_TRUE(ReadRegistryValue(HKEY_LOCAL_MACHINE, kBase + "\\X", "view").exists);
}

}  // namespace
