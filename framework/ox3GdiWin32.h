// Move-only owners of GDI handles and device contexts, each knowing its own release call, and a
// guard that selects an object into a device context and selects the previous one back.
#pragma once

#include <windows.h>

#include <utility>

namespace lexoro::win32 {

// A pen, brush, font, bitmap or region; released with DeleteObject.
template <typename THandle>
class TGdiObject {
 public:
  TGdiObject() = default;
  explicit TGdiObject(THandle Handle) : FHandle(Handle) {}
  ~TGdiObject() { Reset(); }
  TGdiObject(TGdiObject&& Other) noexcept : FHandle(std::exchange(Other.FHandle, nullptr)) {}
  TGdiObject& operator=(TGdiObject&& Other) noexcept {
    if (this != &Other) {
      Reset();
      FHandle = std::exchange(Other.FHandle, nullptr);
    }
    return *this;
  }
  TGdiObject(const TGdiObject&) = delete;
  TGdiObject& operator=(const TGdiObject&) = delete;

  [[nodiscard]] THandle Get() const { return FHandle; }
  [[nodiscard]] explicit operator bool() const { return FHandle != nullptr; }
  void Reset(THandle Handle = nullptr) {
    if (FHandle != nullptr) DeleteObject(FHandle);
    FHandle = Handle;
  }

 private:
  THandle FHandle = nullptr;
};

using TFontHandle = TGdiObject<HFONT>;
using TPenHandle = TGdiObject<HPEN>;
using TBrushHandle = TGdiObject<HBRUSH>;
using TBitmapHandle = TGdiObject<HBITMAP>;

// The device context of a window (GetDC); keeps the window for ReleaseDC.
class TWindowDC {
 public:
  explicit TWindowDC(HWND Window) : FWindow(Window), FDC(GetDC(Window)) {}
  ~TWindowDC() {
    if (FDC) ReleaseDC(FWindow, FDC);
  }
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;
  [[nodiscard]] HDC Get() const { return FDC; }
  [[nodiscard]] explicit operator bool() const { return FDC != nullptr; }

 private:
  HWND FWindow;
  HDC FDC;
};

// The device context of WM_PAINT (BeginPaint / EndPaint).
class TPaintDC {
 public:
  explicit TPaintDC(HWND Window) : FWindow(Window), FDC(BeginPaint(Window, &FPaint)) {}
  ~TPaintDC() { EndPaint(FWindow, &FPaint); }
  TPaintDC(const TPaintDC&) = delete;
  TPaintDC& operator=(const TPaintDC&) = delete;
  [[nodiscard]] HDC Get() const { return FDC; }
  [[nodiscard]] const PAINTSTRUCT& Paint() const { return FPaint; }

 private:
  HWND FWindow;
  PAINTSTRUCT FPaint{};
  HDC FDC;
};

// A memory device context compatible with another one; released with DeleteDC.
class TMemoryDC {
 public:
  explicit TMemoryDC(HDC Compatible) : FDC(CreateCompatibleDC(Compatible)) {}
  ~TMemoryDC() {
    if (FDC) DeleteDC(FDC);
  }
  TMemoryDC(const TMemoryDC&) = delete;
  TMemoryDC& operator=(const TMemoryDC&) = delete;
  [[nodiscard]] HDC Get() const { return FDC; }
  [[nodiscard]] explicit operator bool() const { return FDC != nullptr; }

 private:
  HDC FDC;
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
