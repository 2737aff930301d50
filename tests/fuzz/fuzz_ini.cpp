// INI reader and writer: a file of any content is read, values are written into it, and the
// written file is read again. Nothing may crash, and every value written must read back as
// it was (line breaks and NUL characters become spaces) while the keys around it keep theirs.
//
// Input: the first byte gives the length (up to 63) of a UTF-8 value, which follows; the rest
// is the file.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <algorithm>
#include <string>
#include <string_view>

#include "lexoro/platform/ox3IniFile.h"
#include "lexoro/platform/ox3Text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using lexoro::platform::TIniFile;
  if (size == 0) return 0;
  const std::size_t valueLength = std::min<std::size_t>(data[0] & 0x3F, size - 1);
  const std::u16string value =
      lexoro::text::Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(data + 1), valueLength));
  const std::span<const std::uint8_t> file(data + 1 + valueLength, size - 1 - valueLength);

  TIniFile ini;
  ini.LoadFromBytes(file);
  (void)ini.Value(u"tester", u"_FirstRun");
  const auto before = ini.Value(u"Other", u"key");
  ini.WriteString(u"tester", u"_Main_0", value);
  ini.WriteString(u"tester", u"_QuoteChars", u" > ");
  ini.WriteString(value, u"k", u"v");

  TIniFile again;
  again.LoadFromBytes(ini.SaveToBytes());
  if (again.Value(u"tester", u"_Main_0") != TIniFile::CleanName(value)) std::abort();
  if (again.Value(u"tester", u"_QuoteChars") != u" > ") std::abort();
  if (again.Value(u"Other", u"key") != before) std::abort();
  return 0;
}
