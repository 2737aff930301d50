// A spell component set up from the command line, as a host application would set it up:
// the configuration in memory (or from an INI file), dictionary folders, and the main, custom
// and personal dictionaries to use. Shared by `lexoro check` and `lexoro pipe`.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "lexoro/engine/ox3SpellBase.h"
#include "tools/ToolCommon.h"

namespace lexoro::tools {

// The value options every spelling command takes.
[[nodiscard]] std::vector<std::string> SpellSessionValueOptions();

// Help text of those options.
extern const char kSpellSessionUsage[];

struct TSpellSessionResult {
  std::unique_ptr<TLexoroSpellBase> Spell;
  std::string Error;  // one line, for the user, when Spell is null
};

// Creates and configures the component; nothing is loaded yet (the first word does that).
[[nodiscard]] TSpellSessionResult CreateSpellSession(const TArguments& Arguments);
// CreateSpellSession, then --max, then the configuration and dictionaries loaded; an error
// when no main dictionary opens.
[[nodiscard]] TSpellSessionResult OpenSpellSession(const TArguments& Arguments);

// One word read from a text: its characters and where it starts (0-based UTF-16 index).
struct TTextWord {
  std::u16string Word;
  std::size_t Start = 0;
  // True when the component does not accept the word.
  bool Misspelled = false;
};

// Reads Text with the component's parsing engine and ignore filters and judges every word
// with WordAcceptable (and the filters' word test, given the parser).
[[nodiscard]] std::vector<TTextWord> CheckText(TLexoroSpellBase& Spell, const std::u16string& Text);

// Number of characters (code points) in Text[0, End).
[[nodiscard]] std::size_t CharacterCount(const std::u16string& Text, std::size_t End);

}  // namespace lexoro::tools
