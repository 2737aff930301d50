#include "tools/CustomDictionaryCompiler.h"

#include "lexoro/platform/ox3Platform.h"
#include "lexoro/platform/ox3Text.h"
#include "tools/ToolCommon.h"

namespace lexoro::tools {

namespace {

std::u16string Trim(std::u16string_view s) {
  const auto blank = [](char16_t c) { return c == u' ' || c == u'\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return std::u16string(s);
}

std::string LineError(std::size_t line, const std::string& message) {
  return "line " + std::to_string(line) + ": " + message;
}

}  // namespace

char KindLetter(TEntryKind Kind) { return static_cast<char>(Kind); }

TCustomListResult ReadCustomEntries(const std::string& Utf8) {
  TCustomListResult result;
  std::string_view bytes(Utf8);
  text::SkipUtf8ByteOrderMark(bytes);
  const std::vector<std::string> lines = SplitLines(std::string(bytes));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::u16string line = text::Utf8ToUtf16(lines[i]);
    const std::u16string trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == u'#') continue;
    TCustomEntry entry;
    entry.Line = i + 1;
    if (trimmed.front() == u'!') {
      entry.Kind = TEntryKind::ekExcluded;
      entry.Word = Trim(std::u16string_view(trimmed).substr(1));
    } else if (const auto tab = line.find(u'\t', line.find_first_not_of(u" \t")); tab != std::u16string::npos) {
      entry.Kind = TEntryKind::ekAutoCorrect;
      entry.Word = Trim(std::u16string_view(line).substr(0, tab));
      entry.Replacement = Trim(std::u16string_view(line).substr(tab + 1));
      if (entry.Replacement.empty()) {
        result.Error = LineError(entry.Line, "auto-correct pair without a replacement");
        return result;
      }
    } else {
      entry.Word = trimmed;
    }
    if (entry.Word.empty()) {
      result.Error = LineError(entry.Line, "empty word");
      return result;
    }
    result.Entries.push_back(std::move(entry));
  }
  result.Ok = true;
  return result;
}

TCustomCompileResult CompileCustomDictionary(const std::vector<TCustomEntry>& Entries, int MinorVersion,
                                             const std::u16string& Path) {
  TCustomCompileResult result;
  const unsigned codePage = MinorVersion == 0 ? platform::kCodePageAnsi : platform::kCodePageUtf8;
  TCustomDictionary dictionary;
  dictionary.SetCodePage(codePage);
  for (const auto& entry : Entries) {
    for (const auto* text : {&entry.Word, &entry.Replacement}) {
      bool lossy = false;
      if (codePage == platform::kCodePageAnsi && !platform::WideToMultiByte(codePage, *text, &lossy)) lossy = true;
      if (lossy) {
        result.Error = LineError(entry.Line, "\"" + text::Utf16ToUtf8(*text) + "\" has characters the 4.0 format cannot hold");
        return result;
      }
    }
    if (entry.Word.size() + entry.Replacement.size() > TCustomDictionary::kMaxEntryLength) {
      result.Error = LineError(entry.Line, "entry longer than 500 characters");
      return result;
    }
    bool added = false;
    switch (entry.Kind) {
      case TEntryKind::ekAdded: added = dictionary.AddWord(entry.Word); break;
      case TEntryKind::ekExcluded: added = dictionary.AddExcluded(entry.Word); break;
      case TEntryKind::ekAutoCorrect: added = dictionary.AddAutoCorrect(entry.Word, entry.Replacement); break;
      case TEntryKind::ekAny: break;
    }
    if (!added) {
      result.Error = LineError(entry.Line, "\"" + text::Utf16ToUtf8(entry.Word) + "\" already has an entry");
      return result;
    }
  }
  if (platform::IsReadOnlyFile(Path)) {
    result.Error = "cannot write " + text::Utf16ToUtf8(Path) + " (read-only)";
    return result;
  }
  if (!platform::WriteFileReplacing(Path, dictionary.SaveToBytes())) {
    result.Error = "cannot write " + text::Utf16ToUtf8(Path);
    return result;
  }
  result.Ok = true;
  result.EntryCount = Entries.size();
  return result;
}

}  // namespace lexoro::tools
