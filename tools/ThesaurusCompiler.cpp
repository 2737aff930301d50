#include "tools/ThesaurusCompiler.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <limits>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "lexoro/platform/ox3ByteSpan.h"
#include "lexoro/platform/ox3Platform.h"
#include "lexoro/platform/ox3Text.h"
#include "lexoro/thesaurus/ox3ThesaurusFile.h"
#include "tools/ToolCommon.h"

namespace lexoro::tools {

namespace {

constexpr char kThesaurusBanner[] =
    "Lexoro Thesaurus Compiler, Version 1.0\r\n"
    "Thesaurus compiled for Lexoro. Copyright (c) Lexoro Software\r\n"
    "https://lexoro.dev/\r\n";
static_assert(sizeof(kThesaurusBanner) <= kThesaurusHeaderSize);

// A sense's place in its entry counts three times a rank step: the fourth meaning of one of
// the commonest words comes with the first meanings of words three lists further on.
constexpr std::size_t kSensePositionWeight = 3;


// ---- Source -----------------------------------------------------------------------------

std::string_view TrimSpaces(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

std::vector<std::string_view> SplitBars(std::string_view line) {
  std::vector<std::string_view> fields;
  for (;;) {
    const auto bar = line.find('|');
    fields.push_back(line.substr(0, bar));
    if (bar == std::string_view::npos) return fields;
    line.remove_prefix(bar + 1);
  }
}

// The kind a part-of-speech label names: 1 noun, 2 verb, 3 adjective, 4 adverb, 0 none or
// unknown. Labels come in the sources' own languages and abbreviations; the first word of a
// label such as "(Adjectif Nom)" decides.
int KindOfPartOfSpeech(std::string_view pos) {
  if (pos.size() >= 2 && pos.front() == '(' && pos.back() == ')') pos = pos.substr(1, pos.size() - 2);
  pos = pos.substr(0, pos.find(' '));
  std::string label;
  for (char c : pos) label.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
  static const std::array<std::pair<int, std::array<std::string_view, 12>>, 4> kLabels = {{
      {1, {"noun", "n", "nom", "s.m.", "s.f.", "s.m.f.", "s.m.inv.", "s.f.inv.", "m.", "f.", "sustantivo", "substantivo"}},
      {2, {"verb", "v", "verbe", "v.", "v.tr.", "v.intr.", "v.rifl.", "tr.", "intr.", "prnl.", "verbo", ""}},
      {3, {"adj", "adjective", "a", "s", "adjectif", "agg.", "adj.", "adjetivo", "aggettivo", "", "", ""}},
      {4, {"adv", "adverb", "r", "adverbe", "avv.", "adv.", "adverbio", "avverbio", "", "", "", ""}},
  }};
  if (label.empty()) return 0;
  for (const auto& [kind, names] : kLabels)
    if (std::find(names.begin(), names.end(), label) != names.end()) return kind;
  return 0;
}

// What a bracketed label beside a term says of it: a relation, or only usage (colloquial,
// figurative, a region), which is dropped with the brackets.
std::optional<TTermMark> MarkOfLabel(std::string_view label) {
  std::string lower;
  for (char c : label) lower.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
  static const std::array<std::pair<std::string_view, TTermMark>, 11> kMarks = {{
      {"similar term", TTermMark::tmSimilar},
      {"related term", TTermMark::tmRelated},
      {"underbegreb", TTermMark::tmRelated},
      {"unterbegriff", TTermMark::tmRelated},
      {"generic term", TTermMark::tmGeneric},
      {"oberbegriff", TTermMark::tmGeneric},
      {"overbegreb", TTermMark::tmGeneric},
      {"antonym", TTermMark::tmAntonym},
      {"ant\xC3\xB3nimo", TTermMark::tmAntonym},  // Spanish
      {"ant\xC3\xB2nim", TTermMark::tmAntonym},   // Catalan
      {"antonimo", TTermMark::tmAntonym},
  }};
  for (const auto& [name, mark] : kMarks)
    if (lower == name) return mark;
  return std::nullopt;
}

TThesaurusTerm ReadTerm(std::string_view field) {
  TThesaurusTerm term;
  field = TrimSpaces(field);
  // Labels in brackets at either end: "(sich) freuen", "Gartenzaun (ugs.)", "[gos] llebrer".
  for (bool changed = true; changed && !field.empty();) {
    changed = false;
    const char close = field.back();
    if (close == ')' || close == ']') {
      const auto open = field.rfind(close == ')' ? '(' : '[');
      if (open != std::string_view::npos) {
        if (auto mark = MarkOfLabel(field.substr(open + 1, field.size() - open - 2))) term.Mark = *mark;
        field = TrimSpaces(field.substr(0, open));
        changed = true;
        continue;
      }
    }
    const char start = field.front();
    if (start == '(' || start == '[') {
      const auto end = field.find(start == '(' ? ')' : ']');
      if (end != std::string_view::npos && end + 1 < field.size()) {
        field = TrimSpaces(field.substr(end + 1));
        changed = true;
      }
    }
  }
  term.Text = text::Utf8ToUtf16(field);
  return term;
}

// ---- Selection --------------------------------------------------------------------------

// A word can be stored when every character fits in one byte (and is not zero).
bool Storable(const std::u16string& word) {
  if (word.empty() || word.size() > kThesaurusMaxWordLength) return false;
  return std::all_of(word.begin(), word.end(), [](char16_t c) { return c != 0 && c <= 0xFF; });
}

// The letter tree as it grows: node 0 is the root; children come after their parents.
struct TTrie {
  struct TNode {
    std::uint8_t Ch = 0;
    std::uint32_t Parent = 0;
    bool WordEnd = false;
    std::vector<std::pair<std::uint8_t, std::uint32_t>> Children;  // sorted by character
  };
  std::vector<TNode> Nodes{TNode{}};

  [[nodiscard]] std::optional<std::uint32_t> Child(std::uint32_t node, std::uint8_t ch) const {
    const auto& children = Nodes[node].Children;
    const auto it = std::lower_bound(children.begin(), children.end(), std::make_pair(ch, std::uint32_t{0}));
    if (it == children.end() || it->first != ch) return std::nullopt;
    return it->second;
  }
  // Number of characters of word that are already on a path from the root.
  [[nodiscard]] std::size_t Existing(const std::u16string& word) const {
    std::uint32_t node = 0;
    for (std::size_t i = 0; i < word.size(); ++i) {
      const auto child = Child(node, static_cast<std::uint8_t>(word[i]));
      if (!child) return i;
      node = *child;
    }
    return word.size();
  }
  std::uint32_t Insert(const std::u16string& word) {
    std::uint32_t node = 0;
    for (char16_t c : word) {
      const auto ch = static_cast<std::uint8_t>(c);
      if (auto child = Child(node, ch)) {
        node = *child;
        continue;
      }
      const auto index = static_cast<std::uint32_t>(Nodes.size());
      Nodes.push_back(TNode{ch, node, false, {}});
      auto& children = Nodes[node].Children;
      children.insert(std::lower_bound(children.begin(), children.end(), std::make_pair(ch, std::uint32_t{0})),
                      {ch, index});
      node = index;
    }
    Nodes[node].WordEnd = true;
    return node;
  }
};

struct TWordInfo {
  std::uint32_t End = 0;  // tree node of the last character
  std::vector<std::uint16_t> SynonymReferences;
  std::vector<std::uint16_t> RelatedReferences;
};

struct TContext {
  std::u16string Headword;
  int List = 1;
  std::vector<std::u16string> Words;
  std::size_t Synonyms = 0;  // the first Synonyms words are synonyms, the rest related terms
};

struct TCandidate {
  std::size_t Entry = 0;
  std::size_t Sense = 0;
  std::size_t Priority = 0;
};


TThesaurusCompileResult Fail(std::string message) {
  TThesaurusCompileResult result;
  result.Error = std::move(message);
  return result;
}

}  // namespace

bool ParseMyThes(const std::string& Bytes, std::vector<TThesaurusSourceEntry>& Entries, std::string& Error) {
  std::string_view rest(Bytes);
  text::SkipUtf8ByteOrderMark(rest);
  std::size_t lineNumber = 0;
  auto nextLine = [&](std::string_view& line) {
    if (rest.empty()) return false;
    const auto end = rest.find('\n');
    line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++lineNumber;
    return true;
  };
  std::string_view line;
  if (!nextLine(line)) {
    Error = "empty source: the first line must name the encoding";
    return false;
  }
  const std::string encoding(TrimSpaces(line));
  auto utf8 = TextToUtf8(std::string(rest), encoding);
  if (!utf8) return Error = "line 1: unsupported encoding \"" + encoding + "\" (UTF-8 or ISO8859-1)", false;
  rest = *utf8;

  while (nextLine(line)) {
    if (TrimSpaces(line).empty()) continue;
    const auto bar = line.rfind('|');
    std::size_t count = 0;
    bool ok = bar != std::string_view::npos && bar + 1 < line.size();
    if (ok) {
      const auto digits = TrimSpaces(line.substr(bar + 1));
      ok = !digits.empty() && digits.size() <= 6 &&
           std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
      if (ok) for (char c : digits) count = count * 10 + static_cast<std::size_t>(c - '0');
    }
    if (!ok) return Error = "line " + std::to_string(lineNumber) + ": expected WORD|COUNT", false;
    TThesaurusSourceEntry entry;
    entry.Word = ReadTerm(line.substr(0, bar)).Text;
    for (std::size_t i = 0; i < count; ++i) {
      if (!nextLine(line))
        return Error = "line " + std::to_string(lineNumber) + ": the source ends inside the entry \"" +
                       text::Utf16ToUtf8(entry.Word) + "\"",
               false;
      const auto fields = SplitBars(line);
      TThesaurusSense sense;
      sense.Kind = KindOfPartOfSpeech(TrimSpaces(fields[0]));
      for (std::size_t f = 1; f < fields.size(); ++f) {
        auto term = ReadTerm(fields[f]);
        if (!term.Text.empty()) sense.Terms.push_back(std::move(term));
      }
      entry.Senses.push_back(std::move(sense));
    }
    // An entry without a word (some sources open with one) has nothing to look up.
    if (!entry.Word.empty()) Entries.push_back(std::move(entry));
  }
  return true;
}

std::vector<std::vector<std::u16string>> RankListsByUse(const std::vector<TThesaurusSourceEntry>& Entries) {
  // Lower-case word -> the number of sense lines that name it; the first spelling met is kept.
  std::unordered_map<std::u16string, std::pair<std::u16string, std::size_t>> uses;
  for (const auto& entry : Entries) {
    for (const auto& sense : entry.Senses) {
      std::unordered_set<std::u16string> named{platform::LowerCase(entry.Word)};
      uses.try_emplace(platform::LowerCase(entry.Word), entry.Word, 0);
      for (const auto& term : sense.Terms) {
        if (term.Mark == TTermMark::tmAntonym) continue;
        const auto lower = platform::LowerCase(term.Text);
        uses.try_emplace(lower, term.Text, 0);
        named.insert(lower);
      }
      for (const auto& lower : named) ++uses[lower].second;
    }
  }
  // List r holds the words named 2^(k-r) times or more (and not in an earlier list).
  constexpr std::size_t kLists = 10;
  std::vector<std::vector<std::u16string>> lists(kLists);
  for (const auto& [lower, use] : uses) {
    std::size_t r = kLists - 1;
    while (r > 0 && use.second >= (std::size_t{1} << (kLists - r))) --r;
    lists[r].push_back(use.first);
  }
  for (auto& list : lists) std::sort(list.begin(), list.end());
  return lists;
}

TThesaurusCompileResult CompileThesaurus(const std::vector<TThesaurusSourceEntry>& Entries,
                                         const TThesaurusCompileOptions& Options) {
  TThesaurusCompileResult result;
  const std::uint32_t maxNodes = std::min(Options.MaxNodes, kThesaurusMaxNodes);
  const std::uint32_t maxContexts = std::min(Options.MaxContexts, kThesaurusMaxReachableContexts);
  const bool ranked = !Options.RankLists.empty();
  auto latin1 = [](const std::u16string& name) {
    return name.size() <= 255 && std::all_of(name.begin(), name.end(), [](char16_t c) { return c <= 0xFF; });
  };
  if (!latin1(Options.Name)) return Fail("the thesaurus name must be at most 255 characters of ISO 8859-1");
  if (!std::all_of(Options.KindNames.begin(), Options.KindNames.end(), latin1))
    return Fail("kind names must be at most 255 characters of ISO 8859-1");

  // Rank of a word: the index of the first list that holds it, in lower case.
  std::unordered_map<std::u16string, std::size_t> ranks;
  for (std::size_t r = 0; r < Options.RankLists.size(); ++r)
    for (const auto& word : Options.RankLists[r]) ranks.emplace(platform::LowerCase(word), r);
  auto rankOf = [&](const std::u16string& word) -> std::optional<std::size_t> {
    const auto it = ranks.find(platform::LowerCase(word));
    if (it == ranks.end()) return std::nullopt;
    return it->second;
  };

  // The senses to consider, best first.
  std::vector<TCandidate> candidates;
  for (std::size_t e = 0; e < Entries.size(); ++e) {
    std::size_t rank = 0;
    if (ranked) {
      const auto r = rankOf(Entries[e].Word);
      if (!r) continue;
      rank = *r;
    }
    for (std::size_t s = 0; s < Entries[e].Senses.size(); ++s)
      candidates.push_back({e, s, ranked ? rank + kSensePositionWeight * s : 0});
  }
  std::stable_sort(candidates.begin(), candidates.end(),
                   [](const TCandidate& a, const TCandidate& b) { return a.Priority < b.Priority; });

  TTrie trie;
  std::unordered_map<std::u16string, TWordInfo> words;
  std::vector<TContext> contexts;
  std::unordered_set<std::string> meanings;  // merge keys of the contexts taken
  std::unordered_set<std::u16string> unstorable;
  auto storable = [&](const std::u16string& word) {
    if (Options.SingleWords && word.find(u' ') != std::u16string::npos) return false;
    if (Storable(word)) return true;
    unstorable.insert(word);
    return false;
  };
  // Nodes that adding these words would create.
  // In byte order, a new prefix is counted at the first word that has it: the words before
  // that share it are exactly those sharing as many characters with the previous word.
  auto newNodes = [&](std::vector<std::u16string> list) {
    std::sort(list.begin(), list.end());
    std::size_t count = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
      std::size_t shared = trie.Existing(list[i]);
      if (i > 0) {
        const auto& a = list[i - 1];
        const auto& b = list[i];
        const auto lcp = static_cast<std::size_t>(std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin());
        shared = std::max(shared, lcp);
      }
      count += list[i].size() - shared;
    }
    return count;
  };

  for (std::size_t c = 0; c < candidates.size(); ++c) {
    const auto& entry = Entries[candidates[c].Entry];
    const auto& sense = entry.Senses[candidates[c].Sense];
    if (!storable(entry.Word)) continue;
    // The entry word leads; a term that is the same word in its proper case takes its place
    // (sources list entries in lower case).
    std::vector<std::u16string> synonyms{entry.Word};
    const std::u16string lowerEntry = platform::LowerCase(entry.Word);
    for (const auto& term : sense.Terms) {
      if (term.Mark == TTermMark::tmSynonym && storable(term.Text) && platform::LowerCase(term.Text) == lowerEntry) {
        synonyms[0] = term.Text;
        break;
      }
    }
    std::vector<std::u16string> related;
    for (const auto& term : sense.Terms) {
      if (term.Mark == TTermMark::tmAntonym || !storable(term.Text)) continue;
      auto& list = term.Mark == TTermMark::tmSynonym ? synonyms : related;
      if (std::find(synonyms.begin(), synonyms.end(), term.Text) == synonyms.end() &&
          std::find(related.begin(), related.end(), term.Text) == related.end())
        list.push_back(term.Text);
    }
    // The same meaning under another of its synonyms merges with the context taken before.
    std::string key = std::to_string(sense.Kind);
    for (auto* part : {&synonyms, &related}) {
      auto sorted = *part;
      std::sort(sorted.begin(), sorted.end());
      for (const auto& word : sorted) key += '\x01' + text::Utf16ToUtf8(word);
      key += '\x02';
    }
    if (meanings.contains(key)) continue;

    if (contexts.size() >= maxContexts) {
      if (!ranked)
        return Fail("the source has more meanings than a thesaurus file holds (" + std::to_string(maxContexts) +
                    "); give rank lists to choose the commonest headwords");
      ++result.SensesSkipped;
      continue;
    }
    std::vector<std::u16string> kept = synonyms;
    for (const auto& word : related)
      if (!ranked || words.contains(word) || rankOf(word)) kept.push_back(word);
    std::size_t added = newNodes(kept);
    if (trie.Nodes.size() + added > maxNodes) {
      if (!ranked)
        return Fail("the source needs more than the " + std::to_string(maxNodes) +
                    " nodes a thesaurus file holds; give rank lists to choose the commonest headwords");
      // Without the related terms that are not stored yet.
      kept.resize(synonyms.size());
      for (const auto& word : related)
        if (words.contains(word)) kept.push_back(word);
      added = newNodes(kept);
      if (trie.Nodes.size() + added > maxNodes) {
        ++result.SensesSkipped;
        continue;
      }
    }

    meanings.insert(std::move(key));
    const auto index = static_cast<std::uint16_t>(contexts.size());
    const auto reference = static_cast<std::uint16_t>(index * kThesaurusKindCount + sense.Kind);
    for (std::size_t i = 0; i < kept.size(); ++i) {
      auto [it, isNew] = words.try_emplace(kept[i]);
      if (isNew) it->second.End = trie.Insert(kept[i]);
      (i < synonyms.size() ? it->second.SynonymReferences : it->second.RelatedReferences).push_back(reference);
    }
    contexts.push_back({synonyms.size() > 1 ? synonyms[1] : synonyms[0], std::max(sense.Kind, 1), std::move(kept),
                        synonyms.size()});
  }
  result.TermsUnstorable = static_cast<std::uint32_t>(unstorable.size());

  // Tails: a node that is no word end and has below it nothing but a chain of single children
  // ending in a word end. The topmost such node of a chain becomes the tail node.
  const auto nodeCount = static_cast<std::uint32_t>(trie.Nodes.size());
  std::vector<bool> pure(nodeCount), tail(nodeCount), chain(nodeCount);
  for (std::uint32_t i = nodeCount; i-- > 1;) {
    const auto& node = trie.Nodes[i];
    pure[i] = node.Children.empty() ? node.WordEnd
                                    : (!node.WordEnd && node.Children.size() == 1 && pure[node.Children[0].second]);
  }
  std::vector<std::uint32_t> wordNode(nodeCount);
  for (std::uint32_t i = 0; i < nodeCount; ++i) wordNode[i] = i;
  for (std::uint32_t i = 1; i < nodeCount; ++i) {
    const auto& node = trie.Nodes[i];
    if (!pure[i] || node.WordEnd || (node.Parent != 0 && pure[node.Parent])) continue;
    tail[i] = true;
    std::uint32_t below = i;
    while (!trie.Nodes[below].Children.empty()) {
      below = trie.Nodes[below].Children[0].second;
      chain[below] = true;
      wordNode[below] = i;
    }
  }

  // References of each stored word, kept at its word node.
  std::vector<std::vector<std::uint16_t>> references(nodeCount);
  for (auto& [word, info] : words) {
    auto& refs = references[wordNode[info.End]];
    for (auto* group : {&info.SynonymReferences, &info.RelatedReferences}) {
      std::sort(group->begin(), group->end());
      for (auto r : *group)
        if (std::find(refs.begin(), refs.end(), r) == refs.end()) refs.push_back(r);
    }
    if (refs.size() > 255) {
      result.ReferencesDropped += static_cast<std::uint32_t>(refs.size() - 255);
      refs.resize(255);
    }
  }

  // Node table and link area.
  platform::TByteWriter nodeTable, links, contextTable, wordLists;
  nodeTable.Reserve(kThesaurusNodeSize * std::size_t{nodeCount});
  const auto node16 = [](std::uint32_t number) { return static_cast<std::uint16_t>(number); };
  for (std::uint32_t i = 0; i < nodeCount; ++i) {
    const auto& node = trie.Nodes[i];
    if (links.Size() > kThesaurusMaxLinkPosition)
      return Fail("the link area outgrows the 20-bit link positions of a thesaurus file");
    std::uint32_t v = static_cast<std::uint32_t>(links.Size());
    if (node.Children.size() == 1) {
      v |= kThesaurusSingleChildBit;
      links.PutU16(node16(node.Children[0].second));
    } else {
      links.PutU8(static_cast<std::uint8_t>(node.Children.size()));  // at most 255: no zero character
      for (const auto& child : node.Children) links.PutU16(node16(child.second));
    }
    if (!chain[i] && node.Parent != 0) {
      v |= kThesaurusParentBit;
      links.PutU16(node16(node.Parent));
    }
    if (tail[i]) v |= kThesaurusTailBit;
    const bool wordEnd = node.WordEnd && !chain[i];
    if (wordEnd) v |= kThesaurusWordEndBit;
    if (wordEnd || tail[i]) {
      links.PutU8(static_cast<std::uint8_t>(references[i].size()));
      for (auto r : references[i]) links.PutU16(r);
    }
    v |= static_cast<std::uint32_t>(node.Ch) << kThesaurusCharacterShift;
    nodeTable.PutU32(v);
  }

  // Context table and word lists.
  for (const auto& context : contexts) {
    const auto list = context.Words.size() > 0xFFFF ? std::size_t{0xFFFF} : context.Words.size();
    contextTable.PutU16(node16(wordNode[words.at(context.Headword).End]));
    for (int k = 1; k <= 4; ++k) contextTable.PutU16(k == context.List ? static_cast<std::uint16_t>(list) : 0);
    contextTable.PutU32(static_cast<std::uint32_t>(wordLists.Size()));
    for (std::size_t i = 0; i < list; ++i) wordLists.PutU16(node16(wordNode[words.at(context.Words[i]).End]));
  }
  TThesaurusImage image;
  image.Name = Options.Name;  // checked above
  image.KindNames = Options.KindNames;  // checked above
  image.Nodes = nodeTable.Take();
  image.Links = links.Take();
  image.Contexts = contextTable.Take();
  image.WordLists = wordLists.Take();
  auto bytes = ThesaurusFileBytes(image, kThesaurusBanner);
  if (!bytes) return Fail("the thesaurus outgrows the 2 GiB areas of a thesaurus file");
  result.Bytes = std::move(*bytes);

  result.Ok = true;
  result.Nodes = nodeCount;
  result.Contexts = static_cast<std::uint32_t>(contexts.size());
  result.Words = static_cast<std::uint32_t>(words.size());
  // An entry counts when its word, in any case, is a synonym in a meaning kept.
  std::unordered_set<std::u16string> synonymWords;
  for (const auto& [word, info] : words)
    if (!info.SynonymReferences.empty()) synonymWords.insert(platform::LowerCase(word));
  for (const auto& entry : Entries)
    if (synonymWords.contains(platform::LowerCase(entry.Word))) ++result.Headwords;
  return result;
}

}  // namespace lexoro::tools
