#include "tools/SpellSession.h"

#include "lexoro/engine/ox3Configuration.h"
#include "lexoro/parsing/ox3StringParser.h"
#include "lexoro/platform/ox3Platform.h"
#include "lexoro/platform/ox3Text.h"
#include "tools/DictionaryNames.h"

namespace lexoro::tools {

namespace {

bool HasSeparator(const std::u16string& Path) {
  return Path.find(u'/') != std::u16string::npos || Path.find(u'\\') != std::u16string::npos;
}

// A dictionary named on the command line: a file in the current folder is taken from there,
// not from the dictionary folders.
std::u16string DictionaryEntry(const std::string& Argument) {
  std::u16string entry = text::Utf8ToUtf16(Argument);
  if (!HasSeparator(entry) && platform::FileExists(entry)) {
    std::u16string here(u".");
    here.push_back(platform::kPathDelimiter);
    entry = here + entry;
  }
  return entry;
}

}  // namespace

const char kSpellSessionUsage[] =
    "  --dict-dir DIR      a dictionary folder (repeatable; default: the program's folder and its\n"
    "                      data subfolder)\n"
    "  --main DICT         a main dictionary (repeatable; default: American.oxm): a file, or a\n"
    "                      dictionary of the folders by name (german), locale (de_DE, de) or\n"
    "                      language (deutsch)\n"
    "  --custom FILE       a custom dictionary (repeatable; default: Autocorrect.oxu)\n"
    "  --personal FILE     the custom dictionary that receives added words (default: none, or\n"
    "                      what the configuration file names)\n"
    "  --config FILE       read the configuration from this INI file (and save it back)\n"
    "  --config-id ID      its section (default: the user name)\n"
    "  --options N         the spelling options as a number (default 1699)\n"
    "  --learning FILE     keep learned replacements in FILE (default: no learning)\n";

std::vector<std::string> SpellSessionValueOptions() {
  return {"--dict-dir", "--main", "--custom", "--personal", "--config", "--config-id", "--options", "--learning"};
}

TSpellSessionResult CreateSpellSession(const TArguments& Arguments) {
  TSpellSessionResult result;
  auto spell = std::make_unique<TLexoroSpellBase>(nullptr);

  if (auto config = Arguments.Value("--config")) {
    spell->SetConfigStorage(csFile);
    spell->SetConfigFilename(text::Utf8ToUtf16(*config));
    if (auto id = Arguments.Value("--config-id")) spell->SetConfigID(text::Utf8ToUtf16(*id));
  } else {
    // Nothing is stored: every run starts from the defaults below, and no personal
    // dictionary is created unless one is named.
    spell->SetConfigStorage(csNone);
    spell->SetConfigDefaultActiveCustom(u"");
  }

  TStringList folders;
  for (const auto& dir : Arguments.Values("--dict-dir")) folders.Add(text::Utf8ToUtf16(dir));
  if (folders.Count() == 0) {
    folders.Add(u"%AppDir%");
    folders.Add(u"%AppDir%\\data");
  }
  spell->SetConfigDictionaryDir(folders);

  const auto mains = Arguments.Values("--main");
  if (!mains.empty()) {
    TStringList list;
    for (const auto& m : mains) {
      std::u16string entry = DictionaryEntry(m);
      // Not a file here: a dictionary of the folders by name, locale or language.
      if (!HasSeparator(entry))
        if (auto found = FindMainDictionary(entry, folders.Items())) entry = *found;
      list.Add(entry);
    }
    spell->SetConfigDefaultMain(list);
  }
  const auto customs = Arguments.Values("--custom");
  if (!customs.empty()) {
    TStringList list;
    for (const auto& c : customs) list.Add(DictionaryEntry(c));
    spell->SetConfigDefaultCustom(list);
  }
  if (auto personal = Arguments.Value("--personal")) spell->SetConfigDefaultActiveCustom(DictionaryEntry(*personal));
  if (auto options = Arguments.Value("--options")) {
    auto value = ParseInteger(*options);
    if (!value || *value < 0 || *value > 32767) {
      result.Error = "--options takes a number from 0 to 32767";
      return result;
    }
    spell->SetConfigDefaultOptions(TSpellOptions::FromValue(static_cast<std::uint32_t>(*value)));
  }
  if (auto learning = Arguments.Value("--learning")) {
    spell->SetSuggestionsLearningDict(DictionaryEntry(*learning));
  } else {
    spell->SetSuggestionsLearning(false);
  }
  result.Spell = std::move(spell);
  return result;
}

std::vector<TTextWord> CheckText(TLexoroSpellBase& Spell, const std::u16string& Text) {
  std::vector<TTextWord> words;
  std::u16string copy = Text;
  TStringParser parser;
  parser.Initialize(copy);
  // The first word loads the configuration and with it the ignore filters the engine asks.
  Spell.Config().EnsureLoaded();
  TParsingEngine& engine = Spell.ParsingEngine();
  engine.PositionParser(&parser, ckEntireText);
  std::u16string word;
  for (;;) {
    engine.GetNextWord(&parser, word);
    if (word.empty()) break;
    std::int32_t x = 0, y = 0;
    parser.GetPosition(x, y);
    // The cursor stands just after the word (positions count from 1).
    const std::size_t end = x > 0 ? static_cast<std::size_t>(x - 1) : 0;
    TTextWord found;
    found.Word = word;
    found.Start = end >= word.size() ? end - word.size() : 0;
    Spell.CountCheckedWord();
    found.Misspelled = !Spell.WordAcceptable(word) && !Spell.IgnoreFiltersAcceptWord(word, &parser);
    words.push_back(std::move(found));
  }
  return words;
}

std::size_t CharacterCount(const std::u16string& Text, std::size_t End) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < End && i < Text.size(); ++i) {
    // The second half of a surrogate pair is part of the character before it.
    if (Text[i] >= 0xDC00 && Text[i] <= 0xDFFF && i > 0 && Text[i - 1] >= 0xD800 && Text[i - 1] <= 0xDBFF) continue;
    ++count;
  }
  return count;
}

TSpellSessionResult OpenSpellSession(const TArguments& Arguments) {
  auto session = CreateSpellSession(Arguments);
  if (!session.Spell) return session;
  auto fail = [&](std::string message) {
    session.Spell.reset();
    session.Error = std::move(message);
    return std::move(session);
  };
  if (auto max = Arguments.Value("--max")) {
    auto value = ParseInteger(*max);
    if (!value || *value < -1 || *value > 100000) return fail("--max takes a number from -1 up");
    session.Spell->SetMaxSuggestions(static_cast<int>(*value));
  }
  session.Spell->Config().EnsureLoaded();
  if (session.Spell->MainDictionaries().empty())
    return fail("no main dictionary could be opened (see --dict-dir and --main)");
  return session;
}

}  // namespace lexoro::tools
