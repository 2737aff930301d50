// Helpers shared by the test programs: scratch folders, files, and UTF-8 shorthand.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "lexoro/platform/ox3Text.h"

namespace lexoro::test {

using text::U16;
inline std::string U8(std::u16string_view s) { return text::Utf16ToUtf8(s); }

// A fresh, empty folder under the build's scratch area, removed again by the destructor.
class TScratchDir {
 public:
  TScratchDir();
  ~TScratchDir();
  TScratchDir(const TScratchDir&) = delete;
  TScratchDir& operator=(const TScratchDir&) = delete;

  // Path of a file inside the folder (UTF-8 and UTF-16 forms).
  [[nodiscard]] std::string Path(const std::string& name) const;
  [[nodiscard]] std::u16string WPath(const std::string& name) const { return U16(Path(name)); }
  [[nodiscard]] const std::string& Root() const { return FRoot; }

 private:
  std::string FRoot;
};

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
void WriteText(const std::string& path, const std::string& text);
[[nodiscard]] std::vector<std::uint8_t> ReadBytes(const std::string& path);

// Runs `lexoro ARGS...` in-process with the given standard input (tests/support/ToolRun.cpp;
// test programs that call it link lexoro_test_tool).
struct TToolRun {
  int Code = 0;
  std::string Out;
  std::string Err;
};
[[nodiscard]] TToolRun RunLexoro(const std::vector<std::string>& args, const std::string& input = "");

// Where the build keeps its outputs (dictionaries), and the checked-in test data.
[[nodiscard]] std::string BuildDir();
[[nodiscard]] std::string TestDataDir();
// A path of the build machine as the program under test sees it (under Wine, / is drive Z:).
[[nodiscard]] std::string HostPath(const std::string& unixPath);

}  // namespace lexoro::test
