// Free functions the whole suite shares: the path macros of file-name settings, the word
// distance that orders suggestions, and a few file-system and system queries. None of them
// raises an error: a failed system call gives an empty value, false or the text unchanged.
//
// Path macros, each replaced at its first occurrence only (case-sensitive), in this order:
//
//   MACRO               WINDOWS                               POSIX
//   %ModuleName%        name of the module holding the suite, without folder and extension
//   %AppName%           name of the running program, without folder and extension
//   %UserName%          account name (GetUserNameW)           account name (passwd entry)
//                       "default" when it cannot be read or is empty
//   %ModuleDir%         folder of that module                 (same)
//   %AppDir%            folder of the running program         (same)
//   %AppData%           CSIDL_APPDATA                         $XDG_DATA_HOME (~/.local/share)
//   %CommonDocuments%   CSIDL_COMMON_DOCUMENTS                XDG_PUBLICSHARE_DIR (~/Public)
//   %CommonAppData%     CSIDL_COMMON_APPDATA                  first folder of $XDG_DATA_DIRS
//                                                             (/usr/local/share)
//   %MyDocuments%       CSIDL_PERSONAL                        XDG_DOCUMENTS_DIR (~/Documents)
//
// %AppData% and %CommonAppData% fall back to the program's folder when the system cannot
// name them; the two documents folders become empty. Folders never end with a delimiter.
// After the folder macros, environment variables written as %NAME% are expanded.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lexoro {

// ExpandNameMacros, then ExpandFolderMacros.
[[nodiscard]] std::u16string ExpandPathMacros(std::u16string_view Text);
[[nodiscard]] std::u16string ExpandNameMacros(std::u16string_view Text);
// The folder macros, then environment variables; when that expansion fails (or would pass
// 4096 characters) the text keeps its variables.
[[nodiscard]] std::u16string ExpandFolderMacros(std::u16string_view Text);
// Path with the platform's folder delimiter: configured paths are written with backslashes
// ("%AppDir%\Spell.cfg"), which POSIX folders take as slashes. Unchanged on Windows.
[[nodiscard]] std::u16string NativePath(std::u16string Path);

// The folder of Path without a trailing delimiter, keeping a root ("/", "C:\"); empty when Path
// names no folder.
[[nodiscard]] std::u16string FolderOfPath(std::u16string_view Path);

// Text with the first occurrence of Pattern (case-sensitive) replaced by Value; unchanged when
// Pattern does not occur or is empty.
[[nodiscard]] std::u16string ReplaceFirst(std::u16string_view Pattern, std::u16string_view Value, std::u16string_view Text);

// Edit distance used to score suggestions: unit costs for insertion, deletion and
// substitution, ASCII letters compared without case, and an adjacent swap at the same place in
// both words counted once. Words of 255 or more (A) or more than 254 (B) code units are not
// compared: the distance is then the longer length.
[[nodiscard]] int WordDistance(std::u16string_view A, std::u16string_view B);

// True when a new file can be created at Path; the probe leaves nothing behind and never
// opens (let alone removes) a file that is already there.
[[nodiscard]] bool CanCreateFile(const std::u16string& Path);
// Creates Path and every missing folder above it; true when Path is a folder afterwards.
bool ForceDirectories(const std::u16string& Path);
// Moves a file to the recycle bin (POSIX: the user's trash). Confirm lets the shell ask.
[[nodiscard]] bool DeleteToRecycleBin(const std::u16string& Path, bool Confirm);
// The fixed file version of Path's version resource, as (most significant, least
// significant) halves; false when it has none.
[[nodiscard]] bool GetFileVersion(const std::u16string& Path, std::uint32_t& MajorMinor, std::uint32_t& ReleaseBuild);
// The operating system's major version is above 5 (true on POSIX).
[[nodiscard]] bool IsNewerWindows();

}  // namespace lexoro
