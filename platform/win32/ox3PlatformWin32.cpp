// Win32 side of the platform seam.
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#include <winver.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <vector>

#include "lexoro/platform/ox3Platform.h"
#include "lexoro/platform/ox3Text.h"
#include "lexoro/platform/ox3WriteFaults.h"
#include "lexoro/platform/win32/ox3Handles.h"

namespace lexoro::platform {

namespace {

const wchar_t* W(const std::u16string& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }

UINT WinCodePage(unsigned codePage) { return codePage == kCodePageAnsi ? CP_ACP : codePage; }

}  // namespace

std::u16string UpperCase(std::u16string_view text) {
  std::u16string out(text);
  if (!out.empty()) CharUpperBuffW(reinterpret_cast<wchar_t*>(out.data()), static_cast<DWORD>(out.size()));
  return out;
}

std::u16string LowerCase(std::u16string_view text) {
  std::u16string out(text);
  if (!out.empty()) CharLowerBuffW(reinterpret_cast<wchar_t*>(out.data()), static_cast<DWORD>(out.size()));
  return out;
}

bool IsAlphaNumeric(char16_t ch) { return IsCharAlphaNumericW(static_cast<wchar_t>(ch)) != FALSE; }

std::optional<std::string> WideToMultiByte(unsigned codePage, std::u16string_view text, bool* usedDefaultChar) {
  if (usedDefaultChar) *usedDefaultChar = false;
  if (text.empty()) return std::string();
  if (codePage == kCodePageUtf8) return text::Utf16ToUtf8(text);
  const UINT cp = WinCodePage(codePage);
  const auto* src = reinterpret_cast<const wchar_t*>(text.data());
  const int srcLength = static_cast<int>(text.size());
  BOOL usedDefault = FALSE;
  int n = WideCharToMultiByte(cp, 0, src, srcLength, nullptr, 0, nullptr, nullptr);
  if (n <= 0) return std::nullopt;
  std::string out(static_cast<std::size_t>(n), '\0');
  n = WideCharToMultiByte(cp, 0, src, srcLength, out.data(), n, nullptr, usedDefaultChar ? &usedDefault : nullptr);
  if (n <= 0) return std::nullopt;
  out.resize(static_cast<std::size_t>(n));
  if (usedDefaultChar) *usedDefaultChar = usedDefault != FALSE;
  return out;
}

std::optional<std::u16string> MultiByteToWide(unsigned codePage, std::string_view bytes) {
  if (bytes.empty()) return std::u16string();
  if (codePage == kCodePageUtf8) return text::Utf8ToUtf16(bytes);
  const UINT cp = WinCodePage(codePage);
  int n = MultiByteToWideChar(cp, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  if (n <= 0) return std::nullopt;
  std::u16string out(static_cast<std::size_t>(n), u'\0');
  n = MultiByteToWideChar(cp, 0, bytes.data(), static_cast<int>(bytes.size()), reinterpret_cast<wchar_t*>(out.data()), n);
  if (n <= 0) return std::nullopt;
  out.resize(static_cast<std::size_t>(n));
  return out;
}

bool FileExists(const std::u16string& path) {
  DWORD attributes = GetFileAttributesW(W(path));
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::uint64_t> FileSize(const std::u16string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(W(path), GetFileExInfoStandard, &data) || (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return std::nullopt;
  return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::optional<std::int64_t> FileWriteTime(const std::u16string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(W(path), GetFileExInfoStandard, &data)) return std::nullopt;
  return static_cast<std::int64_t>((static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                                   data.ftLastWriteTime.dwLowDateTime);
}

bool RemoveFile(const std::u16string& path) { return DeleteFileW(W(path)) != FALSE; }

// ---- TReadOnlyFile ----

struct TReadOnlyFile::TImpl {
  win32::TFileHandle file;
  std::uint64_t size = 0;
};

TReadOnlyFile::TReadOnlyFile() : FImpl(std::make_unique<TImpl>()) {}
TReadOnlyFile::~TReadOnlyFile() = default;
TReadOnlyFile::TReadOnlyFile(TReadOnlyFile&&) noexcept = default;
TReadOnlyFile& TReadOnlyFile::operator=(TReadOnlyFile&&) noexcept = default;

bool TReadOnlyFile::Open(const std::u16string& path) {
  Close();
  if (!FImpl) FImpl = std::make_unique<TImpl>();
  win32::TFileHandle file(CreateFileW(W(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.Get(), &size)) return false;
  FImpl->file = std::move(file);
  FImpl->size = static_cast<std::uint64_t>(size.QuadPart);
  return true;
}

void TReadOnlyFile::Close() {
  if (FImpl) {
    FImpl->file.Reset();
    FImpl->size = 0;
  }
}

bool TReadOnlyFile::IsOpen() const { return FImpl && static_cast<bool>(FImpl->file); }
std::uint64_t TReadOnlyFile::Size() const { return FImpl ? FImpl->size : 0; }

std::size_t TReadOnlyFile::ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer) const {
  if (!IsOpen()) return 0;
  std::size_t done = 0;
  while (done < buffer.size()) {
    OVERLAPPED at{};
    const std::uint64_t position = offset + done;
    at.Offset = static_cast<DWORD>(position & 0xFFFFFFFFu);
    at.OffsetHigh = static_cast<DWORD>(position >> 32);
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(buffer.size() - done, 1u << 30));
    DWORD read = 0;
    if (!ReadFile(FImpl->file.Get(), buffer.data() + done, chunk, &read, &at) || read == 0) break;
    done += read;
  }
  return done;
}

// ---- TFileMapping ----

struct TFileMapping::TImpl {
  win32::TFileHandle file;
  win32::TMappingHandle mapping;
  win32::TMappedView view;
};

TFileMapping::TFileMapping() : FImpl(std::make_unique<TImpl>()) {}
TFileMapping::~TFileMapping() { Close(); }
TFileMapping::TFileMapping(TFileMapping&& other) noexcept
    : FImpl(std::move(other.FImpl)), FData(other.FData), FSize(other.FSize) {
  other.FData = nullptr;
  other.FSize = 0;
}
TFileMapping& TFileMapping::operator=(TFileMapping&& other) noexcept {
  if (this != &other) {
    Close();
    FImpl = std::move(other.FImpl);
    FData = other.FData;
    FSize = other.FSize;
    other.FData = nullptr;
    other.FSize = 0;
  }
  return *this;
}

bool TFileMapping::Open(const std::u16string& path) {
  Close();
  if (!FImpl) FImpl = std::make_unique<TImpl>();
  win32::TFileHandle file(CreateFileW(W(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart <= 0) return false;
  win32::TMappingHandle mapping(CreateFileMappingW(file.Get(), nullptr, PAGE_READONLY | SEC_COMMIT, 0, 0, nullptr));
  if (!mapping) return false;
  win32::TMappedView view(MapViewOfFile(mapping.Get(), FILE_MAP_READ, 0, 0, 0));
  if (!view) return false;
  FImpl->file = std::move(file);
  FImpl->mapping = std::move(mapping);
  FImpl->view = std::move(view);
  FData = static_cast<const std::uint8_t*>(FImpl->view.Get());
  FSize = static_cast<std::uint64_t>(size.QuadPart);
  return true;
}

void TFileMapping::Close() {
  if (FImpl) {
    FImpl->view.Reset();
    FImpl->mapping.Reset();
    FImpl->file.Reset();
  }
  FData = nullptr;
  FSize = 0;
}

// ---- Whole files ----

struct TAtomicFileWriter::TImpl {
  std::u16string target;
  std::u16string temporary;
  win32::TFileHandle file;
  bool failed = false;
};

TAtomicFileWriter::TAtomicFileWriter() : FImpl(std::make_unique<TImpl>()) {}
TAtomicFileWriter::~TAtomicFileWriter() { Discard(); }

bool TAtomicFileWriter::Begin(const std::u16string& path) {
  Discard();
  static std::atomic<unsigned> counter{0};
  FImpl->target = path;
  std::string suffix = ".~" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++);
  FImpl->temporary = path + text::Utf8ToUtf16(suffix);
  FImpl->failed = false;
  FImpl->file.Reset(CreateFileW(W(FImpl->temporary), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!FImpl->file) {
    FImpl->temporary.clear();
    return false;
  }
  return true;
}

bool TAtomicFileWriter::Write(std::span<const std::uint8_t> bytes) {
  if (!FImpl->file || FImpl->failed) return false;
  if (WriteFaultInjected()) {
    // An interrupted write: part of the bytes reach the file, then the write fails.
    DWORD written = 0;
    ::WriteFile(FImpl->file.Get(), bytes.data(), static_cast<DWORD>(bytes.size() / 2), &written, nullptr);
    FImpl->failed = true;
    return false;
  }
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
    DWORD written = 0;
    if (!WriteFile(FImpl->file.Get(), bytes.data() + done, chunk, &written, nullptr) || written == 0) {
      FImpl->failed = true;
      return false;
    }
    done += written;
  }
  return true;
}

bool TAtomicFileWriter::Commit() {
  if (!FImpl->file) return false;
  bool ok = !FImpl->failed && FlushFileBuffers(FImpl->file.Get());
  if (ok && WriteFaultInjected()) ok = false;
  FImpl->file.Reset();
  if (ok) {
    ok = MoveFileExW(W(FImpl->temporary), W(FImpl->target), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
  }
  if (!ok) DeleteFileW(W(FImpl->temporary));
  FImpl->temporary.clear();
  return ok;
}

void TAtomicFileWriter::Discard() {
  if (!FImpl) return;
  FImpl->file.Reset();
  if (!FImpl->temporary.empty()) {
    DeleteFileW(W(FImpl->temporary));
    FImpl->temporary.clear();
  }
}

std::vector<std::string> CommandLineUtf8(int argc, char** argv) {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!wide) return std::vector<std::string>(argv, argv + argc);
  std::vector<std::string> out;
  for (int i = 0; i < count; ++i) {
    std::u16string arg(reinterpret_cast<const char16_t*>(wide[i]));
    out.push_back(text::Utf16ToUtf8(arg));
  }
  LocalFree(wide);
  return out;
}

void SetBinaryStdio() {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

// ---- Custom dictionaries and path macros ----

const char16_t kPathDelimiter = u'\\';
const std::u16string_view kLineBreak = u"\r\n";

bool IsPathDelimiter(char16_t ch) { return ch == u'\\' || ch == u'/'; }

std::optional<TFileStamp> FileStamp(const std::u16string& path) {
  win32::TFileHandle file(CreateFileW(W(path), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(file.Get(), &info)) return std::nullopt;
  TFileStamp stamp;
  stamp.WriteTime = static_cast<std::int64_t>((static_cast<std::uint64_t>(info.ftLastWriteTime.dwHighDateTime) << 32) |
                                              info.ftLastWriteTime.dwLowDateTime);
  stamp.Size = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  stamp.Identity = ((static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow) ^
                   (static_cast<std::uint64_t>(info.dwVolumeSerialNumber) << 40);
  return stamp;
}

bool IsReadOnlyFile(const std::u16string& path) {
  DWORD attributes = GetFileAttributesW(W(path));
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) &&
         (attributes & FILE_ATTRIBUTE_READONLY);
}

bool ProbeCreateFile(const std::u16string& path) {
  // CREATE_NEW never opens an existing file, so the delete-on-close cannot remove one.
  win32::TFileHandle file(CreateFileW(W(path), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
  return static_cast<bool>(file);
}

bool DirectoryExists(const std::u16string& path) {
  DWORD attributes = GetFileAttributesW(W(path));
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool MakeDirectory(const std::u16string& path) { return CreateDirectoryW(W(path), nullptr) != FALSE; }

bool MoveToTrash(const std::u16string& path, bool confirm) {
  std::u16string from = path;
  from.push_back(u'\0');  // the list of paths ends with two zeros
  SHFILEOPSTRUCTW operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = W(from);
  operation.fFlags = FOF_ALLOWUNDO;
  if (!confirm) operation.fFlags |= FOF_NOCONFIRMATION | FOF_SILENT;
  return SHFileOperationW(&operation) == 0 && !operation.fAnyOperationsAborted;
}

namespace {

std::u16string ModulePath(HMODULE module) {
  std::u16string buffer(260, u'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(module, reinterpret_cast<wchar_t*>(buffer.data()), static_cast<DWORD>(buffer.size()));
    if (n == 0) return std::u16string();
    if (n < buffer.size()) {
      buffer.resize(n);
      return buffer;
    }
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

std::u16string ModuleFileName() {
  HMODULE module = nullptr;
  if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          reinterpret_cast<LPCWSTR>(&ModuleFileName), &module))
    module = nullptr;
  return ModulePath(module);
}

std::u16string ApplicationFileName() { return ModulePath(nullptr); }

std::optional<std::u16string> UserName() {
  std::u16string buffer(257, u'\0');
  DWORD size = static_cast<DWORD>(buffer.size());
  if (!GetUserNameW(reinterpret_cast<wchar_t*>(buffer.data()), &size) || size == 0) return std::nullopt;
  buffer.resize(size - 1);  // size counts the terminating zero
  return buffer;
}

std::optional<std::u16string> SpecialFolder(TSpecialFolder folder) {
  // Looked up at run time: older shells export only the undecorated name.
  using TGetFolder = BOOL(WINAPI*)(HWND, LPWSTR, int, BOOL);
  HMODULE shell = LoadLibraryW(L"shell32.dll");
  if (shell == nullptr) return std::nullopt;
  auto function = reinterpret_cast<TGetFolder>(reinterpret_cast<void*>(GetProcAddress(shell, "SHGetSpecialFolderPathW")));
  if (function == nullptr)
    function = reinterpret_cast<TGetFolder>(reinterpret_cast<void*>(GetProcAddress(shell, "SHGetSpecialFolderPath")));
  std::optional<std::u16string> result;
  if (function != nullptr) {
    int csidl = 0;
    switch (folder) {
      case TSpecialFolder::sfAppData: csidl = 26; break;          // CSIDL_APPDATA
      case TSpecialFolder::sfCommonDocuments: csidl = 46; break;  // CSIDL_COMMON_DOCUMENTS
      case TSpecialFolder::sfCommonAppData: csidl = 35; break;    // CSIDL_COMMON_APPDATA
      case TSpecialFolder::sfMyDocuments: csidl = 5; break;       // CSIDL_PERSONAL
    }
    // The function's contract is a buffer of MAX_PATH characters.
    std::u16string buffer(MAX_PATH + 1, u'\0');
    if (function(nullptr, reinterpret_cast<wchar_t*>(buffer.data()), csidl, FALSE)) {
      buffer.resize(std::char_traits<char16_t>::length(buffer.c_str()));
      result = std::move(buffer);
    }
  }
  FreeLibrary(shell);
  return result;
}

std::optional<std::u16string> ExpandEnvironment(std::u16string_view text) {
  const std::u16string source(text);
  DWORD needed = ExpandEnvironmentStringsW(W(source), nullptr, 0);
  if (needed == 0) return std::nullopt;
  std::u16string buffer(needed, u'\0');
  DWORD n = ExpandEnvironmentStringsW(W(source), reinterpret_cast<wchar_t*>(buffer.data()), needed);
  if (n == 0 || n > needed) return std::nullopt;
  buffer.resize(n - 1);
  return buffer;
}

std::optional<std::pair<std::uint32_t, std::uint32_t>> FileVersion(const std::u16string& path) {
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeW(W(path), &handle);
  if (size == 0) return std::nullopt;
  std::vector<std::uint8_t> data(size);
  if (!GetFileVersionInfoW(W(path), 0, size, data.data())) return std::nullopt;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || fixed == nullptr ||
      length < sizeof(VS_FIXEDFILEINFO))
    return std::nullopt;
  return std::make_pair(static_cast<std::uint32_t>(fixed->dwFileVersionMS), static_cast<std::uint32_t>(fixed->dwFileVersionLS));
}

bool IsNewerWindows() {
  // RtlGetVersion tells the truth whatever the program's manifest says.
  using TRtlGetVersion = LONG(WINAPI*)(OSVERSIONINFOW*);
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  auto function = ntdll ? reinterpret_cast<TRtlGetVersion>(reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
                        : nullptr;
  if (function != nullptr) {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (function(&info) == 0) return info.dwMajorVersion > 5;
  }
  return LOBYTE(LOWORD(GetVersion())) > 5;
}

// ---- Spell component: dictionary folders and Office lists -----------------------------------

std::vector<std::u16string> ListFilesWithExtension(const std::u16string& folder, std::u16string_view extension) {
  std::vector<std::u16string> names;
  std::wstring pattern(folder.begin(), folder.end());
  if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/') pattern.push_back(L'\\');
  pattern += L"*.";
  pattern.append(extension.begin(), extension.end());
  WIN32_FIND_DATAW data{};
  HANDLE find = FindFirstFileW(pattern.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  const std::u16string suffix = u"." + std::u16string(extension);
  do {
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    std::u16string name(reinterpret_cast<const char16_t*>(data.cFileName));
    // FindFirstFileW also matches longer extensions through short names ("a.oxmx"); keep
    // only names that really end in the extension.
    if (name.size() <= suffix.size() ||
        CompareStringOrdinal(reinterpret_cast<LPCWCH>(name.c_str() + name.size() - suffix.size()),
                             static_cast<int>(suffix.size()), reinterpret_cast<LPCWCH>(suffix.c_str()),
                             static_cast<int>(suffix.size()), TRUE) != CSTR_EQUAL)
      continue;
    names.push_back(std::move(name));
  } while (FindNextFileW(find, &data));
  FindClose(find);
  std::sort(names.begin(), names.end());
  return names;
}

bool RenameFile(const std::u16string& from, const std::u16string& to) {
  return MoveFileExW(reinterpret_cast<LPCWSTR>(from.c_str()), reinterpret_cast<LPCWSTR>(to.c_str()), 0) != 0;
}

char16_t DecimalSeparator() {
  wchar_t buffer[8] = {};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, 8) == 2) return static_cast<char16_t>(buffer[0]);
  return u'.';
}

std::optional<std::u16string> ReadRegistryString(TRegistryRoot root, const std::u16string& key,
                                                 const std::u16string& name) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(root == TRegistryRoot::rrCurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE,
                    reinterpret_cast<LPCWSTR>(key.c_str()), 0, KEY_READ, &opened) != ERROR_SUCCESS)
    return std::nullopt;
  win32::TRegistryKey guard(opened);
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExW(opened, reinterpret_cast<LPCWSTR>(name.c_str()), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ) || size > 65536)
    return std::nullopt;
  std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
  DWORD got = size;
  if (RegQueryValueExW(opened, reinterpret_cast<LPCWSTR>(name.c_str()), nullptr, &type,
                       reinterpret_cast<LPBYTE>(buffer.data()), &got) != ERROR_SUCCESS)
    return std::nullopt;
  buffer.resize(std::min<std::size_t>(got / sizeof(wchar_t), buffer.size() - 1));
  while (!buffer.empty() && buffer.back() == L'\0') buffer.pop_back();
  return std::u16string(buffer.begin(), buffer.end());
}

// ---- Application message loop and user prompts ----------------------------------------------

bool HasMessageQueue() { return true; }

bool DispatchOneMessage(bool& Quit) {
  Quit = false;
  MSG message;
  if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) return false;
  if (message.message == WM_QUIT) {
    Quit = true;
    return true;
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
  return true;
}

void WaitForMessage() { WaitMessage(); }

void ShowWaitCursor(bool On) { SetCursor(LoadCursorW(nullptr, On ? IDC_WAIT : IDC_ARROW)); }

int ShowMessageBox(const std::u16string& Text, const std::u16string& Caption, std::uint32_t Flags) {
  return MessageBoxW(GetActiveWindow(), W(Text), W(Caption), Flags);
}

bool ShowHelpContext(const std::u16string& HelpFile, std::uint32_t Context) {
  // Compiled HTML help is opened by the system's help viewer at the context's topic.
  if (HelpFile.empty()) return false;
  std::u16string parameters = u"-mapid " + text::Utf8ToUtf16(std::to_string(Context)) + u" \"" + HelpFile + u"\"";
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(GetActiveWindow(), L"open", L"hh.exe", W(parameters), nullptr, SW_SHOWNORMAL));
  return result > 32;
}

}  // namespace lexoro::platform
