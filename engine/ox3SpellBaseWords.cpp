// TLexoroSpellBase: word acceptance. Whether a word is acceptable, excluded or automatically
// corrected, how a word read during a check is classified, and how suggestions are ranked.
#include <algorithm>

#include "lexoro/dictionaries/ox3Util.h"
#include "lexoro/engine/ox3SpellBase.h"
#include "lexoro/engine/ox3Configuration.h"
#include "lexoro/platform/ox3Platform.h"

namespace lexoro {

namespace {

bool IsAsciiDigit(char16_t Ch) { return Ch >= u'0' && Ch <= u'9'; }

// A whole word that reads as a number: an optional sign, digits with at most one decimal
// separator (at least one digit in all), and an optional exponent with its own sign and
// digits. Names such as "inf" or "nan" and hexadecimal forms are words, not numbers.
bool IsFloatingPointNumber(const std::u16string& Word, char16_t DecimalSeparator) {
  std::size_t i = 0;
  const std::size_t n = Word.size();
  if (i < n && (Word[i] == u'+' || Word[i] == u'-')) ++i;
  std::size_t digits = 0;
  bool separator = false;
  for (; i < n; ++i) {
    if (IsAsciiDigit(Word[i])) ++digits;
    else if (Word[i] == DecimalSeparator && !separator) separator = true;
    else break;
  }
  if (digits == 0) return false;
  if (i < n && (Word[i] == u'e' || Word[i] == u'E')) {
    ++i;
    if (i < n && (Word[i] == u'+' || Word[i] == u'-')) ++i;
    std::size_t exponent = 0;
    for (; i < n && IsAsciiDigit(Word[i]); ++i) ++exponent;
    if (exponent == 0) return false;
  }
  return i == n;
}

bool IsEnglish(std::int32_t Language) { return (Language & 0xFF) == 9; }

}  // namespace

// ---- Dictionaries -------------------------------------------------------------------------

bool TLexoroSpellBase::WordInMainDictionaries(const std::u16string& Word) {
  EnsureConfigLoaded();
  for (auto& dictionary : FMainDictionaries) {
    if (dictionary->Lookup(Word)) {
      dictionary->IncrementWordsFound();
      return true;
    }
  }
  return false;
}

bool TLexoroSpellBase::WordInDictionaries(const std::u16string& Word) {
  if (WordInMainDictionaries(Word)) return true;
  if (FActiveCustomDictionary && FActiveCustomDictionary->IsAdded(Word)) return true;
  for (auto& dictionary : FCustomDictionaries)
    if (dictionary->IsAdded(Word)) return true;
  for (auto& dictionary : FMSWordDictionaries)
    if (dictionary->IsAdded(Word)) return true;
  return FInternalDictionary->IsAdded(Word);
}

bool TLexoroSpellBase::WordExcluded(const std::u16string& Word) {
  EnsureConfigLoaded();
  if (FActiveCustomDictionary && FActiveCustomDictionary->IsExcluded(Word)) return true;
  for (auto& dictionary : FCustomDictionaries)
    if (dictionary->IsExcluded(Word)) return true;
  // A word the mapping dictionary maps should not stand either.
  std::u16string mapped;
  return FMappingDictionary && FMappingDictionary->FindAutoCorrect(Word, mapped);
}

void TLexoroSpellBase::ApplyAllowedCases(const std::u16string& Word, std::u16string& Variant) {
  Variant = Word;
  if (Word.empty()) return;
  auto lowerFirst = [&] { Variant = platform::LowerCase(Word.substr(0, 1)) + Word.substr(1); };
  switch (FAllowedCases) {
    case cmNone: break;
    case cmInitialCaps: lowerFirst(); break;
    case cmInitialCapsOrUpcase:
      if (platform::UpperCase(Word) == Word) Variant = platform::LowerCase(Word);
      else lowerFirst();
      break;
    case cmAnyCase: Variant = platform::LowerCase(Word); break;
    case cmCustom:
      if (OnCaseModification) OnCaseModification(this, Variant);
      break;
  }
}

bool TLexoroSpellBase::PossessiveAccepted(const std::u16string& Word) {
  EnsureConfigLoaded();
  static constexpr const char16_t* kSuffixes[] = {u"'s", u"'S", u"\u2019s", u"\u2019S"};
  bool matched = false;
  for (const char16_t* suffix : kSuffixes) {
    const std::size_t at = Word.find(suffix);
    if (at != std::u16string::npos && at + 2 == Word.size()) {
      matched = true;
      break;
    }
  }
  if (!matched || Word.size() <= 2) return false;
  const std::u16string base = Word.substr(0, Word.size() - 2);
  std::u16string variant;
  ApplyAllowedCases(base, variant);
  for (auto& dictionary : FMainDictionaries) {
    if (!IsEnglish(dictionary->Language())) continue;
    if (dictionary->Lookup(variant) || dictionary->Lookup(base)) return true;
  }
  return false;
}

bool TLexoroSpellBase::WordAcceptable(const std::u16string& Word) {
  EnsureConfigLoaded();
  if (WordInDictionaries(Word)) return !(FUseExcludeWords && WordExcluded(Word));
  std::u16string variant;
  ApplyAllowedCases(Word, variant);
  if (WordInDictionaries(variant)) return !(FUseExcludeWords && WordExcluded(variant));
  if (FEnglish && PossessiveAccepted(Word)) return true;
  if (IsFloatingPointNumber(Word, platform::DecimalSeparator())) return true;
  if (Word.size() == 1) return true;
  return IgnoreFiltersAcceptWord(Word, FParser);
}

// ---- Automatic corrections ----------------------------------------------------------------

bool TLexoroSpellBase::GetAutoCorrection(const std::u16string& Word, std::u16string& Replacement) {
  EnsureConfigLoaded();
  std::u16string found;
  auto take = [&] {
    Replacement = found;
    return true;
  };
  if (FActiveCustomDictionary && FActiveCustomDictionary->FindAutoCorrect(Word, found)) return take();
  if (FInternalDictionary->FindAutoCorrect(Word, found)) return take();
  for (auto& dictionary : FCustomDictionaries)
    if (dictionary->FindAutoCorrect(Word, found)) return take();
  if (FMappingAutoReplace && FMappingDictionary && FMappingDictionary->FindAutoCorrect(Word, found)) return take();
  if (FSuggestionsAutoReplace && FLearningDictionary && FLearningDictionary->FindAutoCorrect(Word, found)) {
    if (WordAcceptable(found)) return take();
    // A learned replacement that is no longer acceptable is not used.
    Replacement.clear();
  }

  // Dual capitals: "THe" becomes "The".
  if (!FDualCaps || Word.size() < 3) return false;
  const std::u16string rest = Word.substr(2);
  if (platform::LowerCase(rest) != rest) return false;
  const std::u16string head = Word.substr(0, 2);
  if (platform::UpperCase(head) != head) return false;
  for (std::size_t i = 0; i < 2; ++i) {
    const std::u16string letter = Word.substr(i, 1);
    if (platform::LowerCase(letter) == platform::UpperCase(letter)) return false;
  }
  const std::u16string candidate = Word.substr(0, 1) + platform::LowerCase(Word.substr(1, 1)) + rest;
  if (candidate == Word || !WordAcceptable(candidate)) return false;
  Replacement = candidate;
  return true;
}

// ---- Checking -------------------------------------------------------------------------------

bool TLexoroSpellBase::CheckWord(TObject* Sender, const std::u16string& Word, std::u16string& Replacement) {
  EnsureConfigLoaded();
  TWordCheckType type = wcDenied;
  if (WordAcceptable(Word)) type = FUseExcludeWords && WordExcluded(Word) ? wcExcluded : wcAccepted;
  if ((type != wcAccepted || FUseAutoCorrectFirst) && GetAutoCorrection(Word, Replacement)) type = wcCorrected;
  DoWordCheck(Sender, Word, type, Replacement);
  if (type != wcCorrected) Replacement.clear();
  return type == wcAccepted;
}

TWordCheckType TLexoroSpellBase::ClassifyWord(TObject* Sender, const std::u16string& Word, TControlParser* Parser,
                                              std::u16string& LastWord, std::u16string& Replacement) {
  EnsureConfigLoaded();
  TWordCheckType type = wcAccepted;
  if (WordAcceptable(Word)) {
    if (FUseAutoCorrectFirst && GetAutoCorrection(Word, Replacement)) {
      type = wcCorrected;
    } else if (FRepeated) {
      if (Word == LastWord && Parser && IsRepeatedWord(Word, Parser)) type = wcRepeated;
      LastWord = Word;
    }
  } else if (GetAutoCorrection(Word, Replacement)) {
    type = wcCorrected;
  } else if (!FUseExcludeWords) {
    type = wcDenied;
  } else {
    std::u16string variant;
    ApplyAllowedCases(Word, variant);
    type = WordExcluded(Word) || WordExcluded(variant) ? wcExcluded : wcDenied;
  }
  DoWordCheck(Sender, Word, type, Replacement);
  return type;
}

bool TLexoroSpellBase::IsRepeatedWord(const std::u16string& Word, TControlParser* Parser) {
  if (!Parser || Word.empty()) return false;
  std::int32_t x = 0, y = 0;
  Parser->GetPosition(x, y);
  // The cursor stands just after the second occurrence: step back to its first character,
  // then one more onto the separator, which must be a single space preceded by the word.
  bool repeated = true;
  for (std::size_t i = 0; i < Word.size() && repeated; ++i) repeated = Parser->MovePrevious();
  repeated = repeated && Parser->MovePrevious() && Parser->GetChar() == u' ';
  for (std::size_t i = Word.size(); i > 0 && repeated; --i)
    repeated = Parser->MovePrevious() && Parser->GetChar() == Word[i - 1];
  Parser->SetPosition(x, y, spCursor);
  return repeated;
}

// ---- Suggestions ----------------------------------------------------------------------------

void TLexoroSpellBase::LoadPhoneticsLanguage(std::int32_t Language) {
  FPhoneticsMap->SetLanguage(Language);
  if (OnAdjustPhoneticsMap) OnAdjustPhoneticsMap(this);
}

void TLexoroSpellBase::SuggestionCandidateValid(const std::u16string& Word, bool& Valid) {
  EnsureConfigLoaded();
  auto known = [this](const std::u16string& W) {
    return FPrimaryOnly ? WordInMainDictionaries(W) : WordInDictionaries(W);
  };
  Valid = known(Word);
  if (!Valid) {
    std::u16string variant;
    ApplyAllowedCases(Word, variant);
    Valid = known(variant);
  }
  if (!Valid && FEnglish) Valid = PossessiveAccepted(Word);
}

void TLexoroSpellBase::BuildSuggestions(const std::u16string& Word, int Max, TStringList& Strings) {
  EnsureConfigLoaded();
  Strings.Clear();
  std::u16string mapped;
  if (FMappingDictionary && FMappingDictionary->FindAutoCorrect(Word, mapped)) {
    Strings.Add(mapped);
    return;
  }
  if (Max < -1) Max = -1;  // no meaning of its own: unlimited

  std::vector<std::u16string> candidates;
  FSuggestionsGenerator->Suggest(Word, Max,
                                 [this](const std::u16string& W, bool& Valid) { SuggestionCandidateValid(W, Valid); },
                                 candidates);
  const std::size_t generated = candidates.size();

  if (FPhoneticSuggestions && !FMainDictionaries.empty()) {
    TMainDictionary& first = *FMainDictionaries.front();
    if (FPhoneticsMap->Language() != first.Language()) LoadPhoneticsLanguage(first.Language());
    first.FindPhoneticCandidates(Word, FPhoneticsMap.get(), candidates);
    // English words also get the generic rules when the English ones found little.
    if (IsEnglish(FPhoneticsMap->Language()) && candidates.size() < 20) {
      LoadPhoneticsLanguage(0);
      first.FindPhoneticCandidates(Word, FPhoneticsMap.get(), candidates);
    }
  }

  std::vector<TScoredSuggestion> scored;
  scored.reserve(candidates.size());
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    const int score = WordDistance(Word, candidates[i]);
    // Phonetic candidates stay only when they are close enough.
    if (i >= generated && !FPhoneticsMap->IsDistanceAccepted(Word, score)) continue;
    scored.push_back(TScoredSuggestion{std::move(candidates[i]), score});
  }

  if (FLearningDictionary)
    ApplyLearning(*FLearningDictionary, Word, scored, [this](const std::u16string& W) { return WordAcceptable(W); });

  // Exchange sort: every later entry with a smaller score is swapped into position i.
  for (std::size_t i = 0; i < scored.size(); ++i)
    for (std::size_t j = i + 1; j < scored.size(); ++j)
      if (scored[j].Score < scored[i].Score) std::swap(scored[i], scored[j]);

  if (Max >= 0 && scored.size() > static_cast<std::size_t>(Max)) scored.resize(static_cast<std::size_t>(Max));
  Strings.BeginUpdate();
  for (const auto& entry : scored) Strings.Add(entry.Word);
  Strings.EndUpdate();
}

void TLexoroSpellBase::GetSuggestions(const std::u16string& Word, TStringList& Strings) {
  EnsureConfigLoaded();
  BuildSuggestions(Word, FMaxSuggestions, Strings);
}

void TLexoroSpellBase::LearnReplacement(const std::u16string& Word, const std::u16string& Replacement) {
  if (FLearningDictionary) lexoro::LearnReplacement(*FLearningDictionary, Word, Replacement);
}

}  // namespace lexoro
