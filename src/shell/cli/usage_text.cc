#include "platform/app_paths.h"
#include "shell/cli/commands.h"

namespace vellix::cli {

std::string GenerateUsage() {
  return R"(Usage: vellix generate [GEDCOM] [-o DEST] [-m MODE] [--options FILE]
                       [--keep-stale] [--record-cache MB] [--yes | --no]
                       [-q | -v]

Turns a GEDCOM file into a web site in the destination folder.

  GEDCOM                the GEDCOM file to read (default: the option set's
                        input file, strGedcomFile)
  -o, --out DEST        the destination folder (default: the option set's,
                        strDestFolder); created when it does not exist
  -m, --mode MODE       what to generate (default: all):
                          0 all           all pages
                          1 copy-media    all pages, copying multimedia again
                          2 skip-media    all pages, skipping multimedia
                          3 families      family pages only
                          4 index         index and surname pages only
                          5 sample        all pages for the first 5 families
                          6 bibliography  standalone bibliography and
                                          repository pages
  --options FILE        use this option set file for this run only
  --keep-stale          keep the files an earlier run wrote into DEST that
                        this run does not write (by default a run of all
                        pages removes them; other files are never touched)
  --record-cache MB     memory for parsed records beyond the few every run
                        keeps (default 32): records that fit are parsed once
                        per run; less lowers the peak memory of very large
                        files, 0 spends the least
  -y, --yes, -n, --no   answer every question of the run with Yes or No
                        (otherwise questions are asked on the terminal, or
                        take their default answer when there is none)
  -q, --quiet           print nothing on success (errors still go to stderr),
                        no progress and no bell
  -v, --verbose         print each warning on stderr as it is raised
  -h, --help            show this text

GEDCOM and DEST given here override the option set for this run only; the
option set file is not changed. The progress goes to stderr: one line
redrawn on a terminal, one line per phase otherwise (or with TERM=dumb).
A complete run ends on stdout with "N pages written, M unchanged, K stale
removed." (pages whose content did not change are left untouched); a
stopped run ends on stderr with "stopped: the site in DEST is incomplete".
The warnings of a run are listed in the run log, whose path is printed.
DEST keeps the list of the files VELLIX wrote there in .vellix-manifest.

Exit status: 0 done, 1 the run failed, 2 bad command line or settings,
130 cancelled (Ctrl-C stops the run; its logs are still written).
)";
}

std::string InfoUsage() {
  return R"(Usage: vellix info GEDCOM [--json]

Reads a GEDCOM file and prints the facts of its header (the program that
wrote it, GEDCOM version, character set, ...), the number of families and
individuals it holds, and for each way of naming family pages (REFN, RIN,
the option set's custom fact tag) whether all, some or no family records
carry one and whether the values are unique. Nothing is written: the last
run's warnings and logs stay as they are.

  --json                print the same facts as one JSON object
  -h, --help            show this text
)";
}

std::string UsageText() {
  return std::string(platform::kProductName) + " " +
         std::string(platform::ProductVersion()) +
         R"( - turns a genealogy GEDCOM file into a static web site.

Usage: vellix COMMAND [ARGUMENTS]

Commands:
  generate [GEDCOM] [-o DEST] [-m MODE] [--options FILE] [--keep-stale]
           [--yes|--no] [-q|-v]
                     generate the web site
  info GEDCOM [--json]
                     show the header facts, record counts and family reference
                     numbers of a GEDCOM file
  view [--print]     open the summary log of the last run in the browser
  options COMMAND    show, change, export and import option sets, and write
                     one as a page
  attributes COMMAND list, change, export and import the custom attributes of
                     individuals and families
  help [COMMAND]     show this text, or the help of one command
  --version          show the version

Every command takes -h or --help. See also the manual page, vellix(1).

Files: the program keeps its option sets, backups, run logs and
warnings.txt in the application folder ($VELLIX_HOME, else
$XDG_DATA_HOME/vellix, else ~/.local/share/vellix) and its settings in
settings.ini ($VELLIX_HOME, else $XDG_CONFIG_HOME/vellix, else
~/.config/vellix).

Exit status: 0 done, 1 the run failed, 2 bad command line or settings,
130 cancelled.
)";
}

}  // namespace vellix::cli
