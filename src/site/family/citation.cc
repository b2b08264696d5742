#include "site/family/citation.h"

#include "gedcom/continuation_lines.h"
#include "gedcom/gedcom_reader.h"
#include "gedcom/gedcom_record.h"

namespace vellix::site {
namespace {

bool TagIs(const GedcomNode& node, std::string_view tag) {
  if (node.tag.size() != tag.size()) return false;
  for (size_t i = 0; i < tag.size(); ++i) {
    char c = node.tag[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != tag[i]) return false;
  }
  return true;
}

// The value of a line with its CONC and CONT lines, CONT lines after "\n".
std::string JoinedWithNewlines(const GedcomNode& node) {
  std::vector<std::string> lines;
  SplitContinuationLines(node, &lines);
  std::string joined;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) joined += '\n';
    joined += lines[i];
  }
  return joined;
}

// The lines of a NOTE line: its own text, or the text of the NOTE record it
// points to.
void AddNoteLines(const GedcomNode& note, GedcomReader* reader,
                  std::vector<std::string>* lines) {
  if (note.pointer.empty()) {
    SplitContinuationLines(note, lines);
    return;
  }
  if (reader == nullptr) return;
  GedcomRecord* loaded = nullptr;
  reader->LoadRecord(RecordKind::kNote, note.pointer, false, &loaded);
  if (loaded != nullptr) SplitContinuationLines(*loaded, lines);
}

void ReadData(const GedcomNode& data, Citation* citation) {
  for (const GedcomNode& line : data.children) {
    if (line.tagCode == kTagDate) {
      citation->date = line.value;
    } else if (line.tagCode == kTagText) {
      SplitContinuationLines(line, &citation->text);
    }
  }
}

}  // namespace

Citation ReadCitation(const GedcomNode& sour, GedcomReader* reader) {
  Citation citation;
  if (!sour.pointer.empty()) {
    citation.source = sour.pointer;
  } else {
    citation.description = JoinedWithNewlines(sour);
  }
  for (const GedcomNode& line : sour.children) {
    switch (line.tagCode) {
      case kTagPage:
        JoinContinuationLines(line, &citation.page);
        break;
      case kTagEven:
        citation.event = line.value;
        for (const GedcomNode& sub : line.children) {
          if (TagIs(sub, "ROLE")) citation.role = sub.value;
        }
        break;
      case kTagData:
        ReadData(line, &citation);
        break;
      case kTagText:
        SplitContinuationLines(line, &citation.text);
        break;
      case kTagNote:
        AddNoteLines(line, reader, &citation.notes);
        break;
      case kTagTemplate:
        ReadTemplate(line, &citation.template_text, &citation.fields);
        break;
      default:
        if (TagIs(line, "QUAY")) citation.quality = line.value;
        break;
    }
  }
  return citation;
}

std::vector<Citation> ReadCitations(const std::vector<GedcomNode>& children,
                                    GedcomReader* reader) {
  std::vector<Citation> citations;
  for (const GedcomNode& line : children) {
    if (line.tagCode == kTagSour) citations.push_back(ReadCitation(line, reader));
  }
  return citations;
}

void ReadTemplate(const GedcomNode& line, std::string* template_text,
                  std::vector<TemplateField>* fields) {
  JoinContinuationLines(line, template_text);
  for (const GedcomNode& field : line.children) {
    if (field.tagCode != kTagField) continue;
    TemplateField pair;
    pair.first = field.value;
    for (const GedcomNode& sub : field.children) {
      if (sub.tagCode == kTagValue) {
        JoinContinuationLines(sub, &pair.second);
      } else if (pair.first.empty() && sub.tagCode != kTagConc &&
                 sub.tagCode != kTagCont) {
        pair.first = sub.value;
      }
    }
    if (!pair.first.empty()) fields->push_back(std::move(pair));
  }
}

SourceInfo ReadSourceInfo(GedcomReader& reader, std::string_view key,
                          bool use_abbreviation) {
  SourceInfo info;
  GedcomRecord* loaded = nullptr;
  reader.LoadRecord(RecordKind::kSource, key, false, &loaded);
  if (loaded == nullptr) return info;
  info.found = true;
  std::string abbreviation;
  bool has_title = false;
  for (const GedcomNode& line : loaded->children) {
    switch (line.tagCode) {
      case kTagTitl:
        JoinContinuationLines(line, &info.title);
        has_title = true;
        break;
      case kTagAbbr:
        JoinContinuationLines(line, &abbreviation);
        break;
      case kTagTemplate:
        ReadTemplate(line, &info.template_text, &info.fields);
        break;
      default:
        if (TagIs(line, "AUTH")) {
          info.author = JoinedWithNewlines(line);
        } else if (TagIs(line, "PUBL")) {
          JoinContinuationLines(line, &info.publication);
        }
        break;
    }
  }
  if (!has_title && use_abbreviation) info.title = abbreviation;
  return info;
}

}  // namespace vellix::site
