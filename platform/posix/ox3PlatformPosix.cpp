// POSIX side of the platform seam.
#include <fcntl.h>
#include <locale.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wctype.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <string>

#include "platform/ox3Platform.h"
#include "platform/ox3Text.h"

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

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::u16string& path) {
  TReadOnlyFile file;
  if (!file.Open(path)) return std::nullopt;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(file.Size()));
  if (file.ReadAt(0, bytes) != bytes.size()) return std::nullopt;
  return bytes;
}

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

bool WriteFileReplacing(const std::u16string& path, std::span<const std::uint8_t> bytes) {
  TAtomicFileWriter writer;
  return writer.Begin(path) && writer.Write(bytes) && writer.Commit();
}

std::vector<std::string> CommandLineUtf8(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

void SetBinaryStdio() {}

}  // namespace lexoro::platform
