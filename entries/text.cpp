#include "entries/text.h"

std::size_t FindLastSeparator(const Text& text, char separator) {
  std::size_t found = Text::npos;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == separator) {
      found = i;
      ++i;
    } else if (IsLeadByte(static_cast<unsigned char>(text[i]))) {
      i += 2;
    } else {
      ++i;
    }
  }
  return found;
}

TextList SplitValue(const Text& value, char separator) {
  TextList pieces;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < value.size()) {
    if (value[i] == separator) {
      pieces.push_back(value.substr(start, i - start));
      start = ++i;
    } else if (IsLeadByte(static_cast<unsigned char>(value[i]))) {
      i += 2;  // a lead byte as the very last byte ends the scan
    } else {
      ++i;
    }
  }
  if (start < value.size()) pieces.push_back(value.substr(start));
  return pieces;
}

Text JoinItems(const TextList& items, char separator) {
  Text joined;
  for (const Text& item : items) {
    joined += item;
    joined += separator;
  }
  return joined;
}

ModulePathParts SplitModulePath(const Text& modulePath) {
  std::size_t slash = FindLastSeparator(modulePath, '\\');
  if (slash == Text::npos) return {Text(), modulePath};
  return {modulePath.substr(0, slash), modulePath.substr(slash + 1)};
}
