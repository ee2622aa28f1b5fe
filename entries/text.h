// Byte-string helpers shared by the whole program. A text is a string of
// bytes in the ANSI code page (936 on the target); a byte of 0x80 or more
// starts a double-byte character, and a separator is never matched on the
// second byte of such a character.
//
// Nothing here includes windows.h, so it also builds natively for the
// sanitizer and fuzzing runs.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

using Text = std::string;
using TextList = std::vector<Text>;

inline bool IsLeadByte(unsigned char byte) { return byte >= 0x80; }

// Position of the last `separator` in `text`, stepping over double-byte
// characters whole; std::string::npos when there is none.
std::size_t FindLastSeparator(const Text& text, char separator);

// Splits a stored value at `separator`: an empty value gives no pieces, a
// final separator adds no empty piece, and a lead byte hides the byte after it.
TextList SplitValue(const Text& value, char separator);

// Every item followed by `separator` ("a,b," for a and b).
Text JoinItems(const TextList& items, char separator);

// The directory and file name of a module path, split at its last backslash.
// The directory has no trailing backslash ("C:" at a drive root); a path
// without a backslash gives an empty directory and the whole path as the name.
struct ModulePathParts {
  Text directory;
  Text fileName;
};
ModulePathParts SplitModulePath(const Text& modulePath);
