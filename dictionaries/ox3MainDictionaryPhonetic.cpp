// The phonetic candidate search of a main dictionary: the words that begin like a
// misspelled word and sound like it.
#include <algorithm>
#include <unordered_set>

#include "lexoro/dictionaries/ox3MainDictionary.h"
#include "lexoro/dictionaries/ox3PhoneticsMap.h"
#include "lexoro/dictionaries/ox3Util.h"
#include "lexoro/platform/ox3Platform.h"

namespace lexoro {

namespace {

// The search stops adding (and prunes every further match) once the list is over this size.
constexpr std::size_t kMaxPhoneticList = 2500;

// Whether a dictionary word whose code matched is close enough to the query to be offered.
// D1 is the distance between the two codes, D2 the distance between the words themselves.
bool CloseEnough(int D1, int D2, int WordLength, int QueryCodeLength) {
  const int n = WordLength;
  if (D2 > n - 2) return false;
  if (D2 >= 5 && n < 2 * D2 + 1) return false;
  if (D2 == 4 && n <= 6 && D1 > 1) return false;
  if (D2 == 4 && D1 > 2) return false;
  if (D2 == 3 && D1 > 3) return false;
  if (QueryCodeLength == 2 && D2 > 3) return false;
  return true;
}

int Length(std::u16string_view Text) { return static_cast<int>(std::min<std::size_t>(Text.size(), 0x7FFFFFFF)); }

}  // namespace

void TMainDictionary::FindPhoneticCandidates(const std::u16string& Word, TPhoneticsMap* PhoneticsMap,
                                             std::vector<std::u16string>& List) {
  if (PhoneticsMap == nullptr) return;

  // Lower-case forms of everything listed, for the case-insensitive duplicate test.
  std::unordered_set<std::u16string> listed;
  for (const auto& entry : List) listed.insert(platform::LowerCase(entry));

  FPhoneticList = &List;
  FPhoneticsMap = PhoneticsMap;

  const auto judge = [&](std::string_view Bytes) -> TVisitAction {
    const std::u16string word = DecodeWord(CodePage(), Bytes);
    const std::u16string code = FPhoneticsMap->Encode(word);
    const int queryLength = Length(FPhoneticCode);
    const int d1 = WordDistance(code, FPhoneticCode);
    const bool match = code == FPhoneticCode || (queryLength >= 3 && d1 <= queryLength - 2) ||
                       (queryLength == 2 && d1 == 1 && code.size() > 2);
    if (!match) return Length(code) > queryLength ? TVisitAction::vaPrune : TVisitAction::vaContinue;
    if (FPhoneticList->size() > kMaxPhoneticList) return TVisitAction::vaPrune;
    std::u16string folded = platform::LowerCase(word);
    if (listed.contains(folded)) return TVisitAction::vaContinue;
    const int d2 = WordDistance(FPhoneticWord, word);
    if (CloseEnough(d1, d2, Length(word), queryLength)) {
      FPhoneticList->push_back(word);
      listed.insert(std::move(folded));
    }
    return TVisitAction::vaContinue;
  };

  // The query as given, and then, for a lower-case word, with its first letter upper-cased
  // so that proper nouns are found too.
  std::u16string query = Word;
  for (int pass = 0; pass < 2; ++pass) {
    FPhoneticWord = query;
    FPhoneticCode = FPhoneticsMap->Encode(query);
    if (FPhoneticCode.size() < 2) break;
    const auto depth = static_cast<std::size_t>(FPhoneticsMap->StartDepth());
    if (query.size() > depth) {
      const std::string prefix = EncodeWord(CodePage(), std::u16string_view(query).substr(0, depth));
      if (!prefix.empty()) EnumeratePrefix(prefix, judge);
    }
    if (pass > 0 || platform::LowerCase(query) != query) break;
    const std::u16string first = platform::UpperCase(std::u16string_view(query).substr(0, 1));
    if (first == std::u16string_view(query).substr(0, 1)) break;
    query = first + query.substr(1);
  }

  FPhoneticList = nullptr;
  FPhoneticsMap = nullptr;
}

}  // namespace lexoro
