// Owning wrappers for GDI objects and other handles the windows keep.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <utility>

template <typename Handle, BOOL(WINAPI* Release)(Handle)>
class Owned {
 public:
  Owned() = default;
  explicit Owned(Handle handle) : handle_(handle) {}
  ~Owned() { Reset(); }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(Handle handle = nullptr) {
    if (handle_) Release(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

inline BOOL WINAPI ReleaseBitmap(HBITMAP bitmap) { return DeleteObject(bitmap); }
inline BOOL WINAPI ReleaseFont(HFONT font) { return DeleteObject(font); }

using OwnedBitmap = Owned<HBITMAP, ReleaseBitmap>;
using OwnedFont = Owned<HFONT, ReleaseFont>;
using OwnedMenu = Owned<HMENU, DestroyMenu>;
using OwnedImageList = Owned<HIMAGELIST, ImageList_Destroy>;
using OwnedDC = Owned<HDC, DeleteDC>;
