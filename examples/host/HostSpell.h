// What both variants of the host share: the text they check, and a spell component set up
// as a host without a stored configuration sets it up, counting the words it would prompt.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "lexoro/engine/ox3Configuration.h"
#include "lexoro/engine/ox3SpellBase.h"
#include "lexoro/platform/ox3Platform.h"
#include "lexoro/platform/ox3Text.h"

namespace host {

// The program's one argument (UTF-8, also where the Windows command line holds characters
// outside the ANSI code page); empty after a usage message when there is not exactly one.
inline std::string DictionaryArgument(int argc, char** argv) {
  const auto args = lexoro::platform::CommandLineUtf8(argc, argv);
  if (args.size() == 2 && !args[1].empty()) return args[1];
  std::fprintf(stderr, "usage: host MAIN-DICTIONARY.oxm\n");
  return std::string();
}

inline constexpr char16_t kText[] =
    u"The quick brown fox jumpd over teh lazy dog.\r\n"
    u"A speling checker finds every word that is wrong.";

// A component that uses the main dictionary at Path (and no custom dictionaries), counts each
// misspelled word in Count and lets the check go on past it; null when the dictionary cannot
// be opened.
inline std::unique_ptr<lexoro::TLexoroSpellBase> CountingSpell(const std::string& Path, int& Count) {
  auto spell = std::make_unique<lexoro::TLexoroSpellBase>(nullptr);
  spell->SetConfigStorage(lexoro::csNone);
  spell->SetConfigDefaultMain(lexoro::TStringList{lexoro::text::Utf8ToUtf16(Path)});
  spell->SetConfigDefaultCustom(lexoro::TStringList{});
  spell->SetConfigDefaultActiveCustom(u"");
  spell->SetSuggestionsLearning(false);
  // UIType is suiSilent: no dialog; the component asks the host about each word instead.
  lexoro::TLexoroSpellBase* component = spell.get();
  spell->OnPromptWord = [component, &Count](lexoro::TObject* Sender, const std::u16string& Word, bool Repeated) {
    ++Count;
    component->DialogIgnore();
  };
  // The configuration would load with the first word; loading it now tells whether the
  // dictionary opens.
  spell->Config().EnsureLoaded();
  if (spell->MainDictionaries().empty()) {
    std::fprintf(stderr, "host: cannot open %s\n", Path.c_str());
    return nullptr;
  }
  return spell;
}

}  // namespace host
