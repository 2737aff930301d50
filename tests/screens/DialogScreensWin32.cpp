// Shows every dialog of the spell components in every interface language it exists in and
// saves a picture of each, as the screen shows it: OUTDIR\<dialog>-<language>.bmp. Prints one
// line per picture; exits with 1 when a dialog did not show. Run by scripts/screenshots.sh,
// which turns the pictures into PNG files.
//
//   dialog_screens.exe OUTDIR DATAFOLDER
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "lexoro/framework/ox3GdiWin32.h"
#include "lexoro/platform/ox3Platform.h"
#include "tests/dialogs/DialogGalleryWin32.h"

namespace {

using namespace lexoro;

// Writes the screen's pixels under Rect to a 24-bit BMP file.
bool SaveScreenRect(const RECT& Rect, const std::wstring& Path) {
  const int width = Rect.right - Rect.left, height = Rect.bottom - Rect.top;
  if (width <= 0 || height <= 0) return false;
  win32::TWindowDC screen(nullptr);
  win32::TMemoryDC memory(screen.Get());
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom-up, as BMP files keep their rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  win32::TBitmapHandle bitmap(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return false;
  {
    win32::TSelectObject select(memory.Get(), bitmap.Get());
    if (!BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), Rect.left, Rect.top, SRCCOPY)) return false;
  }
  GdiFlush();
  const DWORD rowBytes = ((static_cast<DWORD>(width) * 3 + 3) / 4) * 4;
  const DWORD pixelBytes = rowBytes * static_cast<DWORD>(height);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info.bmiHeader;
  file.bfSize = file.bfOffBits + pixelBytes;
  std::vector<std::uint8_t> bytes(file.bfSize);
  std::memcpy(bytes.data(), &file, sizeof file);
  std::memcpy(bytes.data() + sizeof file, &info.bmiHeader, sizeof info.bmiHeader);
  std::memcpy(bytes.data() + file.bfOffBits, bits, pixelBytes);
  return platform::WriteFileReplacing(std::u16string(Path.begin(), Path.end()), bytes);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: dialog_screens OUTDIR DATAFOLDER\n");
    return 2;
  }
  const std::wstring outdir = argv[1];
  const std::u16string data(reinterpret_cast<const char16_t*>(argv[2]));
  wchar_t temp[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH, temp);
  std::wstring scratch = std::wstring(temp) + L"lexoro-screens";
  CreateDirectoryW(scratch.c_str(), nullptr);

  int failures = 0;
  {
    test::TDialogGallery gallery(data, std::u16string(scratch.begin(), scratch.end()));
    for (const std::string& dialog : test::kGalleryDialogs) {
      for (int l = 0; l < kSpellLanguageCount; ++l) {
        const auto language = static_cast<TSpellLanguageType>(l);
        if (!test::TDialogGallery::Exists(dialog, language)) continue;
        const std::string name = dialog + "-" + test::LanguageName(language);
        bool saved = false;
        const bool shown = gallery.Show(dialog, language, [&](TForm& Form) {
          RECT rect{};
          GetWindowRect(Form.Handle(), &rect);
          saved = SaveScreenRect(rect, outdir + L"\\" + std::wstring(name.begin(), name.end()) + L".bmp");
        });
        if (shown && saved) {
          std::printf("%s\n", name.c_str());
        } else {
          std::printf("%s: the dialog did not show\n", name.c_str());
          ++failures;
        }
        std::fflush(stdout);
      }
    }
  }
  return failures == 0 ? 0 : 1;
}
