// A main dictionary of every word of the benchmarks' prose, written to a folder of the temp
// area, so that a check of the prose stops at nothing but the words a benchmark plants.
#pragma once

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "bench/ProseText.h"
#include "lexoro/engine/ox3SpellBase.h"
#include "lexoro/parsing/ox3ParseEngine.h"
#include "lexoro/parsing/ox3StringParser.h"
#include "lexoro/platform/ox3Platform.h"
#include "lexoro/platform/ox3Text.h"
#include "tools/DictionaryCompiler.h"

namespace lexoro::bench {

// Writes Folder\Bench.oxm (Folder under the temp area, named Name) and returns the folder;
// empty when it cannot be written.
inline std::u16string WriteProseDictionary(const std::string& Name) {
  std::set<std::u16string> vocabulary;
  std::u16string all;
  for (const char16_t* line : kProse) (all += line) += u"\r\n";
  TStringParser parser;
  parser.Initialize(all);
  TMainParsingEngine engine;
  engine.PositionParser(&parser, ckEntireText);
  std::u16string word;
  for (engine.GetNextWord(&parser, word); !word.empty(); engine.GetNextWord(&parser, word)) vocabulary.insert(word);

  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::u16string dir = text::Utf8ToUtf16(std::string(temp) + Name);
  CreateDirectoryW(reinterpret_cast<const wchar_t*>(dir.c_str()), nullptr);
  tools::TDictionaryCompileOptions options;
  options.Language = 1033;
  auto compiled = tools::CompileMainDictionary(std::vector<std::u16string>(vocabulary.begin(), vocabulary.end()), options);
  if (!compiled.Ok || !platform::WriteFileReplacing(dir + u"\\Bench.oxm", compiled.Bytes)) return {};
  return dir;
}

// Sets Spell up on Folder's Bench.oxm alone, its configuration in memory, the dictionaries kept
// open between checks.
inline void UseProseDictionary(TLexoroSpellBase& Spell, const std::u16string& Folder) {
  Spell.SetConfigStorage(csNone);
  Spell.SetConfigDictionaryDir(TStringList{Folder});
  Spell.SetConfigDefaultMain(TStringList{u"Bench.oxm"});
  Spell.SetConfigDefaultCustom(TStringList{});
  Spell.SetConfigDefaultActiveCustom(u"");
  Spell.SetSuggestionsLearning(false);
  Spell.SetKeepDictionariesActive(true);
}

}  // namespace lexoro::bench
