#include <windows.h>

#include <cstdlib>

#include "entries/program_paths.h"
#include "ui/program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  std::atexit(ReleaseProgramState);
  if (!StartProgram(ReadModuleFileName())) return 0;
  return RunMessageLoop();
}
