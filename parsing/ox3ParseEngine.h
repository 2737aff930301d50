// The parsing engine: turns the character stream of a control parser into words.
//
// It decides which characters belong to words, where a word may start and end, what to do
// with apostrophes, periods and the ampersand, and gives the owner's ignore filters two
// chances to swallow text: before each character that could start a word (the character
// hook) and after each finished word (the word hook). It keeps no position of its own; all
// position state lives in the parser, so one engine serves any number of parsers in turn.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "lexoro/parsing/ox3ParserBase.h"

namespace lexoro {

// What a check reads, shared by the engine and the check driver.
enum TCheckMode : std::uint8_t {
  ckSelection = 0,     // the selection (the word at the caret when nothing is selected)
  ckFromCursor = 1,    // from the word at the caret to the end
  ckEntireText = 2,
  ckWrapAround = 3,    // from the caret to the end, then from the top (the check driver's)
  ckAsPositioned = 4,  // from where the parser stands
};

// Asked before each character while a word start is sought. A hook that sets Handled has
// moved the parser itself, by at least one character.
using TCharacterHook = std::function<void(char16_t Ch, TControlParser* Parser, bool& Handled)>;
// Asked with each finished word. A hook that sets Reject may have moved the parser past the
// rest of the rejected text.
using TWordHook = std::function<void(const std::u16string& Word, TControlParser* Parser, bool& Reject)>;
using TCharReferenceEvent = std::function<void(const std::u16string& Reference, char16_t& MappingChar)>;

class TParsingEngine {
 public:
  virtual ~TParsingEngine() = default;

  // Places the parser for a check of the given mode.
  virtual void PositionParser(TControlParser* Parser, TCheckMode Mode) = 0;
  // Puts the cursor at (X, Y) and backs it up to the start of the word there.
  virtual void SeekWordStart(TControlParser* Parser, std::int32_t X, std::int32_t Y) = 0;
  // Reads the next word; an empty Word means the text is exhausted.
  virtual void GetNextWord(TControlParser* Parser, std::u16string& Word) = 0;

  const TCharacterHook& CharacterHook() const { return FCharacterHook; }
  void SetCharacterHook(TCharacterHook Hook) { FCharacterHook = std::move(Hook); }
  const TWordHook& WordHook() const { return FWordHook; }
  void SetWordHook(TWordHook Hook) { FWordHook = std::move(Hook); }
  const TCharReferenceEvent& OnIdentifyCharReference() const { return FOnIdentifyCharReference; }
  void SetOnIdentifyCharReference(TCharReferenceEvent Event) { FOnIdentifyCharReference = std::move(Event); }

 protected:
  TCharacterHook FCharacterHook;
  TWordHook FWordHook;
  TCharReferenceEvent FOnIdentifyCharReference;
};

class TMainParsingEngine : public TParsingEngine {
 public:
  TMainParsingEngine();

  void PositionParser(TControlParser* Parser, TCheckMode Mode) override;
  void SeekWordStart(TControlParser* Parser, std::int32_t X, std::int32_t Y) override;
  void GetNextWord(TControlParser* Parser, std::u16string& Word) override;

  // Replaces the word characters and rebuilds the tables.
  void SetWordCharacters(const std::u16string& Chars);
  // Switches the French elision rule.
  void SetElisionMode(bool On);
  // Language adjustments for a Windows language identifier.
  void SetLanguage(std::int32_t LanguageId);

  const std::u16string& WordCharacters() const { return FWordCharacters; }
  const std::u16string& SlowCharacters() const { return FSlowCharacters; }
  const std::u16string& ExcludedCharacters() const { return FExcludedCharacters; }
  void SetExcludedCharacters(const std::u16string& Chars);
  const std::u16string& NonLeadingCharacters() const { return FNonLeadingCharacters; }
  void SetNonLeadingCharacters(const std::u16string& Chars) { FNonLeadingCharacters = Chars; }
  const std::u16string& NonTrailingCharacters() const { return FNonTrailingCharacters; }
  void SetNonTrailingCharacters(const std::u16string& Chars) { FNonTrailingCharacters = Chars; }
  const std::u16string& NonInnerCharacters() const { return FNonInnerCharacters; }
  void SetNonInnerCharacters(const std::u16string& Chars) { FNonInnerCharacters = Chars; }
  bool InnerPeriods() const { return FInnerPeriods; }
  void SetInnerPeriods(bool Value) { FInnerPeriods = Value; }
  bool KeepTruncatedLastWord() const { return FKeepTruncatedLastWord; }
  void SetKeepTruncatedLastWord(bool Value) { FKeepTruncatedLastWord = Value; }
  bool ElisionMode() const { return FElisionMode; }

  // Character classes.
  bool IsWordCharacter(char16_t Ch) const;
  bool IsStartCharacter(char16_t Ch) const;
  bool IsInnerCharacter(char16_t Ch) const;
  bool IsEndCharacter(char16_t Ch) const;

  // The word characters a new engine starts with.
  static std::u16string DefaultWordCharacters();

 private:
  void BuildTables();

  std::u16string FWordCharacters;
  std::array<bool, 256> FFastTable{};
  std::u16string FSlowCharacters;
  std::u16string FExcludedCharacters;
  std::u16string FNonLeadingCharacters;
  std::u16string FNonTrailingCharacters;
  std::u16string FNonInnerCharacters;
  bool FInnerPeriods = true;
  bool FKeepTruncatedLastWord = false;
  bool FElisionMode = false;
};

}  // namespace lexoro
