#include "lexoro/dictionaries/ox3PhoneticsMap.h"

#include <algorithm>
#include <iterator>

#include "lexoro/platform/ox3Platform.h"

namespace lexoro {

namespace {

struct TRule {
  const char16_t* Pattern;
  const char16_t* Replacement;
  std::size_t Consumed;
};

// English, in insertion order. Vowels have no rule of their own and are dropped.
constexpr TRule kEnglishRules[] = {
    {u"b", u"b", 1},   {u"cia", u"x", 1}, {u"ch", u"x", 2},  {u"ci", u"s", 1},  {u"ce", u"s", 1},
    {u"cy", u"s", 1},  {u"c", u"k", 1},   {u"dge", u"j", 2}, {u"dgy", u"j", 2}, {u"dgi", u"j", 2},
    {u"d", u"t", 1},   {u"f", u"f", 1},   {u"gha", u"k", 2}, {u"ghe", u"k", 2}, {u"ghi", u"k", 2},
    {u"gho", u"k", 2}, {u"ghu", u"k", 2}, {u"ghy", u"k", 2}, {u"gh", u"", 2},   {u"gn", u"n", 2},
    {u"gi", u"j", 1},  {u"ge", u"j", 1},  {u"gy", u"j", 1},  {u"g", u"k", 1},   {u"h", u"h", 1},
    {u"aha", u"h", 2}, {u"ahe", u"h", 2}, {u"ahi", u"h", 2}, {u"aho", u"h", 2}, {u"ahu", u"h", 2},
    {u"eha", u"h", 2}, {u"ehe", u"h", 2}, {u"ehi", u"h", 2}, {u"eho", u"h", 2}, {u"ehu", u"h", 2},
    {u"iha", u"h", 2}, {u"ihe", u"h", 2}, {u"ihi", u"h", 2}, {u"iho", u"h", 2}, {u"ihu", u"h", 2},
    {u"oha", u"h", 2}, {u"ohe", u"h", 2}, {u"ohi", u"h", 2}, {u"oho", u"h", 2}, {u"ohu", u"h", 2},
    {u"uha", u"h", 2}, {u"uhe", u"h", 2}, {u"uhi", u"h", 2}, {u"uho", u"h", 2}, {u"uhu", u"h", 2},
    {u"ah", u"", 2},   {u"eh", u"", 2},   {u"ih", u"", 2},   {u"oh", u"", 2},   {u"uh", u"", 2},
    {u"j", u"j", 1},   {u"ck", u"k", 2},  {u"k", u"k", 1},   {u"lly", u"ly", 3}, {u"ly", u"ly", 2},
    {u"l", u"l", 1},   {u"m", u"m", 1},   {u"n", u"n", 1},   {u"ph", u"f", 2},  {u"p", u"p", 1},
    {u"q", u"k", 1},   {u"r", u"r", 1},   {u"sh", u"x", 2},  {u"sio", u"x", 1}, {u"sia", u"x", 1},
    {u"s", u"s", 1},   {u"tia", u"x", 1}, {u"tio", u"x", 1}, {u"th", u"0", 2},  {u"tch", u"x", 3},
    {u"t", u"t", 1},   {u"v", u"f", 1},   {u"wa", u"w", 1},  {u"we", u"w", 1},  {u"wi", u"w", 1},
    {u"wo", u"w", 1},  {u"wu", u"w", 1},  {u"wy", u"w", 1},  {u"x", u"ks", 1},  {u"ya", u"y", 1},
    {u"ye", u"y", 1},  {u"yi", u"y", 1},  {u"yo", u"y", 1},  {u"yu", u"y", 1},  {u"yy", u"y", 2},
    {u"z", u"s", 1},
};
static_assert(std::size(kEnglishRules) == 91);

constexpr TRule kFrenchRules[] = {
    {u"b", u"b", 1}, {u"p", u"b", 1}, {u"c", u"c", 1}, {u"k", u"c", 1}, {u"q", u"c", 1}, {u"d", u"d", 1},
    {u"t", u"d", 1}, {u"l", u"l", 1}, {u"m", u"m", 1}, {u"n", u"m", 1}, {u"r", u"r", 1}, {u"g", u"g", 1},
    {u"j", u"g", 1}, {u"x", u"x", 1}, {u"z", u"x", 1}, {u"s", u"x", 1}, {u"f", u"f", 1}, {u"v", u"f", 1},
};
static_assert(std::size(kFrenchRules) == 18);

constexpr TRule kGenericRules[] = {
    {u"b", u"b", 1}, {u"f", u"b", 1}, {u"p", u"b", 1}, {u"v", u"b", 1}, {u"c", u"k", 1}, {u"g", u"k", 1},
    {u"j", u"k", 1}, {u"k", u"k", 1}, {u"q", u"k", 1}, {u"s", u"k", 1}, {u"x", u"k", 1}, {u"z", u"k", 1},
    {u"d", u"d", 1}, {u"t", u"d", 1}, {u"l", u"l", 1}, {u"m", u"m", 1}, {u"n", u"m", 1}, {u"r", u"r", 1},
};
static_assert(std::size(kGenericRules) == 18);

constexpr TRule kRussianRules[] = {
    {u"б", u"бь", 1},    {u"в", u"вь", 1},    {u"г", u"гь", 1}, {u"д", u"т", 1},  {u"з", u"с", 1},
    {u"к", u"г", 1},     {u"л", u"ль", 1},    {u"м", u"мь", 1}, {u"н", u"нь", 1}, {u"п", u"пь", 1},
    {u"р", u"рь", 1},    {u"с", u"сь", 1},    {u"т", u"ть", 1}, {u"ж", u"ш", 1},  {u"о", u"а", 1},
    {u"оро", u"ора", 3}, {u"оло", u"ола", 3}, {u"нн", u"н", 2}, {u"сс", u"с", 2}, {u"ее", u"е", 2},
    {u"жи", u"жы", 2},   {u"ши", u"шы", 2},   {u"щ", u"шь", 1}, {u"щу", u"шю", 2}, {u"сч", u"щ", 2},
};

constexpr int kEnglish = 9;
constexpr int kFrench = 12;
constexpr int kRussian = 25;

template <std::size_t N>
void AddRules(TReplaceNode& root, const TRule (&rules)[N]) {
  for (const auto& rule : rules) root.AddRule(rule.Pattern, rule.Replacement, rule.Consumed);
}

}  // namespace

// ---- TReplaceNode ---------------------------------------------------------------------------

TReplaceNode::TReplaceNode() = default;
TReplaceNode::~TReplaceNode() = default;

TReplaceNode* TReplaceNode::Child(char16_t Ch) const {
  if (!FHasChildren) return nullptr;
  if (Ch <= 0xFF) return FChildren[Ch].get();
  for (const auto& [key, node] : FWideChildren)
    if (key == Ch) return node.get();
  return nullptr;
}

TReplaceNode& TReplaceNode::ChildOrNew(char16_t Ch) {
  if (TReplaceNode* existing = Child(Ch)) return *existing;
  FHasChildren = true;
  if (Ch <= 0xFF) {
    FChildren[Ch] = Create();
    return *FChildren[Ch];
  }
  FWideChildren.emplace_back(Ch, Create());
  return *FWideChildren.back().second;
}

bool TReplaceNode::Match(std::u16string_view Text, std::u16string& Replacement, std::size_t Position,
                         std::size_t& Consumed) const {
  if (Position >= 1 && Position <= Text.size()) {
    if (const TReplaceNode* child = Child(Text[Position - 1])) {
      if (child->Match(Text, Replacement, Position + 1, Consumed)) return true;
    }
  }
  if (!FHasRule) return false;
  Replacement = FReplacement;
  Consumed = FConsumed;
  return true;
}

std::unique_ptr<TReplaceNode> TReplaceNode::Create() const { return std::make_unique<TReplaceNode>(); }

void TReplaceNode::Clear() {
  for (auto& child : FChildren) child.reset();
  FWideChildren.clear();
  FHasChildren = false;
  FHasRule = false;
  FReplacement.clear();
  FConsumed = 0;
}

void TReplaceNode::AddRule(std::u16string_view Pattern, std::u16string_view Replacement, std::size_t Consumed) {
  if (Pattern.empty()) return;
  TReplaceNode* node = this;
  for (char16_t ch : Pattern) node = &node->ChildOrNew(ch);
  node->FHasRule = true;
  node->FReplacement.assign(Replacement);
  node->FConsumed = Consumed;
}

// ---- TPhoneticsMap --------------------------------------------------------------------------

TPhoneticsMap::TPhoneticsMap() = default;
TPhoneticsMap::~TPhoneticsMap() = default;

void TPhoneticsMap::SetLanguage(std::int32_t Language) {
  if (Language == FLanguage) return;
  FLanguage = Language;
  Clear();
  switch (Language & 0xFF) {
    case kEnglish: AddRules(*this, kEnglishRules); break;
    case kRussian: AddRules(*this, kRussianRules); break;
    case kFrench: AddRules(*this, kFrenchRules); break;
    default: AddRules(*this, kGenericRules); break;
  }
}

void TPhoneticsMap::SetStartDepth(int Depth) {
  if (Depth >= 1) FStartDepth = Depth;
}

std::u16string TPhoneticsMap::Encode(std::u16string_view Word) const {
  const std::u16string w = platform::LowerCase(Word);
  std::u16string code;
  if (w.empty()) return code;
  const bool english = (FLanguage & 0xFF) == kEnglish;

  const std::size_t start = std::min<std::size_t>(static_cast<std::size_t>(FStartDepth), w.size());
  code.assign(w, 0, start);

  int budget = FLimit;
  bool previousUnmatched = false;
  std::u16string replacement;
  std::size_t pos = start;  // 0-based start of what is left of w
  while (pos < w.size()) {
    std::size_t consumed = 0;
    if (Match(w, replacement, pos + 1, consumed)) {
      const bool duplicate = FRemoveDuplicates && !code.empty() && consumed == 1 && !previousUnmatched &&
                             !replacement.empty() && code.back() == replacement.front();
      if (!duplicate) {
        code += replacement;
        budget -= static_cast<int>(replacement.size());
        if (budget <= 0) break;
      }
      previousUnmatched = false;
    } else {
      consumed = 1;
      previousUnmatched = true;
      if (pos + 1 == w.size() && english && w[pos] == u'y') code += u'y';
    }
    // A rule that consumes nothing would never let the walk advance.
    pos += consumed == 0 ? 1 : consumed;
  }
  return code;
}

bool TPhoneticsMap::IsDistanceAccepted(std::u16string_view Word, int Distance) const {
  const int length = static_cast<int>(std::min<std::size_t>(Word.size(), 0x7FFFFFFF));
  return length / FDistanceDivisor >= Distance && FMaxDistance >= Distance;
}

}  // namespace lexoro
