// Shared by the fuzz targets of file readers: each input is written to one scratch file of
// the process (readers take paths, not buffers), whose name carries the format and an
// extension the reader expects.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace lexoro::fuzz {

// Writes the input to this process's scratch file for Format and returns its path.
inline std::filesystem::path WriteScratchInput(const std::string& Format, const std::string& Extension,
                                               const std::uint8_t* Data, std::size_t Size) {
  static int marker = 0;
  std::error_code ignored;
  const auto path = std::filesystem::temp_directory_path(ignored) /
                    ("lexoro-fuzz-" + Format + "-" +
                     std::to_string(reinterpret_cast<std::uintptr_t>(&marker) & 0xFFFFFF) + Extension);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(Data), static_cast<std::streamsize>(Size));
  return path;
}

}  // namespace lexoro::fuzz
