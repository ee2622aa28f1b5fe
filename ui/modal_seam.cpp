#include "ui/modal_seam.h"

ModalSeam SystemModalSeam() { return {::MessageBoxA, ::GetOpenFileNameA, ::TrackPopupMenu}; }

ModalSeam Modal = SystemModalSeam();

void ShowSystemMessage(const char* text) {
  Modal.MessageBoxA(nullptr, text, "系统提示", MB_ICONERROR | MB_TASKMODAL);
}
