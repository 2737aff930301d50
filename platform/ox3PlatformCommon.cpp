// The parts of the platform seam that are built from its other operations, the same on every
// target.
#include "lexoro/platform/ox3Platform.h"

namespace lexoro::platform {

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::u16string& path) {
  TReadOnlyFile file;
  if (!file.Open(path)) return std::nullopt;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(file.Size()));
  if (file.ReadAt(0, bytes) != bytes.size()) return std::nullopt;
  return bytes;
}

bool WriteFileReplacing(const std::u16string& path, std::span<const std::uint8_t> bytes) {
  TAtomicFileWriter writer;
  return writer.Begin(path) && writer.Write(bytes) && writer.Commit();
}

}  // namespace lexoro::platform
