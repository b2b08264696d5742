#include "shell/cli/info_report.h"

#include <initializer_list>
#include <utility>

#include "shell/cli/json_text.h"
#include "text/printf.h"

namespace vellix::cli {
namespace {

using Field = std::pair<const char*, const std::string*>;

// The header's facts in the window's order, under its three group captions.
struct HeaderGroup {
  const char* caption;
  std::initializer_list<Field> fields;
};

std::string CustomCaption(const FamilyRefCensusSet& census) {
  return "Custom tag: " + census.custom_tag;
}

std::string CensusJson(const FamilyRefCensus& census) {
  return text::Printf(
      "{\"families\":%d,\"inRecords\":%d,\"inAll\":%s,\"inSome\":%s,\"unique\":%s,"
      "\"text\":%s}",
      census.families, census.with_value, census.found_in_all() ? "true" : "false",
      !census.found_in_all() && !census.found_in_none() ? "true" : "false",
      census.unique ? "true" : "false", JsonString(CensusText(census)).c_str());
}

}  // namespace

std::string InfoText(const std::string& path, const GedcomFileInfo& info) {
  std::string out = "GEDCOM File Information: " + path + "\n";
  const HeaderInfo& h = info.header;
  if (info.has_header) {
    const HeaderGroup groups[] = {
        {"Created By",
         {{"Source ID:", &h.sourceId},
          {"Product:", &h.sourceName},
          {"Version:", &h.sourceVersion}}},
        {"Data",
         {{"Source:", &h.sourceData},
          {"Date:", &h.sourceDataDate},
          {"Destination ID:", &h.destination},
          {"Date:", &h.date},
          {"Original Name:", &h.fileName}}},
        {"GEDCOM Standard",
         {{"Version:", &h.gedcomVersion},
          {"Character Set:", &h.characterSet},
          {"Language:", &h.language}}},
    };
    for (const HeaderGroup& group : groups) {
      out += std::string(group.caption) + "\n";
      for (const Field& field : group.fields) {
        out += text::Printf("  %-16s %s\n", field.first, field.second->c_str());
      }
    }
  } else {
    out += "(the file has no header)\n";
  }
  out +=
      text::Printf("Families:    %d\nIndividuals: %d\n", info.families, info.individuals);
  out += "Family Record Reference Numbers\n";
  const FamilyRefCensusSet& c = info.census;
  for (const auto& [caption, census] : {std::pair<std::string, const FamilyRefCensus*>{
                                            "User Reference Numbers (REFN):", &c.refn},
                                        {"Record ID Numbers (RIN):", &c.rin},
                                        {CustomCaption(c), &c.custom}}) {
    out += text::Printf("  %-31s %s\n", caption.c_str(), CensusText(*census).c_str());
  }
  return out;
}

std::string InfoJson(const std::string& path, const GedcomFileInfo& info) {
  const HeaderInfo& h = info.header;
  std::string out = "{\"file\":" + JsonString(path) + ",\"header\":";
  if (info.has_header) {
    const Field fields[] = {{"sourceId", &h.sourceId},
                            {"product", &h.sourceName},
                            {"productVersion", &h.sourceVersion},
                            {"source", &h.sourceData},
                            {"sourceDate", &h.sourceDataDate},
                            {"destination", &h.destination},
                            {"date", &h.date},
                            {"originalName", &h.fileName},
                            {"gedcomVersion", &h.gedcomVersion},
                            {"characterSet", &h.characterSet},
                            {"language", &h.language}};
    out += "{";
    for (const Field& field : fields) {
      if (field.first != fields[0].first) out += ",";
      out += JsonString(field.first) + ":" + JsonString(*field.second);
    }
    out += "}";
  } else {
    out += "null";
  }
  const FamilyRefCensusSet& c = info.census;
  out += text::Printf(",\"families\":%d,\"individuals\":%d", info.families,
                      info.individuals);
  out += ",\"familyReferenceNumbers\":{\"refn\":" + CensusJson(c.refn) +
         ",\"rin\":" + CensusJson(c.rin) + ",\"custom\":" + CensusJson(c.custom) +
         ",\"customTag\":" + JsonString(c.custom_tag) + "}}\n";
  return out;
}

}  // namespace vellix::cli
