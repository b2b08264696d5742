#include "testing/html_validator.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "testing/test_support.h"

namespace vellix::testing {
namespace {

bool Exists(const std::string& path) { return access(path.c_str(), R_OK) == 0; }

// The path in single quotes for the shell.
std::string ShellQuote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

bool FindProgram(const std::string& name) {
  const std::string command = "command -v " + name + " >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

}  // namespace

std::string HtmlCatalogPath() {
  for (const char* candidate : {"/usr/share/xml/w3c-sgml-lib/schema/dtd/sgml.soc",
                                "/usr/share/sgml/w3c-sgml-lib/schema/dtd/sgml.soc",
                                "/usr/share/xml/w3c-sgml-lib/sgml.soc"}) {
    if (Exists(candidate)) return candidate;
  }
  return {};
}

std::vector<std::string> ValidateHtmlFile(const std::string& path,
                                          const std::vector<std::string>& allowed) {
  const std::string catalog = HtmlCatalogPath();
  if (catalog.empty()) return {"HTML 4.01 catalog (w3c-sgml-lib) not installed"};
  if (!FindProgram("onsgmls")) return {"onsgmls (opensp) not installed"};
  // SP_CHARSET_FIXED/SP_ENCODING make onsgmls read the page as UTF-8, as its
  // charset meta says; -E0 lists every error, not only the first 200.
  const std::string command =
      "SP_CHARSET_FIXED=YES SP_ENCODING=utf-8 onsgmls -s -E0 -c " + ShellQuote(catalog) +
      " " + ShellQuote(path) + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return {"cannot run onsgmls"};
  std::string output;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
  const int status = pclose(pipe);

  std::vector<std::string> errors;
  std::istringstream lines(output);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.empty()) continue;
    bool is_allowed = false;
    for (const std::string& text : allowed) {
      if (line.find(text) != std::string::npos) is_allowed = true;
    }
    if (!is_allowed) errors.push_back(line);
  }
  // A failed run that printed nothing is still a failure.
  if (errors.empty() && output.empty() && (status == -1 || !WIFEXITED(status))) {
    errors.push_back("onsgmls did not finish");
  }
  return errors;
}

std::vector<std::string> ValidateHtmlText(const std::string& page,
                                          const std::vector<std::string>& allowed) {
  TempDir dir;
  const std::string path = dir.Write("page.html", page);
  return ValidateHtmlFile(path, allowed);
}

}  // namespace vellix::testing
