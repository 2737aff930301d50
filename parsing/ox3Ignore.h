// Ignore filters: keep text that is not prose out of the spelling check.
//
// A filter can act at four moments:
//   - SkipFromChar: while the parsing engine looks for the start of a word, with the character
//     under the cursor; it may swallow text (a whole HTML tag) and then reports true;
//   - SkipAfterWord: just after the engine has read a word, with the cursor after it; it may
//     drop the word and swallow what follows (the rest of an internet address);
//   - IsIgnoredWord: when a word was found in no dictionary; true makes it acceptable;
//   - IsIgnoredLine: a whole line, for live spelling.
//
// The built-in filters and what they override (everything else answers false):
//   THTMLIgnore           hooks   SkipFromChar skips markup; IsIgnoredWord: starts with "&"
//   TURLIgnore            hooks   SkipAfterWord skips addresses; IsIgnoredWord: starts with "www."
//   TQuotedLineIgnore     lines   IsIgnoredLine / IsIgnoredWord: the line starts with a quote char
//   TUppercaseWordIgnore          IsIgnoredWord: the word equals its upper-case form
//   TNumbersIgnore                IsIgnoredWord: the word holds a digit 0-9
//   TAbbreviationsIgnore          IsIgnoredWord: a dotted abbreviation ("e.g.", "U.S.A.")
//
// TIgnoreFilterSet holds the three filter lists of the spell component and its six runner
// operations. The component owns one set for its whole life and plugs it in like this:
//   - when it creates or receives a parsing engine: FIgnoreFilters.InstallHooks(*engine);
//   - UpdateIgnoreFilters: FIgnoreFilters.ClearIgnoreFilters(), then AddStandardIgnoreFilters
//     with the choices taken from the configured options and quote characters, then
//     OnAddCustomIgnore (the application calls AddIgnoreFilter from there);
//   - its AddIgnoreFilter / ClearIgnoreFilters / IgnoreFiltersAcceptWord /
//     IgnoreFiltersAcceptLine forward to the set unchanged.
// The set must outlive every engine it is installed in, or the hooks must be reset first.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "lexoro/parsing/ox3ParserBase.h"

namespace lexoro {

class TParsingEngine;

class TParserIgnore {
 public:
  virtual ~TParserIgnore() = default;

  // True puts the filter in the hook list (asked by the engine's two hooks).
  virtual bool WantsParserHooks() = 0;
  // True puts the filter in the line list (asked by the line test).
  virtual bool WantsLines() = 0;
  // Ch is under the cursor while a word start is sought; true means the filter has moved the
  // parser past text to ignore.
  virtual bool SkipFromChar(char16_t Ch, TControlParser* Parser) = 0;
  // Word was just read and the cursor stands after it; true drops Word (the filter may have
  // moved the parser further).
  virtual bool SkipAfterWord(const std::u16string& Word, TControlParser* Parser) = 0;
  // True makes Word acceptable without a dictionary. Parser may be null (no check running).
  virtual bool IsIgnoredWord(const std::u16string& Word, TControlParser* Parser) = 0;
  // True exempts the whole line.
  virtual bool IsIgnoredLine(const std::u16string& Line) = 0;
};

// Answers false to everything; filters override what they need.
class TParserIgnoreBase : public TParserIgnore {
 public:
  bool WantsParserHooks() override { return false; }
  bool WantsLines() override { return false; }
  bool SkipFromChar(char16_t Ch, TControlParser* Parser) override { return false; }
  bool SkipAfterWord(const std::u16string& Word, TControlParser* Parser) override { return false; }
  bool IsIgnoredWord(const std::u16string& Word, TControlParser* Parser) override { return false; }
  bool IsIgnoredLine(const std::u16string& Line) override { return false; }
};

// Markup: tags, comments and script blocks are skipped while a word start is sought, up to
// the closing ">" (or to the end of the text when it never comes); a "<" that is the last
// character before the end bound is left to the engine. Character references ("&nbsp") are
// acceptable words.
class THTMLIgnore : public TParserIgnoreBase {
 public:
  bool WantsParserHooks() override { return true; }
  bool SkipFromChar(char16_t Ch, TControlParser* Parser) override;
  bool IsIgnoredWord(const std::u16string& Word, TControlParser* Parser) override;
};

// Internet addresses: a scheme word before ":", the local part before "@", and a host name
// starting "www." before "/" or "\" are dropped together with the rest of the address.
class TURLIgnore : public TParserIgnoreBase {
 public:
  bool WantsParserHooks() override { return true; }
  bool SkipAfterWord(const std::u16string& Word, TControlParser* Parser) override;
  bool IsIgnoredWord(const std::u16string& Word, TControlParser* Parser) override;
};

// Quoted lines of e-mail: a line whose first character is one of the quote characters.
class TQuotedLineIgnore : public TParserIgnoreBase {
 public:
  explicit TQuotedLineIgnore(std::u16string QuoteChars = u">") : FQuoteChars(std::move(QuoteChars)) {}

  const std::u16string& QuoteChars() const { return FQuoteChars; }
  void SetQuoteChars(const std::u16string& Value) { FQuoteChars = Value; }

  bool WantsLines() override { return true; }
  // The line that holds the parser's cursor is quoted; false without a parser.
  bool IsIgnoredWord(const std::u16string& Word, TControlParser* Parser) override;
  bool IsIgnoredLine(const std::u16string& Line) override;

 private:
  std::u16string FQuoteChars;
};

// Words in capitals (and words without letters).
class TUppercaseWordIgnore : public TParserIgnoreBase {
 public:
  bool IsIgnoredWord(const std::u16string& Word, TControlParser* Parser) override;
};

// Words that hold a decimal digit.
class TNumbersIgnore : public TParserIgnoreBase {
 public:
  bool IsIgnoredWord(const std::u16string& Word, TControlParser* Parser) override;
};

// Dotted abbreviations: single characters separated by periods ("e.g.", "U.S.A.", "i.e").
class TAbbreviationsIgnore : public TParserIgnoreBase {
 public:
  bool IsIgnoredWord(const std::u16string& Word, TControlParser* Parser) override;
};

// Literal match through the parser: true when the text under the cursor starts with Text.
// A success leaves the cursor on the last character of Text; a failure leaves it where it was,
// except when the text ended in the middle of the match (the failed step is not undone).
[[nodiscard]] bool MatchLiteral(std::u16string_view Text, TControlParser* Parser);

// The filter lists of a spell component and the operations that run them.
class TIgnoreFilterSet {
 public:
  TIgnoreFilterSet() = default;
  TIgnoreFilterSet(const TIgnoreFilterSet&) = delete;
  TIgnoreFilterSet& operator=(const TIgnoreFilterSet&) = delete;

  // Takes ownership; a null filter is ignored. Appended to the hook list when it wants the
  // parser hooks, to the line list when it wants lines, and always to the owned list.
  void AddIgnoreFilter(std::unique_ptr<TParserIgnore> Filter);
  // Empties the three lists and frees the filters.
  void ClearIgnoreFilters();
  // The engine's character hook: the hook-list filters are asked SkipFromChar in list order;
  // the first that skipped text sets Handled. A filter that claims to have skipped text but
  // left the cursor where it was is not taken at its word (the engine would read the same
  // character forever): the next filter is asked instead.
  void RunCharacterHook(char16_t Ch, TControlParser* Parser, bool& Handled);
  // The engine's word hook: the hook-list filters are asked SkipAfterWord in list order; the
  // first true sets Reject.
  void RunWordHook(const std::u16string& Word, TControlParser* Parser, bool& Reject);
  // The owned-list filters are asked IsIgnoredWord in list order; the first true answers true.
  // Parser is the parser of the check in progress, or null.
  [[nodiscard]] bool IgnoreFiltersAcceptWord(const std::u16string& Word, TControlParser* Parser);
  // The line-list filters are asked IsIgnoredLine; the first true answers true.
  [[nodiscard]] bool IgnoreFiltersAcceptLine(const std::u16string& Line);

  // Sets the engine's character and word hooks to this set's runners.
  void InstallHooks(TParsingEngine& Engine);

  [[nodiscard]] std::size_t Count() const { return FOwned.size(); }
  [[nodiscard]] std::size_t HookCount() const { return FHooks.size(); }
  [[nodiscard]] std::size_t LineCount() const { return FLines.size(); }
  [[nodiscard]] TParserIgnore* Filter(std::size_t Index) const { return FOwned.at(Index).get(); }

 private:
  std::vector<TParserIgnore*> FHooks;
  std::vector<TParserIgnore*> FLines;
  std::vector<std::unique_ptr<TParserIgnore>> FOwned;
};

// Which built-in filters the configured options ask for (soInternet, soUpcase, soNumbers,
// soHTML, soQuoted, soAbbreviations) and the quote characters for the quoted-line filter.
struct TIgnoreFilterChoice {
  bool Internet = false;
  bool Upcase = false;
  bool Numbers = false;
  bool HTML = false;
  bool Quoted = false;
  bool Abbreviations = false;
  std::u16string QuoteChars = u">";
};

// Creates the chosen built-in filters in their fixed order (addresses, capitals, numbers,
// markup, quoted lines, abbreviations), which is the order in which they are then asked.
void AddStandardIgnoreFilters(TIgnoreFilterSet& Set, const TIgnoreFilterChoice& Choice);

}  // namespace lexoro
