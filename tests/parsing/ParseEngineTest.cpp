#include <gtest/gtest.h>

#include <vector>

#include "lexoro/parsing/ox3ParseEngine.h"
#include "lexoro/parsing/ox3StringParser.h"
#include "tests/support/TestSupport.h"

namespace lexoro {
namespace {

std::vector<std::u16string> Words(TMainParsingEngine& engine, std::u16string text, TCheckMode mode = ckEntireText) {
  TStringParser parser;
  parser.Initialize(text);
  engine.PositionParser(&parser, mode);
  std::vector<std::u16string> words;
  std::u16string word;
  for (int guard = 0; guard < 1000; ++guard) {
    engine.GetNextWord(&parser, word);
    if (word.empty()) break;
    words.push_back(word);
  }
  return words;
}

std::vector<std::u16string> Words(std::u16string text) {
  TMainParsingEngine engine;
  return Words(engine, std::move(text));
}

using W = std::vector<std::u16string>;

TEST(ParseEngine, DefaultWordCharactersAreStoredAsListed) {
  const std::u16string chars = TMainParsingEngine::DefaultWordCharacters();
  EXPECT_EQ(chars.size(), 189u);
  EXPECT_EQ(chars.front(), 0x2019);
  EXPECT_EQ(chars.substr(1, 12), u"1234567890&'");
  EXPECT_EQ(chars.back(), 0x00A6);
  TMainParsingEngine engine;
  // U+00FF is judged by the slow path too.
  EXPECT_EQ(engine.SlowCharacters(), (std::u16string{0x2019, 0x00FF, 0x0161, 0x017E, 0x0160, 0x017D, 0x0153, 0x0153, 0x0178, 0x0152}));
  // Not letters in Unicode, yet word characters because they are listed.
  for (char16_t ch : {char16_t(0x00B9), char16_t(0x00B3), char16_t(0x00BF), char16_t(0x00A5), char16_t(0x008D),
                      char16_t(0x009D), char16_t(0x00D7), char16_t(0x00F7)})
    EXPECT_TRUE(engine.IsWordCharacter(ch)) << int(ch);
  for (char16_t ch : {char16_t(u'-'), char16_t(u'.'), char16_t(u' '), char16_t(u'"'), char16_t(0)})
    EXPECT_FALSE(engine.IsWordCharacter(ch)) << int(ch);
  EXPECT_TRUE(engine.IsWordCharacter(0x0434));  // Cyrillic through the platform test
}

TEST(ParseEngine, SplitsOrdinaryText) {
  EXPECT_EQ(Words(u"Hello, world."), (W{u"Hello", u"world"}));
  EXPECT_EQ(Words(u"co-operate"), (W{u"co", u"operate"}));
  EXPECT_EQ(Words(u"a\u00d7b"), (W{u"a\u00d7b"}));
  EXPECT_EQ(Words(u""), W{});
  EXPECT_EQ(Words(u"  ,;  "), W{});
  EXPECT_EQ(Words(u"\u0434\u043e\u043c \u0434\u043e\u043c\u0430"), (W{u"\u0434\u043e\u043c", u"\u0434\u043e\u043c\u0430"}));
}

TEST(ParseEngine, ApostrophesQuotesAndAmpersands) {
  EXPECT_EQ(Words(u"'quoted'"), (W{u"quoted"}));
  EXPECT_EQ(Words(u"don't 'tis'"), (W{u"don't", u"tis"}));
  EXPECT_EQ(Words(u"it\u2019s \u2019twas\u2019"), (W{u"it\u2019s", u"twas"}));
  EXPECT_EQ(Words(u"&amp AT&T"), (W{u"&amp", u"AT", u"&T"}));
  EXPECT_EQ(Words(u"\"said\""), (W{u"said"}));
}

TEST(ParseEngine, PeriodsInsideAndAtTheEnd) {
  EXPECT_EQ(Words(u"e.g. this"), (W{u"e.g.", u"this"}));
  EXPECT_EQ(Words(u"U.S and"), (W{u"U.S", u"and"}));
  EXPECT_EQ(Words(u"end."), (W{u"end"}));
  EXPECT_EQ(Words(u"end"), (W{u"end"}));
  EXPECT_EQ(Words(u"www.example.com"), (W{u"www.example.com"}));
  TMainParsingEngine engine;
  engine.SetInnerPeriods(false);
  EXPECT_EQ(Words(engine, u"e.g. this"), (W{u"e", u"g", u"this"}));
}

TEST(ParseEngine, ParserStandsJustAfterTheWord) {
  std::u16string text = u"'quoted' next";
  TStringParser parser;
  parser.Initialize(text);
  TMainParsingEngine engine;
  engine.PositionParser(&parser, ckEntireText);
  std::u16string word;
  engine.GetNextWord(&parser, word);
  ASSERT_EQ(word, u"quoted");
  std::int32_t x, y;
  parser.GetPosition(x, y);
  EXPECT_EQ(x, 8);  // on the closing quote, just after the "d"
  parser.SelectWord(static_cast<std::int32_t>(word.size()));
  parser.ReplaceWord(u"Quoted", rsChange);
  EXPECT_EQ(text, u"'Quoted' next");
}

TEST(ParseEngine, ElisionRule) {
  TMainParsingEngine engine;
  engine.SetElisionMode(true);
  EXPECT_EQ(Words(engine, u"qu'il l'homme"), (W{u"qu", u"il", u"l", u"homme"}));
  EXPECT_EQ(Words(engine, u"aujourd'hui Entr'acte"), (W{u"aujourd'hui", u"Entr'acte"}));
  EXPECT_EQ(Words(engine, u"l\u2019homme"), (W{u"l\u2019homme"}));  // the typographic apostrophe is not elided
  engine.SetElisionMode(true);
  EXPECT_EQ(engine.NonInnerCharacters(), u"&'");
  engine.SetElisionMode(false);
  EXPECT_EQ(engine.NonInnerCharacters(), u"&");
  EXPECT_EQ(Words(engine, u"qu'il"), (W{u"qu'il"}));
}

TEST(ParseEngine, SetLanguageSwitchesElisionAndThePoundSign) {
  TMainParsingEngine engine;
  engine.SetLanguage(1036);  // French
  EXPECT_TRUE(engine.ElisionMode());
  EXPECT_FALSE(engine.IsWordCharacter(0x00A3));
  engine.SetLanguage(1045);  // Polish
  EXPECT_FALSE(engine.ElisionMode());
  EXPECT_TRUE(engine.IsWordCharacter(0x00A3));
  engine.SetLanguage(1045);
  EXPECT_EQ(engine.WordCharacters().size(), 190u);  // appended once
  engine.SetLanguage(1033);
  EXPECT_FALSE(engine.IsWordCharacter(0x00A3));
  EXPECT_EQ(engine.WordCharacters().size(), 189u);
}

TEST(ParseEngine, ExcludedCharactersNeverBelongToWords) {
  TMainParsingEngine engine;
  engine.SetExcludedCharacters(u"x\u0161");
  EXPECT_EQ(Words(engine, u"boxes \u0161ok"), (W{u"bo", u"es", u"ok"}));
}

TEST(ParseEngine, TruncatedLastWordIsDroppedUnlessKept) {
  // An end bound inside a word cuts it off.
  auto read = [](TMainParsingEngine& engine) {
    std::u16string text = u"one two";
    TStringParser parser;
    parser.Initialize(text);
    parser.SetPosition(6, 0, spEndBound);
    std::vector<std::u16string> words;
    std::u16string word;
    for (engine.GetNextWord(&parser, word); !word.empty(); engine.GetNextWord(&parser, word)) words.push_back(word);
    return words;
  };
  TMainParsingEngine engine;
  EXPECT_EQ(read(engine), (W{u"one"}));
  engine.SetKeepTruncatedLastWord(true);
  // The cut-off word is returned, and nothing of the text beyond the bound after it.
  EXPECT_EQ(read(engine), (W{u"one", u"tw"}));
}

TEST(ParseEngine, CheckModesPlaceTheParser) {
  TMainParsingEngine engine;
  // A string has an empty selection at its cursor: a selection check reads nothing.
  std::u16string text = u"alpha beta";
  TStringParser parser;
  parser.Initialize(text);
  parser.SetPosition(8, 0, spCursor);
  engine.PositionParser(&parser, ckSelection);
  std::u16string word;
  engine.GetNextWord(&parser, word);
  EXPECT_EQ(word, u"");

  // From the cursor backs up to the start of the word under it.
  parser.Initialize(text);
  parser.SetPosition(8, 0, spCursor);
  engine.PositionParser(&parser, ckFromCursor);
  engine.GetNextWord(&parser, word);
  EXPECT_EQ(word, u"beta");

  // As positioned leaves the cursor alone; entire text starts at the beginning.
  parser.SetPosition(3, 0, spCursor);
  engine.PositionParser(&parser, ckAsPositioned);
  engine.GetNextWord(&parser, word);
  EXPECT_EQ(word, u"pha");
  engine.PositionParser(&parser, ckEntireText);
  engine.GetNextWord(&parser, word);
  EXPECT_EQ(word, u"alpha");
  engine.PositionParser(nullptr, ckEntireText);  // nothing happens
}

TEST(ParseEngine, HooksSkipTextAndRejectWords) {
  TMainParsingEngine engine;
  std::vector<std::u16string> hooked;
  // The character hook swallows everything between "<" and ">".
  engine.SetCharacterHook([](char16_t ch, TControlParser* parser, bool& handled) {
    if (ch != u'<') return;
    while (parser->GetChar() != u'>' && parser->MoveNext()) {
    }
    parser->MoveNext();
    handled = true;
  });
  engine.SetWordHook([&](const std::u16string& word, TControlParser*, bool& reject) {
    hooked.push_back(word);
    reject = word == u"skip";
  });
  EXPECT_EQ(Words(engine, u"<b class=x>bold</b> skip keep"), (W{u"bold", u"keep"}));
  EXPECT_EQ(hooked, (W{u"bold", u"skip", u"keep"}));
  bool called = false;
  engine.SetOnIdentifyCharReference([&](const std::u16string&, char16_t&) { called = true; });
  EXPECT_TRUE(engine.OnIdentifyCharReference());
  Words(engine, u"&amp;");
  EXPECT_FALSE(called);  // stored for filters, never called by the engine itself
}

}  // namespace
}  // namespace lexoro
