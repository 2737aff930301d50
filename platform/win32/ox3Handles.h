// Move-only owners of Win32 handles, each knowing its own empty value and release call.
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
inline HANDLE InvalidHandle() { return INVALID_HANDLE_VALUE; }
inline HANDLE NullHandle() { return nullptr; }
inline void CloseHandleRelease(HANDLE h) { ::CloseHandle(h); }
inline const void* NullView() { return nullptr; }
inline void UnmapViewRelease(const void* p) { ::UnmapViewOfFile(p); }
inline HKEY NullKey() { return nullptr; }
inline void RegCloseKeyRelease(HKEY k) { ::RegCloseKey(k); }
}  // namespace detail

// A file handle is empty at INVALID_HANDLE_VALUE.
using TFileHandle = TUniqueHandle<HANDLE, detail::InvalidHandle, detail::CloseHandleRelease>;
// A file-mapping object is empty at NULL.
using TMappingHandle = TUniqueHandle<HANDLE, detail::NullHandle, detail::CloseHandleRelease>;
// A mapped view is released with UnmapViewOfFile.
using TMappedView = TUniqueHandle<const void*, detail::NullView, detail::UnmapViewRelease>;
// A registry key is released with RegCloseKey.
using TRegistryKey = TUniqueHandle<HKEY, detail::NullKey, detail::RegCloseKeyRelease>;

}  // namespace lexoro::win32
