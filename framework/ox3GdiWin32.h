// Owners of device contexts, each knowing its own release call, and a guard that selects an
// object into a device context and selects the previous one back. The GDI objects themselves
// (fonts, pens, brushes, bitmaps) are owned by the handle types of ox3Handles.h.
#pragma once

#include <windows.h>

#include <utility>

#include "lexoro/platform/win32/ox3Handles.h"

namespace lexoro::win32 {

// The device context of a window (GetDC); keeps the window for ReleaseDC. Move-only.
class TWindowDC {
 public:
  TWindowDC() = default;
  explicit TWindowDC(HWND Window) : FWindow(Window), FDC(GetDC(Window)) {}
  ~TWindowDC() { Reset(); }
  TWindowDC(TWindowDC&& Other) noexcept
      : FWindow(std::exchange(Other.FWindow, nullptr)), FDC(std::exchange(Other.FDC, nullptr)) {}
  TWindowDC& operator=(TWindowDC&& Other) noexcept {
    if (this != &Other) {
      Reset();
      FWindow = std::exchange(Other.FWindow, nullptr);
      FDC = std::exchange(Other.FDC, nullptr);
    }
    return *this;
  }
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;
  [[nodiscard]] HDC Get() const { return FDC; }
  [[nodiscard]] explicit operator bool() const { return FDC != nullptr; }
  void Reset() {
    if (FDC) ReleaseDC(FWindow, FDC);
    FDC = nullptr;
    FWindow = nullptr;
  }

 private:
  HWND FWindow = nullptr;
  HDC FDC = nullptr;
};

// The device context of WM_PAINT (BeginPaint / EndPaint). Move-only.
class TPaintDC {
 public:
  explicit TPaintDC(HWND Window) : FWindow(Window), FDC(BeginPaint(Window, &FPaint)) {}
  ~TPaintDC() { Reset(); }
  TPaintDC(TPaintDC&& Other) noexcept
      : FWindow(std::exchange(Other.FWindow, nullptr)), FPaint(Other.FPaint), FDC(std::exchange(Other.FDC, nullptr)) {}
  TPaintDC& operator=(TPaintDC&& Other) noexcept {
    if (this != &Other) {
      Reset();
      FWindow = std::exchange(Other.FWindow, nullptr);
      FPaint = Other.FPaint;
      FDC = std::exchange(Other.FDC, nullptr);
    }
    return *this;
  }
  TPaintDC(const TPaintDC&) = delete;
  TPaintDC& operator=(const TPaintDC&) = delete;
  [[nodiscard]] HDC Get() const { return FDC; }
  [[nodiscard]] const PAINTSTRUCT& Paint() const { return FPaint; }
  void Reset() {
    if (FDC) EndPaint(FWindow, &FPaint);
    FDC = nullptr;
    FWindow = nullptr;
  }

 private:
  HWND FWindow = nullptr;
  PAINTSTRUCT FPaint{};
  HDC FDC = nullptr;
};

namespace detail {
inline void DeleteDCRelease(HDC DC) { ::DeleteDC(DC); }
}  // namespace detail

// A memory device context compatible with another one; released with DeleteDC. Move-only.
class TMemoryDC : public TUniqueHandle<HDC, detail::Null<HDC>, detail::DeleteDCRelease> {
 public:
  TMemoryDC() = default;
  explicit TMemoryDC(HDC Compatible) : TUniqueHandle(CreateCompatibleDC(Compatible)) {}
};

// Selects an object into a device context for the guard's life.
class TSelectObject {
 public:
  TSelectObject(HDC DC, HGDIOBJ Object) : FDC(DC), FPrevious(Object ? SelectObject(DC, Object) : nullptr) {}
  ~TSelectObject() {
    if (FPrevious) SelectObject(FDC, FPrevious);
  }
  TSelectObject(const TSelectObject&) = delete;
  TSelectObject& operator=(const TSelectObject&) = delete;

 private:
  HDC FDC;
  HGDIOBJ FPrevious;
};

// Line height of text drawn in a window's device context with no font selected: tmHeight plus
// tmExternalLeading (0 when the context cannot be had).
[[nodiscard]] inline int WindowLineHeight(HWND Window) {
  TWindowDC dc(Window);
  TEXTMETRICW metrics{};
  if (!dc || !GetTextMetricsW(dc.Get(), &metrics)) return 0;
  return metrics.tmHeight + metrics.tmExternalLeading;
}

}  // namespace lexoro::win32
