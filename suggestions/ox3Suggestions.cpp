#include "lexoro/suggestions/ox3Suggestions.h"

#include <utility>

#include "lexoro/dictionaries/ox3CustomDictionary.h"
#include "lexoro/platform/ox3Platform.h"

namespace lexoro {

namespace {

constexpr std::int32_t kSwedish = 1053;
constexpr std::int32_t kCzech = 1029;
constexpr std::int32_t kPolish = 1045;
constexpr std::int32_t kRussian = 1049;
constexpr int kFrench = 12;

// Legacy single-byte letters both sets carry at their end.
constexpr char16_t kTrailingLetters[] = u"\u00B8\u00A8\u00B9\u00B3\u00BF";

std::u16string InitialUsageLetters() {
  std::u16string letters = u"'";
  for (char16_t c = u'a'; c <= u'z'; ++c) letters += c;
  letters += u"\u00D7\u00DE\u00DF";
  for (char16_t c = 0xE0; c <= 0xFF; ++c) letters += c;
  letters += kTrailingLetters;
  return letters;
}

std::u16string InitialStartLetters() {
  std::u16string letters = u"'";
  for (char16_t c = u'a'; c <= u'z'; ++c) letters += c;
  for (char16_t c = u'A'; c <= u'Z'; ++c) letters += c;
  for (char16_t c = 0xC0; c <= 0xFF; ++c) letters += c;
  letters += kTrailingLetters;
  return letters;
}

// Letters a language adds to both sets.
std::u16string LanguageLetters(std::int32_t Language) {
  if (Language == kCzech) return u"áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ";
  if ((Language & 0xFF) == kFrench) return u"œ";
  if (Language == kPolish) return u"ąćęłłńóśżźĄĆĘŁŃÓŚŻŹ";
  if (Language == kRussian) {
    // Eight single-byte code units kept for files and configurations made with them, then
    // the Russian alphabet itself, without which Russian words would get no letter edits.
    std::u16string letters = u"\u00B2\u00A2\u00B1\u00A1\u00BC\u00AC\u00B6\u00A6";
    for (char16_t c = u'а'; c <= u'я'; ++c) letters += c;
    letters += u'ё';
    return letters;
  }
  return std::u16string();
}

bool IsLowerCase(std::u16string_view Text) { return platform::LowerCase(Text) == Text; }
bool IsUpperCase(std::u16string_view Text) { return platform::UpperCase(Text) == Text; }

// Puts a set of letters in place for one run and the previous one back afterwards.
class TLetterSwap {
 public:
  TLetterSwap(std::u16string& Target, const std::u16string& Replacement, bool Active)
      : FTarget(Target), FActive(Active) {
    if (FActive) FSaved = std::exchange(FTarget, Replacement);
  }
  ~TLetterSwap() {
    if (FActive) FTarget = std::move(FSaved);
  }
  TLetterSwap(const TLetterSwap&) = delete;
  TLetterSwap& operator=(const TLetterSwap&) = delete;

 private:
  std::u16string& FTarget;
  std::u16string FSaved;
  bool FActive;
};

}  // namespace

TSuggestionsGenerator::TSuggestionsGenerator()
    : FUsageLetters(InitialUsageLetters()), FStartLetters(InitialStartLetters()) {}

TSuggestionsGenerator::~TSuggestionsGenerator() = default;

void TSuggestionsGenerator::DeriveKinds() {
  if (FDefaultKinds) FKinds = FLanguage == kSwedish ? kAllSuggestionKinds & ~TSuggestionKinds{skSplitWord} : kAllSuggestionKinds;
}

void TSuggestionsGenerator::AppendLetters(std::u16string_view Letters) {
  // A letter already in a set is not added again, so that switching languages back and forth
  // does not make the sets (and the number of lookups) grow.
  for (char16_t c : Letters) {
    if (FUsageLetters.find(c) == std::u16string::npos) FUsageLetters += c;
    if (FStartLetters.find(c) == std::u16string::npos) FStartLetters += c;
  }
}

void TSuggestionsGenerator::SetLanguage(std::int32_t Language) {
  if (Language == FLanguage) return;
  FLanguage = Language;
  DeriveKinds();
  AppendLetters(LanguageLetters(Language));
}

void TSuggestionsGenerator::SetDefaultKinds(bool Default) {
  FDefaultKinds = Default;
  DeriveKinds();
}

void TSuggestionsGenerator::SetKinds(TSuggestionKinds Kinds) {
  FDefaultKinds = false;
  FKinds = Kinds & kAllSuggestionKinds;
}

void TSuggestionsGenerator::AddCandidate(const std::u16string& Text) {
  if (FList == nullptr) return;  // no run has set a list yet
  for (const auto& entry : *FList)
    if (entry == Text) return;
  FList->push_back(Text);
}

bool TSuggestionsGenerator::Accepted(const std::u16string& Text) const {
  bool valid = false;
  if (FValidator) FValidator(Text, valid);
  return valid;
}

bool TSuggestionsGenerator::TryCandidate(const std::u16string& Text) {
  if (Text.size() < 2 || FList == nullptr) return false;
  if (!Accepted(Text)) return false;
  if (OverLimit()) return true;
  // The lower-case form of a lower-case word's variant is offered through its own edit.
  if (FWordLowerCase && !IsLowerCase(Text) && Accepted(platform::LowerCase(Text))) return false;
  AddCandidate(Text);
  return false;
}

bool TSuggestionsGenerator::TryInsertions() {
  if (FLength == 0 || FWord.size() < FLength) return false;
  std::u16string text;
  for (std::size_t at = FLength; at >= 1; --at) {
    for (char16_t letter : FUsageLetters) {
      text.assign(FWord, 0, at);
      text += letter;
      text.append(FWord, at);
      if (TryCandidate(text)) return true;
    }
  }
  for (char16_t letter : FStartLetters) {
    text.assign(1, letter);
    text += FWord;
    if (TryCandidate(text)) return true;
  }
  return false;
}

bool TSuggestionsGenerator::TrySwaps(int Distance) {
  if (Distance < 1) return false;
  const auto d = static_cast<std::size_t>(Distance);
  if (FLength <= d + 1 || FWord.size() < FLength) return false;
  std::u16string text = FWord;
  for (std::size_t i = FLength - d; i >= 1; --i) {
    std::swap(text[i - 1], text[i - 1 + d]);
    if (TryCandidate(text)) return true;
    std::swap(text[i - 1], text[i - 1 + d]);
  }
  return false;
}

bool TSuggestionsGenerator::TryDeletions() {
  if (FWord.size() < FLength) return false;
  std::u16string text;
  for (std::size_t i = FLength; i >= 1; --i) {
    text = FWord;
    text.erase(i - 1, 1);
    if (TryCandidate(text)) return true;
  }
  return false;
}

bool TSuggestionsGenerator::TrySubstitutions() {
  if (FLength == 0 || FWord.size() < FLength) return false;
  std::u16string text = FWord;
  for (std::size_t i = FLength; i >= 2; --i) {
    for (char16_t letter : FUsageLetters) {
      text[i - 1] = letter;
      if (TryCandidate(text)) return true;
    }
    text[i - 1] = FWord[i - 1];
  }
  for (char16_t letter : FStartLetters) {
    text[0] = letter;
    if (TryCandidate(text)) return true;
  }
  return false;
}

bool TSuggestionsGenerator::TrySplits() {
  if (FLength < 4 || FWord.size() < FLength) return false;
  for (std::size_t a = 2; a <= FLength - 2; ++a) {
    const std::u16string left = FWord.substr(0, a);
    const std::u16string right = FWord.substr(a);
    if (Accepted(left) && Accepted(right)) {
      if (OverLimit()) return true;
      AddCandidate(left + u" " + right);
    }
  }
  // Two sentences run together: "end.Next" is offered as "end.  Next".
  const std::size_t period = FWord.find(u'.');
  if (period != std::u16string::npos && period + 1 < FLength && FWord[period + 1] != u'.') {
    const std::u16string next(1, FWord[period + 1]);
    if (platform::UpperCase(next) == next && Accepted(FWord.substr(0, period)) && Accepted(FWord.substr(period + 1)) &&
        !OverLimit())
      AddCandidate(FWord.substr(0, period + 1) + u"  " + FWord.substr(period + 1));
  }
  return false;
}

void TSuggestionsGenerator::Generate(const std::u16string& Word, int MaxCount, const TCandidateValidator& Validator,
                                     std::vector<std::u16string>& List) {
  if (MaxCount == -1) MaxCount = kUnlimited;
  if (!Validator || Word.empty() || MaxCount <= 0 || Word.size() > kMaxWordLength) return;

  FWord = Word;
  FLength = Word.size();
  FList = &List;
  FValidator = Validator;
  FMaxCount = static_cast<std::size_t>(MaxCount);
  FWordLowerCase = IsLowerCase(Word);

  // A word with capitals may need a capital anywhere.
  const TLetterSwap letters(FUsageLetters, FStartLetters, !FWordLowerCase);
  const auto enabled = [this](TSuggestionKind kind) { return (FKinds & kind) != 0; };
  if (enabled(skSwappedLetters) && TrySwaps(1)) return;
  if (enabled(skMissingLetter) && TryInsertions()) return;
  if (enabled(skExtraLetter) && TryDeletions()) return;
  if (enabled(skWrongLetter) && TrySubstitutions()) return;
  if (enabled(skSwappedLetters) && TrySwaps(2)) return;
  if (enabled(skSplitWord) && TrySplits()) return;
}

void TSuggestionsGenerator::Suggest(const std::u16string& Word, int MaxCount, const TCandidateValidator& Validator,
                                    std::vector<std::u16string>& List) {
  Generate(Word, MaxCount, Validator, List);
  if (Word.empty() || IsUpperCase(Word) || IsLowerCase(Word)) return;
  const std::u16string first = Word.substr(0, 1);
  if (!IsUpperCase(first)) Generate(platform::LowerCase(Word), MaxCount, Validator, List);
  else Generate(first + platform::LowerCase(std::u16string_view(Word).substr(1)), MaxCount, Validator, List);
}

// ---- The learning store ----------------------------------------------------------------

void LearnReplacement(TCustomDictionary& Store, std::u16string_view Word, std::u16string_view Replacement) {
  (void)Store.AddAutoCorrect(Word, Replacement);
  (void)Store.AddWord(Replacement);
}

void ApplyLearning(TCustomDictionary& Store, std::u16string_view Word, std::vector<TScoredSuggestion>& List,
                   const std::function<bool(const std::u16string&)>& Acceptable) {
  std::u16string learned;
  if (Store.FindAutoCorrect(Word, learned)) {
    const std::u16string folded = platform::LowerCase(learned);
    auto found = List.end();
    for (auto it = List.begin(); it != List.end(); ++it) {
      if (platform::LowerCase(it->Word) == folded) {
        found = it;
        break;
      }
    }
    if (found != List.end() && found->Word == learned) found->Score = 0;
    else if (Acceptable && Acceptable(learned)) List.insert(List.begin(), TScoredSuggestion{learned, 0});
  }
  for (auto& entry : List) entry.Score = Store.IsAdded(entry.Word) ? 2 * entry.Score - 1 : 2 * entry.Score;
}

}  // namespace lexoro
