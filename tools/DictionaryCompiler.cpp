#include "tools/DictionaryCompiler.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <span>
#include <string_view>
#include <unordered_map>

#include "lexoro/dictionaries/ox3MainDictionary.h"
#include "lexoro/platform/ox3ByteSpan.h"
#include "lexoro/platform/ox3Platform.h"
#include "lexoro/platform/ox3Text.h"

namespace lexoro::tools {

namespace {

constexpr std::uint32_t kShortIndexLimit = 0x8000;  // indexes below this take 2 bytes when wide
constexpr std::uint32_t kMaxNodes = 0x800000;       // a 3-byte index keeps its top bit clear
constexpr std::size_t kMaxShortList = 7;            // longer lists carry a count byte
// A much-listed node gives up an extra byte for a short index only when it stands in at
// least this many lists: each list then saves a byte, and the node's child costs 4.
constexpr std::uint32_t kUnfoldMinLists = 5;
// Child lists are counted while the graph grows. Each entry takes two bytes at least, so a
// graph with more entries than a file can address bytes would fit only if sharing halved its
// linkage (it saves a few percent); it is given up before it takes the memory and time of a
// file.
constexpr std::uint32_t kHopelessFactor = 1;

// ---- Minimized word graph (incremental construction over sorted input) ----

struct TEdge {
  std::uint32_t Target = 0;
  std::uint8_t Ch = 0;
};

// States are registered children first, each once: a new state equal to a registered one
// (same finality, same edges to the same states) is replaced by it. Registered states keep
// their edges in one array; the states of the word being added stay open until the next word
// leaves their path.
class TWordGraph {
 public:
  explicit TWordGraph(std::uint64_t listEntryLimit) : FListEntryLimit(listEntryLimit) {
    FOpen.resize(1);
    FTable.assign(1024, kEmpty);
  }

  // Words must come in strictly increasing byte order. Answers false, and stops taking words,
  // once the graph's child lists are past the limit given.
  bool Add(std::string_view word) {
    std::size_t common = 0;
    while (common < word.size() && common < FPrevious.size() && word[common] == FPrevious[common]) ++common;
    Minimize(common);
    for (std::size_t i = common; i < word.size(); ++i) {
      FOpen[FDepth].Edges.push_back(TEdge{0, static_cast<std::uint8_t>(word[i])});
      ++FDepth;
      if (FOpen.size() <= FDepth) FOpen.emplace_back();
      FOpen[FDepth].Final = false;
      FOpen[FDepth].Edges.clear();
    }
    FOpen[FDepth].Final = true;
    FPrevious.assign(word);
    return FListEntries <= FListEntryLimit;
  }

  void Finish() {
    Minimize(0);
    FRoot = Register(FOpen[0]);
  }

  [[nodiscard]] std::uint32_t Root() const { return FRoot; }
  [[nodiscard]] std::size_t StateCount() const { return FStates.size(); }
  [[nodiscard]] bool Final(std::uint32_t s) const { return FStates[s].Final; }
  [[nodiscard]] std::span<const TEdge> Edges(std::uint32_t s) const {
    return {FEdges.data() + FStates[s].First, FStates[s].Count};
  }

 private:
  static constexpr std::uint32_t kEmpty = 0xFFFFFFFF;

  struct TOpen {
    bool Final = false;
    std::vector<TEdge> Edges;
  };
  struct TState {
    std::uint32_t First = 0;
    std::uint16_t Count = 0;
    bool Final = false;
  };

  static std::uint64_t Hash(bool final, std::span<const TEdge> edges) {
    std::uint64_t h = final ? 0x9E3779B97F4A7C15ull : 0x2545F4914F6CDD1Dull;
    for (const auto& e : edges) h = (h ^ ((std::uint64_t{e.Target} << 8) | e.Ch)) * 0x100000001B3ull;
    return h ^ (h >> 29);
  }

  bool Same(std::uint32_t s, const TOpen& open) const {
    if (FStates[s].Final != open.Final || FStates[s].Count != open.Edges.size()) return false;
    const auto edges = Edges(s);
    for (std::size_t i = 0; i < edges.size(); ++i)
      if (edges[i].Ch != open.Edges[i].Ch || edges[i].Target != open.Edges[i].Target) return false;
    return true;
  }

  std::uint32_t Register(const TOpen& open) {
    const std::size_t mask = FTable.size() - 1;
    std::size_t slot = Hash(open.Final, open.Edges) & mask;
    while (FTable[slot] != kEmpty) {
      if (Same(FTable[slot], open)) return FTable[slot];
      slot = (slot + 1) & mask;
    }
    const auto id = static_cast<std::uint32_t>(FStates.size());
    FStates.push_back(TState{static_cast<std::uint32_t>(FEdges.size()), static_cast<std::uint16_t>(open.Edges.size()),
                             open.Final});
    FEdges.insert(FEdges.end(), open.Edges.begin(), open.Edges.end());
    if (open.Edges.size() >= 2) FListEntries += open.Edges.size();
    FTable[slot] = id;
    if (2 * FStates.size() > FTable.size()) Grow();
    return id;
  }

  void Grow() {
    std::vector<std::uint32_t> table(2 * FTable.size(), kEmpty);
    const std::size_t mask = table.size() - 1;
    for (std::uint32_t id : FTable) {
      if (id == kEmpty) continue;
      std::size_t slot = Hash(FStates[id].Final, Edges(id)) & mask;
      while (table[slot] != kEmpty) slot = (slot + 1) & mask;
      table[slot] = id;
    }
    FTable = std::move(table);
  }

  // Registers the open states below depth `keep`, deepest first.
  void Minimize(std::size_t keep) {
    while (FDepth > keep) {
      const std::uint32_t id = Register(FOpen[FDepth]);
      --FDepth;
      FOpen[FDepth].Edges.back().Target = id;
    }
  }

  std::vector<TState> FStates;
  std::vector<TEdge> FEdges;
  std::vector<TOpen> FOpen;  // FOpen[0] is the root, FOpen[FDepth] the end of the last word
  std::size_t FDepth = 0;
  std::string FPrevious;
  std::vector<std::uint32_t> FTable;  // open addressing over registered states
  std::uint32_t FRoot = 0;
  std::uint64_t FListEntries = 0;
  std::uint64_t FListEntryLimit;
};

// ---- Nodes of the file ----

struct TNode {
  std::uint8_t Ch = 0;
  bool WordEnd = false;
  std::string Extra;
  std::uint32_t State = 0;       // the state the node's character leads to
  std::uint32_t ChildState = 0;  // the state whose edges are this node's children
  bool Pad = false;
  std::uint32_t Lists = 0;       // child lists of two or more that name this node
  std::uint32_t References = 0;  // nodes that have this one as a child
  std::uint32_t Index = 0;
};

class TNodeBuilder {
 public:
  explicit TNodeBuilder(const TWordGraph& graph) : FGraph(graph), FChildren(graph.StateCount()) {
    Nodes.push_back(TNode{});  // node 0, the root
    Nodes[0].State = Nodes[0].ChildState = graph.Root();
    for (const auto& e : graph.Edges(graph.Root())) FRootChildren.push_back(NodeFor(e.Ch, e.Target, false));
    Expand();
  }

  // The children of a node, in byte order.
  [[nodiscard]] const std::vector<std::uint32_t>& Children(std::uint32_t id) const {
    return id == 0 ? FRootChildren : FChildren[Nodes[id].ChildState];
  }
  [[nodiscard]] const std::vector<std::uint32_t>& ChildrenOfState(std::uint32_t state) const { return FChildren[state]; }

  // Moves the first extra byte of a node into a child node, leaving the node none.
  void Unfold(std::uint32_t id) {
    Nodes[id].Extra.clear();
    Nodes[id].ChildState = Nodes[id].State;
    FPending.push_back(id);
    Expand();
  }

  std::vector<TNode> Nodes;

 private:
  // The node for the edge (ch -> state); the root's children take no extra bytes.
  std::uint32_t NodeFor(std::uint8_t ch, std::uint32_t state, bool allowExtra) {
    std::string extra;
    std::uint32_t current = state;
    if (allowExtra) {
      while (extra.size() < kMainMaxExtraBytes && FGraph.Edges(current).size() == 1 &&
             !FGraph.Final(FGraph.Edges(current)[0].Target)) {
        extra.push_back(static_cast<char>(FGraph.Edges(current)[0].Ch));
        current = FGraph.Edges(current)[0].Target;
      }
    }
    const std::uint64_t key = (std::uint64_t{state} << 9) | (std::uint64_t{ch} << 1) | (extra.empty() ? 0 : 1);
    auto [it, inserted] = FIds.try_emplace(key, static_cast<std::uint32_t>(Nodes.size()));
    if (inserted) {
      TNode node;
      node.Ch = ch;
      node.WordEnd = FGraph.Final(state);
      node.Extra = std::move(extra);
      node.State = state;
      node.ChildState = current;
      Nodes.push_back(std::move(node));
      FPending.push_back(it->second);
    }
    return it->second;
  }

  // Children of every node reached.
  void Expand() {
    while (!FPending.empty()) {
      const std::uint32_t id = FPending.back();
      FPending.pop_back();
      const std::uint32_t s = Nodes[id].ChildState;
      if (!FChildren[s].empty() || FGraph.Edges(s).empty()) continue;
      std::vector<std::uint32_t> children;
      for (const auto& e : FGraph.Edges(s)) children.push_back(NodeFor(e.Ch, e.Target, true));
      FChildren[s] = std::move(children);
    }
  }

  const TWordGraph& FGraph;
  std::vector<std::vector<std::uint32_t>> FChildren;  // by state
  std::vector<std::uint32_t> FRootChildren;
  std::unordered_map<std::uint64_t, std::uint32_t> FIds;
  std::vector<std::uint32_t> FPending;
};

// The linkage area: child-index lists written once each. A list is found again by its bytes,
// whole or (for lists short enough to carry no count byte) as a run inside a longer list.
class TLinkage {
 public:
  explicit TLinkage(bool wide) : FWide(wide) {}

  // Offset of the list's first index.
  std::uint32_t Place(const std::vector<std::uint32_t>& indexes) {
    std::string bytes;
    if (indexes.size() > kMaxShortList) bytes.push_back(static_cast<char>(indexes.size()));
    const std::size_t head = bytes.size();
    std::vector<std::size_t> starts;
    for (std::uint32_t index : indexes) {
      starts.push_back(bytes.size());
      Encode(index, bytes);
    }
    starts.push_back(bytes.size());
    if (auto found = Find(bytes)) return static_cast<std::uint32_t>(*found + head);

    const std::size_t base = Bytes.size();
    Bytes.insert(Bytes.end(), bytes.begin(), bytes.end());
    Remember(base, bytes.size());
    for (std::size_t i = 0; i + 2 < starts.size(); ++i)
      for (std::size_t j = i + 2; j < starts.size() && j - i <= kMaxShortList; ++j)
        Remember(base + starts[i], starts[j] - starts[i]);
    return static_cast<std::uint32_t>(base + head);
  }

  std::vector<std::uint8_t> Bytes;

 private:
  void Encode(std::uint32_t index, std::string& out) const {
    if (!FWide) {
      out.push_back(static_cast<char>(index & 0xFF));
      out.push_back(static_cast<char>(index >> 8));
    } else if (index < kShortIndexLimit) {
      out.push_back(static_cast<char>(0x80 | (index >> 8)));
      out.push_back(static_cast<char>(index & 0xFF));
    } else {
      out.push_back(static_cast<char>(index >> 16));
      out.push_back(static_cast<char>((index >> 8) & 0xFF));
      out.push_back(static_cast<char>(index & 0xFF));
    }
  }

  static std::uint64_t Hash(const std::uint8_t* p, std::size_t n) {
    std::uint64_t h = 0xCBF29CE484222325ull ^ n;
    for (std::size_t i = 0; i < n; ++i) h = (h ^ p[i]) * 0x100000001B3ull;
    return h;
  }

  // Only the hash is kept; a hit is confirmed against the bytes written.
  void Remember(std::size_t offset, std::size_t length) {
    FSeen.try_emplace(Hash(Bytes.data() + offset, length), static_cast<std::uint32_t>(offset));
  }

  std::optional<std::size_t> Find(const std::string& bytes) const {
    const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const auto it = FSeen.find(Hash(p, bytes.size()));
    if (it == FSeen.end() || it->second + bytes.size() > Bytes.size() ||
        std::memcmp(Bytes.data() + it->second, p, bytes.size()) != 0)
      return std::nullopt;
    return it->second;
  }

  bool FWide;
  std::unordered_map<std::uint64_t, std::uint32_t> FSeen;
};

TDictionaryCompileResult Fail(std::string message) {
  TDictionaryCompileResult r;
  r.Error = std::move(message);
  return r;
}

std::string TooLargeMessage(std::uint32_t linkLimit) {
  return "the word list is too large for the file format: its tree needs links beyond the " +
         std::to_string(linkLimit) + " a file can address";
}

// What a build attempt gives: a file, a list too large, or another error.
struct TBuild {
  TDictionaryCompileResult Result;
  bool TooLarge = false;
};

// Compiles sorted, distinct, encoded words (those of `Keep` at most, when given).
TBuild Build(const std::vector<std::string>& words, const std::vector<bool>* keep,
             const TDictionaryCompileOptions& Options) {
  TBuild build;
  const std::uint32_t linkLimit = std::min<std::uint32_t>(Options.LinkLimit, kMainNoChildren);
  auto tooLarge = [&] {
    build.TooLarge = true;
    build.Result = Fail(TooLargeMessage(linkLimit));
    return build;
  };

  TWordGraph graph(std::uint64_t{kHopelessFactor} * linkLimit);
  std::uint32_t wordCount = 0;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (keep && !(*keep)[i]) continue;
    ++wordCount;
    if (!graph.Add(words[i])) return tooLarge();
  }
  if (wordCount == 0) {
    build.Result = Fail("the word list is empty");
    return build;
  }
  graph.Finish();

  TNodeBuilder builder(graph);
  auto& nodes = builder.Nodes;

  // Every distinct child list of two or more besides the root's, and how many name each node.
  std::vector<std::uint32_t> listStates;
  auto countLists = [&] {
    listStates.clear();
    std::vector<bool> seen(graph.StateCount(), false);
    for (std::uint32_t id = 1; id < nodes.size(); ++id) {
      const std::uint32_t s = nodes[id].ChildState;
      if (!seen[s] && builder.ChildrenOfState(s).size() >= 2) {
        seen[s] = true;
        listStates.push_back(s);
      }
    }
    for (auto& node : nodes) node.Lists = node.References = 0;
    if (builder.Children(0).size() >= 2)
      for (std::uint32_t c : builder.Children(0)) ++nodes[c].Lists;
    for (std::uint32_t s : listStates)
      for (std::uint32_t c : builder.ChildrenOfState(s)) ++nodes[c].Lists;
    for (std::uint32_t id = 0; id < nodes.size(); ++id)
      for (std::uint32_t c : builder.Children(id)) ++nodes[c].References;
  };
  countLists();

  // In a wide file the first 32,768 indexes are the short ones, and they all lie in table 0:
  // the much-listed nodes of the other tables give up their first extra byte to move there.
  std::size_t nodeCount = std::max<std::size_t>(nodes.size(), Options.PadNodeCount);
  if (nodeCount >= kMainWideIndexNodeCount) {
    std::vector<std::uint32_t> ranked;
    for (std::uint32_t id = 1; id < nodes.size(); ++id)
      if (nodes[id].Lists > 0) ranked.push_back(id);
    std::stable_sort(ranked.begin(), ranked.end(), [&](std::uint32_t a, std::uint32_t b) {
      if (nodes[a].Lists != nodes[b].Lists) return nodes[a].Lists > nodes[b].Lists;
      return nodes[a].Extra.empty() && !nodes[b].Extra.empty();
    });
    if (ranked.size() > kShortIndexLimit - 1) ranked.resize(kShortIndexLimit - 1);
    for (std::uint32_t id : ranked)
      if (!nodes[id].Extra.empty() && nodes[id].Lists >= kUnfoldMinLists) builder.Unfold(id);
    countLists();
    nodeCount = std::max<std::size_t>(nodes.size(), Options.PadNodeCount);
  }
  if (nodeCount >= kMaxNodes) return tooLarge();

  const std::size_t realNodes = nodes.size();
  for (std::size_t i = realNodes; i < nodeCount; ++i) {
    TNode pad;
    pad.Pad = true;
    nodes.push_back(pad);
  }

  // The most shared nodes get the smallest indexes in each table: in a wide file, those that
  // the most lists name (a single child costs no linkage).
  const bool wide = nodeCount >= kMainWideIndexNodeCount;
  std::array<std::vector<std::uint32_t>, kMainTableCount> tables;
  for (std::uint32_t id = 1; id < nodeCount; ++id) tables[nodes[id].Extra.size()].push_back(id);
  for (auto& table : tables) {
    std::stable_sort(table.begin(), table.end(), [&](std::uint32_t a, std::uint32_t b) {
      if (nodes[a].Pad != nodes[b].Pad) return !nodes[a].Pad;
      return wide ? nodes[a].Lists > nodes[b].Lists : nodes[a].References > nodes[b].References;
    });
  }
  tables[0].insert(tables[0].begin(), 0);
  std::uint32_t next = 0;
  for (const auto& table : tables)
    for (std::uint32_t id : table) nodes[id].Index = next++;

  // Linkage: the longest lists first, so that shorter ones can be found inside them.
  TLinkage linkage(wide);
  auto indexes = [&](const std::vector<std::uint32_t>& list) {
    std::vector<std::uint32_t> out;
    out.reserve(list.size());
    for (std::uint32_t c : list) out.push_back(nodes[c].Index);
    return out;
  };
  std::uint32_t rootListOffset = 0;
  if (builder.Children(0).size() >= 2) rootListOffset = linkage.Place(indexes(builder.Children(0)));
  std::stable_sort(listStates.begin(), listStates.end(), [&](std::uint32_t a, std::uint32_t b) {
    return builder.ChildrenOfState(a).size() > builder.ChildrenOfState(b).size();
  });
  std::unordered_map<std::uint32_t, std::uint32_t> listOffset;
  listOffset.reserve(listStates.size());
  for (std::uint32_t s : listStates) listOffset.emplace(s, linkage.Place(indexes(builder.ChildrenOfState(s))));

  // Node words.
  std::array<platform::TByteWriter, kMainTableCount> tableBytes;
  for (unsigned k = 0; k < kMainTableCount; ++k) {
    for (std::uint32_t id : tables[k]) {
      const TNode& node = nodes[id];
      std::uint32_t n = 0, link = kMainNoChildren;
      const auto& list = node.Pad ? std::vector<std::uint32_t>() : builder.Children(id);
      if (list.size() == 1) {
        n = 1;
        link = nodes[list[0]].Index;
      } else if (list.size() >= 2) {
        link = id == 0 ? rootListOffset : listOffset.at(node.ChildState);
        n = list.size() <= kMaxShortList ? static_cast<std::uint32_t>(list.size()) : 0;
        if (n == 0) --link;  // the count byte
      }
      if (link != kMainNoChildren && link >= linkLimit) return tooLarge();
      tableBytes[k].PutU32(TMainNodeWord::Make(node.Ch, link, n, node.WordEnd).Value);
      tableBytes[k].PutBytes(node.Extra);
    }
  }

  // First-byte table: repeats the root's children.
  std::vector<std::uint8_t> firstBytes(kMainFirstByteTableSize, 0);
  for (std::uint32_t c : builder.Children(0)) {
    const TNode& node = nodes[c];
    std::uint8_t* entry = firstBytes.data() + 8 * node.Ch;
    const auto& list = builder.Children(c);
    entry[0] = node.WordEnd ? 1 : 0;
    entry[1] = static_cast<std::uint8_t>(list.size());
    if (list.size() == 1) platform::StoreLe32(entry + 4, nodes[list[0]].Index);
    else if (list.size() >= 2) platform::StoreLe32(entry + 4, listOffset.at(node.ChildState));
  }

  // Assemble the file.
  auto& result = build.Result;
  platform::TByteWriter out;
  const std::string_view banner = Options.MinorVersion >= 1 ? kMainBanner41 : kMainBanner40;
  out.PutBytes(banner);
  out.PutZeros(kMainHeaderSize - banner.size());
  std::u16string title = Options.Title.substr(0, 255);
  if (const auto zero = title.find(u'\0'); zero != std::u16string::npos) title.resize(zero);
  out.PutU8(static_cast<std::uint8_t>(title.size()));
  for (char16_t unit : title) out.PutU16(unit);
  out.PutU16(0);
  out.PutI32(Options.Language);
  out.PutU32(wordCount);
  out.PutU32(static_cast<std::uint32_t>(nodeCount));
  for (const auto& table : tables) out.PutU32(static_cast<std::uint32_t>(table.size()));
  for (const auto& table : tableBytes) out.PutBytes(table.Bytes());
  out.PutU32(static_cast<std::uint32_t>(linkage.Bytes.size()));
  out.PutBytes(linkage.Bytes);
  out.PutBytes(firstBytes);
  out.PutZeros(kMainReservedSize);
  result.Bytes = out.Take();

  result.Ok = true;
  result.WordCount = wordCount;
  result.NodeCount = static_cast<std::uint32_t>(nodeCount);
  result.LinkageSize = static_cast<std::uint32_t>(linkage.Bytes.size());
  return build;
}

// Characters of an encoded word (UTF-16 code units for a 4.0 file).
std::size_t CharacterLength(unsigned codePage, const std::string& bytes) {
  if (codePage != platform::kCodePageUtf8) return DecodeWord(codePage, bytes).size();
  return static_cast<std::size_t>(
      std::count_if(bytes.begin(), bytes.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// Sorts, merges duplicates and builds; with FitToFormat a list too large is cut by length.
TDictionaryCompileResult CompileEncoded(std::vector<std::string> words, unsigned codePage,
                                        const TDictionaryCompileOptions& Options) {
  if (words.empty()) return Fail("the word list is empty");
  std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());
  const auto source = static_cast<std::uint32_t>(words.size());

  TBuild whole = Build(words, nullptr, Options);
  if (!whole.TooLarge || !Options.FitToFormat) {
    whole.Result.SourceWords = source;
    return whole.Result;
  }

  // The largest K for which every word of up to K characters fits.
  std::vector<std::size_t> lengths(words.size());
  std::size_t longest = 0;
  for (std::size_t i = 0; i < words.size(); ++i) longest = std::max(longest, lengths[i] = CharacterLength(codePage, words[i]));
  std::size_t low = 0, high = longest;  // K = low fits (nothing kept) and K = high does not
  std::optional<TBuild> best;
  std::vector<bool> keep(words.size());
  while (high - low > 1) {
    const std::size_t k = low + (high - low) / 2;
    for (std::size_t i = 0; i < words.size(); ++i) keep[i] = lengths[i] <= k;
    TBuild attempt = Build(words, &keep, Options);
    if (attempt.TooLarge) {
      high = k;
    } else if (!attempt.Result.Ok) {
      low = k;  // nothing kept at this length: look longer
    } else {
      low = k;
      best = std::move(attempt);
    }
  }
  if (!best) return Fail(TooLargeMessage(std::min<std::uint32_t>(Options.LinkLimit, kMainNoChildren)) + ", even cut by length");
  best->Result.SourceWords = source;
  best->Result.KeptLength = low;
  return std::move(best->Result);
}

// A UTF-8 word the file can hold: well-formed, no surrogates, no zero character.
bool IsUtf8Word(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b == 0) return false;
    if (b < 0x80) {
      ++i;
      continue;
    }
    std::size_t n = 0;
    std::uint32_t cp = 0, min = 0;
    if ((b & 0xE0) == 0xC0) n = 1, cp = b & 0x1F, min = 0x80;
    else if ((b & 0xF0) == 0xE0) n = 2, cp = b & 0x0F, min = 0x800;
    else if ((b & 0xF8) == 0xF0) n = 3, cp = b & 0x07, min = 0x10000;
    else return false;
    if (i + n >= bytes.size()) return false;
    for (std::size_t k = 1; k <= n; ++k) {
      const auto c = static_cast<unsigned char>(bytes[i + k]);
      if ((c & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += n + 1;
  }
  return true;
}

std::string Shown(std::string_view utf8) {
  return utf8.size() > 60 ? std::string(utf8.substr(0, 60)) + "..." : std::string(utf8);
}

TDictionaryCompileResult TooLongWord(std::string_view utf8) {
  return Fail("word is longer than " + std::to_string(kMaxWordBytes) + " encoded bytes: " + Shown(utf8));
}

}  // namespace

std::vector<std::string> ReadWordLines(const std::string& Bytes) {
  std::string_view all(Bytes);
  text::SkipUtf8ByteOrderMark(all);
  std::vector<std::string> words;
  while (!all.empty()) {
    const auto eol = all.find('\n');
    std::string_view line = all.substr(0, eol);
    all = eol == std::string_view::npos ? std::string_view() : all.substr(eol + 1);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    if (!line.empty()) words.emplace_back(line);
  }
  return words;
}

std::vector<std::u16string> ReadWordListUtf8(const std::string& Bytes) {
  std::vector<std::u16string> words;
  for (const auto& line : ReadWordLines(Bytes)) words.push_back(text::Utf8ToUtf16(line));
  return words;
}

TDictionaryCompileResult CompileMainDictionary(const std::vector<std::u16string>& Words,
                                               const TDictionaryCompileOptions& Options) {
  const unsigned codePage = Options.MinorVersion >= 1 ? platform::kCodePageUtf8 : platform::kCodePageAnsi;

  // Encode, refusing what the file cannot hold.
  std::vector<std::string> encoded;
  encoded.reserve(Words.size());
  for (const auto& word : Words) {
    if (word.empty()) continue;
    const std::string shown = text::Utf16ToUtf8(word);
    if (word.find(u'\0') != std::u16string::npos) return Fail("word contains a zero character: " + shown);
    bool usedDefault = false;
    auto bytes = platform::WideToMultiByte(codePage, word, &usedDefault);
    if (!bytes) return Fail("the host ANSI code page is not available");
    if (usedDefault || DecodeWord(codePage, *bytes) != word) {
      return Fail(codePage == platform::kCodePageUtf8 ? "word is not valid Unicode text: " + shown
                                                      : "word cannot be written in the ANSI code page (use format 4.1): " + shown);
    }
    if (bytes->size() > kMaxWordBytes) return TooLongWord(shown);
    encoded.push_back(std::move(*bytes));
  }
  return CompileEncoded(std::move(encoded), codePage, Options);
}

TDictionaryCompileResult CompileMainDictionaryUtf8(std::vector<std::string> Words,
                                                   const TDictionaryCompileOptions& Options) {
  if (Options.MinorVersion < 1) {
    // A 4.0 file holds the ANSI code page: through UTF-16 and the platform's conversion.
    std::vector<std::u16string> wide;
    wide.reserve(Words.size());
    for (const auto& word : Words) {
      if (!IsUtf8Word(word)) return Fail("word is not UTF-8 text (is the list in another encoding?): " + Shown(word));
      wide.push_back(text::Utf8ToUtf16(word));
    }
    return CompileMainDictionary(wide, Options);
  }
  std::erase_if(Words, [](const std::string& w) { return w.empty(); });
  for (const auto& word : Words) {
    if (word.find('\0') != std::string::npos) return Fail("word contains a zero character: " + Shown(word));
    if (!IsUtf8Word(word)) return Fail("word is not UTF-8 text (is the list in another encoding?): " + Shown(word));
    if (word.size() > kMaxWordBytes) return TooLongWord(word);
  }
  return CompileEncoded(std::move(Words), platform::kCodePageUtf8, Options);
}

}  // namespace lexoro::tools
