// Candidate corrections for a misspelled word.
//
// TSuggestionsGenerator applies single edits to the word (a letter inserted, deleted,
// replaced, two letters swapped, the word split in two) and keeps each variant that the
// caller's validity test accepts. The kinds run from the cheapest and most likely (adjacent
// swap) to the rarest (split), and a run stops as soon as the list is over its limit.
//
// The phonetic candidates come from the first main dictionary
// (TMainDictionary::FindPhoneticCandidates); the learning store is a custom dictionary of the
// replacements the user chose before, used through LearnReplacement and ApplyLearning below.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lexoro {

class TCustomDictionary;

// Bits of the set of enabled suggestion kinds.
enum TSuggestionKind : std::uint32_t {
  skMissingLetter = 1,   // insert one letter
  skSwappedLetters = 2,  // swap two letters one apart, then two apart
  skExtraLetter = 4,     // delete one letter
  skWrongLetter = 8,     // replace one letter
  skSplitWord = 16,      // split into two words (and after a period)
};
using TSuggestionKinds = std::uint32_t;
inline constexpr TSuggestionKinds kAllSuggestionKinds = 31;

// Answers whether a candidate counts as correctly spelled; it must have no side effects on a
// running check.
using TCandidateValidator = std::function<void(const std::u16string& Word, bool& Valid)>;

class TSuggestionsGenerator {
 public:
  // Longest word that gets edit candidates.
  static constexpr std::size_t kMaxWordLength = 250;
  // The limit a maximum count of -1 stands for.
  static constexpr int kUnlimited = 65535;

  TSuggestionsGenerator();
  virtual ~TSuggestionsGenerator();
  TSuggestionsGenerator(const TSuggestionsGenerator&) = delete;
  TSuggestionsGenerator& operator=(const TSuggestionsGenerator&) = delete;

  // ---- Overridable operations, in declaration order ----

  // Switches language-specific behaviour: the default kinds (no split for Swedish) and the
  // letters tried (Czech, French, Polish and Russian letters are added to both sets; letters
  // added for an earlier language stay).
  virtual void SetLanguage(std::int32_t Language);
  // With the flag on, the enabled kinds follow the language.
  virtual void SetDefaultKinds(bool Default);
  // Enables exactly these kinds, and turns the default-kinds flag off.
  virtual void SetKinds(TSuggestionKinds Kinds);
  // Adds Text to the list unless the list holds exactly the same string.
  virtual void AddCandidate(const std::u16string& Text);
  // Offers one variant; true means stop (the list is over its limit).
  virtual bool TryCandidate(const std::u16string& Text);
  virtual bool TryInsertions();
  virtual bool TrySwaps(int Distance);
  virtual bool TryDeletions();
  virtual bool TrySubstitutions();
  virtual bool TrySplits();
  // One run over Word: the enabled kinds in their fixed order. MaxCount -1 means 65535; with
  // no validator, an empty word, a word over 250 characters or MaxCount <= 0 nothing happens.
  // The list can end with MaxCount + 1 entries.
  virtual void Generate(const std::u16string& Word, int MaxCount, const TCandidateValidator& Validator,
                        std::vector<std::u16string>& List);
  // Generate, then again on a mixed-case word brought to lower case (or, when it starts with
  // a capital, to its capitalised form).
  virtual void Suggest(const std::u16string& Word, int MaxCount, const TCandidateValidator& Validator,
                       std::vector<std::u16string>& List);

  [[nodiscard]] std::int32_t Language() const { return FLanguage; }
  [[nodiscard]] bool DefaultKinds() const { return FDefaultKinds; }
  [[nodiscard]] TSuggestionKinds Kinds() const { return FKinds; }
  // Letters tried after the first position, and in the first position.
  [[nodiscard]] const std::u16string& UsageLetters() const { return FUsageLetters; }
  [[nodiscard]] const std::u16string& StartLetters() const { return FStartLetters; }
  void SetUsageLetters(const std::u16string& Letters) { FUsageLetters = Letters; }
  void SetStartLetters(const std::u16string& Letters) { FStartLetters = Letters; }

 protected:
  // State of the run in progress (left in place after it).
  std::u16string FWord;
  std::size_t FLength = 0;
  std::vector<std::u16string>* FList = nullptr;
  TCandidateValidator FValidator;
  std::size_t FMaxCount = 0;
  bool FWordLowerCase = false;  // the word is all lower case

  [[nodiscard]] bool Accepted(const std::u16string& Text) const;
  [[nodiscard]] bool OverLimit() const { return FList != nullptr && FList->size() > FMaxCount; }

 private:
  void DeriveKinds();
  void AppendLetters(std::u16string_view Letters);

  std::int32_t FLanguage = 0;
  std::u16string FUsageLetters;
  std::u16string FStartLetters;
  bool FDefaultKinds = true;
  TSuggestionKinds FKinds = kAllSuggestionKinds;
};

// ---- The learning store ----------------------------------------------------------------

// Records that the user replaced Word by Replacement: the pair as an auto-correct entry (the
// first choice for a word stays) and Replacement as an added word.
void LearnReplacement(TCustomDictionary& Store, std::u16string_view Word, std::u16string_view Replacement);

struct TScoredSuggestion {
  std::u16string Word;
  int Score = 0;
};

// Applies what the store learned to a scored suggestion list for Word: the replacement
// learned for Word gets score 0 (it is inserted at the top when the list does not hold it in
// exactly that case and Acceptable allows it); then every score s becomes 2s - 1 for words
// the store holds as added words and 2s for the others, so learned words win ties.
void ApplyLearning(TCustomDictionary& Store, std::u16string_view Word, std::vector<TScoredSuggestion>& List,
                   const std::function<bool(const std::u16string&)>& Acceptable);

}  // namespace lexoro
