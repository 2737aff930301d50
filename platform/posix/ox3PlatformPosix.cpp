// POSIX side of the platform seam.
#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <limits.h>
#include <pwd.h>
#include <locale.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wctype.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cctype>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <functional>
#include <string>

#include "lexoro/platform/ox3Platform.h"
#include "lexoro/platform/ox3Text.h"
#include "lexoro/platform/ox3WriteFaults.h"

namespace lexoro::platform {

namespace {

// Case mapping and classes follow the C.UTF-8 locale whatever the process locale is, so that
// results do not depend on the user's environment.
locale_t TextLocale() {
  static locale_t locale = [] {
    locale_t l = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    if (l == static_cast<locale_t>(nullptr)) l = newlocale(LC_CTYPE_MASK, "C.utf8", static_cast<locale_t>(nullptr));
    return l;
  }();
  return locale;
}

bool IsSurrogate(char16_t ch) { return ch >= 0xD800 && ch <= 0xDFFF; }

char16_t MapCase(char16_t ch, bool upper) {
  if (IsSurrogate(ch)) return ch;
  locale_t l = TextLocale();
  wint_t r;
  if (l != static_cast<locale_t>(nullptr)) {
    r = upper ? towupper_l(ch, l) : towlower_l(ch, l);
  } else {
    r = upper ? towupper(ch) : towlower(ch);
  }
  // One code unit for one code unit, as on Windows: a mapping outside the BMP is not applied.
  return r <= 0xFFFF && !IsSurrogate(static_cast<char16_t>(r)) ? static_cast<char16_t>(r) : ch;
}

std::string NativePath(const std::u16string& path) { return text::Utf16ToUtf8(path); }

}  // namespace

std::u16string UpperCase(std::u16string_view text) {
  std::u16string out(text);
  for (auto& ch : out) ch = MapCase(ch, true);
  return out;
}

std::u16string LowerCase(std::u16string_view text) {
  std::u16string out(text);
  for (auto& ch : out) ch = MapCase(ch, false);
  return out;
}

bool IsAlphaNumeric(char16_t ch) {
  if (IsSurrogate(ch)) return false;
  locale_t l = TextLocale();
  if (l != static_cast<locale_t>(nullptr)) return iswalnum_l(ch, l) != 0;
  return iswalnum(ch) != 0;
}

std::optional<std::string> WideToMultiByte(unsigned codePage, std::u16string_view text, bool* usedDefaultChar) {
  if (usedDefaultChar) *usedDefaultChar = false;
  if (codePage == kCodePageUtf8) return text::Utf16ToUtf8(text);
  if (codePage != kCodePageAnsi && codePage != 1252) return std::nullopt;
  std::string out;
  out.reserve(text.size());
  for (char16_t ch : text) {
    unsigned char byte;
    if (!text::UnicodeToCp1252(ch, byte)) {
      byte = '?';
      if (usedDefaultChar) *usedDefaultChar = true;
    }
    out.push_back(static_cast<char>(byte));
  }
  return out;
}

std::optional<std::u16string> MultiByteToWide(unsigned codePage, std::string_view bytes) {
  if (codePage == kCodePageUtf8) return text::Utf8ToUtf16(bytes);
  if (codePage != kCodePageAnsi && codePage != 1252) return std::nullopt;
  std::u16string out;
  out.reserve(bytes.size());
  for (char b : bytes) out.push_back(text::Cp1252ToUnicode(static_cast<unsigned char>(b)));
  return out;
}

bool FileExists(const std::u16string& path) {
  struct stat st;
  return stat(NativePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::optional<std::uint64_t> FileSize(const std::u16string& path) {
  struct stat st;
  if (stat(NativePath(path).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return static_cast<std::uint64_t>(st.st_size);
}

std::optional<std::int64_t> FileWriteTime(const std::u16string& path) {
  struct stat st;
  if (stat(NativePath(path).c_str(), &st) != 0) return std::nullopt;
  return static_cast<std::int64_t>(st.st_mtim.tv_sec) * 10000000 + st.st_mtim.tv_nsec / 100;
}

bool RemoveFile(const std::u16string& path) { return unlink(NativePath(path).c_str()) == 0; }

// ---- TReadOnlyFile ----

struct TReadOnlyFile::TImpl {
  int fd = -1;
  std::uint64_t size = 0;
};

TReadOnlyFile::TReadOnlyFile() : FImpl(std::make_unique<TImpl>()) {}
TReadOnlyFile::~TReadOnlyFile() { Close(); }
TReadOnlyFile::TReadOnlyFile(TReadOnlyFile&&) noexcept = default;
TReadOnlyFile& TReadOnlyFile::operator=(TReadOnlyFile&&) noexcept = default;

bool TReadOnlyFile::Open(const std::u16string& path) {
  Close();
  if (!FImpl) FImpl = std::make_unique<TImpl>();
  int fd = open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return false;
  }
  FImpl->fd = fd;
  FImpl->size = static_cast<std::uint64_t>(st.st_size);
  return true;
}

void TReadOnlyFile::Close() {
  if (FImpl && FImpl->fd >= 0) {
    close(FImpl->fd);
    FImpl->fd = -1;
    FImpl->size = 0;
  }
}

bool TReadOnlyFile::IsOpen() const { return FImpl && FImpl->fd >= 0; }
std::uint64_t TReadOnlyFile::Size() const { return FImpl ? FImpl->size : 0; }

std::size_t TReadOnlyFile::ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer) const {
  if (!IsOpen()) return 0;
  std::size_t done = 0;
  while (done < buffer.size()) {
    ssize_t r = pread(FImpl->fd, buffer.data() + done, buffer.size() - done, static_cast<off_t>(offset + done));
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) break;
    done += static_cast<std::size_t>(r);
  }
  return done;
}

// ---- TFileMapping ----

struct TFileMapping::TImpl {
  void* address = nullptr;
  std::size_t length = 0;
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
  int fd = open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size <= 0) {
    close(fd);
    return false;
  }
  void* p = mmap(nullptr, static_cast<std::size_t>(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
  close(fd);
  if (p == MAP_FAILED) return false;
  FImpl->address = p;
  FImpl->length = static_cast<std::size_t>(st.st_size);
  FData = static_cast<const std::uint8_t*>(p);
  FSize = static_cast<std::uint64_t>(st.st_size);
  return true;
}

void TFileMapping::Close() {
  if (FImpl && FImpl->address) {
    munmap(FImpl->address, FImpl->length);
    FImpl->address = nullptr;
    FImpl->length = 0;
  }
  FData = nullptr;
  FSize = 0;
}

// ---- Whole files ----

struct TAtomicFileWriter::TImpl {
  std::string target;
  std::string temporary;
  int fd = -1;
  bool failed = false;
};

TAtomicFileWriter::TAtomicFileWriter() : FImpl(std::make_unique<TImpl>()) {}
TAtomicFileWriter::~TAtomicFileWriter() { Discard(); }

bool TAtomicFileWriter::Begin(const std::u16string& path) {
  Discard();
  static std::atomic<unsigned> counter{0};
  FImpl->target = NativePath(path);
  FImpl->temporary = FImpl->target + ".~" + std::to_string(getpid()) + "-" + std::to_string(counter++);
  FImpl->failed = false;
  FImpl->fd = open(FImpl->temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  return FImpl->fd >= 0;
}

bool TAtomicFileWriter::Write(std::span<const std::uint8_t> bytes) {
  if (FImpl->fd < 0 || FImpl->failed) return false;
  if (WriteFaultInjected()) {
    // An interrupted write: part of the bytes reach the file, then the write fails.
    [[maybe_unused]] auto written = write(FImpl->fd, bytes.data(), bytes.size() / 2);
    FImpl->failed = true;
    return false;
  }
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t w = write(FImpl->fd, bytes.data() + done, bytes.size() - done);
    if (w < 0 && errno == EINTR) continue;
    if (w <= 0) {
      FImpl->failed = true;
      return false;
    }
    done += static_cast<std::size_t>(w);
  }
  return true;
}

bool TAtomicFileWriter::Commit() {
  if (FImpl->fd < 0) return false;
  bool ok = !FImpl->failed && fsync(FImpl->fd) == 0;
  if (ok && WriteFaultInjected()) ok = false;
  // Keep the permissions of the file being replaced.
  struct stat st;
  if (ok && stat(FImpl->target.c_str(), &st) == 0) fchmod(FImpl->fd, st.st_mode & 07777);
  ok = close(FImpl->fd) == 0 && ok;
  FImpl->fd = -1;
  if (ok) ok = rename(FImpl->temporary.c_str(), FImpl->target.c_str()) == 0;
  if (!ok) unlink(FImpl->temporary.c_str());
  FImpl->temporary.clear();
  return ok;
}

void TAtomicFileWriter::Discard() {
  if (!FImpl) return;
  if (FImpl->fd >= 0) {
    close(FImpl->fd);
    FImpl->fd = -1;
  }
  if (!FImpl->temporary.empty()) {
    unlink(FImpl->temporary.c_str());
    FImpl->temporary.clear();
  }
}

std::vector<std::string> CommandLineUtf8(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

void SetBinaryStdio() {}

// ---- Custom dictionaries and path macros ----

const char16_t kPathDelimiter = u'/';
const std::u16string_view kLineBreak = u"\n";

bool IsPathDelimiter(char16_t ch) { return ch == u'/'; }

std::optional<TFileStamp> FileStamp(const std::u16string& path) {
  struct stat st;
  if (stat(NativePath(path).c_str(), &st) != 0) return std::nullopt;
  TFileStamp stamp;
  stamp.WriteTime = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 10000000 + st.st_mtim.tv_nsec / 100;
  stamp.Size = static_cast<std::uint64_t>(st.st_size);
  stamp.Identity = static_cast<std::uint64_t>(st.st_ino) ^ (static_cast<std::uint64_t>(st.st_dev) << 40);
  return stamp;
}

bool IsReadOnlyFile(const std::u16string& path) {
  const std::string native = NativePath(path);
  struct stat st;
  if (stat(native.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  // The superuser passes access(); a file nobody may write still counts as read-only for it.
  return access(native.c_str(), W_OK) != 0 || (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

bool ProbeCreateFile(const std::u16string& path) {
  const std::string native = NativePath(path);
  int fd = open(native.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  close(fd);
  unlink(native.c_str());
  return true;
}

bool DirectoryExists(const std::u16string& path) {
  struct stat st;
  return stat(NativePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool MakeDirectory(const std::u16string& path) { return mkdir(NativePath(path).c_str(), 0777) == 0; }

namespace {

std::optional<std::string> Environment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return std::nullopt;
  return std::string(value);
}

std::optional<std::string> HomeFolder() {
  if (auto home = Environment("HOME")) return home;
  struct passwd* entry = getpwuid(getuid());
  if (entry != nullptr && entry->pw_dir != nullptr && *entry->pw_dir != '\0') return std::string(entry->pw_dir);
  return std::nullopt;
}

// $XDG_DATA_HOME, or ~/.local/share.
std::optional<std::string> DataHome() {
  if (auto data = Environment("XDG_DATA_HOME"); data && data->front() == '/') return data;
  if (auto home = HomeFolder()) return *home + "/.local/share";
  return std::nullopt;
}

// A folder of the user's xdg-user-dirs settings (XDG_DOCUMENTS_DIR, XDG_PUBLICSHARE_DIR): the
// environment variable, else the line in $XDG_CONFIG_HOME/user-dirs.dirs, else ~/Fallback.
std::optional<std::string> UserFolder(const char* key, const char* fallback) {
  if (auto value = Environment(key); value && value->front() == '/') return value;
  auto home = HomeFolder();
  if (!home) return std::nullopt;
  std::string config = Environment("XDG_CONFIG_HOME").value_or(*home + "/.config");
  std::ifstream in(config + "/user-dirs.dirs");
  const std::string prefix = std::string(key) + "=\"";
  for (std::string line; std::getline(in, line);) {
    if (line.compare(0, prefix.size(), prefix) != 0) continue;
    const auto end = line.find('"', prefix.size());
    if (end == std::string::npos) break;
    std::string value = line.substr(prefix.size(), end - prefix.size());
    if (value.compare(0, 5, "$HOME") == 0) value = *home + value.substr(5);
    if (!value.empty() && value.front() == '/') return value;
    break;
  }
  return *home + "/" + fallback;
}

std::string Percent(const std::string& path) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : path) {
    if (std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
      out.push_back(static_cast<char>(c));
    } else {
      out.push_back('%');
      out.push_back(kHex[c >> 4]);
      out.push_back(kHex[c & 15]);
    }
  }
  return out;
}

std::string ReadLink(const char* link) {
  std::string buffer(256, '\0');
  for (;;) {
    ssize_t n = readlink(link, buffer.data(), buffer.size());
    if (n < 0) return std::string();
    if (static_cast<std::size_t>(n) < buffer.size()) {
      buffer.resize(static_cast<std::size_t>(n));
      return buffer;
    }
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

bool MoveToTrash(const std::u16string& path, bool confirm) {
  // The home trash as freedesktop.org lays it out: files/NAME holds the file,
  // info/NAME.trashinfo its original path and deletion date. Files on another volume than
  // the trash are not moved (rename cannot cross volumes) and the answer is false.
  std::string native = NativePath(path);
  struct stat st;
  if (lstat(native.c_str(), &st) != 0) return false;
  char resolved[PATH_MAX];
  if (native.front() != '/') {
    if (realpath(native.c_str(), resolved) == nullptr) return false;
    native = resolved;
  }
  auto data = DataHome();
  if (!data) return false;
  const std::string trash = *data + "/Trash";
  for (const std::string& folder : {*data, trash, trash + "/files", trash + "/info"}) {
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  const auto slash = native.find_last_of('/');
  const std::string name = native.substr(slash + 1);
  if (name.empty()) return false;
  char date[32];
  const std::time_t now = std::time(nullptr);
  struct tm local;
  localtime_r(&now, &local);
  std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", &local);
  const std::string info = "[Trash Info]\nPath=" + Percent(native) + "\nDeletionDate=" + date + "\n";
  for (int attempt = 1; attempt < 10000; ++attempt) {
    const std::string stored = attempt == 1 ? name : name + "." + std::to_string(attempt);
    const std::string infoPath = trash + "/info/" + stored + ".trashinfo";
    int fd = open(infoPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return false;
    }
    const bool written = write(fd, info.data(), info.size()) == static_cast<ssize_t>(info.size());
    close(fd);
    if (written && rename(native.c_str(), (trash + "/files/" + stored).c_str()) == 0) return true;
    unlink(infoPath.c_str());
    return false;
  }
  return false;
}

std::u16string ApplicationFileName() { return text::Utf8ToUtf16(ReadLink("/proc/self/exe")); }

std::u16string ModuleFileName() {
  // The suite is usually linked into the program; when it is built into a shared library,
  // that library is the module.
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&ModuleFileName), &info) != 0 && info.dli_fname != nullptr) {
    const std::string name = info.dli_fname;
    char resolved[PATH_MAX];
    if (name.find(".so") != std::string::npos && realpath(name.c_str(), resolved) != nullptr)
      return text::Utf8ToUtf16(resolved);
  }
  return ApplicationFileName();
}

std::optional<std::u16string> UserName() {
  struct passwd* entry = getpwuid(geteuid());
  if (entry != nullptr && entry->pw_name != nullptr && *entry->pw_name != '\0')
    return text::Utf8ToUtf16(entry->pw_name);
  if (auto name = Environment("LOGNAME")) return text::Utf8ToUtf16(*name);
  if (auto name = Environment("USER")) return text::Utf8ToUtf16(*name);
  return std::nullopt;
}

std::optional<std::u16string> SpecialFolder(TSpecialFolder folder) {
  std::optional<std::string> path;
  switch (folder) {
    case TSpecialFolder::sfAppData:
      path = DataHome();
      break;
    case TSpecialFolder::sfMyDocuments:
      path = UserFolder("XDG_DOCUMENTS_DIR", "Documents");
      break;
    case TSpecialFolder::sfCommonDocuments:
      path = UserFolder("XDG_PUBLICSHARE_DIR", "Public");
      break;
    case TSpecialFolder::sfCommonAppData: {
      std::string dirs = Environment("XDG_DATA_DIRS").value_or("/usr/local/share");
      const std::string first = dirs.substr(0, dirs.find(':'));
      path = !first.empty() && first.front() == '/' ? first : std::string("/usr/local/share");
      break;
    }
  }
  if (!path) return std::nullopt;
  while (path->size() > 1 && path->back() == '/') path->pop_back();
  return text::Utf8ToUtf16(*path);
}

std::optional<std::u16string> ExpandEnvironment(std::u16string_view text) {
  // As on Windows: %NAME% with a known NAME becomes its value; anything else stays, and the
  // closing % of an unknown name may open the next one.
  std::u16string out;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] != u'%') {
      out.push_back(text[i++]);
      continue;
    }
    const std::size_t close = text.find(u'%', i + 1);
    if (close == std::u16string_view::npos) {
      out.append(text.substr(i));
      break;
    }
    const std::u16string_view name = text.substr(i + 1, close - i - 1);
    const std::optional<std::string> value =
        name.empty() ? std::nullopt : Environment(text::Utf16ToUtf8(name).c_str());
    if (value) {
      out += text::Utf8ToUtf16(*value);
      i = close + 1;
    } else {
      out.push_back(u'%');
      out.append(name);
      i = close;
    }
  }
  return out;
}

std::optional<std::pair<std::uint32_t, std::uint32_t>> FileVersion(const std::u16string&) { return std::nullopt; }

bool IsNewerWindows() { return true; }

// ---- Spell component: dictionary folders and Office lists -----------------------------------

std::vector<std::u16string> ListFilesWithExtension(const std::u16string& folder, std::u16string_view extension) {
  std::vector<std::u16string> names;
  DIR* dir = opendir(NativePath(folder).c_str());
  if (dir == nullptr) return names;
  const std::string suffix = "." + text::Utf16ToUtf8(extension);
  std::string base = NativePath(folder);
  if (!base.empty() && base.back() != '/') base.push_back('/');
  while (dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name.size() <= suffix.size()) continue;
    bool match = true;
    for (std::size_t i = 0; i < suffix.size() && match; ++i)
      match = std::tolower(static_cast<unsigned char>(name[name.size() - suffix.size() + i])) ==
              std::tolower(static_cast<unsigned char>(suffix[i]));
    if (!match) continue;
    struct stat st {};
    if (stat((base + name).c_str(), &st) != 0 || S_ISDIR(st.st_mode)) continue;
    names.push_back(text::Utf8ToUtf16(name));
  }
  closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

bool RenameFile(const std::u16string& from, const std::u16string& to) {
  const std::string target = NativePath(to);
  struct stat st {};
  if (lstat(target.c_str(), &st) == 0) return false;
  // link + unlink refuses an existing target even if one appears meanwhile.
  if (link(NativePath(from).c_str(), target.c_str()) == 0) return unlink(NativePath(from).c_str()) == 0;
  return std::rename(NativePath(from).c_str(), target.c_str()) == 0;
}

char16_t DecimalSeparator() {
  const lconv* conventions = localeconv();
  if (conventions == nullptr || conventions->decimal_point == nullptr) return u'.';
  const std::u16string point = text::Utf8ToUtf16(conventions->decimal_point);
  return point.size() == 1 ? point[0] : u'.';
}

std::optional<std::u16string> ReadRegistryString(TRegistryRoot, const std::u16string&, const std::u16string&) {
  return std::nullopt;
}

// ---- Application message loop and user prompts ----------------------------------------------

bool HasMessageQueue() { return false; }

bool DispatchOneMessage(bool& Quit) {
  Quit = false;
  return false;
}

void WaitForMessage() {}

void ShowWaitCursor(bool) {}

int ShowMessageBox(const std::u16string& Text, const std::u16string& Caption, std::uint32_t Flags) {
  std::fprintf(stderr, "%s: %s\n", text::Utf16ToUtf8(Caption).c_str(), text::Utf16ToUtf8(Text).c_str());
  // The buttons of each MB_ set in order, answered with the default one (MB_DEFBUTTONn).
  static constexpr int kButtons[][3] = {{1, 0, 0}, {1, 2, 0}, {3, 4, 5}, {6, 7, 2}, {6, 7, 0}, {4, 2, 0}, {2, 10, 11}};
  const std::uint32_t set = Flags & 0x0Fu;
  const std::uint32_t which = (Flags & 0x0F00u) >> 8;
  if (set >= std::size(kButtons) || which > 2 || kButtons[set][which] == 0) return kButtons[set < std::size(kButtons) ? set : 0][0];
  return kButtons[set][which];
}

bool ShowHelpContext(const std::u16string&, std::uint32_t) { return false; }

}  // namespace lexoro::platform
