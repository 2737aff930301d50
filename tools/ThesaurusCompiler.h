// The thesaurus compiler: turns thesaurus sources in the MyThes text format into the .oxt
// layout that TThesaurusFile reads (see thesaurus/ox3ThesaurusFile.h for the byte layout).
//
// Source format. The first line names the encoding (UTF-8 or ISO8859-1). Then entries: a line
// "word|count" followed by count sense lines "(part of speech)|term|term...". Parts of speech
// are read in the sources' languages ("(noun)", "(Verbe)", "(agg.)", "(s.f.)", "(tr.)"...); a
// line without one ("-", or nothing) gives kind 0. Terms carry labels in brackets at either
// end; those naming a relation mark the term: "(similar term)", "(related term)" and the
// narrower terms "(underbegreb)", "(Unterbegriff)" as related; "(generic term)",
// "(Oberbegriff)", "(overbegreb)" as generic; "(antonym)" and its Spanish, Catalan and Italian
// names as antonyms. Other labels ("(ugs.)", "(fig.)", "(sich)", "[gos]") only say how a word
// is used and are dropped. An entry without a word is skipped.
//
// Mapping.
// - A context is one meaning: one sense line of an entry, i.e. the entry word together with
//   the plain terms of the line (the synonyms). The same meaning listed under each of its
//   synonyms (the source repeats every sense under every member) becomes one context: senses
//   with the same part of speech, the same set of synonyms and the same marked terms are
//   merged.
// - The part of speech chooses the list: noun list 1, verb list 2, adjective list 3, adverb
//   list 4; a sense without one goes to list 1 with kind 0. A context fills only that list:
//   first the entry word (in the case a synonym gives it, when one differs from the entry in
//   case only), then the synonyms, then the similar, related and generic terms in source order
//   (labels removed). Antonyms are left out: a word offered as a replacement must not mean
//   the opposite.
// - The context's headword labels the meaning in the dialog's list of contexts: the first
//   synonym of the sense line, or the entry word itself when the line has none. So "run"
//   shows meanings such as "tally", "test", "footrace", "scat" and "operate".
// - Every word of a context's list refers to it with the context's kind (0-4), so looking a
//   word up lists every meaning it stands in. A word's references come in two groups: first
//   the meanings it is a synonym in, then those it is only a related term of, each group in
//   context order; at most 255 are kept.
// - Kind names are given with the options; by default 0 "headword", 1 "noun", 2 "verb",
//   3 "adjective", 4 "adverb".
// - Words are stored one character per byte, so terms with characters above U+00FF (or a
//   zero character, or longer than kThesaurusMaxWordLength) are left out.
//
// Choosing what fits. The format holds at most 65,536 nodes (one per distinct word prefix,
// root included) and, since a reference is 16-bit and carries context * 5 + kind, 13,107
// contexts. Without rank lists every entry must fit, or the compiler refuses. With rank lists
// (word lists in order of commonness, the first the commonest), only entries whose word is in
// a list are taken, sense by sense in order of (rank of the list + 3 x position of the sense
// in its entry), so the main meanings of common words come before the rare meanings of the
// commonest ones; ties keep source order. Synonyms are always kept with their meaning; a
// related term is kept only when it is itself a ranked word or already stored. A meaning
// whose words would not fit in the nodes left is skipped, and selection ends when the
// contexts are used up.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace lexoro::tools {

enum class TTermMark { tmSynonym, tmSimilar, tmRelated, tmGeneric, tmAntonym };

struct TThesaurusTerm {
  std::u16string Text;
  TTermMark Mark = TTermMark::tmSynonym;
};

struct TThesaurusSense {
  int Kind = 0;  // 1 noun, 2 verb, 3 adjective, 4 adverb; 0 when the source names none
  std::vector<TThesaurusTerm> Terms;
};

struct TThesaurusSourceEntry {
  std::u16string Word;
  std::vector<TThesaurusSense> Senses;
};

// Parses a MyThes source; on failure returns false with a one-line Error naming the line.
[[nodiscard]] bool ParseMyThes(const std::string& Bytes, std::vector<TThesaurusSourceEntry>& Entries,
                               std::string& Error);

struct TThesaurusCompileOptions {
  std::u16string Name;  // ISO 8859-1 characters, at most 255
  // Names of kinds 0-4 in the dialog (the same limits); kind 0 is the meanings whose part of
  // speech the source does not give.
  std::array<std::u16string, 5> KindNames{u"headword", u"noun", u"verb", u"adjective", u"adverb"};
  // Leave out terms of more than one word: where the format's nodes run out, the words that
  // can be looked up are worth more than the phrases.
  bool SingleWords = false;
  // Word lists in order of commonness (the first the commonest); empty: take every entry.
  std::vector<std::vector<std::u16string>> RankLists;
  // The format's limits; tests lower them.
  std::uint32_t MaxNodes = 65536;
  std::uint32_t MaxContexts = 13107;
};

struct TThesaurusCompileResult {
  bool Ok = false;
  std::string Error;  // one line, for the user
  std::vector<std::uint8_t> Bytes;
  std::uint32_t Nodes = 0;
  std::uint32_t Contexts = 0;
  std::uint32_t Words = 0;              // words that can be looked up
  std::uint32_t Headwords = 0;          // source entries with at least one meaning kept
  std::uint32_t SensesSkipped = 0;      // meanings left out for lack of room
  std::uint32_t TermsUnstorable = 0;    // terms left out for their characters or length
  std::uint32_t ReferencesDropped = 0;  // references beyond 255 for one word
};

// Rank lists for a source that comes without any: the words named in the most sense lines
// first, in ten lists by powers of two (512 or more, 256 or more, ... 1). Common words stand
// in many meanings, and each meaning is listed under all of its words.
[[nodiscard]] std::vector<std::vector<std::u16string>> RankListsByUse(const std::vector<TThesaurusSourceEntry>& Entries);

[[nodiscard]] TThesaurusCompileResult CompileThesaurus(const std::vector<TThesaurusSourceEntry>& Entries,
                                                       const TThesaurusCompileOptions& Options);

}  // namespace lexoro::tools
