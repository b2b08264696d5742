// A warning line of the run, as the terminal prints it while the run goes on.
#pragma once

#include <string>
#include <string_view>

namespace vellix::cli {

/// `html`, a warning line as the summary page shows it, as readable text:
/// tags dropped (a link keeps its text), a line break becomes a blank,
/// the entities the line may hold (&amp; &lt; &gt; &quot; &#39; &apos;
/// &nbsp;) become their characters, and an empty pair of parentheses left
/// by a warning without a page to link to is dropped.
std::string PlainWarningText(std::string_view html);

/// The line printed on stderr with -v: "vellix: warning: " followed by the
/// category title and a colon (none for "General" warnings) and the plain
/// text: "vellix: warning: Multimedia: Cannot access 'scan.tif' (F9)."
std::string WarningLineForTerminal(std::string_view category, std::string_view html);

}  // namespace vellix::cli
