// The modal things the windows use (message box, file-open dialog, popup
// menu) are reached through this one table. Its entries are the system
// functions; tests replace them to answer the way a user would.
#pragma once

#include <windows.h>
#include <commdlg.h>

struct ModalSeam {
  int(WINAPI* MessageBoxA)(HWND, LPCSTR, LPCSTR, UINT);
  BOOL(WINAPI* GetOpenFileNameA)(LPOPENFILENAMEA);
  BOOL(WINAPI* TrackPopupMenu)(HMENU, UINT, int, int, int, HWND, const RECT*);
};

extern ModalSeam Modal;
ModalSeam SystemModalSeam();

// The program's one kind of message: a stop icon, an OK button and the
// caption "系统提示", task-modal and without an owner.
void ShowSystemMessage(const char* text);
