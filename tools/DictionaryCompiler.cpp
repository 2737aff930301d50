#include "tools/DictionaryCompiler.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <unordered_map>

#include "lexoro/dictionaries/ox3MainDictionary.h"
#include "lexoro/platform/ox3ByteSpan.h"
#include "lexoro/platform/ox3Platform.h"
#include "lexoro/platform/ox3Text.h"

namespace lexoro::tools {

namespace {

// ---- Minimized word graph (incremental construction over sorted input) ----

struct TState {
  bool Final = false;
  std::vector<std::pair<std::uint8_t, std::uint32_t>> Edges;  // in byte order
};

class TWordGraph {
 public:
  TWordGraph() { FStates.emplace_back(); }

  void Add(const std::string& word) {
    std::size_t common = 0;
    while (common < word.size() && common < FPrevious.size() && word[common] == FPrevious[common]) ++common;
    Minimize(common);
    std::uint32_t state = FPath.back();
    for (std::size_t i = common; i < word.size(); ++i) {
      const auto next = static_cast<std::uint32_t>(FStates.size());
      FStates.emplace_back();
      FStates[state].Edges.emplace_back(static_cast<std::uint8_t>(word[i]), next);
      FPath.push_back(next);
      state = next;
    }
    FStates[state].Final = true;
    FPrevious = word;
  }

  void Finish() { Minimize(0); }

  const std::vector<TState>& States() const { return FStates; }

 private:
  std::string Signature(const TState& s) const {
    std::string key;
    key.reserve(1 + s.Edges.size() * 5);
    key.push_back(s.Final ? '1' : '0');
    for (const auto& [ch, target] : s.Edges) {
      key.push_back(static_cast<char>(ch));
      key.append(reinterpret_cast<const char*>(&target), sizeof target);
    }
    return key;
  }

  // Replaces or registers the states of the previous word below depth `keep`.
  void Minimize(std::size_t keep) {
    while (FPath.size() > keep + 1) {
      const std::uint32_t child = FPath.back();
      FPath.pop_back();
      const std::uint32_t parent = FPath.back();
      auto [it, inserted] = FRegister.try_emplace(Signature(FStates[child]), child);
      if (!inserted) {
        FStates[parent].Edges.back().second = it->second;
        // The replaced state was the newest one; give its slot back.
        if (child + 1 == FStates.size()) FStates.pop_back();
      }
    }
  }

  std::vector<TState> FStates;
  std::vector<std::uint32_t> FPath{0};
  std::string FPrevious;
  std::unordered_map<std::string, std::uint32_t> FRegister;
};

// ---- Nodes of the file ----

struct TNode {
  std::uint8_t Ch = 0;
  bool WordEnd = false;
  std::string Extra;
  std::uint32_t ChildState = 0;  // the state whose edges are this node's children
  bool Pad = false;
  std::uint32_t References = 0;
  std::uint32_t Index = 0;
};

class TNodeBuilder {
 public:
  explicit TNodeBuilder(const std::vector<TState>& states) : FStates(states) {}

  // The node for the edge (ch -> state); the root's children take no extra bytes.
  std::uint32_t NodeFor(std::uint8_t ch, std::uint32_t state, bool allowExtra) {
    std::string extra;
    std::uint32_t current = state;
    if (allowExtra) {
      while (extra.size() < kMainMaxExtraBytes && FStates[current].Edges.size() == 1 &&
             !FStates[FStates[current].Edges[0].second].Final) {
        extra.push_back(static_cast<char>(FStates[current].Edges[0].first));
        current = FStates[current].Edges[0].second;
      }
    }
    const std::uint64_t key = (std::uint64_t{state} << 9) | (std::uint64_t{ch} << 1) | (extra.empty() ? 0 : 1);
    auto [it, inserted] = FIds.try_emplace(key, static_cast<std::uint32_t>(Nodes.size()));
    if (inserted) {
      TNode node;
      node.Ch = ch;
      node.WordEnd = FStates[state].Final;
      node.Extra = std::move(extra);
      node.ChildState = current;
      Nodes.push_back(std::move(node));
      FPending.push_back(it->second);
    }
    return it->second;
  }

  // Children of every node reached, breadth first.
  void Expand(std::vector<std::vector<std::uint32_t>>& childrenOfState) {
    while (!FPending.empty()) {
      const std::uint32_t id = FPending.back();
      FPending.pop_back();
      const std::uint32_t s = Nodes[id].ChildState;
      if (!childrenOfState[s].empty() || FStates[s].Edges.empty()) continue;
      std::vector<std::uint32_t> children;
      for (const auto& [ch, target] : FStates[s].Edges) children.push_back(NodeFor(ch, target, true));
      childrenOfState[s] = std::move(children);
    }
  }

  std::vector<TNode> Nodes;

 private:
  const std::vector<TState>& FStates;
  std::unordered_map<std::uint64_t, std::uint32_t> FIds;
  std::vector<std::uint32_t> FPending;
};

TDictionaryCompileResult Fail(std::string message) {
  TDictionaryCompileResult r;
  r.Error = std::move(message);
  return r;
}

}  // namespace

std::vector<std::u16string> ReadWordListUtf8(const std::string& Bytes) {
  std::string_view all(Bytes);
  text::SkipUtf8ByteOrderMark(all);
  std::vector<std::u16string> words;
  while (!all.empty()) {
    const auto eol = all.find('\n');
    std::string_view line = all.substr(0, eol);
    all = eol == std::string_view::npos ? std::string_view() : all.substr(eol + 1);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    if (!line.empty()) words.push_back(text::Utf8ToUtf16(line));
  }
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
    if (bytes->size() > kMaxWordBytes) {
      return Fail("word is longer than " + std::to_string(kMaxWordBytes) + " encoded bytes: " + shown.substr(0, 60) + "...");
    }
    encoded.push_back(std::move(*bytes));
  }
  if (encoded.empty()) return Fail("the word list is empty");
  std::sort(encoded.begin(), encoded.end());
  encoded.erase(std::unique(encoded.begin(), encoded.end()), encoded.end());

  TWordGraph graph;
  for (const auto& w : encoded) graph.Add(w);
  graph.Finish();
  const auto& states = graph.States();

  // Node 0 is the root; its children are the first bytes of the words.
  TNodeBuilder builder(states);
  builder.Nodes.push_back(TNode{});  // the root
  std::vector<std::uint32_t> rootChildren;
  for (const auto& [ch, target] : states[0].Edges) rootChildren.push_back(builder.NodeFor(ch, target, false));
  std::vector<std::vector<std::uint32_t>> childrenOfState(states.size());
  builder.Expand(childrenOfState);
  auto& nodes = builder.Nodes;
  auto children = [&](std::uint32_t id) -> const std::vector<std::uint32_t>& {
    return id == 0 ? rootChildren : childrenOfState[nodes[id].ChildState];
  };

  // Reference counts decide the order inside each table: the most shared nodes get the
  // smallest indexes (and so the short child-index form in large files).
  for (std::uint32_t c : rootChildren) ++nodes[c].References;
  for (std::size_t s = 0; s < childrenOfState.size(); ++s)
    for (std::uint32_t c : childrenOfState[s]) ++nodes[c].References;
  const std::size_t realNodes = nodes.size();
  for (std::size_t i = realNodes; i < Options.PadNodeCount; ++i) {
    TNode pad;
    pad.Pad = true;
    nodes.push_back(pad);
  }
  const auto nodeCount = static_cast<std::uint32_t>(nodes.size());
  if (nodeCount >= 0x800000) return Fail("too many nodes for the file format: " + std::to_string(nodeCount));

  std::array<std::vector<std::uint32_t>, kMainTableCount> tables;
  for (std::uint32_t id = 1; id < nodeCount; ++id) tables[nodes[id].Extra.size()].push_back(id);
  for (auto& table : tables) {
    std::stable_sort(table.begin(), table.end(), [&](std::uint32_t a, std::uint32_t b) {
      if (nodes[a].Pad != nodes[b].Pad) return !nodes[a].Pad;
      return nodes[a].References > nodes[b].References;
    });
  }
  tables[0].insert(tables[0].begin(), 0);
  std::uint32_t next = 0;
  for (const auto& table : tables)
    for (std::uint32_t id : table) nodes[id].Index = next++;

  // Linkage: one index list per distinct child set, a count byte in front of lists of eight
  // or more. Offsets point at the first index.
  const bool wide = nodeCount >= kMainWideIndexNodeCount;
  platform::TByteWriter linkage;
  auto putIndex = [&](std::uint32_t index) {
    if (!wide) {
      linkage.PutU16(static_cast<std::uint16_t>(index));
    } else if (index <= 0x7FFF) {
      linkage.PutU16Be(static_cast<std::uint16_t>(0x8000 | index));
    } else {
      linkage.PutU8(static_cast<std::uint8_t>(index >> 16));
      linkage.PutU16Be(static_cast<std::uint16_t>(index));
    }
  };
  auto writeList = [&](const std::vector<std::uint32_t>& list) -> std::uint32_t {
    if (list.size() >= 8) linkage.PutU8(static_cast<std::uint8_t>(list.size()));
    const auto offset = static_cast<std::uint32_t>(linkage.Size());
    for (std::uint32_t c : list) putIndex(nodes[c].Index);
    return offset;
  };
  std::vector<std::uint32_t> listOffset(states.size(), 0);
  std::vector<bool> listWritten(states.size(), false);
  std::uint32_t rootListOffset = 0;
  if (rootChildren.size() >= 2) rootListOffset = writeList(rootChildren);
  auto offsetForState = [&](std::uint32_t s) {
    if (!listWritten[s]) {
      listOffset[s] = writeList(childrenOfState[s]);
      listWritten[s] = true;
    }
    return listOffset[s];
  };

  // Node words.
  std::array<platform::TByteWriter, kMainTableCount> tableBytes;
  for (unsigned k = 0; k < kMainTableCount; ++k) {
    for (std::uint32_t id : tables[k]) {
      const TNode& node = nodes[id];
      std::uint32_t n = 0, link = kMainNoChildren;
      const auto& list = node.Pad ? std::vector<std::uint32_t>() : children(id);
      if (list.size() == 1) {
        n = 1;
        link = nodes[list[0]].Index;
      } else if (list.size() >= 2) {
        link = id == 0 ? rootListOffset : offsetForState(node.ChildState);
        n = list.size() <= 7 ? static_cast<std::uint32_t>(list.size()) : 0;
        if (n == 0) --link;  // the count byte
      }
      // Every real link lies below the value that means "no children".
      if (!list.empty() && link >= kMainNoChildren) return Fail("the word list is too large: a link exceeds 20 bits");
      tableBytes[k].PutU32(TMainNodeWord::Make(node.Ch, link, n, node.WordEnd).Value);
      tableBytes[k].PutBytes(node.Extra);
    }
  }
  if (linkage.Size() > kMainNoChildren) return Fail("the word list is too large: the linkage area exceeds 20 bits");

  // First-byte table: repeats the root's children.
  std::vector<std::uint8_t> firstBytes(kMainFirstByteTableSize, 0);
  for (std::uint32_t c : rootChildren) {
    const TNode& node = nodes[c];
    std::uint8_t* entry = firstBytes.data() + 8 * node.Ch;
    const auto& list = childrenOfState[node.ChildState];
    entry[0] = node.WordEnd ? 1 : 0;
    entry[1] = static_cast<std::uint8_t>(list.size());
    if (list.size() == 1) platform::StoreLe32(entry + 4, nodes[list[0]].Index);
    else if (list.size() >= 2) platform::StoreLe32(entry + 4, offsetForState(node.ChildState));
  }

  // Assemble the file.
  TDictionaryCompileResult result;
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
  out.PutU32(static_cast<std::uint32_t>(encoded.size()));
  out.PutU32(nodeCount);
  for (const auto& table : tables) out.PutU32(static_cast<std::uint32_t>(table.size()));
  for (const auto& table : tableBytes) out.PutBytes(table.Bytes());
  out.PutU32(static_cast<std::uint32_t>(linkage.Size()));
  out.PutBytes(linkage.Bytes());
  out.PutBytes(firstBytes);
  out.PutZeros(kMainReservedSize);
  result.Bytes = out.Take();

  result.Ok = true;
  result.WordCount = static_cast<std::uint32_t>(encoded.size());
  result.NodeCount = nodeCount;
  return result;
}

}  // namespace lexoro::tools
