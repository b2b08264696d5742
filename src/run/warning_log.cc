#include "run/warning_log.h"

#include <strings.h>

#include <algorithm>

#include "platform/prompter.h"
#include "text/html_escape.h"

namespace vellix {
namespace {

constexpr int kCategories = 10;
constexpr int kFinished = kCategories;  // read category past the last one
constexpr int kHighestCode = 29;

constexpr char kEnsureEnding[] =
    " Ensure they exist prior to publishing your website.</p>\r\n";

std::string Heading(int category) {
  switch (category) {
    case 0:
      return "<p><b>General:</b></p>\r\n";
    case 1:
      return "<p><b>Missing Files:</b> The following files do not exist.</p>\r\n";
    case 2:
      return std::string(
                 "<p><b>Individual Images:</b> These images of individuals "
                 "are missing.") +
             kEnsureEnding;
    case 3:
      return std::string(
                 "<p><b>Group Images:</b> These images of family groups are "
                 "missing.") +
             kEnsureEnding;
    case 4:
      return "<p><b>Imported Text:</b> These files were not imported because "
             "they do not exist or they are inaccessible. The corresponding "
             "family pages will not display the expected text. Ensure the "
             "files are present and then re-generate your family pages.</p>\r\n";
    case 5:
      return std::string(
                 "<p><b>Biography Links:</b> These biography web page files do "
                 "not exist. Visitors who follow a link to one of them will "
                 "see a \"Page Not Found\" error.") +
             kEnsureEnding;
    case 6:
      return std::string(
                 "<p><b>Narrative Links:</b> These narrative web page files do "
                 "not exist. Visitors who follow a link to one of them will "
                 "see a \"Page Not Found\" error.") +
             kEnsureEnding;
    case 7:
      return "<p><b>User-defined Facts:</b> These user-defined facts were "
             "excluded and are not displayed. They are listed here for your "
             "verification.</p>\r\n";
    case 8:
      return "<p><b>GEDCOM Tags:</b> The following nonstandard tags were "
             "encountered in your GEDCOM file. They were either ignored or "
             "remapped to a standard tag.</p>\r\n";
    case 9:
      return "<p><b>Multimedia:</b> These multimedia files were not found or "
             "they could not be copied.";
    default:
      return std::string();
  }
}

// The bold title of each category's heading.
constexpr std::string_view kCategoryTitles[kCategories] = {
    "General",       "Missing Files",   "Individual Images", "Group Images",
    "Imported Text", "Biography Links", "Narrative Links",   "User-defined Facts",
    "GEDCOM Tags",   "Multimedia"};

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

std::string InParentheses(std::string_view text) {
  return " (" + std::string(text) + ").";
}

// Reads one line (without its line feed) of any length; false at end of file.
bool ReadLine(std::FILE* file, std::string* line) {
  line->clear();
  char buffer[1024];
  bool any = false;
  while (std::fgets(buffer, sizeof buffer, file)) {
    any = true;
    line->append(buffer);
    if (!line->empty() && line->back() == '\n') {
      line->pop_back();
      return true;
    }
  }
  return any;
}

// The category number before the first comma of a stored line, or -1 when
// the line has no comma or no number there.
int LineCategory(const std::string& line, size_t* comma) {
  *comma = line.find(',');
  if (*comma == std::string::npos || *comma == 0 || *comma > 3) return -1;
  int value = 0;
  for (size_t i = 0; i < *comma; ++i) {
    if (line[i] < '0' || line[i] > '9') return -1;
    value = value * 10 + (line[i] - '0');
  }
  return value;
}

}  // namespace

bool WarningLog::NoCaseLess::operator()(const std::string& a,
                                        const std::string& b) const {
  const size_t n = std::min(a.size(), b.size());
  int order = strncasecmp(a.data(), b.data(), n);
  if (order != 0) return order < 0;
  return a.size() < b.size();
}

WarningLog::WarningLog(platform::Prompter& prompter, std::string path)
    : m_strPath(std::move(path)), prompter_(prompter) {}

WarningLog::~WarningLog() { CloseFile(); }

void WarningLog::Reset() {
  m_nTotal = 0;
  files_not_written_ = 0;
  m_nNoRefFamilies = 0;
  m_bRewind = true;
  m_reading = false;
  m_counts.fill(0);
  m_nReadCategory = 0;
  CloseFile();
  m_reportedTags.clear();
  m_reportedFiles.clear();
}

void WarningLog::SetDestFolder(const std::string& folder) { m_strDestFolder = folder; }

void WarningLog::SetLinkResolver(LinkResolver resolver) {
  link_resolver_ = std::move(resolver);
}

void WarningLog::SetObserver(Observer observer) { observer_ = std::move(observer); }

std::string WarningLog::LinkText(std::string_view ref) const {
  if (ref.empty()) return std::string();
  const std::string key(ref);
  const std::string address = link_resolver_ ? link_resolver_(key) : std::string();
  return "<a href=\"" + text::EscapeNamedEntities(address) + "\">" +
         text::EscapeNamedEntities(key) + "</a>";
}

bool WarningLog::OpenForWriting() {
  if (m_file) return true;
  if (m_strPath.empty()) return false;
  // Read and write: the same handle later serves ReadNext.
  m_file = std::fopen(m_strPath.c_str(), "w+b");
  return m_file != nullptr;
}

void WarningLog::CloseFile() {
  if (m_file) std::fclose(m_file);
  m_file = nullptr;
}

void WarningLog::WriteLine(int category, const std::string& message) {
  ++m_counts[category];
  // One warning is one line of the file: inner line feeds are stored as the
  // line breaks they become on the page.
  std::string text;
  for (char c : message) {
    if (c == '\n') {
      text += "<br>";
    } else {
      text += c;
    }
  }
  if (observer_) observer_({kCategoryTitles[category], text});
  if (!m_file) return;  // counted, but the line cannot be kept
  std::string line = std::to_string(category) + "," + text + '\n';
  long read_position = -1;
  if (m_reading) {
    read_position = std::ftell(m_file);
    std::fseek(m_file, 0, SEEK_END);
  } else {
    std::fseek(m_file, 0, SEEK_CUR);  // required between reads and writes
  }
  std::fwrite(line.data(), 1, line.size(), m_file);
  std::fflush(m_file);
  if (read_position >= 0) std::fseek(m_file, read_position, SEEK_SET);
}

bool WarningLog::Add(WarningCode warning, std::string_view text, std::string_view ref,
                     std::string_view record_name, std::string_view extra) {
  const int code = static_cast<int>(warning);
  if (code < 0 || code > kHighestCode) return true;
  // The lines become HTML on the summary page; the texts are GEDCOM data
  // (tags, names, file names) and must not be able to add markup to it.
  const std::string link = LinkText(ref);
  const std::string name = text::EscapeNamedEntities(record_name);
  OpenForWriting();
  ++m_nTotal;
  const std::string t = text::EscapeNamedEntities(text);
  switch (code) {
    case 0:
      WriteLine(0, "Web page generation was CANCELED.");
      break;
    case 1: {
      WriteLine(0, "Insufficient disk space on drive " + t +
                       ". One or more web pages may be incomplete.");
      return prompter_.Ask(
          platform::MessageIcon::kStop,
          "Insufficient disk space on drive " + std::string(text) +
              ".\n\nThe amount of free disk space available is very low.  One "
              "or more generated web pages may be incomplete.  It is "
              "recommended that you stop and free additional disk space by "
              "deleting unneeded files.\n\nDo you want to continue?",
          false);
    }
    case 2:
      WriteLine(0,
                "Marriage facts have been excluded and are therefore not "
                "displayed.");
      break;
    case 3:
      WriteLine(0,
                "Primary marriage facts are displayed at the end of page "
                "while alternate marriage facts are displayed within the "
                "group sheet. This could confuse your website visitors.");
      break;
    case 4:
      WriteLine(0,
                "Alternate marriage facts have been excluded because "
                "marriage facts have been excluded.");
      break;
    case 5:
    case 7:
    case 8:
    case 10:
      if (code == 5) ++files_not_written_;
      WriteLine(code == 5   ? 1
                : code == 7 ? 3
                : code == 8 ? 4
                            : 6,
                Quoted(t) + InParentheses(link));
      break;
    case 6:
    case 9:
    case 11:
      WriteLine(code == 6   ? 2
                : code == 9 ? 5
                            : 7,
                Quoted(t) + " for " + name + InParentheses(link));
      break;
    case 12:
    case 13:
      if (!m_reportedTags.insert(t).second) {
        --m_nTotal;
        break;
      }
      WriteLine(8, code == 12 ? "Nonstandard tag " + t + " ignored."
                              : "Remapped nonstandard tag " + t + ".");
      break;
    case 14:
      WriteLine(0,
                "Web page generation FAILED. Your GEDCOM file does not use "
                "abbreviated tags.");
      break;
    case 15:
      WriteLine(0,
                "Web page generation FAILED. The input file is not a GEDCOM "
                "file.");
      break;
    case 16:
      WriteLine(0, "The input GEDCOM file is not a GEDCOM version 5.5 file.");
      break;
    case 17:
      WriteLine(0, "GEDCOM line " + t +
                       " exceeds maximum length. Important information may "
                       "have been ignored.");
      break;
    case 18:
      // The whole batch of families without a reference tag counts once.
      if (m_nNoRefFamilies > 0) --m_nTotal;
      ++m_nNoRefFamilies;
      break;
    case 19:
      // Not counted again: the first code 18 of the batch counted it.
      --m_nTotal;
      if (m_nNoRefFamilies > 0) {
        WriteLine(0, "A total of " + std::to_string(m_nNoRefFamilies) +
                         " family records contained no alternate reference "
                         "tag. Used cross-reference identifier instead.");
        m_nNoRefFamilies = 0;
      }
      break;
    case 20:
      // The clashing record's page has a name of its own, which `ref` holds.
      if (ref.empty()) {
        WriteLine(0, "Family record identifier " + t +
                         " is not unique. Web page generation is incomplete.");
      } else {
        WriteLine(0, "Family record identifier " + t +
                         " is not unique. Its page was given a name of its own (" + link +
                         ").");
      }
      break;
    case 21:
      WriteLine(0, "Family " + text::EscapeNamedEntities(ref) + " (" + link +
                       ") has a circular reference. Web page generation is "
                       "incomplete.");
      break;
    case 22:
      if (!m_reportedFiles.insert(std::string(ref) + t).second) {
        --m_nTotal;
        break;
      }
      WriteLine(9, "Cannot access " + Quoted(t) + InParentheses(link));
      break;
    case 23:
      WriteLine(9, "No such icon " + Quoted(t) + " for '." +
                       text::EscapeNamedEntities(extra) + "' files.");
      break;
    case 24:
      WriteLine(0,
                "One or more frame target fields were specified. All frame "
                "targets were ignored.");
      break;
    case 25:
      WriteLine(0,
                "The option to include source citations in a frame window "
                "is not allowed. Citations were included at the bottom of "
                "the page instead.");
      break;
    case 26:
      WriteLine(0,
                "The option to use a non-proportional font requires HTML "
                "Strict conformance. Your pages may not display properly "
                "in all browsers.");
      break;
    case 27:
      // The record keeps its at signs: "Record @I59@ INDI on line 812 ...".
      if (!text.empty() && text.front() == '@') {
        WriteLine(0, "Record " + t + " on line " + text::EscapeNamedEntities(extra) +
                         " was ignored: an earlier record of its kind has the same "
                         "identifier.");
      } else {
        WriteLine(0, "Record " + t + " on line " + text::EscapeNamedEntities(extra) +
                         " was ignored: it has no identifier, and neither has an "
                         "earlier record of its kind.");
      }
      break;
    case 28:
      WriteLine(0, "Family " + text::EscapeNamedEntities(ref) + " (" + link +
                       ") names individual " + t +
                       " more than once. The repeat was left out.");
      break;
    case 29:
      WriteLine(0, "Individual " + name + " (" + link + ") has " + t +
                       " spouses. Each Spouses line lists the first " +
                       text::EscapeNamedEntities(extra) + " of them.");
      break;
  }
  return true;
}

int WarningLog::NextCategory(int category) const {
  while (category < kFinished && m_counts[category] == 0) ++category;
  return category;
}

bool WarningLog::ReadNext(bool* new_section, std::string* text) {
  *new_section = false;
  if (m_nNoRefFamilies > 0) Add(WarningCode::kFamiliesWithoutReference);
  if (m_nTotal == 0) {
    CloseFile();
    return false;
  }
  if (m_bRewind) {
    if (!m_file) {
      // The file could never be created: its lines are lost, and an old
      // file of an earlier run must not stand in for them.
      m_nReadCategory = kFinished;
      return false;
    }
    std::rewind(m_file);
    m_reading = true;
    m_nReadCategory = 0;
    m_bRewind = false;
    *new_section = true;
  }
  for (;;) {
    if (m_nReadCategory >= kFinished) return false;
    if (m_counts[m_nReadCategory] == 0) {
      m_nReadCategory = NextCategory(m_nReadCategory);
      *new_section = true;
    }
    if (m_nReadCategory >= kFinished) {
      CloseFile();
      m_bRewind = true;
      return false;
    }
    if (*new_section) {
      // The category's lines are searched from here to the end of the file
      // and then from the start back to here.
      category_start_ = m_file ? std::ftell(m_file) : 0;
      category_wrapped_ = false;
      *text = Heading(m_nReadCategory);
      return true;
    }
    if (FindLine(text)) {
      --m_counts[m_nReadCategory];
      return true;
    }
    // A full pass over the file found none of the lines the count promised
    // (the file was lost or cut short): give the category up.
    m_counts[m_nReadCategory] = 0;
  }
}

bool WarningLog::FindLine(std::string* text) {
  if (!m_file) return false;
  std::fseek(m_file, 0, SEEK_CUR);  // required between writes and reads
  std::string line;
  for (;;) {
    if (category_wrapped_ && std::ftell(m_file) >= category_start_) return false;
    if (!ReadLine(m_file, &line)) {
      if (category_wrapped_) return false;
      std::rewind(m_file);
      category_wrapped_ = true;
      continue;
    }
    size_t comma;
    if (LineCategory(line, &comma) != m_nReadCategory) continue;
    text->assign(line, comma + 1);
    return true;
  }
}

}  // namespace vellix
