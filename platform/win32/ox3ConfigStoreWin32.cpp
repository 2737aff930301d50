// Windows configuration stores: INI files through the system's INI functions, and the
// registry under HKEY_CURRENT_USER.
//
// An INI save never writes the file itself: the first write copies it (or makes a new one)
// beside it, every value goes into that copy, and Commit moves the copy over the file in one
// step. A save that fails on the way deletes the copy and leaves the file as it was.
//
// A file made here starts with the UTF-16 LE byte-order mark, which makes the INI functions
// keep it Unicode; an existing ANSI file is read and written as it is, until a value arrives
// that the ANSI code page cannot hold: the copy is then turned into UTF-16 first, so that the
// value is not lost to '?'.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <vector>

#include "lexoro/platform/ox3ByteSpan.h"
#include "lexoro/platform/ox3IniFile.h"
#include "lexoro/platform/ox3Platform.h"
#include "lexoro/platform/ox3Text.h"
#include "lexoro/platform/ox3WriteFaults.h"
#include "lexoro/platform/win32/ox3Handles.h"

namespace lexoro::platform {

namespace {

const wchar_t* W(const std::u16string& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }

// A default no file holds, to tell a missing key from an empty value.
constexpr char16_t kAbsent[] = u"\x01lexoro:absent\x01";
// Longest value read back, in characters.
constexpr DWORD kMaxValueLength = 1u << 20;

bool WriteNewFile(const std::u16string& path, const std::vector<std::uint8_t>& bytes, DWORD disposition) {
  win32::TFileHandle file(CreateFileW(W(path), GENERIC_WRITE, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  return bytes.empty() ||
         (WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size());
}

bool FitsAnsi(const std::u16string& s) {
  bool lost = false;
  return WideToMultiByte(kCodePageAnsi, s, &lost).has_value() && !lost;
}

class TWinIniStore final : public TConfigStore {
 public:
  TWinIniStore(std::u16string Path, bool ForWriting) : FPath(std::move(Path)), FForWriting(ForWriting) {}

  ~TWinIniStore() override { DropCopy(); }

  std::u16string ReadString(const std::u16string& Section, const std::u16string& Key,
                            const std::u16string& Default) override {
    const std::u16string& source = FCopy.empty() ? FPath : FCopy;
    if (!FileExists(source)) return Default;
    const std::u16string section = TIniFile::CleanName(Section);
    const std::u16string key = TIniFile::CleanName(Key);
    std::vector<wchar_t> buffer(256);
    for (;;) {
      const DWORD size = static_cast<DWORD>(buffer.size());
      const DWORD n = GetPrivateProfileStringW(W(section), W(key), reinterpret_cast<const wchar_t*>(kAbsent),
                                               buffer.data(), size, W(source));
      if (n + 1 < size || size >= kMaxValueLength) {
        std::u16string value(reinterpret_cast<const char16_t*>(buffer.data()), std::min(n, size - 1));
        return value == kAbsent ? Default : value;
      }
      buffer.resize(buffer.size() * 4);
    }
  }

  bool WriteString(const std::u16string& Section, const std::u16string& Key, const std::u16string& Value) override {
    if (!FForWriting || FFailed || (FCopy.empty() && !MakeCopy()) || WriteFaultInjected()) return Fail();
    const std::u16string section = TIniFile::CleanName(Section);
    const std::u16string key = TIniFile::CleanName(Key);
    const std::u16string value = TIniFile::EncodeValue(Value);
    if (!FUnicode && !(FitsAnsi(section) && FitsAnsi(key) && FitsAnsi(value)) && !MakeCopyUnicode()) return Fail();
    if (!WritePrivateProfileStringW(W(section), W(key), W(value), W(FCopy))) return Fail();
    return true;
  }

  bool Commit() override {
    if (!FForWriting || FFailed) return false;
    if (FCopy.empty()) return true;
    // Have the INI functions put everything they keep for the copy on disk.
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, W(FCopy));
    if (WriteFaultInjected() ||
        !MoveFileExW(W(FCopy), W(FPath), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return Fail();
    }
    FCopy.clear();
    return true;
  }

 private:
  bool Fail() {
    FFailed = true;
    DropCopy();
    return false;
  }

  void DropCopy() {
    if (FCopy.empty()) return;
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, W(FCopy));
    SetFileAttributesW(W(FCopy), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(W(FCopy));
    FCopy.clear();
  }

  // The copy beside the file that takes this save's writes.
  bool MakeCopy() {
    if (FPath.empty()) return false;
    static std::atomic<unsigned> counter{0};
    const std::u16string copy =
        FPath + text::Utf8ToUtf16(".~" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++));
    const DWORD attributes = GetFileAttributesW(W(FPath));
    if (attributes == INVALID_FILE_ATTRIBUTES) {
      if (!WriteNewFile(copy, text::EncodeMarkedText(u"", text::TByteOrderMark::bomUtf16LE), CREATE_NEW)) return false;
      FUnicode = true;
    } else {
      // A folder, or a file that must not be written, is never replaced.
      if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) return false;
      if (!CopyFileW(W(FPath), W(copy), TRUE)) return false;
      TReadOnlyFile file;
      std::uint8_t head[2] = {0, 0};
      FUnicode = file.Open(copy) && file.ReadAt(0, head) == 2 &&
                 text::ByteOrderMarkOf(head) == text::TByteOrderMark::bomUtf16LE;
    }
    FCopy = copy;
    return true;
  }

  // Re-encodes an ANSI copy as UTF-16 LE with a byte-order mark. A copy with another mark is
  // left as it is (its text is not ANSI).
  bool MakeCopyUnicode() {
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, W(FCopy));
    const auto bytes = ReadWholeFile(FCopy);
    if (!bytes) return false;
    FUnicode = true;
    if (text::ByteOrderMarkOf(*bytes) != text::TByteOrderMark::bomNone) return true;
    const auto wide =
        MultiByteToWide(kCodePageAnsi, std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    if (!wide) return false;
    return WriteNewFile(FCopy, text::EncodeMarkedText(*wide, text::TByteOrderMark::bomUtf16LE), CREATE_ALWAYS);
  }

  std::u16string FPath;
  std::u16string FCopy;
  bool FForWriting;
  bool FFailed = false;
  bool FUnicode = false;
};

// HKEY_CURRENT_USER\Key\Section.
class TWinRegistryStore final : public TConfigStore {
 public:
  TWinRegistryStore(std::u16string KeyPath, bool ForWriting) : FKeyPath(Trimmed(KeyPath)), FForWriting(ForWriting) {}

  std::u16string ReadString(const std::u16string& Section, const std::u16string& Key,
                            const std::u16string& Default) override {
    HKEY raw = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, W(SubkeyPath(Section)), 0, KEY_QUERY_VALUE, &raw) != ERROR_SUCCESS) return Default;
    win32::TRegistryKey key(raw);
    for (int attempt = 0; attempt < 4; ++attempt) {
      DWORD type = 0;
      DWORD size = 0;
      if (RegQueryValueExW(key.Get(), W(Key), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return Default;
      if (type != REG_SZ && type != REG_EXPAND_SZ) return Default;
      std::vector<std::uint8_t> data(static_cast<std::size_t>(size) + 2, 0);
      DWORD got = size;
      const LONG rc = RegQueryValueExW(key.Get(), W(Key), nullptr, &type, data.data(), &got);
      if (rc == ERROR_MORE_DATA) continue;  // it grew in between
      if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return Default;
      // The stored string need not end in NUL; it ends at its first NUL or its size.
      std::u16string value;
      TByteReader reader(std::span<const std::uint8_t>(data).first(std::min<std::size_t>(got, data.size())));
      while (reader.Remaining() >= 2) {
        const auto ch = static_cast<char16_t>(reader.U16());
        if (ch == 0) break;
        value.push_back(ch);
      }
      return value;
    }
    return Default;
  }

  bool WriteString(const std::u16string& Section, const std::u16string& Key, const std::u16string& Value) override {
    if (!FForWriting || FFailed || WriteFaultInjected()) return Fail();
    HKEY raw = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, W(SubkeyPath(Section)), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                        nullptr, &raw, nullptr) != ERROR_SUCCESS) {
      return Fail();
    }
    win32::TRegistryKey key(raw);
    const auto bytes = static_cast<DWORD>((Value.size() + 1) * sizeof(char16_t));
    if (RegSetValueExW(key.Get(), W(Key), 0, REG_SZ, reinterpret_cast<const BYTE*>(Value.c_str()), bytes) != ERROR_SUCCESS)
      return Fail();
    return true;
  }

  bool Commit() override { return FForWriting && !FFailed; }

 private:
  static std::u16string Trimmed(const std::u16string& path) {
    std::size_t begin = 0;
    std::size_t end = path.size();
    while (begin < end && path[begin] == u'\\') ++begin;
    while (end > begin && path[end - 1] == u'\\') --end;
    return path.substr(begin, end - begin);
  }

  std::u16string SubkeyPath(const std::u16string& Section) const {
    const std::u16string section = Trimmed(Section);
    if (FKeyPath.empty()) return section;
    if (section.empty()) return FKeyPath;
    return FKeyPath + u"\\" + section;
  }

  bool Fail() {
    FFailed = true;
    return false;
  }

  std::u16string FKeyPath;
  bool FForWriting;
  bool FFailed = false;
};

}  // namespace

std::unique_ptr<TConfigStore> OpenIniFileStore(const std::u16string& path, bool forWriting) {
  return std::make_unique<TWinIniStore>(path, forWriting);
}

std::unique_ptr<TConfigStore> OpenRegistryStore(const std::u16string& keyPath, bool forWriting) {
  return std::make_unique<TWinRegistryStore>(keyPath, forWriting);
}

std::u16string RegistryStandInFile(const std::u16string&) { return std::u16string(); }

}  // namespace lexoro::platform
