#include "registry/registry_path.h"

Text SplitRegistryPath(Text& path, bool& endsWithBackslash) {
  // The final byte only counts as a backslash when it is not the second byte
  // of a double-byte character.
  std::size_t slash = FindLastSeparator(path, '\\');
  endsWithBackslash = slash != Text::npos && slash + 1 == path.size();
  if (endsWithBackslash || slash == Text::npos) return Text();
  Text name = path.substr(slash + 1);
  path.resize(slash);
  return name;
}

RegistryTarget ParseRegistryTarget(const Text& path) {
  RegistryTarget target{path, Text(), false};
  bool endsWithBackslash = false;
  target.name = SplitRegistryPath(target.parentPath, endsWithBackslash);
  if (endsWithBackslash) {
    target.parentPath.pop_back();
    target.name = SplitRegistryPath(target.parentPath, endsWithBackslash);
    target.isKey = true;
  }
  return target;
}
