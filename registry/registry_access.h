// The one place that touches the registry: writing text values and deleting
// keys or values beneath a predefined root named by a code from 1 to 5. On
// 64-bit Windows both work in the 64-bit view with WOW64 file-system
// redirection off, and a delete turns registry reflection off on its key.
#pragma once

#include <windows.h>

#include "entries/text.h"

enum RootCode {
  RootClassesRoot = 1,
  RootCurrentConfig = 2,
  RootCurrentUser = 3,
  RootLocalMachine = 4,
  RootUsers = 5,
};

// Access masks: KEY_READ | KEY_WRITE, plus KEY_WOW64_64KEY on 64-bit Windows
// for writes; KEY_SET_VALUE | KEY_WRITE (plus KEY_WOW64_64KEY) for deletes.
constexpr REGSAM WriteAccess32 = KEY_READ | KEY_WRITE;
constexpr REGSAM WriteAccess64 = KEY_READ | KEY_WRITE | KEY_WOW64_64KEY;
constexpr REGSAM DeleteAccess32 = KEY_SET_VALUE | KEY_WRITE;
constexpr REGSAM DeleteAccess64 = KEY_SET_VALUE | KEY_WOW64_64KEY | KEY_WRITE;

using RedirectionState = void*;

HKEY RootKeyFromCode(int code);  // any other code is a fatal programming error
bool IsNative64Bit();

bool DisableFileRedirection(RedirectionState* state);
bool RevertFileRedirection(RedirectionState state);
LONG DisableKeyReflection(HKEY key);
LONG EnableKeyReflection(HKEY key);

// Stores `data` plus a terminating zero as value `valueName` (empty: the
// default value) of `keyPath`, creating missing keys. True when stored.
bool WriteRegistryText(int rootCode, const Text& keyPath, const Text& valueName, const Text& data,
                       DWORD valueType = REG_SZ);

enum class DeleteOutcome { Deleted, NotFound, Failed };

// Deletes the key (path ends with "\") or the value that `path` names. Only a
// key without subkeys can go. NotFound when the parent or the target is absent.
DeleteOutcome DeleteRegistryPathOutcome(int rootCode, const Text& path);
// True exactly when the deletion itself succeeded.
bool DeleteRegistryPath(int rootCode, const Text& path);
