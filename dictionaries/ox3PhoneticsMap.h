// Phonetic codes for the suggestion search.
//
// A word's code keeps its first letters as they are (the start depth) and maps the rest
// through a language's replace rules: letter groups become code letters, letters without a
// rule (the vowels, in the English and generic tables) are dropped, and a code letter equal
// to the last one is collapsed. Dictionary words whose codes are close to a misspelled word's
// code become phonetic candidates.
//
// The rules live in a prefix tree of TReplaceNode objects, one node per pattern character;
// TPhoneticsMap is the root of its own tree. Characters up to U+00FF index a 256-entry array
// directly; others (Cyrillic) go through a short list kept in insertion order.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lexoro {

class TReplaceNode {
 public:
  TReplaceNode();
  virtual ~TReplaceNode();
  TReplaceNode(const TReplaceNode&) = delete;
  TReplaceNode& operator=(const TReplaceNode&) = delete;

  // The longest rule whose pattern matches Text at Position (1-based). On success Replacement
  // and Consumed receive the rule's replacement and the number of characters it consumes
  // (which may be fewer than the pattern's length: the rest is lookahead).
  virtual bool Match(std::u16string_view Text, std::u16string& Replacement, std::size_t Position,
                     std::size_t& Consumed) const;
  // A new, empty node of the same kind as the tree's nodes.
  [[nodiscard]] virtual std::unique_ptr<TReplaceNode> Create() const;
  // Removes every rule below this node (the node's own rule too).
  virtual void Clear();
  // Inserts a rule; a rule for a pattern that already has one replaces it. An empty pattern
  // is ignored (the root carries no rule).
  virtual void AddRule(std::u16string_view Pattern, std::u16string_view Replacement, std::size_t Consumed);

  [[nodiscard]] bool HasChildren() const { return FHasChildren; }
  [[nodiscard]] bool HasRule() const { return FHasRule; }

 protected:
  [[nodiscard]] TReplaceNode* Child(char16_t Ch) const;
  TReplaceNode& ChildOrNew(char16_t Ch);

 private:
  bool FHasChildren = false;
  std::array<std::unique_ptr<TReplaceNode>, 256> FChildren;
  std::vector<std::pair<char16_t, std::unique_ptr<TReplaceNode>>> FWideChildren;
  bool FHasRule = false;
  std::u16string FReplacement;
  std::size_t FConsumed = 0;
};

class TPhoneticsMap : public TReplaceNode {
 public:
  TPhoneticsMap();
  ~TPhoneticsMap() override;

  // Loads the rules of a language: low byte 9 English, 25 Russian, 12 French, anything else
  // the generic table. Nothing happens when that language is already loaded.
  virtual void SetLanguage(std::int32_t Language);
  // Values below 1 are ignored.
  virtual void SetStartDepth(int Depth);
  [[nodiscard]] virtual std::u16string Encode(std::u16string_view Word) const;
  // Whether a candidate at Distance from Word (the misspelled word) is close enough to keep.
  [[nodiscard]] virtual bool IsDistanceAccepted(std::u16string_view Word, int Distance) const;

  [[nodiscard]] int StartDepth() const { return FStartDepth; }
  // Values below 1 are ignored: the divisor divides the word's length.
  void SetDistanceDivisor(int Divisor) {
    if (Divisor >= 1) FDistanceDivisor = Divisor;
  }
  [[nodiscard]] int DistanceDivisor() const { return FDistanceDivisor; }
  void SetMaxDistance(int Distance) { FMaxDistance = Distance; }
  [[nodiscard]] int MaxDistance() const { return FMaxDistance; }
  void SetRemoveDuplicates(bool Remove) { FRemoveDuplicates = Remove; }
  [[nodiscard]] bool RemoveDuplicates() const { return FRemoveDuplicates; }
  // Code characters produced after the copied start.
  void SetLimit(int Limit) { FLimit = Limit; }
  [[nodiscard]] int Limit() const { return FLimit; }
  // -1 until a language was loaded.
  [[nodiscard]] std::int32_t Language() const { return FLanguage; }

 private:
  int FStartDepth = 1;
  bool FRemoveDuplicates = true;
  int FLimit = 6;
  std::int32_t FLanguage = -1;
  int FDistanceDivisor = 2;
  int FMaxDistance = 4;
};

}  // namespace lexoro
