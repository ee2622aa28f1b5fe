#include "entries/program_paths.h"

#include <windows.h>

namespace {
ModulePathParts g_paths;
}

Text ReadModuleFileName(std::size_t initialSize) {
  // GetModuleFileNameA fills the buffer and reports its size when the path
  // did not fit, so grow until it does.
  std::string buffer(initialSize > 0 ? initialSize : 1, '\0');
  for (;;) {
    DWORD length = GetModuleFileNameA(nullptr, &buffer[0], static_cast<DWORD>(buffer.size()));
    if (length == 0) return Text();
    if (length < buffer.size()) {
      buffer.resize(length);
      return buffer;
    }
    if (buffer.size() >= 0x100000) return Text();
    buffer.resize(buffer.size() * 2);
  }
}

void InitProgramPaths(const Text& modulePath) { g_paths = SplitModulePath(modulePath); }

const Text& RunDirectory() { return g_paths.directory; }
const Text& ExecutableFileName() { return g_paths.fileName; }
Text DataDirectory() { return g_paths.directory + "\\data"; }
Text DataFilePath() { return g_paths.directory + "/data/data.ini"; }
