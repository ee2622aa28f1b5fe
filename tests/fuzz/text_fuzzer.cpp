// libFuzzer target over the text code that needs no Windows call: splitting
// stored values, the item escaping, registry paths and module paths.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "entries/item_codec.h"
#include "entries/text.h"
#include "registry/registry_path.h"

namespace {

void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

void CheckSplit(const Text& value) {
  // Joining the pieces again gives the value, less a final separator.
  Text joined;
  const TextList pieces = SplitValue(value, ',');
  for (std::size_t i = 0; i < pieces.size(); ++i) joined += (i ? "," : "") + pieces[i];
  Require(joined == value || joined + "," == value, "split pieces rejoin to the value");
}

void CheckCodec(const Text& input) {
  // Items are the input cut at NUL bytes, which no text can hold.
  TextList items;
  Text item;
  for (char c : input) {
    if (c == '\0') {
      items.push_back(item);
      item.clear();
    } else {
      item += c;
    }
  }
  items.push_back(item);
  const Text value = EncodeItems(items);
  Require(value.find_first_of("\r\n") == Text::npos, "no line break in a stored value");
  Require(value.empty() || (value[0] != ' ' && value[0] != '\t'), "no leading blank in a stored value");
  Require(DecodeItems(value) == items, "items survive encoding");
  DecodeItems(input);  // any stored value at all can be read
}

void CheckRegistryPath(const Text& path) {
  Text remaining = path;
  bool endsWithBackslash = false;
  const Text name = SplitRegistryPath(remaining, endsWithBackslash);
  if (name.empty())
    Require(remaining == path || remaining + "\\" == path, "an unsplit path is unchanged");
  else
    Require(remaining + "\\" + name == path, "parent and name rejoin to the path");
  const RegistryTarget target = ParseRegistryTarget(path);
  Require(target.parentPath.size() + target.name.size() <= path.size(), "target within the path");
}

void CheckModulePath(const Text& path) {
  const ModulePathParts parts = SplitModulePath(path);
  if (parts.directory.empty() && parts.fileName == path) return;
  Require(parts.directory + "\\" + parts.fileName == path, "directory and file rejoin to the path");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Text input(reinterpret_cast<const char*>(data), size);
  Text text = input.substr(0, input.find('\0'));  // a C string ends at its NUL
  CheckSplit(text);
  CheckCodec(input);
  CheckRegistryPath(text);
  CheckModulePath(text);
  return 0;
}
