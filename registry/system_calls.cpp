#include "registry/system_calls.h"

SystemCalls RealSystemCalls() {
  SystemCalls calls{};
  calls.RegOpenKeyExA = ::RegOpenKeyExA;
  calls.RegCreateKeyExA = ::RegCreateKeyExA;
  calls.RegSetValueExA = ::RegSetValueExA;
  calls.RegDeleteKeyA = ::RegDeleteKeyA;
  calls.RegDeleteValueA = ::RegDeleteValueA;
  calls.RegCloseKey = ::RegCloseKey;
  calls.GetNativeSystemInfo = ::GetNativeSystemInfo;
  calls.GetModuleHandleA = ::GetModuleHandleA;
  calls.GetProcAddress = ::GetProcAddress;
  calls.processHasFileRedirection = sizeof(void*) == 4;
  return calls;
}

SystemCalls System = RealSystemCalls();
