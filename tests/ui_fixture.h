// The real program windows, created in the test process on the test's X
// display, driven with real messages; the modal seam answers like a user.
// Each test starts and ends without any published menu in the registry.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "entries/text.h"
#include "tests/test_folder.h"
#include "registry/system_calls.h"
#include "ui/modal_seam.h"

struct ShownMessage {
  HWND owner;
  std::string text;
  std::string caption;
  UINT flags;
};

struct ShownPopup {
  POINT at;
  UINT flags;
  std::vector<std::string> items;
};

// What the scripted user saw and how they answer.
struct ScriptedUser {
  std::vector<ShownMessage> messages;
  std::vector<ShownPopup> popups;
  int popupChoice = 0;  // command id to choose; 0 closes the menu
  // File-open dialog: what it was given and what the user picks (empty: cancel).
  std::vector<std::string> dialogStartNames;
  std::string dialogFilter;  // with its NULs, up to the double NUL
  DWORD dialogFlags = 0;
  HWND dialogOwner = nullptr;
  std::string fileToPick;
};
extern ScriptedUser User;

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Starts the program as if its executable were in the test folder.
  void Start();
  static void Pump();
  static void Click(HWND button);
  static void Type(HWND box, const Text& text);
  static Text TextOf(HWND window);
  static bool IsChecked(HWND box);
  // A right-button press and release at `client` (tree coordinates).
  static void RightClickTree(POINT client);
  static void RightClickEntry(int item);
  void Popup(int item, int command);  // right-click `item` and choose `command`
  static Text TreeText();
  // The main window's "添加", then the editor's, with these texts.
  void AddThroughEditor(const Text& caption,
                        const Text& command = "");  // "Velmora[a|b|c]" for a root with children a, b and c

  static HWND Main(const char* name);
  static HWND Editor(const char* name);

  TestFolder folder{"ui"};
  ModalSeam savedSeam_{};
  SystemCalls savedSystem_{};  // tests may swap system functions; restored afterwards
};
