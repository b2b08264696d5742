#include "options/listing_writer.h"

#include "platform/file_system.h"
#include "text/printf.h"

namespace vellix::options {
namespace {

constexpr const char* kHeadings[] = {
    "<h2 style=\"color:blue;text-decoration:underline;\">%s</h2>\r\n",
    "<h3 style=\"color:black\">%s</h3>\r\n",
    "<h4 style=\"color:gray\">%s</h4>\r\n",
    "<h5 style=\"color:gray\">%s</h5>\r\n",
};

constexpr char kTableStart[] =
    "<table align=\"center\" border=\"1\" width=\"100%%\" cellpadding=\"5\" "
    "cellspacing=\"0\" summary=\"layout\"><col width=\"%s\">";

}  // namespace

std::string ListingValue(std::string_view text) {
  if (text.empty()) return "&nbsp;";
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '\r':
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        out += "<br>";
        break;
      case '\n':
        out += "<br>";
        break;
      default:
        out += c;
    }
  }
  return out;
}

void ListingWriter::BeginSection(std::string_view anchor, std::string_view tab) {
  Anchor(anchor);
  Heading(1, "<i>" + std::string(tab) + "</i> Tab");
}

void ListingWriter::EndSection() {
  page_ += "<p><div align=\"center\"><a href=\"#top\">Top</a></div>\r\n";
}

void ListingWriter::Heading(int level, std::string_view text) {
  if (level < 1) level = 1;
  if (level > 4) level = 4;
  page_ += text::Printf(kHeadings[level - 1], std::string(text).c_str());
}

void ListingWriter::Anchor(std::string_view name) {
  page_ += text::Printf("<a name=\"%s\"></a>\r\n", std::string(name).c_str());
}

void ListingWriter::BeginTable() { BeginTable({"Option", "Setting"}); }

void ListingWriter::BeginTable(std::initializer_list<std::string_view> headers) {
  page_ += text::Printf(kTableStart, headers.size() > 2 ? "25%" : "50%");
  page_ += "\r\n<tr>";
  for (std::string_view header : headers) {
    page_ += "<th>";
    page_ += header;
    page_ += "</th>";
  }
  page_ += "</tr>\r\n";
}

void ListingWriter::EndTable() { page_ += "</table>\r\n"; }

void ListingWriter::Row(std::string_view caption, std::string_view rendered) {
  page_ += text::Printf("<tr><td>%s</td><td><tt>%s</tt></td></tr>\r\n",
                        ListingValue(caption).c_str(), std::string(rendered).c_str());
}

void ListingWriter::Cells(std::string_view caption,
                          std::initializer_list<std::string_view> values) {
  page_ += "<tr><td>" + ListingValue(caption) + "</td>";
  for (std::string_view value : values) {
    page_ += "<td><tt>" + ListingValue(value) + "</tt></td>";
  }
  page_ += "</tr>\r\n";
}

void ListingWriter::Path(std::string_view caption, std::string_view stored) {
  Text(caption, platform::NativePath(stored));
}

void ListingWriter::Text(std::string_view caption, std::string_view value) {
  Row(caption, ListingValue(value));
}

void ListingWriter::YesNo(std::string_view caption, bool value) {
  Row(caption, value ? "Yes" : "No");
}

void ListingWriter::Number(std::string_view caption, int32_t value) {
  Row(caption, std::to_string(value));
}

void ListingWriter::Choice(std::string_view caption, int32_t value,
                           std::initializer_list<const char*> alternatives) {
  if (value >= 0 && static_cast<size_t>(value) < alternatives.size()) {
    Row(caption, ListingValue(alternatives.begin()[value]));
  } else {
    Number(caption, value);
  }
}

void ListingWriter::Either(std::string_view caption, bool value, const char* when_on,
                           const char* when_off) {
  Row(caption, ListingValue(value ? when_on : when_off));
}

void ListingWriter::Display(std::string_view caption, int32_t value) {
  Row(caption, DisplayText(value));
}

std::string ListingWriter::DisplayText(int32_t value) {
  switch (value) {
    case 0:
      return "No";
    case 1:
      return "Yes, at end of page";
    case 2:
      return "Yes, within page";
  }
  return std::to_string(value);
}

}  // namespace vellix::options
