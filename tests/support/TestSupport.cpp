#include "tests/support/TestSupport.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "lexoro/platform/ox3Text.h"

namespace lexoro::test {

namespace fs = std::filesystem;

namespace {
fs::path FsPath(const std::string& utf8) { return fs::path(text::Utf8ToUtf16(utf8)); }
}  // namespace

TScratchDir::TScratchDir() {
  static std::atomic<unsigned> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  FRoot = std::string(LEXORO_TEST_SCRATCH) + "/t" + std::to_string(stamp) + "-" + std::to_string(counter++);
  fs::create_directories(FsPath(FRoot));
}

TScratchDir::~TScratchDir() {
  std::error_code ignored;
  fs::remove_all(FsPath(FRoot), ignored);
}

std::string TScratchDir::Path(const std::string& name) const { return FRoot + "/" + name; }

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(FsPath(path), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

void WriteText(const std::string& path, const std::string& text) {
  WriteBytes(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(FsPath(path), std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string BuildDir() { return LEXORO_BUILD_DIR; }
std::string TestDataDir() { return LEXORO_TEST_DATA; }
std::string HostPath(const std::string& unixPath) { return LEXORO_HOST_ROOT + unixPath; }

}  // namespace lexoro::test
