// Starts a program again and again and measures, for each start, the time
// until it waits for input with its window up. Usage: launch_bench
// <program.exe> <runs>. Prints the median in milliseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool StartOnce(const std::string& program, double& milliseconds) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + program + "\"";
  LARGE_INTEGER start, ready;
  QueryPerformanceCounter(&start);
  if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return false;
  const DWORD idle = WaitForInputIdle(process.hProcess, 30000);
  QueryPerformanceCounter(&ready);
  milliseconds = Seconds(start, ready) * 1000.0;
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return idle == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: launch_bench <program.exe> <runs>\n");
    return 2;
  }
  const int runs = std::atoi(argv[2]);
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    double milliseconds = 0;
    if (!StartOnce(argv[1], milliseconds)) {
      std::fprintf(stderr, "launch_bench: %s did not come up\n", argv[1]);
      return 1;
    }
    times.push_back(milliseconds);
  }
  std::sort(times.begin(), times.end());
  std::printf("%.1f\n", times[times.size() / 2]);
  return 0;
}
