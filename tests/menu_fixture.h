// Shared set-up of the publish and removal tests: a fresh program folder and
// a registry without any trace of the menu, before and after each test.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "entries/entry_store.h"
#include "tests/registry_fixture.h"
#include "tests/test_folder.h"

extern const std::string kVerbRoot;        // the command store's shell key, no trailing backslash
extern const char* const kCascadeKeys[4];  // desktop, files, folders, library (HKLM)

std::string VerbKey(int i);
// Removes everything publishing can write, up to verb vlm40.
void WipeMenuRegistry();
bool AnyMenuKeyLeft();

class MenuTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  void SetEntries(int count);  // "Caption i" / "C:\Tools\tool i.exe"
  TestFolder folder;
};
