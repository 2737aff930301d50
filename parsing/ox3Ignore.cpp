#include "lexoro/parsing/ox3Ignore.h"

#include <array>
#include <string_view>

#include "lexoro/parsing/ox3ParseEngine.h"
#include "lexoro/platform/ox3Platform.h"

namespace lexoro {

namespace {

// "www." at the start of a word, in any case. Casing maps one code unit to one, so only the
// first four need converting.
bool StartsWithWww(std::u16string_view word) {
  return word.size() >= 4 && platform::LowerCase(word.substr(0, 4)) == u"www.";
}

// Characters that end an internet address.
bool IsAddressDelimiter(char16_t ch) {
  switch (ch) {
    case u'\r': case u'\n': case u'\t': case u' ': case u'"': case u'(': case u')': case u'[':
    case u']': case u'{': case u'}': case u',': case u'<': case u'>': case u'\'':
      return true;
    default:
      return false;
  }
}

bool IsSchemeWord(std::u16string_view lower) {
  static constexpr std::array<std::u16string_view, 9> kSchemes = {
      u"http", u"ftp", u"news", u"mailto", u"nntp", u"file", u"https", u"telnet", u"wais"};
  for (auto scheme : kSchemes)
    if (lower == scheme) return true;
  return false;
}

}  // namespace

bool MatchLiteral(std::u16string_view Text, TControlParser* Parser) {
  // Iterative form of "match the first character, step, match the rest, step back on failure":
  // every successful step is undone when a later character differs, a failed step is not.
  if (Text.empty() || !Parser) return false;
  std::size_t steps = 0;
  for (std::size_t i = 0;; ++i) {
    if (Parser->GetChar() != Text[i]) break;
    if (i + 1 == Text.size()) return true;
    if (!Parser->MoveNext()) break;
    ++steps;
  }
  while (steps-- > 0) Parser->MovePrevious();
  return false;
}

// ---- THTMLIgnore ----------------------------------------------------------------------------

bool THTMLIgnore::SkipFromChar(char16_t Ch, TControlParser* Parser) {
  if (Ch != u'<' || !Parser) return false;
  // A "<" on which the text (or the end bound) ends has nothing after it to skip. Answering
  // false, with the cursor back on the "<", lets the engine find the end itself, exactly as
  // without the filter; claiming a skip would have it read on past the end bound, or read
  // the same "<" again where a failed step does not move the cursor.
  std::int32_t x = 0, y = 0;
  Parser->GetPosition(x, y);
  if (!Parser->MoveNext()) {
    Parser->SetPosition(x, y, spCursor);
    return false;
  }
  const bool comment = MatchLiteral(u"!--", Parser);
  const char16_t opener = Parser->GetChar();
  const bool script = !comment && (opener == u'%' || opener == u'?');
  // Every pass moves the cursor one character on or ends the loop, so the walk is bounded by
  // the text. The cursor is left on the closing ">", which the engine skips as a non-word
  // character.
  char16_t passed = 0;
  for (;;) {
    if (comment) {
      if (MatchLiteral(u"-->", Parser)) break;
    } else {
      const char16_t ch = Parser->GetChar();
      if (ch == u'>' && (!script || passed == opener)) break;
    }
    passed = Parser->GetChar();
    if (!Parser->MoveNext()) break;
  }
  return true;
}

bool THTMLIgnore::IsIgnoredWord(const std::u16string& Word, TControlParser* Parser) {
  return !Word.empty() && Word.front() == u'&';
}

// ---- TURLIgnore -----------------------------------------------------------------------------

bool TURLIgnore::SkipAfterWord(const std::u16string& Word, TControlParser* Parser) {
  if (!Parser) return false;
  const char16_t ch = Parser->GetChar();
  bool result = false;
  if (ch == u':' && IsSchemeWord(platform::LowerCase(Word))) result = true;
  if (ch == u'@') result = true;  // the local part of an e-mail address
  if ((ch == u'\\' || ch == u'/') && StartsWithWww(Word)) result = true;
  if (result) {
    while (!IsAddressDelimiter(Parser->GetChar()))
      if (!Parser->MoveNext()) break;
  }
  return result;
}

bool TURLIgnore::IsIgnoredWord(const std::u16string& Word, TControlParser* Parser) {
  // A bare host name, read as one word through its inner periods.
  return StartsWithWww(Word);
}

// ---- TQuotedLineIgnore ----------------------------------------------------------------------

bool TQuotedLineIgnore::IsIgnoredWord(const std::u16string& Word, TControlParser* Parser) {
  if (!Parser) return false;
  std::u16string line;
  Parser->GetLine(line);
  return IsIgnoredLine(line);
}

bool TQuotedLineIgnore::IsIgnoredLine(const std::u16string& Line) {
  return !Line.empty() && FQuoteChars.find(Line.front()) != std::u16string::npos;
}

// ---- Word filters ---------------------------------------------------------------------------

bool TUppercaseWordIgnore::IsIgnoredWord(const std::u16string& Word, TControlParser* Parser) {
  return platform::UpperCase(Word) == Word;
}

bool TNumbersIgnore::IsIgnoredWord(const std::u16string& Word, TControlParser* Parser) {
  for (char16_t ch : Word)
    if (ch >= u'0' && ch <= u'9') return true;
  return false;
}

bool TAbbreviationsIgnore::IsIgnoredWord(const std::u16string& Word, TControlParser* Parser) {
  if (Word.find(u'.') == std::u16string::npos) return false;
  // Drop "x." pairs from the front; what is left of an abbreviation is at most "x." or "x".
  std::u16string_view rest = Word;
  while (rest.size() >= 3 && rest[1] == u'.') rest.remove_prefix(2);
  return rest.size() < 3;
}

// ---- TIgnoreFilterSet -----------------------------------------------------------------------

void TIgnoreFilterSet::AddIgnoreFilter(std::unique_ptr<TParserIgnore> Filter) {
  if (!Filter) return;
  TParserIgnore* filter = Filter.get();
  // Room first, so that a failed allocation leaves the lists as they were.
  FHooks.reserve(FHooks.size() + 1);
  FLines.reserve(FLines.size() + 1);
  FOwned.reserve(FOwned.size() + 1);
  if (filter->WantsParserHooks()) FHooks.push_back(filter);
  if (filter->WantsLines()) FLines.push_back(filter);
  FOwned.push_back(std::move(Filter));
}

void TIgnoreFilterSet::ClearIgnoreFilters() {
  FHooks.clear();
  FLines.clear();
  FOwned.clear();
}

void TIgnoreFilterSet::RunCharacterHook(char16_t Ch, TControlParser* Parser, bool& Handled) {
  Handled = false;
  if (FHooks.empty() || !Parser) return;
  std::int32_t startX = 0, startY = 0;
  Parser->GetPosition(startX, startY);
  for (TParserIgnore* filter : FHooks) {
    if (!filter->SkipFromChar(Ch, Parser)) continue;
    std::int32_t x = 0, y = 0;
    Parser->GetPosition(x, y);
    if (x != startX || y != startY) {
      Handled = true;
      return;
    }
  }
}

void TIgnoreFilterSet::RunWordHook(const std::u16string& Word, TControlParser* Parser, bool& Reject) {
  Reject = false;
  for (TParserIgnore* filter : FHooks) {
    if (filter->SkipAfterWord(Word, Parser)) {
      Reject = true;
      return;
    }
  }
}

bool TIgnoreFilterSet::IgnoreFiltersAcceptWord(const std::u16string& Word, TControlParser* Parser) {
  for (const auto& filter : FOwned)
    if (filter->IsIgnoredWord(Word, Parser)) return true;
  return false;
}

bool TIgnoreFilterSet::IgnoreFiltersAcceptLine(const std::u16string& Line) {
  for (TParserIgnore* filter : FLines)
    if (filter->IsIgnoredLine(Line)) return true;
  return false;
}

void TIgnoreFilterSet::InstallHooks(TParsingEngine& Engine) {
  Engine.SetCharacterHook(
      [this](char16_t Ch, TControlParser* Parser, bool& Handled) { RunCharacterHook(Ch, Parser, Handled); });
  Engine.SetWordHook(
      [this](const std::u16string& Word, TControlParser* Parser, bool& Reject) { RunWordHook(Word, Parser, Reject); });
}

void AddStandardIgnoreFilters(TIgnoreFilterSet& Set, const TIgnoreFilterChoice& Choice) {
  if (Choice.Internet) Set.AddIgnoreFilter(std::make_unique<TURLIgnore>());
  if (Choice.Upcase) Set.AddIgnoreFilter(std::make_unique<TUppercaseWordIgnore>());
  if (Choice.Numbers) Set.AddIgnoreFilter(std::make_unique<TNumbersIgnore>());
  if (Choice.HTML) Set.AddIgnoreFilter(std::make_unique<THTMLIgnore>());
  if (Choice.Quoted) Set.AddIgnoreFilter(std::make_unique<TQuotedLineIgnore>(Choice.QuoteChars));
  if (Choice.Abbreviations) Set.AddIgnoreFilter(std::make_unique<TAbbreviationsIgnore>());
}

}  // namespace lexoro
