#include "ui/picture.h"

#include <objidl.h>
#include <gdiplus.h>

#include <cstring>

namespace {

struct StreamRelease {
  IStream* stream = nullptr;
  ~StreamRelease() {
    if (stream) stream->Release();
  }
};

struct GdiplusSession {
  ULONG_PTR token = 0;
  bool started = false;
  GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;
    started = Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
  }
  ~GdiplusSession() {
    if (started) Gdiplus::GdiplusShutdown(token);
  }
};

// A stream over a copy of the resource's bytes; the stream owns the copy.
IStream* StreamOverResource(int id) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  if (!found) return nullptr;
  const DWORD size = SizeofResource(module, found);
  const void* bytes = LockResource(LoadResource(module, found));
  if (!bytes || size == 0) return nullptr;
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!copy) return nullptr;
  std::memcpy(GlobalLock(copy), bytes, size);
  GlobalUnlock(copy);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
    GlobalFree(copy);
    return nullptr;
  }
  return stream;
}

}  // namespace

OwnedBitmap LoadPngResource(int id, COLORREF background) {
  StreamRelease source{StreamOverResource(id)};
  if (!source.stream) return OwnedBitmap();
  GdiplusSession gdiplus;
  if (!gdiplus.started) return OwnedBitmap();
  Gdiplus::GpBitmap* image = nullptr;
  if (Gdiplus::DllExports::GdipCreateBitmapFromStream(source.stream, &image) != Gdiplus::Ok)
    return OwnedBitmap();
  const Gdiplus::ARGB argb =
      0xFF000000u | (GetRValue(background) << 16) | (GetGValue(background) << 8) | GetBValue(background);
  HBITMAP bitmap = nullptr;
  if (Gdiplus::DllExports::GdipCreateHBITMAPFromBitmap(image, &bitmap, argb) != Gdiplus::Ok) bitmap = nullptr;
  Gdiplus::DllExports::GdipDisposeImage(image);
  return OwnedBitmap(bitmap);
}

void DrawStretched(HDC dc, const RECT& target, HBITMAP bitmap) {
  if (!bitmap) return;
  BITMAP info;
  if (!GetObjectA(bitmap, sizeof info, &info)) return;
  OwnedDC memory(CreateCompatibleDC(dc));
  HGDIOBJ previous = SelectObject(memory.get(), bitmap);
  SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchBlt(dc, target.left, target.top, target.right - target.left, target.bottom - target.top,
             memory.get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
  SelectObject(memory.get(), previous);
}
