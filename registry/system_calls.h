// The system functions that registry access calls, reached through one table.
// Its default entries are the real functions; tests swap entries to record
// calls or to make them fail.
#pragma once

#include <windows.h>

struct SystemCalls {
  LSTATUS(WINAPI* RegOpenKeyExA)(HKEY, LPCSTR, DWORD, REGSAM, PHKEY);
  LSTATUS(WINAPI* RegCreateKeyExA)
  (HKEY, LPCSTR, DWORD, LPSTR, DWORD, REGSAM, const LPSECURITY_ATTRIBUTES, PHKEY, LPDWORD);
  LSTATUS(WINAPI* RegSetValueExA)(HKEY, LPCSTR, DWORD, DWORD, const BYTE*, DWORD);
  LSTATUS(WINAPI* RegDeleteKeyA)(HKEY, LPCSTR);
  LSTATUS(WINAPI* RegDeleteValueA)(HKEY, LPCSTR);
  LSTATUS(WINAPI* RegCloseKey)(HKEY);
  void(WINAPI* GetNativeSystemInfo)(LPSYSTEM_INFO);
  HMODULE(WINAPI* GetModuleHandleA)(LPCSTR);
  FARPROC(WINAPI* GetProcAddress)(HMODULE, LPCSTR);
  // Whether this process is subject to WOW64 file-system redirection. Only a
  // 32-bit process is; a native 64-bit process has none to turn off, and the
  // system refuses the call there.
  bool processHasFileRedirection;
};

extern SystemCalls System;
SystemCalls RealSystemCalls();
