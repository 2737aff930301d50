// Move-only owners of Win32 handles, each knowing its own empty value and release call.
//
// One type per handle kind: a kernel object (file, mapping), a find handle, a loaded module,
// a registry key, memory of LocalAlloc, a mapped view and the GDI objects all share the one
// template; the device contexts, which need more than the handle to be released, have classes
// of their own in framework/ox3GdiWin32.h.
#pragma once

#include <windows.h>

#include <utility>

namespace lexoro::win32 {

template <typename THandle, THandle (*Empty)(), void (*Release)(THandle)>
class TUniqueHandle {
 public:
  TUniqueHandle() = default;
  explicit TUniqueHandle(THandle h) : FHandle(h) {}
  ~TUniqueHandle() { Reset(); }
  TUniqueHandle(TUniqueHandle&& other) noexcept : FHandle(std::exchange(other.FHandle, Empty())) {}
  TUniqueHandle& operator=(TUniqueHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      FHandle = std::exchange(other.FHandle, Empty());
    }
    return *this;
  }
  TUniqueHandle(const TUniqueHandle&) = delete;
  TUniqueHandle& operator=(const TUniqueHandle&) = delete;

  [[nodiscard]] THandle Get() const { return FHandle; }
  [[nodiscard]] explicit operator bool() const { return FHandle != Empty(); }
  void Reset(THandle h = Empty()) {
    if (FHandle != Empty()) Release(FHandle);
    FHandle = h;
  }
  [[nodiscard]] THandle Detach() { return std::exchange(FHandle, Empty()); }

 private:
  THandle FHandle = Empty();
};

namespace detail {
template <typename T>
T Null() {
  return nullptr;
}
inline HANDLE InvalidHandle() { return INVALID_HANDLE_VALUE; }
inline void CloseHandleRelease(HANDLE h) { ::CloseHandle(h); }
inline void FindCloseRelease(HANDLE h) { ::FindClose(h); }
inline void UnmapViewRelease(const void* p) { ::UnmapViewOfFile(p); }
inline void RegCloseKeyRelease(HKEY k) { ::RegCloseKey(k); }
inline void FreeLibraryRelease(HMODULE m) { ::FreeLibrary(m); }
inline void DestroyMenuRelease(HMENU m) { ::DestroyMenu(m); }
template <typename T>
void LocalFreeRelease(T p) {
  ::LocalFree(reinterpret_cast<HLOCAL>(p));
}
template <typename T>
void DeleteObjectRelease(T h) {
  ::DeleteObject(h);
}
}  // namespace detail

// A file handle is empty at INVALID_HANDLE_VALUE.
using TFileHandle = TUniqueHandle<HANDLE, detail::InvalidHandle, detail::CloseHandleRelease>;
// A file-mapping object is empty at NULL.
using TMappingHandle = TUniqueHandle<HANDLE, detail::Null<HANDLE>, detail::CloseHandleRelease>;
// A mapped view is released with UnmapViewOfFile.
using TMappedView = TUniqueHandle<const void*, detail::Null<const void*>, detail::UnmapViewRelease>;
// A registry key is released with RegCloseKey.
using TRegistryKey = TUniqueHandle<HKEY, detail::Null<HKEY>, detail::RegCloseKeyRelease>;
// A FindFirstFileW search: empty at INVALID_HANDLE_VALUE, released with FindClose.
using TFindHandle = TUniqueHandle<HANDLE, detail::InvalidHandle, detail::FindCloseRelease>;
// A module loaded with LoadLibraryW, released with FreeLibrary.
using TModuleHandle = TUniqueHandle<HMODULE, detail::Null<HMODULE>, detail::FreeLibraryRelease>;
// A menu made with CreatePopupMenu / CreateMenu, destroyed (with its submenus) by DestroyMenu.
using TMenuHandle = TUniqueHandle<HMENU, detail::Null<HMENU>, detail::DestroyMenuRelease>;
// Memory the system allocated with LocalAlloc for the caller (CommandLineToArgvW's array).
template <typename T>
using TLocalMemory = TUniqueHandle<T, detail::Null<T>, detail::LocalFreeRelease<T>>;
// GDI objects: pens, brushes, fonts, bitmaps, regions; released with DeleteObject.
template <typename T>
using TGdiHandle = TUniqueHandle<T, detail::Null<T>, detail::DeleteObjectRelease<T>>;
using TFontHandle = TGdiHandle<HFONT>;
using TPenHandle = TGdiHandle<HPEN>;
using TBrushHandle = TGdiHandle<HBRUSH>;
using TBitmapHandle = TGdiHandle<HBITMAP>;
using TRegionHandle = TGdiHandle<HRGN>;

}  // namespace lexoro::win32
