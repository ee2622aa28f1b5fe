// Time to publish 16 entries, against the bare sequence of the same registry
// calls (create, set, close per value) without the program's layers.
// Usage: publish_bench <runs>. Prints "publish_ms bare_ms" (medians).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "entries/entry_store.h"
#include "entries/program_paths.h"
#include "shellmenu/publish_menus.h"

namespace {

const std::string kStore = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CommandStore\\shell\\";

double Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

void Set(const std::string& key, const char* name, const std::string& data) {
  HKEY handle = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_WRITE | KEY_WOW64_64KEY, nullptr,
                      &handle, nullptr) != ERROR_SUCCESS)
    return;
  RegSetValueExA(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                 static_cast<DWORD>(data.size() + 1));
  RegCloseKey(handle);
}

void BarePublish() {
  std::string verbs;
  for (int i = 1; i <= 16; ++i) {
    const std::string verb = "vlm" + std::to_string(i);
    Set(kStore + verb, "", EntryTitle(i));
    Set(kStore + verb, "icon", EntryCommand(i));
    Set(kStore + verb + "\\command", "", EntryCommand(i));
    verbs += verb + ";";
  }
  const char* cascades[] = {"SOFTWARE\\Classes\\Directory\\Background\\shell\\vlm",
                            "SOFTWARE\\Classes\\*\\shell\\vlm", "SOFTWARE\\Classes\\Directory\\shell\\vlm"};
  for (const char* key : cascades) {
    Set(key, "SubCommands", verbs);
    Set(key, "MUIVerb", "Velmora");
    Set(key, "icon", "C:/velmora.exe");
  }
  Set(cascades[0], "Position", "top");
  const std::string library = "SOFTWARE\\Classes\\LibraryFolder\\background\\shell\\vlm";
  Set(library, "SubCommands", verbs);
  Set(library, "MUIVerb", "Velmora");
  Set(library, "Position", "top");
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 20;
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "velmora-bench";
  CreateDirectoryA(folder.c_str(), nullptr);
  CreateDirectoryA((folder + "\\data").c_str(), nullptr);
  InitProgramPaths(folder + "\\velmora.exe");
  for (int i = 1; i <= MaxEntries; ++i)
    AppendEntry("Entry " + std::to_string(i), "C:\\Program Files\\Tool " + std::to_string(i) + "\\tool.exe");
  std::vector<double> publish, bare;
  for (int i = 0; i < runs; ++i) {
    double start = Now();
    PublishMenus(true, true, true);
    publish.push_back(Now() - start);
    start = Now();
    BarePublish();
    bare.push_back(Now() - start);
  }
  std::printf("%.3f %.3f\n", Median(publish), Median(bare));
  return 0;
}
