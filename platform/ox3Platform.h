// The portable core's one seam to the operating system.
//
// Everything the dictionaries, the parser and the engine need of the platform goes through
// these declarations: whole-string casing and character classes, code-page conversion, and
// files. platform/win32/ implements them over Win32, platform/posix/ over POSIX and the C
// library; both give the same answers for the same input wherever the platforms allow it.
//
// Paths are UTF-16 like all text of the system; the POSIX side converts them to UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lexoro::platform {

// ---- Text -------------------------------------------------------------------------------

// Locale-aware case mapping of a whole string, one code unit for one code unit
// (CharUpperBuffW / CharLowerBuffW on Windows; the C.UTF-8 locale's towupper/towlower on POSIX).
[[nodiscard]] std::u16string UpperCase(std::u16string_view text);
[[nodiscard]] std::u16string LowerCase(std::u16string_view text);

// True for letters and digits (IsCharAlphaNumericW on Windows, iswalnum on POSIX).
[[nodiscard]] bool IsAlphaNumeric(char16_t ch);

// ---- Code pages -------------------------------------------------------------------------

// 65001 is UTF-8. 0 is the host's ANSI code page: on Windows whatever GetACP() says, on POSIX
// always Windows-1252, so that a file written on one target reads the same on the other.
inline constexpr unsigned kCodePageAnsi = 0;
inline constexpr unsigned kCodePageUtf8 = 65001;

// UTF-16 to bytes (WideCharToMultiByte with flags 0). Characters the code page cannot hold
// become the default character; *usedDefaultChar tells whether that happened. Returns no value
// for a code page the platform does not know.
[[nodiscard]] std::optional<std::string> WideToMultiByte(unsigned codePage, std::u16string_view text,
                                                         bool* usedDefaultChar = nullptr);

// Bytes to UTF-16 (MultiByteToWideChar with flags 0). Returns no value for an unknown code page.
[[nodiscard]] std::optional<std::u16string> MultiByteToWide(unsigned codePage, std::string_view bytes);

// ---- Files ------------------------------------------------------------------------------

[[nodiscard]] bool FileExists(const std::u16string& path);
[[nodiscard]] std::optional<std::uint64_t> FileSize(const std::u16string& path);
// Last-write time in 100 ns units (any fixed epoch); no value when the file cannot be read.
[[nodiscard]] std::optional<std::int64_t> FileWriteTime(const std::u16string& path);
bool RemoveFile(const std::u16string& path);

// A file opened for reading, sharing read access. Move-only; closes itself.
class TReadOnlyFile {
 public:
  TReadOnlyFile();
  ~TReadOnlyFile();
  TReadOnlyFile(TReadOnlyFile&&) noexcept;
  TReadOnlyFile& operator=(TReadOnlyFile&&) noexcept;
  TReadOnlyFile(const TReadOnlyFile&) = delete;
  TReadOnlyFile& operator=(const TReadOnlyFile&) = delete;

  [[nodiscard]] bool Open(const std::u16string& path);
  void Close();
  [[nodiscard]] bool IsOpen() const;
  [[nodiscard]] std::uint64_t Size() const;
  // Reads up to buffer.size() bytes at offset; returns the number of bytes read.
  [[nodiscard]] std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer) const;

 private:
  struct TImpl;
  std::unique_ptr<TImpl> FImpl;
};

// A read-only view of a whole file. Move-only; unmaps and closes itself.
// A file of zero bytes cannot be mapped (as on Windows).
class TFileMapping {
 public:
  TFileMapping();
  ~TFileMapping();
  TFileMapping(TFileMapping&&) noexcept;
  TFileMapping& operator=(TFileMapping&&) noexcept;
  TFileMapping(const TFileMapping&) = delete;
  TFileMapping& operator=(const TFileMapping&) = delete;

  [[nodiscard]] bool Open(const std::u16string& path);
  void Close();
  [[nodiscard]] bool IsOpen() const { return FData != nullptr; }
  [[nodiscard]] const std::uint8_t* Data() const { return FData; }
  [[nodiscard]] std::uint64_t Size() const { return FSize; }

 private:
  struct TImpl;
  std::unique_ptr<TImpl> FImpl;
  const std::uint8_t* FData = nullptr;
  std::uint64_t FSize = 0;
};

// Reads a whole file; no value when it cannot be opened or read completely.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::u16string& path);

// Writes a file whole or not at all: the bytes go to a new file beside the target, which then
// replaces the target in one step. On failure the target is untouched and nothing is left behind.
class TAtomicFileWriter {
 public:
  TAtomicFileWriter();
  ~TAtomicFileWriter();  // discards an uncommitted file
  TAtomicFileWriter(const TAtomicFileWriter&) = delete;
  TAtomicFileWriter& operator=(const TAtomicFileWriter&) = delete;

  [[nodiscard]] bool Begin(const std::u16string& path);
  [[nodiscard]] bool Write(std::span<const std::uint8_t> bytes);
  [[nodiscard]] bool Commit();
  void Discard();

 private:
  struct TImpl;
  std::unique_ptr<TImpl> FImpl;
};

[[nodiscard]] bool WriteFileReplacing(const std::u16string& path, std::span<const std::uint8_t> bytes);

// ---- Custom dictionaries and path macros (ox3CustomDictionary, ox3Util) -----------------

// What a save compares to notice that another program changed a file since it was read: the
// last-write time (100 ns units), the size and the file's identity on its volume (inode or
// file index). Writing a file through TAtomicFileWriter always gives it a new identity.
struct TFileStamp {
  std::int64_t WriteTime = 0;
  std::uint64_t Size = 0;
  std::uint64_t Identity = 0;
  friend bool operator==(const TFileStamp&, const TFileStamp&) = default;
};
[[nodiscard]] std::optional<TFileStamp> FileStamp(const std::u16string& path);
// True when path is an existing file that must not be written: the read-only attribute on
// Windows; no write permission on POSIX (also for the superuser, by the mode bits).
[[nodiscard]] bool IsReadOnlyFile(const std::u16string& path);
// Creates a new file at path and removes it at once. False when something already exists at
// path (it is never opened) or the file cannot be created.
[[nodiscard]] bool ProbeCreateFile(const std::u16string& path);
[[nodiscard]] bool DirectoryExists(const std::u16string& path);
// Creates one folder (its parent must exist).
bool MakeDirectory(const std::u16string& path);
// Moves a file to the recycle bin (Windows shell, undo allowed; Confirm asks the user) or to
// the freedesktop.org trash of the user's data folder (POSIX; Confirm has no effect).
[[nodiscard]] bool MoveToTrash(const std::u16string& path, bool confirm);
// Full path of the module that contains the suite (the executable, or the library the suite
// is built into) and of the running program.
[[nodiscard]] std::u16string ModuleFileName();
[[nodiscard]] std::u16string ApplicationFileName();
// The logged-on user's account name; no value when it cannot be read.
[[nodiscard]] std::optional<std::u16string> UserName();
enum class TSpecialFolder { sfAppData, sfCommonDocuments, sfCommonAppData, sfMyDocuments };
// A folder of the shell (see ox3Util.h for what each gives on POSIX); no value when unknown.
[[nodiscard]] std::optional<std::u16string> SpecialFolder(TSpecialFolder folder);
// Expands environment variables written as %NAME%; unknown names stay as written. No value
// when the expansion fails.
[[nodiscard]] std::optional<std::u16string> ExpandEnvironment(std::u16string_view text);
// The fixed file version of a file's version resource: (most significant, least significant)
// 32-bit halves. No value when there is none (always on POSIX).
[[nodiscard]] std::optional<std::pair<std::uint32_t, std::uint32_t>> FileVersion(const std::u16string& path);
// Windows: the system's major version is above 5. POSIX counts as a current system (true).
[[nodiscard]] bool IsNewerWindows();
// The folder delimiter of the paths this platform makes ('\\' on Windows, '/' on POSIX).
extern const char16_t kPathDelimiter;
// True for a character that separates folders in a path: '\\' and '/' on Windows, '/' on
// POSIX. A drive's colon is not one ("C:\\" is a root, "C:" alone a drive).
[[nodiscard]] bool IsPathDelimiter(char16_t ch);
// The line break of the text files this platform writes ("\r\n" on Windows, "\n" on POSIX).
extern const std::u16string_view kLineBreak;

// ---- Spell component: dictionary folders and Office lists (ox3SpellBase) -----------------

// Names (without folder) of the files in Folder whose names end in "." followed by Extension
// (letters compared without regard to case), folders left out, sorted by name.
[[nodiscard]] std::vector<std::u16string> ListFilesWithExtension(const std::u16string& folder,
                                                                  std::u16string_view extension);
// Renames a file; false when the target exists already or the move fails.
[[nodiscard]] bool RenameFile(const std::u16string& from, const std::u16string& to);
// A string value of the registry (Windows), opened read-only; no value when the key or the
// value is missing or not a string. POSIX has no registry: always no value.
enum class TRegistryRoot { rrCurrentUser, rrLocalMachine };
// The decimal separator of the user's number format (the locale of the C library on POSIX).
[[nodiscard]] char16_t DecimalSeparator();
[[nodiscard]] std::optional<std::u16string> ReadRegistryString(TRegistryRoot root, const std::u16string& key,
                                                               const std::u16string& name);

// ---- Process ----------------------------------------------------------------------------

// The program's arguments as UTF-8 (on Windows taken from the wide command line, so that
// characters outside the ANSI code page survive).
[[nodiscard]] std::vector<std::string> CommandLineUtf8(int argc, char** argv);
// Standard input and output carry bytes unchanged (no CR LF translation on Windows).
void SetBinaryStdio();

// ---- Configuration stores (ox3Configuration) --------------------------------------------

// String values by section and key: an INI file, or a registry key whose subkeys are the
// sections. A store opened for writing collects its writes and makes them permanent in
// Commit; a file store replaces its file whole then, so a save that fails half-way leaves the
// file as it was and nothing beside it. Destroying a store without Commit drops its writes.
class TConfigStore {
 public:
  TConfigStore() = default;
  virtual ~TConfigStore() = default;
  TConfigStore(const TConfigStore&) = delete;
  TConfigStore& operator=(const TConfigStore&) = delete;

  // The value of Key in Section, or Default when there is none.
  [[nodiscard]] virtual std::u16string ReadString(const std::u16string& Section, const std::u16string& Key,
                                                  const std::u16string& Default) = 0;
  // False when the value could not be written; the store then refuses every later write
  // and its Commit fails.
  [[nodiscard]] virtual bool WriteString(const std::u16string& Section, const std::u16string& Key,
                                         const std::u16string& Value) = 0;
  [[nodiscard]] virtual bool Commit() = 0;
};

// An INI file (sections in brackets, key=value lines). Windows: the system's INI functions on
// a copy beside the file, which then replaces it; a file made here starts as UTF-16 LE with a
// byte-order mark so that those functions keep it Unicode. POSIX: TIniFile (platform/
// ox3IniFile.h). Never null; a store for writing whose file exists but cannot be read fails
// its writes rather than replace the file.
[[nodiscard]] std::unique_ptr<TConfigStore> OpenIniFileStore(const std::u16string& path, bool forWriting);
// HKEY_CURRENT_USER\keyPath, one subkey per section (Windows). POSIX keeps the same values in
// the INI file RegistryStandInFile(keyPath). Never null.
[[nodiscard]] std::unique_ptr<TConfigStore> OpenRegistryStore(const std::u16string& keyPath, bool forWriting);
// POSIX: the file that stands in for HKEY_CURRENT_USER\keyPath; Windows: empty.
[[nodiscard]] std::u16string RegistryStandInFile(const std::u16string& keyPath);

// ---- Application message loop and user prompts (framework/ox3Application) ---------------

// True where the GUI thread has a message queue (Windows); POSIX has none, so a wait for a
// message there would never end.
[[nodiscard]] bool HasMessageQueue();
// Takes one message of the GUI thread's queue and dispatches it; false when the queue was
// empty. Quit is set (and nothing dispatched) when the message was the quit message. POSIX has
// no message queue: always false.
[[nodiscard]] bool DispatchOneMessage(bool& Quit);
// Blocks until the GUI thread's queue has a message (POSIX: returns at once).
void WaitForMessage();
// Shows the wait (hourglass) cursor, or the arrow again (POSIX: nothing).
void ShowWaitCursor(bool On);
// A message box owned by the active window; Flags and the result are the Win32 MB_ / ID
// values. POSIX: the caption and text go to standard error and the default button is answered.
[[nodiscard]] int ShowMessageBox(const std::u16string& Text, const std::u16string& Caption, std::uint32_t Flags);
// Opens HelpFile at a help context; false when no help could be shown (always on POSIX).
bool ShowHelpContext(const std::u16string& HelpFile, std::uint32_t Context);

}  // namespace lexoro::platform
