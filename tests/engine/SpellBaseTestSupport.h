// Small dictionaries in a scratch folder and spell components set up on them.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "lexoro/engine/ox3Configuration.h"
#include "lexoro/engine/ox3SpellBase.h"
#include "lexoro/platform/ox3Platform.h"
#include "tests/support/TestSupport.h"
#include "tools/CustomDictionaryCompiler.h"
#include "tools/DictionaryCompiler.h"

namespace lexoro::test {

// Compiles a main dictionary of Words to Path.
inline void WriteMainDictionary(const std::u16string& Path, const std::vector<std::u16string>& Words,
                                std::int32_t Language = 1033, const std::u16string& Title = u"") {
  tools::TDictionaryCompileOptions options;
  options.Language = Language;
  options.Title = Title;
  auto result = tools::CompileMainDictionary(Words, options);
  ASSERT_TRUE(result.Ok) << result.Error;
  ASSERT_TRUE(platform::WriteFileReplacing(Path, result.Bytes));
}

// Compiles a custom dictionary from its source lines ("word", "word<TAB>replacement", "!word").
inline void WriteCustomDictionary(const std::u16string& Path, const std::string& Source) {
  auto entries = tools::ReadCustomEntries(Source);
  ASSERT_TRUE(entries.Ok) << entries.Error;
  auto result = tools::CompileCustomDictionary(entries.Entries, 1, Path);
  ASSERT_TRUE(result.Ok) << result.Error;
}

// A component that keeps its configuration in memory, looks for dictionaries in Folder only,
// and learns nothing unless asked.
inline std::unique_ptr<TLexoroSpellBase> MakeSpell(const std::u16string& Folder, const TStringList& Main,
                                                   const TStringList& Custom, const std::u16string& Active) {
  auto spell = std::make_unique<TLexoroSpellBase>(nullptr);
  spell->SetConfigStorage(csNone);
  spell->SetConfigDictionaryDir(TStringList{Folder});
  spell->SetConfigDefaultMain(Main);
  spell->SetConfigDefaultCustom(Custom);
  spell->SetConfigDefaultActiveCustom(Active);
  spell->SetSuggestionsLearning(false);
  return spell;
}

inline std::vector<std::string> Items(const TStringList& List) {
  std::vector<std::string> out;
  for (const auto& s : List.Items()) out.push_back(U8(s));
  return out;
}

}  // namespace lexoro::test
