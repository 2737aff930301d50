// The ignore filters, run the way a check runs them: a string parser, the main parsing engine
// with the filter set's runners as its hooks, and the word and line tests.
#include "lexoro/parsing/ox3Ignore.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "lexoro/parsing/ox3ParseEngine.h"
#include "lexoro/parsing/ox3StringParser.h"
#include "tests/support/TestSupport.h"

namespace lexoro {
namespace {

using test::U16;
using test::U8;

TIgnoreFilterChoice AllFilters() {
  TIgnoreFilterChoice c;
  c.Internet = c.Upcase = c.Numbers = c.HTML = c.Quoted = c.Abbreviations = true;
  return c;
}

TIgnoreFilterChoice Only(bool TIgnoreFilterChoice::*flag) {
  TIgnoreFilterChoice c;
  c.*flag = true;
  return c;
}

// A string parser that gives up after a fixed number of reads, so that a filter that stops
// moving the cursor fails the test instead of hanging it.
class TBoundedParser : public TStringParser {
 public:
  char16_t GetChar() override {
    if (++FReads > 100000) throw std::runtime_error("the parser was read without end");
    return TStringParser::GetChar();
  }

 private:
  long FReads = 0;
};

// Like an edit-control parser at the end of its last line: there is no step past the last
// character, and a failed step does not move.
class TStopsAtEndParser : public TBoundedParser {
 public:
  void Attach(std::u16string& text) {
    FText = &text;
    Initialize(text);
  }
  bool MoveNext() override {
    std::int32_t x = 0, y = 0;
    GetPosition(x, y);
    if (x >= static_cast<std::int32_t>(FText->size())) return false;
    return TBoundedParser::MoveNext();
  }

 private:
  std::u16string* FText = nullptr;
};

struct TCheck {
  TMainParsingEngine Engine;
  TIgnoreFilterSet Filters;
  TBoundedParser Parser;
  std::u16string Text;

  explicit TCheck(const TIgnoreFilterChoice& choice) {
    AddStandardIgnoreFilters(Filters, choice);
    Filters.InstallHooks(Engine);
  }

  // Every word the engine reads from text, as the check driver would see them.
  std::vector<std::string> Words(const std::string& text, TCheckMode mode = ckEntireText) {
    Text = U16(text);
    Parser.Initialize(Text);
    Engine.PositionParser(&Parser, mode);
    return ReadAll();
  }

  std::vector<std::string> ReadAll() {
    std::vector<std::string> words;
    for (std::u16string word;;) {
      Engine.GetNextWord(&Parser, word);
      if (word.empty()) break;
      words.push_back(U8(word));
    }
    return words;
  }

  bool Accepts(const std::string& word) { return Filters.IgnoreFiltersAcceptWord(U16(word), &Parser); }
};

using TWords = std::vector<std::string>;

// ---- Markup -----------------------------------------------------------------------------------

TEST(HTMLIgnore, SkipsTagsCommentsAndScriptBlocks) {
  TCheck check(Only(&TIgnoreFilterChoice::HTML));
  EXPECT_EQ(check.Words("<b>bold</b>"), TWords({"bold"}));
  EXPECT_EQ(check.Words("x<y>z"), TWords({"x", "z"}));
  EXPECT_EQ(check.Words("<a href=\"one two\">link</a> after"), TWords({"link", "after"}));
  // A ">" inside a comment does not end it.
  EXPECT_EQ(check.Words("<!-- a > b -->text"), TWords({"text"}));
  EXPECT_EQ(check.Words("<!---->x"), TWords({"x"}));
  EXPECT_EQ(check.Words("<!-- a -- b --->after"), TWords({"after"}));
  // Script blocks end at "%>" or "?>", not at a ">" inside them.
  EXPECT_EQ(check.Words("<% x > 1 %>after"), TWords({"after"}));
  EXPECT_EQ(check.Words("<?php if ($a > $b) ?>done"), TWords({"done"}));
  EXPECT_EQ(check.Words("<%>next"), TWords({"next"}));
}

TEST(HTMLIgnore, UnclosedMarkupRunsToTheEndOfTheText) {
  TCheck check(Only(&TIgnoreFilterChoice::HTML));
  EXPECT_EQ(check.Words("word <"), TWords({"word"}));
  EXPECT_EQ(check.Words("<"), TWords({}));
  EXPECT_EQ(check.Words("a<b c d"), TWords({"a"}));
  EXPECT_EQ(check.Words("one <!-- two > three"), TWords({"one"}));
  EXPECT_EQ(check.Words("one <!-- two -"), TWords({"one"}));
  EXPECT_EQ(check.Words("one <% two > three"), TWords({"one"}));
}

TEST(HTMLIgnore, CharacterReferencesAreAcceptedWords) {
  TCheck check(Only(&TIgnoreFilterChoice::HTML));
  EXPECT_EQ(check.Words("a&nbsp;b"), TWords({"a", "&nbsp", "b"}));
  EXPECT_TRUE(check.Accepts("&nbsp"));
  EXPECT_TRUE(check.Accepts("&"));
  EXPECT_FALSE(check.Accepts("nbsp"));
  EXPECT_FALSE(check.Accepts(""));
}

TEST(HTMLIgnore, MarkupAtTheEndBoundEndsTheCheck) {
  TCheck check(Only(&TIgnoreFilterChoice::HTML));
  check.Text = u"<b>one</b> two three";
  check.Parser.Initialize(check.Text);
  check.Parser.SetPosition(15, 0, spEndBound);  // the space after "two"
  EXPECT_EQ(check.ReadAll(), TWords({"one", "two"}));

  // The bound falls on a "<": nothing after it is read, not even when the engine keeps a
  // word cut off by the bound (as it does for the word at the caret).
  check.Engine.SetKeepTruncatedLastWord(true);
  check.Text = u"one <i>two";
  check.Parser.Initialize(check.Text);
  check.Parser.SetPosition(5, 0, spEndBound);
  EXPECT_EQ(check.ReadAll(), TWords({"one"}));
  // Asked on its own, the filter declines and leaves the cursor on the "<".
  THTMLIgnore html;
  check.Parser.SetPosition(5, 0, spCursor);
  EXPECT_FALSE(html.SkipFromChar(u'<', &check.Parser));
  std::int32_t x = 0, y = 0;
  check.Parser.GetPosition(x, y);
  EXPECT_EQ(x, 5);
}

TEST(MatchLiteral, LeavesTheCursorOnTheLastCharacterOrWhereItWas) {
  std::u16string text = u"<!-x <!--y";
  TStringParser parser;
  parser.Initialize(text);
  std::int32_t x = 0, y = 0;

  parser.SetPosition(2, 0, spCursor);
  EXPECT_FALSE(MatchLiteral(u"!--", &parser));
  parser.GetPosition(x, y);
  EXPECT_EQ(x, 2);

  parser.SetPosition(7, 0, spCursor);
  EXPECT_TRUE(MatchLiteral(u"!--", &parser));
  parser.GetPosition(x, y);
  EXPECT_EQ(x, 9);
  EXPECT_TRUE(MatchLiteral(u"-", &parser));
  parser.GetPosition(x, y);
  EXPECT_EQ(x, 9);

  // The text ends inside the match: the failed step is not taken back.
  parser.SetPosition(10, 0, spEndBound);
  parser.SetPosition(10, 0, spCursor);
  EXPECT_FALSE(MatchLiteral(u"yz", &parser));
  parser.GetPosition(x, y);
  EXPECT_EQ(x, 11);
}

// ---- Internet addresses ---------------------------------------------------------------------

TEST(URLIgnore, DropsTheSchemeWordAndSkipsTheAddress) {
  TCheck check(Only(&TIgnoreFilterChoice::Internet));
  EXPECT_EQ(check.Words("see http://example.com/a?b=c.d, then"), TWords({"see", "then"}));
  EXPECT_EQ(check.Words("MailTo:someone@example.org now"), TWords({"now"}));
  for (const char* scheme : {"http", "ftp", "news", "mailto", "nntp", "file", "https", "telnet", "wais"})
    EXPECT_EQ(check.Words(std::string("a ") + scheme + ":x.y/z b"), TWords({"a", "b"})) << scheme;
  // Any other word before a colon is prose.
  EXPECT_EQ(check.Words("ratio: high"), TWords({"ratio", "high"}));
  EXPECT_EQ(check.Words("go http:"), TWords({"go"}));
}

TEST(URLIgnore, DropsTheLocalPartOfAnEmailAddress) {
  TCheck check(Only(&TIgnoreFilterChoice::Internet));
  EXPECT_EQ(check.Words("write to john.doe@mail.example.com today"), TWords({"write", "to", "today"}));
  EXPECT_EQ(check.Words("a@b"), TWords({}));
}

TEST(URLIgnore, HostNames) {
  TCheck check(Only(&TIgnoreFilterChoice::Internet));
  // Followed by a space: read as a word, which the word test accepts.
  EXPECT_EQ(check.Words("visit www.example.com soon"), TWords({"visit", "www.example.com", "soon"}));
  EXPECT_TRUE(check.Accepts("www.example.com"));
  EXPECT_TRUE(check.Accepts("WWW.Example.com"));
  EXPECT_FALSE(check.Accepts("www"));
  EXPECT_FALSE(check.Accepts("example.com"));
  // Followed by a path: dropped with the rest of the address.
  EXPECT_EQ(check.Words("visit www.example.com/a/b.html soon"), TWords({"visit", "soon"}));
  EXPECT_EQ(check.Words("visit WWW.example.com\\share soon"), TWords({"visit", "soon"}));
  EXPECT_EQ(check.Words("see example.com/path"), TWords({"see", "example.com", "path"}));
}

TEST(URLIgnore, TheAddressEndsAtEachDelimiterAndNowhereElse) {
  TCheck check(Only(&TIgnoreFilterChoice::Internet));
  for (char16_t delimiter : std::u16string(u"\r\n\t \"()[]{},<>'")) {
    std::u16string text = u"http://a.b/c";
    text += delimiter;
    text += u"next";
    EXPECT_EQ(check.Words(U8(text)), TWords({"next"})) << "delimiter " << int(delimiter);
  }
  EXPECT_EQ(check.Words("http://a.b/c;d!e.f?g=h#i more"), TWords({"more"}));
}

// ---- Quoted lines ---------------------------------------------------------------------------

TEST(QuotedLineIgnore, AcceptsEveryWordOfAQuotedLine) {
  TCheck check(Only(&TIgnoreFilterChoice::Quoted));
  const TWords words = check.Words("> quoted speling here");
  EXPECT_EQ(words, TWords({"quoted", "speling", "here"}));
  for (const auto& word : words) EXPECT_TRUE(check.Accepts(word)) << word;
  // No check running: there is no line to look at.
  EXPECT_FALSE(check.Filters.IgnoreFiltersAcceptWord(u"speling", nullptr));

  check.Words("plain > text");
  EXPECT_FALSE(check.Accepts("text"));
}

TEST(QuotedLineIgnore, LineTest) {
  TIgnoreFilterChoice choice = Only(&TIgnoreFilterChoice::Quoted);
  choice.QuoteChars = u"|:";
  TIgnoreFilterSet set;
  AddStandardIgnoreFilters(set, choice);
  EXPECT_TRUE(set.IgnoreFiltersAcceptLine(u"| quoted"));
  EXPECT_TRUE(set.IgnoreFiltersAcceptLine(u":"));
  EXPECT_FALSE(set.IgnoreFiltersAcceptLine(u"> not with these quote characters"));
  EXPECT_FALSE(set.IgnoreFiltersAcceptLine(u" | indented"));
  EXPECT_FALSE(set.IgnoreFiltersAcceptLine(u""));

  TQuotedLineIgnore none(u"");
  EXPECT_FALSE(none.IsIgnoredLine(u"> x"));
}

// ---- Word filters ---------------------------------------------------------------------------

TEST(WordFilters, Capitals) {
  TCheck check(Only(&TIgnoreFilterChoice::Upcase));
  EXPECT_TRUE(check.Accepts("ABC"));
  EXPECT_FALSE(check.Accepts("AbC"));
  EXPECT_FALSE(check.Accepts("abc"));
  EXPECT_TRUE(check.Accepts("U.S.A."));
  EXPECT_TRUE(check.Accepts("1999"));  // no letters at all
  EXPECT_TRUE(check.Accepts("ÉTÉ"));
  EXPECT_FALSE(check.Accepts("ÉtÉ"));
  EXPECT_TRUE(check.Accepts("ДОМ"));
  EXPECT_FALSE(check.Accepts("Дом"));
}

TEST(WordFilters, Numbers) {
  TCheck check(Only(&TIgnoreFilterChoice::Numbers));
  EXPECT_TRUE(check.Accepts("win95"));
  EXPECT_TRUE(check.Accepts("0"));
  EXPECT_TRUE(check.Accepts("9th"));
  EXPECT_FALSE(check.Accepts("win"));
  EXPECT_FALSE(check.Accepts("x²"));      // superscripts are not decimal digits
  EXPECT_FALSE(check.Accepts("\xD9\xA3"));  // nor are Arabic-Indic ones
  EXPECT_EQ(check.Words("win95 and Win 3.11"), TWords({"win95", "and", "Win", "3.11"}));
}

TEST(WordFilters, Abbreviations) {
  TCheck check(Only(&TIgnoreFilterChoice::Abbreviations));
  for (const char* word : {"e.g.", "U.S.A.", "i.e", "a.b.c", "a.", "x.y"}) EXPECT_TRUE(check.Accepts(word)) << word;
  for (const char* word : {"etc.", "Mr.", "ab.cd", "abc", "a.bcd", "a.bc."}) EXPECT_FALSE(check.Accepts(word)) << word;
  // As the engine reads them.
  EXPECT_EQ(check.Words("e.g. this"), TWords({"e.g.", "this"}));
  EXPECT_TRUE(check.Accepts("e.g."));
  EXPECT_EQ(check.Words("the U.S.A. today"), TWords({"the", "U.S.A.", "today"}));
}

// ---- All filters at once --------------------------------------------------------------------

TEST(AllFilters, AMessageWithMarkupAddressesAndQuotes) {
  TCheck check(AllFilters());
  EXPECT_EQ(check.Words("<p>Mail bob@example.com or see http://x.y/z, e.g. <b>NASA</b> won 3 times</p>"),
            TWords({"Mail", "or", "see", "e.g.", "NASA", "won", "3", "times"}));
  EXPECT_TRUE(check.Accepts("NASA"));
  EXPECT_TRUE(check.Accepts("3"));
  EXPECT_TRUE(check.Accepts("e.g."));
  EXPECT_FALSE(check.Accepts("times"));
}

TEST(AllFilters, CheckModes) {
  TCheck check(AllFilters());
  // A string has no selection: a check of the selection reads nothing.
  EXPECT_EQ(check.Words("<b>one</b> two", ckSelection), TWords({}));
  EXPECT_EQ(check.Words("<b>one</b> two", ckFromCursor), TWords({"one", "two"}));
  EXPECT_EQ(check.Words("<b>one</b> two", ckWrapAround), TWords({"one", "two"}));
}

// ---- The filter set -------------------------------------------------------------------------

// Records what it is asked and answers as told.
struct TProbe : TParserIgnoreBase {
  TProbe(std::string name, std::vector<std::string>& log, bool hooks, bool lines, bool answer)
      : Name(std::move(name)), Log(log), Hooks(hooks), Lines(lines), Answer(answer) {}
  ~TProbe() override { Log.push_back(Name + " freed"); }
  bool WantsParserHooks() override { return Hooks; }
  bool WantsLines() override { return Lines; }
  bool SkipFromChar(char16_t, TControlParser* parser) override {
    Log.push_back(Name + " char");
    if (Answer && parser) parser->MoveNext();
    return Answer;
  }
  bool SkipAfterWord(const std::u16string&, TControlParser*) override {
    Log.push_back(Name + " word");
    return Answer;
  }
  bool IsIgnoredWord(const std::u16string&, TControlParser*) override {
    Log.push_back(Name + " accept");
    return Answer;
  }
  bool IsIgnoredLine(const std::u16string&) override {
    Log.push_back(Name + " line");
    return Answer;
  }
  std::string Name;
  std::vector<std::string>& Log;
  bool Hooks, Lines, Answer;
};

TEST(IgnoreFilterSet, ListsAndOrder) {
  std::vector<std::string> log;
  TIgnoreFilterSet set;
  set.AddIgnoreFilter(nullptr);
  set.AddIgnoreFilter(std::make_unique<TProbe>("a", log, true, false, false));
  set.AddIgnoreFilter(std::make_unique<TProbe>("b", log, false, true, false));
  set.AddIgnoreFilter(std::make_unique<TProbe>("c", log, true, true, true));
  set.AddIgnoreFilter(std::make_unique<TProbe>("d", log, true, true, true));
  EXPECT_EQ(set.Count(), 4u);
  EXPECT_EQ(set.HookCount(), 3u);
  EXPECT_EQ(set.LineCount(), 3u);

  std::u16string text = u"abc";
  TStringParser parser;
  parser.Initialize(text);
  bool flag = false;
  set.RunCharacterHook(u'a', &parser, flag);
  EXPECT_TRUE(flag);
  set.RunWordHook(u"abc", &parser, flag);
  EXPECT_TRUE(flag);
  EXPECT_TRUE(set.IgnoreFiltersAcceptWord(u"abc", &parser));
  EXPECT_TRUE(set.IgnoreFiltersAcceptLine(u"abc"));
  // The first filter that answers true ends each run; "d" is never asked.
  EXPECT_EQ(log, TWords({"a char", "c char", "a word", "c word", "a accept", "b accept", "c accept", "b line",
                         "c line"}));

  log.clear();
  set.ClearIgnoreFilters();
  EXPECT_EQ(log, TWords({"a freed", "b freed", "c freed", "d freed"}));
  EXPECT_EQ(set.Count() + set.HookCount() + set.LineCount(), 0u);
  set.RunCharacterHook(u'a', &parser, flag);
  EXPECT_FALSE(flag);
  set.RunWordHook(u"abc", &parser, flag);
  EXPECT_FALSE(flag);
  EXPECT_FALSE(set.IgnoreFiltersAcceptWord(u"abc", &parser));
  EXPECT_FALSE(set.IgnoreFiltersAcceptLine(u"abc"));
}

TEST(IgnoreFilterSet, StandardFiltersComeInTheirFixedOrder) {
  TIgnoreFilterSet set;
  AddStandardIgnoreFilters(set, AllFilters());
  ASSERT_EQ(set.Count(), 6u);
  EXPECT_NE(dynamic_cast<TURLIgnore*>(set.Filter(0)), nullptr);
  EXPECT_NE(dynamic_cast<TUppercaseWordIgnore*>(set.Filter(1)), nullptr);
  EXPECT_NE(dynamic_cast<TNumbersIgnore*>(set.Filter(2)), nullptr);
  EXPECT_NE(dynamic_cast<THTMLIgnore*>(set.Filter(3)), nullptr);
  auto* quoted = dynamic_cast<TQuotedLineIgnore*>(set.Filter(4));
  ASSERT_NE(quoted, nullptr);
  EXPECT_EQ(quoted->QuoteChars(), u">");
  EXPECT_NE(dynamic_cast<TAbbreviationsIgnore*>(set.Filter(5)), nullptr);
  EXPECT_EQ(set.HookCount(), 2u);
  EXPECT_EQ(set.LineCount(), 1u);
}

TEST(IgnoreFilterSet, AClaimToHaveSkippedTextWithoutMovingIsNotBelieved) {
  // A filter that answers true for "<" but never moves the cursor.
  struct TStuck : TParserIgnoreBase {
    bool WantsParserHooks() override { return true; }
    bool SkipFromChar(char16_t ch, TControlParser*) override { return ch == u'<'; }
  };
  TMainParsingEngine engine;
  TIgnoreFilterSet set;
  set.AddIgnoreFilter(std::make_unique<TStuck>());
  set.InstallHooks(engine);
  std::u16string text = u"a < b";
  TBoundedParser parser;
  parser.Initialize(text);
  std::u16string word;
  engine.GetNextWord(&parser, word);
  EXPECT_EQ(word, u"a");
  engine.GetNextWord(&parser, word);
  EXPECT_EQ(word, u"b");
}

TEST(HTMLIgnore, ALessThanThatEndsAControlEndsTheCheck) {
  // On a parser whose step past the end fails without moving, a "<" that ends the text has
  // nothing after it to skip; the check ends instead of reading it forever.
  TCheck check(Only(&TIgnoreFilterChoice::HTML));
  check.Engine.SetKeepTruncatedLastWord(true);
  std::u16string text = u"x <";
  TStopsAtEndParser stops;
  stops.Attach(text);
  std::u16string word;
  check.Engine.GetNextWord(&stops, word);
  EXPECT_EQ(word, u"x");
  EXPECT_NO_THROW(check.Engine.GetNextWord(&stops, word));
  EXPECT_EQ(word, u"");
}

}  // namespace
}  // namespace lexoro
