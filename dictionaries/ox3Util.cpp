#include "lexoro/dictionaries/ox3Util.h"

#include <algorithm>
#include <array>
#include <functional>
#include <optional>

#include "lexoro/platform/ox3Platform.h"

namespace lexoro {

namespace {

// Longest text the environment expansion may produce.
constexpr std::size_t kMaxExpandedLength = 4096;

std::size_t LastDelimiter(std::u16string_view path) {
  for (std::size_t i = path.size(); i > 0; --i)
    if (platform::IsPathDelimiter(path[i - 1])) return i - 1;
  return std::u16string_view::npos;
}

}  // namespace

std::u16string FolderOfPath(std::u16string_view path) {
  const std::size_t at = LastDelimiter(path);
  if (at == std::u16string_view::npos) return std::u16string();
  std::size_t end = at;
  while (end > 0 && platform::IsPathDelimiter(path[end - 1])) --end;
  if (end == 0) return std::u16string(path.substr(0, 1));                      // "/"
  if (path[end - 1] == u':') return std::u16string(path.substr(0, end + 1));  // "C:\"
  return std::u16string(path.substr(0, end));
}

namespace {

// The file name of a path without folder and extension.
std::u16string BareName(std::u16string_view path) {
  const std::size_t at = LastDelimiter(path);
  std::u16string_view name = at == std::u16string_view::npos ? path : path.substr(at + 1);
  const std::size_t dot = name.rfind(u'.');
  if (dot != std::u16string_view::npos) name = name.substr(0, dot);
  return std::u16string(name);
}

// Replaces the first occurrence of Macro in Text with the value Compute gives, computing it
// only when the macro occurs.
void ExpandMacro(std::u16string& Text, std::u16string_view Macro, const std::function<std::u16string()>& Compute) {
  const std::size_t at = Text.find(Macro);
  if (at == std::u16string::npos) return;
  Text.replace(at, Macro.size(), Compute());
}

std::u16string FolderOrApplication(platform::TSpecialFolder Folder) {
  auto path = platform::SpecialFolder(Folder);
  if (path && !path->empty()) return *path;
  return FolderOfPath(platform::ApplicationFileName());
}

bool SameLetter(char16_t a, char16_t b) {
  if (a == b) return true;
  if (a >= u'a' && a <= u'z') a = static_cast<char16_t>(a - 32);
  if (b >= u'a' && b <= u'z') b = static_cast<char16_t>(b - 32);
  return a == b;
}

}  // namespace

std::u16string ExpandPathMacros(std::u16string_view Text) { return ExpandFolderMacros(ExpandNameMacros(Text)); }

std::u16string NativePath(std::u16string Path) {
  std::replace(Path.begin(), Path.end(), u'\\', platform::kPathDelimiter);
  return Path;
}

std::u16string ExpandNameMacros(std::u16string_view Text) {
  std::u16string result(Text);
  ExpandMacro(result, u"%ModuleName%", [] { return BareName(platform::ModuleFileName()); });
  ExpandMacro(result, u"%AppName%", [] { return BareName(platform::ApplicationFileName()); });
  ExpandMacro(result, u"%UserName%", [] {
    auto name = platform::UserName();
    if (name && name->size() > 256) name->resize(256);
    return name && !name->empty() ? *name : std::u16string(u"default");
  });
  return result;
}

std::u16string ExpandFolderMacros(std::u16string_view Text) {
  using platform::TSpecialFolder;
  std::u16string result(Text);
  ExpandMacro(result, u"%ModuleDir%", [] { return FolderOfPath(platform::ModuleFileName()); });
  ExpandMacro(result, u"%AppDir%", [] { return FolderOfPath(platform::ApplicationFileName()); });
  ExpandMacro(result, u"%AppData%", [] { return FolderOrApplication(TSpecialFolder::sfAppData); });
  ExpandMacro(result, u"%CommonDocuments%",
              [] { return platform::SpecialFolder(TSpecialFolder::sfCommonDocuments).value_or(std::u16string()); });
  ExpandMacro(result, u"%CommonAppData%", [] { return FolderOrApplication(TSpecialFolder::sfCommonAppData); });
  ExpandMacro(result, u"%MyDocuments%",
              [] { return platform::SpecialFolder(TSpecialFolder::sfMyDocuments).value_or(std::u16string()); });
  if (result.find(u'%') == std::u16string::npos) return result;
  auto expanded = platform::ExpandEnvironment(result);
  if (!expanded || expanded->size() >= kMaxExpandedLength) return result;
  return std::move(*expanded);
}

std::u16string ReplaceFirst(std::u16string_view Pattern, std::u16string_view Value, std::u16string_view Text) {
  std::u16string result(Text);
  if (Pattern.empty()) return result;
  const std::size_t at = result.find(Pattern);
  if (at != std::u16string::npos) result.replace(at, Pattern.size(), Value);
  return result;
}

int WordDistance(std::u16string_view A, std::u16string_view B) {
  const std::size_t la = A.size();
  const std::size_t lb = B.size();
  if (la >= 255 || lb > 254) return static_cast<int>(std::max(la, lb));

  // d[i][j]: distance between the first i units of A and the first j units of B. Every value
  // is at most 254 and fits the byte cells.
  static thread_local std::array<std::array<std::uint8_t, 256>, 256> d;
  for (std::size_t i = 0; i <= la; ++i) d[i][0] = static_cast<std::uint8_t>(i);
  for (std::size_t j = 0; j <= lb; ++j) d[0][j] = static_cast<std::uint8_t>(j);
  for (std::size_t i = 1; i <= la; ++i) {
    for (std::size_t j = 1; j <= lb; ++j) {
      const int cost = SameLetter(A[i - 1], B[j - 1]) ? 0 : 1;
      const int best = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
      d[i][j] = static_cast<std::uint8_t>(best);
    }
  }
  int distance = d[la][lb];

  // An adjacent swap at the same place in both words costs one edit, not two. Positions are
  // counted from 1: j compares A[j], A[j-1] with B[j-1], B[j].
  const std::size_t shorter = std::min(la, lb);
  for (std::size_t j = 2; j <= shorter; ++j) {
    const char16_t a1 = A[j - 2], a2 = A[j - 1];
    const char16_t b1 = B[j - 2], b2 = B[j - 1];
    if (a2 == b1 && a1 == b2 && a2 != a1 && distance > 0) {
      --distance;
      ++j;  // the next position overlaps this swap
    }
  }
  return distance;
}

bool CanCreateFile(const std::u16string& Path) { return !Path.empty() && platform::ProbeCreateFile(Path); }

bool ForceDirectories(const std::u16string& Path) {
  if (Path.empty()) return false;
  if (platform::DirectoryExists(Path)) return true;
  std::u16string path = Path;
  if (path.size() > 1 && platform::IsPathDelimiter(path.back())) path.pop_back();
  if (platform::DirectoryExists(path)) return true;
  if (path.size() >= 3 && path.find(platform::kPathDelimiter) != std::u16string::npos) {
    const std::u16string parent = FolderOfPath(path);
    if (!parent.empty() && parent != path) ForceDirectories(parent);
  }
  platform::MakeDirectory(path);
  return platform::DirectoryExists(path);
}

bool DeleteToRecycleBin(const std::u16string& Path, bool Confirm) {
  return !Path.empty() && platform::MoveToTrash(Path, Confirm);
}

bool GetFileVersion(const std::u16string& Path, std::uint32_t& MajorMinor, std::uint32_t& ReleaseBuild) {
  auto version = platform::FileVersion(Path);
  if (!version) return false;
  MajorMinor = version->first;
  ReleaseBuild = version->second;
  return true;
}

bool IsNewerWindows() { return platform::IsNewerWindows(); }

}  // namespace lexoro
