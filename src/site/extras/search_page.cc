#include "site/extras/search_page.h"

#include <vector>

#include "options/options.h"
#include "site/frame/extras_frame.h"
#include "site/frame/page_file.h"
#include "site/frame/page_writer.h"
#include "site/index/index_pages.h"
#include "text/html_escape.h"
#include "text/paths.h"

namespace vellix::site::extras {
namespace {

// A page kind of its own: the family body class, the index header and
// footer, and no search box of the frame's (the page has its own form).
constexpr int kPageSearch = 9;

constexpr std::string_view kPageScript = R"JS(
(function () {
  var box = document.getElementById("vx-q");
  var out = document.getElementById("vx-results");
  var loaded = {};
  var waiting = null;
  var limit = 500;
  function fold(s) {
    s = s.toLowerCase();
    return s.normalize ? s.normalize("NFD").replace(/[\u0300-\u036f]/g, "") : s;
  }
  function letterOf(word) {
    var c = word.toLowerCase().charAt(0);
    return c >= "a" && c <= "z" ? c : "0";
  }
  function years(text) { return text.match(/\d{3,4}/g) || []; }
  function matches(row, words) {
    for (var i = 0; i < words.length; i++) {
      var w = fold(words[i]);
      var ok = false;
      if (i === 0) {
        ok = fold(row[0]).indexOf(w) === 0 || row[2].toLowerCase() === w;
      } else {
        var given = fold(row[1]).split(/\s+/);
        for (var g = 0; g < given.length && !ok; g++) ok = given[g].indexOf(w) === 0;
        if (!ok && /^\d+$/.test(w)) ok = years(row[3]).indexOf(w) >= 0;
        if (!ok) ok = fold(row[4]).indexOf(w) >= 0;
      }
      if (!ok) return false;
    }
    return true;
  }
  function say(text) {
    var p = document.createElement("p");
    p.appendChild(document.createTextNode(text));
    out.appendChild(p);
  }
  function show(words) {
    var rows = loaded[letterOf(words[0])] || [];
    var found = 0;
    out.innerHTML = "";
    for (var i = 0; i < rows.length; i++) {
      if (!matches(rows[i], words)) continue;
      if (++found > limit) continue;
      var r = rows[i];
      var p = document.createElement("p");
      var a = document.createElement("a");
      a.href = r[5];
      a.className = "vx-hit";
      a.appendChild(document.createTextNode((r[0] || "?") + (r[1] ? ", " + r[1] : "")));
      p.appendChild(a);
      var rest = (r[3] ? " " + r[3] : "") + (r[4] ? " \u2013 " + r[4] : "");
      if (rest) p.appendChild(document.createTextNode(rest));
      out.appendChild(p);
    }
    if (found === 0) say("Nobody found.");
    else if (found > limit) say((found - limit) + " more found: add a given name, year or place.");
  }
  function search(query) {
    var words = query.split(/[\s,]+/).filter(function (w) { return w.length > 0; });
    out.innerHTML = "";
    if (words.length === 0) return;
    var letter = letterOf(words[0]);
    if (!vxSearchFiles[letter]) { say("Nobody found."); return; }
    if (loaded[letter]) { show(words); return; }
    waiting = words;
    var s = document.createElement("script");
    s.type = "text/javascript";
    s.src = vxSearchFiles[letter];
    document.getElementsByTagName("head")[0].appendChild(s);
  }
  window.vxSearchData = function (letter, rows) {
    loaded[letter] = rows;
    if (waiting && letterOf(waiting[0]) === letter) show(waiting);
  };
  document.getElementById("vx-form").onsubmit = function () {
    search(box.value);
    return false;
  };
  document.getElementById("vx-searchnote").style.display = "none";
  var m = /[?&]q=([^&#]*)/.exec(window.location.search);
  if (m) {
    box.value = decodeURIComponent(m[1].replace(/\+/g, " "));
    search(box.value);
  }
})();
)JS";

// The letter -> file table as a script object literal.
std::string FileTable(const std::map<std::string, std::string>& scripts) {
  std::string out = "var vxSearchFiles = {";
  bool first = true;
  for (const auto& [letter, file] : scripts) {
    if (!first) out += ", ";
    first = false;
    out += "\"" + letter + "\": \"" + EscapeSitePath(file) + "\"";
  }
  return out + "};";
}

}  // namespace

std::string SearchPageText(RunContext& ctx,
                           const std::map<std::string, std::string>& scripts) {
  const COptions& o = ctx.options;
  PageWriter writer(ctx);
  writer.Prepare(false);
  const std::string name = SearchPageName(o);
  writer.SetFileName(name);
  writer.SetTitle(kPageSearch, "Search");
  std::string page;
  writer.BeginPage(&page, kPageSearch, writer.BuildHead("Search", ""));
  const std::string bar = writer.IndexBar(false, o.m_bBiblioPages);
  writer.WriteTopLinks(&page, bar, o.m_bPageDividers);
  const std::string index = EscapeSitePath(IndexPageFile(o, 1));
  PageWriter::WritePage(
      &page,
      "<div class=\"vx-title\">Search</div>\r\n"
      "<form id=\"vx-form\" class=\"vx-search\" action=\"" +
          text::EscapeAttribute(EscapeSitePath(name)) +
          "\" method=\"get\"><div><input type=\"text\" id=\"vx-q\" name=\"q\" "
          "size=\"30\" "
          "title=\"Surname, given name, year or place\"> <input type=\"submit\" "
          "value=\"Search\"></div></form>\r\n"
          "<p id=\"vx-searchnote\">Type a surname (or its Soundex code), then given "
          "names, "
          "years or places. The search needs JavaScript; without it the <a href=\"" +
          index +
          "\">index</a> lists everybody.</p>\r\n"
          "<noscript><p>JavaScript is off in this browser, so the search cannot run. The "
          "<a href=\"" +
          index +
          "\">index</a> lists everybody.</p></noscript>\r\n"
          "<div id=\"vx-results\"></div>\r\n"
          "<script type=\"text/javascript\">\r\n" +
          FileTable(scripts) + std::string(kPageScript) + "</script>\r\n");
  writer.WriteBottomLinks(&page, {}, {}, bar, o.m_bPageDividers);
  writer.EndPage(&page, kPageSearch, false);
  return page;
}

void WriteSearchFiles(RunContext& ctx, const NameIndex& index,
                      const SearchPlaces& places) {
  const COptions& o = ctx.options;
  if (!o.extras.search) return;
  std::map<std::string, std::vector<SearchRecord>> by_letter;
  for (SearchRecord& record : BuildSearchRecords(index, places)) {
    const std::string letter = SearchLetter(record.surname);
    by_letter[letter].push_back(std::move(record));
  }
  std::string folder = o.m_strDestFolder;
  text::AddBackslash(&folder, true);
  std::map<std::string, std::string> scripts;
  for (const auto& [letter, records] : by_letter) {
    const std::string file = SearchScriptName(o, letter);
    scripts[letter] = file;
    WritePageFile(ctx.env, ctx.statistics, folder + file, SearchScript(letter, records),
                  FileGroup::kOther);
  }
  WritePageFile(ctx.env, ctx.statistics, folder + SearchPageName(o),
                SearchPageText(ctx, scripts), FileGroup::kIndex);
}

}  // namespace vellix::site::extras
