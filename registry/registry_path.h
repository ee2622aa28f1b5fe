// The registry path convention: a path that ends with a backslash names a
// key, any other path names a value. No windows.h here.
#pragma once

#include "entries/text.h"

// Splits `path` at its last backslash (stepping over double-byte characters):
// returns the name after it and leaves the part before it in `path`. When the
// path ends with a backslash, or holds none, `path` is unchanged and the name
// is empty; `endsWithBackslash` tells the first case.
Text SplitRegistryPath(Text& path, bool& endsWithBackslash);

// What DeleteRegistryPath acts on: the key holding the target and the target's
// name; `isKey` when a key is deleted, otherwise a value.
struct RegistryTarget {
  Text parentPath;
  Text name;
  bool isKey;
};
RegistryTarget ParseRegistryTarget(const Text& path);
