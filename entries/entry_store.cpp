#include "entries/entry_store.h"

#include <windows.h>

#include <algorithm>

#include "entries/item_codec.h"
#include "entries/program_paths.h"

EntryLists Entries;
Text EditMode;
const char* const EditModeEditing = "是";

namespace {

const char* const kAliasSection = "关联标题";
const char* const kTitleSection = "标题数据";
const char* const kCommandSection = "命令数据";
const char* const kKey = "data";

// Reads the whole value, however long: GetPrivateProfileStringA reports
// size - 1 when the value did not fit, so grow the buffer until it does.
Text ReadProfileValue(const char* section, const Text& file) {
  std::string buffer(16384, '\0');
  for (;;) {
    DWORD got = GetPrivateProfileStringA(section, kKey, "", &buffer[0], static_cast<DWORD>(buffer.size()),
                                         file.c_str());
    if (got + 1 < buffer.size()) {
      buffer.resize(got);
      return buffer;
    }
    buffer.resize(buffer.size() * 2);
  }
}

bool WriteProfileValue(const char* section, const Text& value, const Text& file) {
  return WritePrivateProfileStringA(section, kKey, value.c_str(), file.c_str()) != FALSE;
}

bool InList(const TextList& list, int position) {
  return position >= 1 && static_cast<std::size_t>(position) <= list.size();
}

}  // namespace

bool IsEditing() { return EditMode == EditModeEditing; }

int EntryCount() { return static_cast<int>(std::min(Entries.Titles.size(), Entries.Commands.size())); }

bool HasEntry(int position) { return position >= 1 && position <= EntryCount(); }

Text EntryTitle(int position) {
  return InList(Entries.Titles, position) ? Entries.Titles[position - 1] : Text();
}

Text EntryCommand(int position) {
  return InList(Entries.Commands, position) ? Entries.Commands[position - 1] : Text();
}

int LoadEntries() {
  const Text file = DataFilePath();
  const std::size_t recorded = DecodeItems(ReadProfileValue(kAliasSection, file)).size();
  Entries.Titles = DecodeItems(ReadProfileValue(kTitleSection, file));
  Entries.Commands = DecodeItems(ReadProfileValue(kCommandSection, file));
  // The tree shows one child per recorded entry that has a title. Keep the two
  // lists exactly that long, so child p and position p always name the same
  // entry; a missing command reads as empty.
  const std::size_t shown = std::min(recorded, Entries.Titles.size());
  Entries.Titles.resize(shown);
  Entries.Commands.resize(shown);
  return static_cast<int>(shown);
}

bool SaveEntries(const TextList& aliases) {
  TextList titles;
  TextList commands;
  for (std::size_t k = 1; k <= aliases.size(); ++k) {
    titles.push_back(EntryTitle(static_cast<int>(k)));
    commands.push_back(EntryCommand(static_cast<int>(k)));
  }
  const Text file = DataFilePath();
  bool ok = WriteProfileValue(kAliasSection, EncodeItems(aliases), file);
  ok = WriteProfileValue(kTitleSection, EncodeItems(titles), file) && ok;
  ok = WriteProfileValue(kCommandSection, EncodeItems(commands), file) && ok;
  return ok;
}

void AppendEntry(const Text& caption, const Text& command) {
  Entries.Titles.push_back(caption);
  Entries.Commands.push_back(command);
}

bool ReplaceEntry(int position, const Text& caption, const Text& command) {
  if (!HasEntry(position)) return false;
  Entries.Titles[position - 1] = caption;
  Entries.Commands[position - 1] = command;
  return true;
}

void RemoveEntry(int position) {
  if (InList(Entries.Titles, position)) Entries.Titles.erase(Entries.Titles.begin() + (position - 1));
  if (InList(Entries.Commands, position)) Entries.Commands.erase(Entries.Commands.begin() + (position - 1));
}

void ClearEntries() {
  Entries.Commands.clear();
  Entries.Titles.clear();
}
