#include "site/family/fact.h"

#include <algorithm>
#include <array>
#include <utility>

#include "gedcom/continuation_lines.h"
#include "gedcom/gedcom_reader.h"
#include "options/options.h"
#include "text/charset.h"
#include "text/string_ops.h"

namespace vellix::site {
namespace {

struct TagKind {
  std::string_view tag;
  int individual;
  int family;
};

// The tags that give a fact kind; every other tag gives none.
constexpr TagKind kTagKinds[] = {
    {"ADOP", 0, 0},   {"BAPM", 1, 1},   {"BARM", 2, 2},   {"BASM", 3, 3},
    {"BLES", 4, 4},   {"BURI", 5, 5},   {"CAST", 6, 6},   {"CENS", 8, 52},
    {"CHR", 48, 48},  {"CHRA", 9, 9},   {"CONF", 10, 10}, {"CREM", 11, 11},
    {"DSCR", 25, 25}, {"EDUC", 12, 12}, {"EMIG", 13, 13}, {"EVEN", 49, 50},
    {"FACT", 14, 50}, {"FCOM", 15, 15}, {"GRAD", 16, 16}, {"IMMI", 17, 17},
    {"IDNO", 18, 18}, {"NATI", 19, 19}, {"NATU", 20, 20}, {"NCHI", 21, 21},
    {"NMR", 22, 22},  {"OCCU", 23, 23}, {"ORDN", 24, 24}, {"PROB", 26, 26},
    {"PROP", 27, 27}, {"RELI", 28, 28}, {"RESI", 29, 61}, {"RETI", 30, 30},
    {"SSN", 31, 31},  {"TITL", 32, 32}, {"WILL", 33, 33}, {"ANUL", 51, 51},
    {"DIV", 53, 53},  {"DIVF", 54, 54}, {"ENGA", 55, 55}, {"MARB", 56, 56},
    {"MARC", 57, 57}, {"MARL", 58, 58}, {"MARR", 59, 59}, {"MARS", 60, 60},
};

bool IsTag(const GedcomNode& node, std::string_view tag) {
  return text::EqualsNoCase(node.tag, tag);
}

// The LATI and LONG of the MAP line below a PLAC line.
void ReadCoordinates(const GedcomNode& place, Fact* fact) {
  for (const GedcomNode& map : place.children) {
    if (!IsTag(map, "MAP")) continue;
    for (const GedcomNode& part : map.children) {
      if (IsTag(part, "LATI")) fact->latitude = part.value;
      if (IsTag(part, "LONG")) fact->longitude = part.value;
    }
  }
}

}  // namespace

std::unique_ptr<GedcomNode> CloneNode(const GedcomNode& node) {
  auto root =
      std::make_unique<GedcomNode>(node.level, node.tagCode, node.tag, node.value);
  root->pointer = node.pointer;
  // Pairs of (source, copy) whose children are still to be copied. Each copy's
  // children vector is filled completely before its children are visited, so
  // the pointers into it stay valid.
  std::vector<std::pair<const GedcomNode*, GedcomNode*>> todo{{&node, root.get()}};
  while (!todo.empty()) {
    auto [from, to] = todo.back();
    todo.pop_back();
    to->children.reserve(from->children.size());
    for (const GedcomNode& child : from->children) {
      to->children.emplace_back(child.level, child.tagCode, child.tag, child.value);
      to->children.back().pointer = child.pointer;
    }
    for (size_t i = 0; i < from->children.size(); ++i) {
      if (!from->children[i].children.empty()) {
        todo.emplace_back(&from->children[i], &to->children[i]);
      }
    }
  }
  return root;
}

std::shared_ptr<const GedcomNode> CopyOfSourcesAndObjects(const GedcomNode& line) {
  auto kept = [](const GedcomNode& child) {
    return child.tagCode == kTagSour || child.tagCode == kTagObje;
  };
  if (std::none_of(line.children.begin(), line.children.end(), kept)) return nullptr;
  auto holder =
      std::make_shared<GedcomNode>(line.level, line.tagCode, line.tag, line.value);
  holder->pointer = line.pointer;
  for (const GedcomNode& child : line.children) {
    if (kept(child)) holder->children.push_back(std::move(*CloneNode(child)));
  }
  return holder;
}

std::vector<const GedcomNode*> CitationsOf(const GedcomNode& node) {
  std::vector<const GedcomNode*> out;
  for (const GedcomNode& child : node.Children(kTagSour)) out.push_back(&child);
  return out;
}

namespace {

// The kinds of one tag code for individuals and families.
struct KindPair {
  int individual = kKindNone;
  int family = kKindNone;
};

KindPair KindsOfName(std::string_view name) {
  if (name.empty()) return {};
  for (const TagKind& entry : kTagKinds) {
    if (entry.tag == name) return {entry.individual, entry.family};
  }
  return {};
}

// Every line of every loaded record asks for its kind: the answers for the
// codes the tag table knows are worked out once.
constexpr size_t kKnownCodes = static_cast<size_t>(kTagUnknown) + 1;
using KindTable = std::array<KindPair, kKnownCodes>;

KindTable BuildKindTable() {
  KindTable table;
  for (size_t code = 0; code < kKnownCodes; ++code) {
    table[code] = KindsOfName(TagName(static_cast<TagCode>(code)));
  }
  return table;
}

}  // namespace

int FactKindForTag(TagCode code, bool family) {
  static const KindTable kTable = BuildKindTable();
  const KindPair kinds = (code >= 0 && static_cast<size_t>(code) < kKnownCodes)
                             ? kTable[static_cast<size_t>(code)]
                             : KindsOfName(TagName(code));
  return family ? kinds.family : kinds.individual;
}

bool UserKindLabelMatches(std::string_view label, std::string_view type_text) {
  if (label.empty()) return false;
  if (label.size() > 2 && label[0] == '^' && label[1] != '^') {
    return text::AsciiUpper(type_text).find(text::AsciiUpper(label.substr(1))) !=
           std::string::npos;
  }
  if (label.size() >= 2 && label[0] == '^' && label[1] == '^') {
    return label.substr(1) == type_text;
  }
  return text::EqualsNoCase(label, type_text);
}

int MatchUserKind(const COptions& options, std::string_view type_text) {
  for (int kind = kKindFirstUser; kind <= kKindLastUser; ++kind) {
    std::string label = FactKindLabel(options, kind);
    if (label.empty()) continue;
    if (UserKindLabelMatches(label, type_text)) return kind;
  }
  return kKindNone;
}

std::string FactKindLabel(const COptions& options, int kind) {
  if (kind < 0 || kind >= kFactKindCount ||
      options.m_factLabels.size() != static_cast<size_t>(kFactKindCount)) {
    return {};
  }
  if (kind == kKindMarried) return options.m_strLblMarried;
  if (kind == 52) kind = 8;
  if (kind == 61) kind = 29;
  return options.m_factLabels[static_cast<size_t>(kind)];
}

std::vector<std::string> InlineNoteLines(const GedcomNode& note) {
  std::vector<std::string> lines;
  SplitContinuationLines(note, &lines);
  return lines;
}

NoteResolver ReaderNoteResolver(GedcomReader& reader) {
  return [&reader](const GedcomNode& note) -> std::vector<std::string> {
    if (note.pointer.empty()) return InlineNoteLines(note);
    GedcomRecord* loaded = nullptr;
    reader.LoadRecord(RecordKind::kNote, note.pointer, false, &loaded);
    if (loaded == nullptr) return {};
    // A NOTE record keeps its text in the level-0 value and its CONC/CONT
    // lines; a record read as a tree holds those lines as its children.
    std::vector<std::string> lines{loaded->value};
    for (const GedcomNode& child : loaded->children) {
      if (child.tagCode == kTagCont) {
        lines.push_back(child.value);
      } else if (child.tagCode == kTagConc) {
        lines.back() += child.value;
      }
    }
    return lines;
  };
}

Fact ReadFactLine(const GedcomNode& line, const NoteResolver& notes) {
  Fact fact;
  fact.tagCode = line.tagCode;
  fact.tag = line.tag;
  // The line's own value: "Y" only says the event happened; a pointer names
  // an associated person; anything else describes the fact.
  if (!line.pointer.empty()) {
    fact.person_key = line.pointer;
  } else if (line.value != "Y" && line.value != "y") {
    JoinContinuationLines(line, &fact.description, {.with_breaks = true});
  }
  for (const GedcomNode& child : line.children) {
    if (child.tagCode == kTagDate) {
      JoinContinuationLines(child, &fact.date);
    } else if (child.tagCode == kTagPlac) {
      fact.place = child.value;
      ReadCoordinates(child, &fact);
    } else if (child.tagCode == kTagAddr) {
      JoinContinuationLines(child, &fact.address, {.with_breaks = true});
    } else if (child.tagCode == kTagType) {
      if (!child.value.empty()) {
        if (!fact.type_text.empty()) fact.type_text += ' ';
        fact.type_text += child.value;
      }
    } else if (child.tagCode == kTagNote) {
      std::vector<std::string> lines = notes ? notes(child) : InlineNoteLines(child);
      bool any = false;
      for (const std::string& l : lines) any = any || !l.empty();
      if (any) fact.notes.push_back(std::move(lines));
    } else if (IsTag(child, "ASSO") && fact.person_key.empty() &&
               !child.pointer.empty()) {
      fact.person_key = child.pointer;
    }
  }
  fact.line = CopyOfSourcesAndObjects(line);
  if (fact.line != nullptr) fact.citations = CitationsOf(*fact.line);
  return fact;
}

}  // namespace vellix::site
