#include "gedcom/header_info.h"

#include "gedcom/gedcom_record.h"
#include "gedcom/tag_table.h"
#include "text/string_ops.h"

namespace vellix {
namespace {

using Children = std::vector<GedcomNode>;

// Last value of the children of `nodes` with `code` (unchanged when none).
void TakeLast(const Children& nodes, TagCode code, std::string* out) {
  for (const GedcomNode& n : nodes) {
    if (n.tagCode == code) *out = n.value;
  }
}

void TakeAll(const Children& nodes, TagCode code, std::vector<std::string>* out) {
  for (const GedcomNode& n : nodes) {
    if (n.tagCode == code) out->push_back(n.value);
  }
}

// A value followed by those of its children with the given codes.
void TakeWithLines(const GedcomNode& node, std::initializer_list<TagCode> codes,
                   std::vector<std::string>* out) {
  out->push_back(node.value);
  for (const GedcomNode& child : node.children) {
    for (TagCode code : codes) {
      if (child.tagCode == code) {
        out->push_back(child.value);
        break;
      }
    }
  }
}

void FillCorporation(const GedcomNode& corp, HeaderInfo* out) {
  out->corporation = corp.value;
  for (const GedcomNode& addr : corp.Children(kTagAddr)) {
    TakeWithLines(
        addr,
        {kTagAdr1, kTagAdr2, kTagAdr3, kTagCity, kTagCont, kTagCtry, kTagPost, kTagStae},
        &out->corporationAddress);
  }
  TakeAll(corp.children, kTagPhon, &out->corporationPhones);
  TakeAll(corp.children, kTagEmai, &out->corporationEmails);
  TakeAll(corp.children, kTagFax, &out->corporationFaxes);
  TakeAll(corp.children, kTagWww, &out->corporationWebPages);
}

void FillSource(const GedcomNode& sour, HeaderInfo* out) {
  out->sourceId = sour.value;
  TakeLast(sour.children, kTagVers, &out->sourceVersion);
  TakeLast(sour.children, kTagName, &out->sourceName);
  for (const GedcomNode& corp : sour.Children(kTagCorp)) {
    FillCorporation(corp, out);
  }
  for (const GedcomNode& data : sour.Children(kTagData)) {
    out->sourceData = data.value;
    TakeLast(data.children, kTagDate, &out->sourceDataDate);
    for (const GedcomNode& copr : data.Children(kTagCopr)) {
      TakeWithLines(copr, {kTagConc, kTagCont}, &out->sourceDataCopr);
    }
  }
}

}  // namespace

void FillHeaderInfo(const GedcomRecord& header, HeaderInfo* out) {
  *out = HeaderInfo();
  for (const GedcomNode& node : header.children) {
    switch (node.tagCode) {
      case kTagSour:
        FillSource(node, out);
        break;
      case kTagDest:
        out->destination = node.value;
        break;
      case kTagDate:
        out->date = node.value;
        TakeLast(node.children, kTagTime, &out->time);
        break;
      case kTagFile:
        out->fileName = node.value;
        break;
      case kTagCopr:
        out->fileCopr = node.value;
        break;
      case kTagGedc:
        TakeLast(node.children, kTagVers, &out->gedcomVersion);
        TakeLast(node.children, kTagForm, &out->gedcomForm);
        break;
      case kTagChar:
        out->characterSet = node.value;
        TakeLast(node.children, kTagVers, &out->characterSetVersion);
        break;
      case kTagLang:
        out->language = node.value;
        break;
      case kTagPlac:
        TakeLast(node.children, kTagForm, &out->placeForm);
        break;
      case kTagNote:
        TakeWithLines(node, {kTagConc, kTagCont}, &out->note);
        break;
      default:
        break;
    }
  }
}

bool IsAnsel(const HeaderInfo& info) {
  return text::EqualsNoCase(info.characterSet, "ANSEL");
}

bool IsUtf8(const HeaderInfo& info) {
  return text::EqualsNoCase(info.characterSet, "UTF-8") ||
         text::EqualsNoCase(info.characterSet, "UTF8");
}

double VersionNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  double value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
  }
  if (i < text.size() && text[i] == '.') {
    double scale = 0.1;
    for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
      value += (text[i] - '0') * scale;
      scale /= 10;
    }
  }
  return negative ? -value : value;
}

bool IsBelowVersion55(const HeaderInfo& info) {
  // Compare in tenths to stay clear of binary rounding ("5.5" is exactly 55).
  return VersionNumber(info.gedcomVersion) * 10 < 55 - 1e-9;
}

}  // namespace vellix
