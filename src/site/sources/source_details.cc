#include "site/sources/source_details.h"

#include "gedcom/gedcom_record.h"
#include "gedcom/continuation_lines.h"

namespace vellix::site {
std::string JoinedValue(const GedcomNode& node) {
  std::string joined = node.value;
  for (const GedcomNode& child : node.children) {
    if (child.tagCode == kTagConc) {
      joined += child.value;
    } else if (child.tagCode == kTagCont) {
      if (!joined.empty() && !child.value.empty()) joined += ' ';
      joined += child.value;
    }
  }
  return joined;
}

namespace {

std::string ValueOf(const GedcomNode* node) {
  return node ? JoinedValue(*node) : std::string();
}

void AppendLines(const std::vector<std::string>& more, std::vector<std::string>* lines) {
  lines->insert(lines->end(), more.begin(), more.end());
}

std::vector<UserReference> ReadUserReferences(const std::vector<GedcomNode>& children) {
  std::vector<UserReference> references;
  for (const GedcomNode& child : children) {
    if (child.tagCode != kTagRefn) continue;
    references.push_back({JoinedValue(child), ValueOf(child.FirstChild(kTagType))});
  }
  return references;
}

ChangeDetails ReadChange(const GedcomNode* chan, const NoteLookup& notes) {
  ChangeDetails change;
  if (chan == nullptr) return change;
  if (const GedcomNode* date = chan->FirstChild(kTagDate)) {
    change.date = date->value;
    change.time = ValueOf(date->FirstChild(kTagTime));
  }
  for (const GedcomNode& note : chan->Children(kTagNote)) {
    AppendLines(NoteLines(note, notes), &change.notes);
  }
  return change;
}

const GedcomNode* FirstOf(const std::vector<GedcomNode>& children, TagCode code) {
  for (const GedcomNode& child : children) {
    if (child.tagCode == code) return &child;
  }
  return nullptr;
}

}  // namespace

std::vector<std::string> NoteLines(const GedcomNode& note, const NoteLookup& notes) {
  std::vector<std::string> lines;
  if (!note.pointer.empty()) {
    const GedcomRecord* record = notes ? notes(note.pointer) : nullptr;
    if (record != nullptr) SplitContinuationLines(*record, &lines);
    return lines;
  }
  SplitContinuationLines(note, &lines);
  return lines;
}

SourceDetails ReadSourceDetails(const GedcomRecord& record, const NoteLookup& notes) {
  SourceDetails details;
  for (const GedcomNode& line : record.children) {
    switch (line.tagCode) {
      case kTagText:
        SplitContinuationLines(line, &details.textLines);
        break;
      case kTagNote:
        AppendLines(NoteLines(line, notes), &details.commentLines);
        break;
      case kTagData:
        for (const GedcomNode& data : line.children) {
          if (data.tagCode == kTagEven) {
            details.events.push_back({JoinedValue(data),
                                      ValueOf(data.FirstChild(kTagDate)),
                                      ValueOf(data.FirstChild(kTagPlac))});
          } else if (data.tagCode == kTagAgnc) {
            if (details.agency.empty()) details.agency = JoinedValue(data);
          } else if (data.tagCode == kTagNote) {
            AppendLines(NoteLines(data, notes), &details.dataNoteLines);
          }
        }
        break;
      case kTagRepo: {
        RepositoryReference reference;
        reference.xref = line.pointer;
        for (const GedcomNode& part : line.children) {
          if (part.tagCode == kTagCaln) {
            reference.callNumbers.push_back(
                {JoinedValue(part), ValueOf(part.FirstChild(kTagMedi))});
          } else if (part.tagCode == kTagNote) {
            AppendLines(NoteLines(part, notes), &reference.notes);
          }
        }
        details.repositories.push_back(std::move(reference));
        break;
      }
      case kTagChan:
        if (details.change.empty()) details.change = ReadChange(&line, notes);
        break;
      case kTagObje:
        if (!line.pointer.empty()) details.mediaKeys.push_back(line.pointer);
        break;
      default:
        break;
    }
  }
  details.userReferences = ReadUserReferences(record.children);
  return details;
}

RepositoryDetails ReadRepositoryDetails(const GedcomRecord& record,
                                        const NoteLookup& notes) {
  RepositoryDetails details;
  for (const GedcomNode& line : record.children) {
    switch (line.tagCode) {
      case kTagAddr: {
        if (!details.addressLines.empty()) break;  // the first address only
        if (!line.value.empty()) details.addressLines.push_back(line.value);
        for (const GedcomNode& part : line.children) {
          switch (part.tagCode) {
            case kTagConc:
              if (details.addressLines.empty()) details.addressLines.emplace_back();
              details.addressLines.back() += part.value;
              break;
            case kTagCont:
            case kTagAdr1:
            case kTagAdr2:
            case kTagAdr3:
            case kTagCity:
              if (!part.value.empty()) details.addressLines.push_back(part.value);
              break;
            default:
              break;
          }
        }
        details.state = ValueOf(FirstOf(line.children, kTagStae));
        details.postalCode = ValueOf(FirstOf(line.children, kTagPost));
        details.country = ValueOf(FirstOf(line.children, kTagCtry));
        break;
      }
      case kTagPhon:
        details.phones.push_back(JoinedValue(line));
        break;
      case kTagFax:
        details.faxes.push_back(JoinedValue(line));
        break;
      case kTagEmai:
        details.emails.push_back(JoinedValue(line));
        break;
      case kTagWww:
        details.websites.push_back(JoinedValue(line));
        break;
      case kTagNote:
        AppendLines(NoteLines(line, notes), &details.commentLines);
        break;
      case kTagChan:
        if (details.change.empty()) details.change = ReadChange(&line, notes);
        break;
      default:
        break;
    }
  }
  details.userReferences = ReadUserReferences(record.children);
  return details;
}

}  // namespace vellix::site
