// Reads XML text with expat: whether it is well-formed, its root element and
// the text of every element of one name (the addresses of a sitemap).
#pragma once

#include <expat.h>

#include <string>
#include <vector>

namespace vellix::testing {

/// What ParseXml found.
struct XmlFacts {
  bool well_formed = false;
  std::string error;  // expat's message when not well-formed
  std::string root;   // the root element's name, namespace stripped
  std::string root_namespace;
  std::vector<std::string> texts;  // the text of each element named `collect`
};

/// Parses `xml` and collects the text of every element named `collect`
/// (local name).
inline XmlFacts ParseXml(const std::string& xml, const std::string& collect) {
  struct State {
    XmlFacts facts;
    std::string collect;
    int depth = 0;
    bool in_collect = false;
    std::string current;
  } state;
  state.collect = collect;
  XML_Parser parser = XML_ParserCreateNS(nullptr, '|');
  XML_SetUserData(parser, &state);
  static auto* local_of = +[](const XML_Char* name) {
    std::string full(name);
    size_t bar = full.find('|');
    return bar == std::string::npos ? full : full.substr(bar + 1);
  };
  XML_SetElementHandler(
      parser,
      [](void* data, const XML_Char* name, const XML_Char**) {
        auto* s = static_cast<State*>(data);
        if (s->depth++ == 0) {
          std::string full(name);
          size_t bar = full.find('|');
          s->facts.root = local_of(name);
          if (bar != std::string::npos) s->facts.root_namespace = full.substr(0, bar);
        }
        if (local_of(name) == s->collect) {
          s->in_collect = true;
          s->current.clear();
        }
      },
      [](void* data, const XML_Char* name) {
        auto* s = static_cast<State*>(data);
        --s->depth;
        if (s->in_collect && local_of(name) == s->collect) {
          s->facts.texts.push_back(s->current);
          s->in_collect = false;
        }
      });
  XML_SetCharacterDataHandler(parser, [](void* data, const XML_Char* text, int length) {
    auto* s = static_cast<State*>(data);
    if (s->in_collect) s->current.append(text, static_cast<size_t>(length));
  });
  const bool ok =
      XML_Parse(parser, xml.data(), static_cast<int>(xml.size()), 1) == XML_STATUS_OK;
  state.facts.well_formed = ok;
  if (!ok) state.facts.error = XML_ErrorString(XML_GetErrorCode(parser));
  XML_ParserFree(parser);
  return state.facts;
}

}  // namespace vellix::testing
