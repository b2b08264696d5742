#include "shell/cli/attributes_command.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>

#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"
#include "model/configure_entries.h"
#include "options/attributes_configure.h"
#include "options/attributes_exchange.h"
#include "options/options.h"
#include "platform/clock.h"
#include "platform/file_access.h"
#include "platform/file_system.h"
#include "platform/progress_view.h"
#include "platform/prompter.h"
#include "platform/settings_store.h"
#include "run/run_environment.h"
#include "shell/cli/cli_session.h"
#include "shell/cli/command_line.h"
#include "shell/cli/commands.h"
#include "shell/cli/terminal_prompter.h"
#include "shell/cli/usage_error.h"

namespace vellix::cli {
namespace {

using options::AttributeFileKind;
using options::AttributeOwner;
using options::AttributesConfigure;
using options::ConfigureEntry;
using options::FileChoice;
using options::FileChoiceOutcome;

// What every subcommand works on.
struct Context {
  COptions& options;
  std::string option_set_path;
  platform::Prompter& prompter;
  platform::SettingsStore& settings;
  AttributeOwner owner = AttributeOwner::kIndividuals;
  std::string gedcom;         // native path of the GEDCOM file to compare with, or ""
  bool gedcom_given = false;  // named with --gedcom rather than by the option set
  options::ConfigureSortSettings sort;
  std::function<bool()> save;  // saves the option set; false when it failed
};

int BadUsage(const std::string& message) { return UsageError("attributes", message); }

bool IsFamilies(const Context& c) { return c.owner == AttributeOwner::kFamilies; }

// The captions of the four values of an entry of the context's kind.
std::vector<const char*> FieldCaptions(const Context& c) {
  if (IsFamilies(c)) return {"Narrative", "Imported text", "Group image", "Caption"};
  return {"Biography", "Relationship", "Image", "Caption"};
}

// The entries of the GEDCOM file, read without touching the last run's
// files. `found` tells whether there was a file to read.
bool ReadEntries(const Context& c, std::vector<ConfigureEntry>* entries, bool* found) {
  entries->clear();
  *found = false;
  if (c.gedcom.empty()) return true;
  if (!platform::FileExists(c.gedcom)) {
    if (!c.gedcom_given) {
      // The option set's input file has gone: the attributes are still there.
      std::fprintf(stderr,
                   "vellix: note: the option set's GEDCOM file %s does not exist; the "
                   "entries are not compared with it\n",
                   c.gedcom.c_str());
      return true;
    }
    c.prompter.Show(platform::MessageIcon::kStop,
                    c.gedcom +
                        "\n\nThis GEDCOM file does not exist or is not accessible.  "
                        "Ensure it is spelled correctly on the \"Files\" tab.");
    return false;
  }
  ReaderSettings settings;
  settings.medical_tag = c.options.m_strMedicalTag;
  settings.process_nonstandard_tags = c.options.m_bNonstandardTags;
  settings.support = platform::ReadSupportFlags(c.settings);
  // Reading the file leaves the last run's warnings.txt and logs alone.
  platform::NullProgressView no_progress;
  platform::SystemClock clock;
  platform::LocalFileAccess files;
  RunEnvironment env(c.prompter, no_progress, clock, files, c.settings, std::string());
  RecordStore store;
  GedcomReader reader(store, env);
  reader.SetSettings(settings);
  if (!reader.Open(c.gedcom)) return false;
  const bool read = reader.ReadPass(true, nullptr, nullptr);
  if (read) *entries = ListConfigureEntries(reader, store, c.owner);
  reader.Close(true);
  *found = read;
  return read;
}

// A Configure session on the GEDCOM file's entries; nothing when the file
// could not be read.
std::optional<AttributesConfigure> OpenSession(const Context& c, bool* have_gedcom) {
  std::vector<ConfigureEntry> entries;
  if (!ReadEntries(c, &entries, have_gedcom)) return std::nullopt;
  return std::make_optional<AttributesConfigure>(c.owner, c.options, std::move(entries),
                                                 c.sort, c.gedcom);
}

int Finish(const Context& c, AttributesConfigure& session) {
  if (!session.modified()) return kExitDone;
  session.ApplyTo(c.options);
  return c.save() ? kExitDone : kExitFailed;
}

// A value on one tab-separated line: tabs and line breaks as \t, \n, \r.
std::string Cell(const std::string& value) {
  std::string out;
  for (char ch : value) {
    if (ch == '\t') {
      out += "\\t";
    } else if (ch == '\n') {
      out += "\\n";
    } else if (ch == '\r') {
      out += "\\r";
    } else {
      out += ch;
    }
  }
  return out;
}

void PrintEntryLine(AttributesConfigure& session, const std::string& reference,
                    const std::string& name) {
  const CAttributes* a = session.Find(reference);
  if (a == nullptr) return;
  std::printf("%s\t%s\t%s\t%s\t%s\t%s\n", Cell(reference).c_str(), Cell(name).c_str(),
              Cell(a->m_strLink).c_str(), Cell(a->m_strText).c_str(),
              Cell(a->m_strImage).c_str(), Cell(a->m_strCaption).c_str());
}

int List(const Context& c) {
  bool have_gedcom = false;
  std::optional<AttributesConfigure> session = OpenSession(c, &have_gedcom);
  if (!session) return kExitFailed;
  if (have_gedcom) {
    std::printf("%s\n", session->Title().c_str());
    for (const std::string& line : session->StatusLines())
      std::printf("%s\n", line.c_str());
  } else {
    std::printf("%s\n", session->StatusLines()[0].c_str());
  }
  // First the entries of the GEDCOM file in list order, then the others.
  for (const ConfigureEntry& entry : session->entries()) {
    PrintEntryLine(*session, entry.reference, session->EntryText(entry));
  }
  std::vector<std::string> others;
  for (const CAttributes& a : session->attributes().entries()) {
    if (!session->InGedcom(a.m_strReference)) others.push_back(a.m_strReference);
  }
  std::sort(others.begin(), others.end());
  const char* absent = have_gedcom ? "(not in this GEDCOM file)" : "";
  for (const std::string& reference : others) {
    PrintEntryLine(*session, reference, absent);
  }
  return kExitDone;
}

int Show(const Context& c, const std::string& reference) {
  bool have_gedcom = false;
  std::optional<AttributesConfigure> session = OpenSession(c, &have_gedcom);
  if (!session) return kExitFailed;
  const CAttributes* a = session->Find(reference);
  if (a == nullptr) {
    PrintError(reference + " has no custom attributes");
    return kExitFailed;
  }
  std::string name;
  for (const ConfigureEntry& entry : session->entries()) {
    if (entry.reference == reference) name = session->EntryText(entry);
  }
  if (have_gedcom && !session->InGedcom(reference)) name = "(not in this GEDCOM file)";
  const std::vector<const char*> captions = FieldCaptions(c);
  std::printf("%-14s %s\n", "Reference:", reference.c_str());
  if (!name.empty()) std::printf("%-14s %s\n", "Name:", name.c_str());
  const std::string* values[] = {&a->m_strLink, &a->m_strText, &a->m_strImage,
                                 &a->m_strCaption};
  for (size_t i = 0; i < 4; ++i) {
    std::printf("%-14s %s\n", (std::string(captions[i]) + ":").c_str(),
                values[i]->c_str());
  }
  return kExitDone;
}

// Explains what the user must do after a file choice that left the file
// outside its kind's folder.
void ReportChoice(AttributeFileKind kind, const std::string& file,
                  const FileChoice& choice) {
  if (choice.outcome != FileChoiceOutcome::kFolderKept &&
      choice.outcome != FileChoiceOutcome::kOtherFileSystem) {
    return;
  }
  std::fprintf(stderr,
               "vellix: note: %s is stored as \"%s\" in the folder of %s files; copy it "
               "there for the pages to find it\n",
               file.c_str(), choice.value.c_str(), options::KindWord(kind));
}

int Set(const Context& c, const CommandLine& line, const std::string& reference) {
  const std::optional<std::string> link = line.Value("link");
  const std::optional<std::string> text = line.Value("text");
  const std::optional<std::string> image = line.Value("image");
  const std::optional<std::string> caption = line.Value("caption");
  if (!link && !text && !image && !caption) {
    return BadUsage("set needs at least one of --link, --text, --image, --caption");
  }
  bool have_gedcom = false;
  std::optional<AttributesConfigure> session = OpenSession(c, &have_gedcom);
  if (!session) return kExitFailed;
  if (have_gedcom && !session->InGedcom(reference)) {
    // The individuals' list is the default: a family's reference typed
    // without --families lands here.
    return BadUsage(
        reference +
        (IsFamilies(c) ? " is not a family of " : " is not an individual of ") +
        platform::FileNameOf(c.gedcom) +
        (IsFamilies(c) ? "" : " (for a family, add --families)"));
  }
  CAttributes values;
  if (const CAttributes* current = session->Find(reference)) values.CopyFrom(*current);
  if (caption) values.m_strCaption = *caption;
  if (text && !IsFamilies(c)) values.m_strText = *text;  // relationship text
  session->Set(reference, values);

  // The files, each through the folder rules of its kind.
  const struct {
    const std::optional<std::string>& value;
    AttributeFileKind kind;
    std::string CAttributes::*field;
  } files[] = {
      {link,
       IsFamilies(c) ? AttributeFileKind::kNarrative : AttributeFileKind::kBiography,
       &CAttributes::m_strLink},
      {IsFamilies(c) ? text : std::nullopt, AttributeFileKind::kImportText,
       &CAttributes::m_strText},
      {image,
       IsFamilies(c) ? AttributeFileKind::kGroupImage
                     : AttributeFileKind::kIndividualImage,
       &CAttributes::m_strImage},
  };
  for (const auto& file : files) {
    if (!file.value) continue;
    if (file.value->empty()) {  // an empty value clears the file
      CAttributes cleared;
      if (const CAttributes* current = session->Find(reference))
        cleared.CopyFrom(*current);
      cleared.*file.field = std::string();
      session->Set(reference, cleared);
      continue;
    }
    std::error_code error;
    const std::string path = std::filesystem::absolute(*file.value, error).string();
    if (error || !platform::FileExists(path)) {
      PrintError(*file.value + ": no such file");
      return kExitUsage;
    }
    const FileChoice choice = session->ChooseFile(reference, file.kind, path, c.prompter);
    ReportChoice(file.kind, path, choice);
  }
  return Finish(c, *session);
}

int Clear(const Context& c, const std::vector<std::string>& words, bool all) {
  bool have_gedcom = false;
  std::optional<AttributesConfigure> session = OpenSession(c, &have_gedcom);
  if (!session) return kExitFailed;
  if (all) {
    if (!session->ClearAll(c.prompter)) {
      std::fputs("vellix: the custom attributes were not changed.\n", stderr);
      return kExitDone;
    }
    return Finish(c, *session);
  }
  for (const std::string& reference : words) {
    if (!session->Clear(reference)) {
      std::fprintf(stderr, "vellix: %s has no custom attributes\n", reference.c_str());
    }
  }
  return Finish(c, *session);
}

int Purge(const Context& c) {
  if (c.gedcom.empty()) {
    return UsageError(
        "attributes",
        "purge compares with a GEDCOM file: set one with 'vellix options set "
        "strGedcomFile FILE' or name it with --gedcom FILE");
  }
  bool have_gedcom = false;
  std::optional<AttributesConfigure> session = OpenSession(c, &have_gedcom);
  if (!session) return kExitFailed;
  if (!session->CanPurge()) {
    std::printf("Every entry with attributes is in %s; there is nothing to purge.\n",
                platform::FileNameOf(c.gedcom).c_str());
    return kExitDone;
  }
  if (!session->Purge(c.prompter)) {
    std::fputs("vellix: the custom attributes were not changed.\n", stderr);
    return kExitDone;
  }
  return Finish(c, *session);
}

int Exchange(const Context& c, const std::string& command, const std::string& file) {
  std::error_code error;
  const std::string path = std::filesystem::absolute(file, error).string();
  if (command == "export") {
    const options::ExchangeResult result =
        options::ExportAttributes(c.options, c.option_set_path, path, c.prompter);
    if (result == options::ExchangeResult::kDeclined) {
      std::fputs("vellix: nothing was exported.\n", stderr);
    }
    return result == options::ExchangeResult::kRefused ? kExitFailed : kExitDone;
  }
  if (options::ImportAttributes(c.options, c.option_set_path, path, c.prompter) !=
      options::ExchangeResult::kDone) {
    return kExitFailed;
  }
  return c.save() ? kExitDone : kExitFailed;
}

}  // namespace

std::string AttributesUsage() {
  return R"(Usage: vellix attributes COMMAND [--families] [--gedcom FILE] [--yes|--no]

Custom attributes are the biography and narrative pages, relationship text,
imported text and images with captions that the option set adds to the
pages of individuals and families (when bUseFactTags is "no").

Commands:
  list              the entries with attributes, tab-separated: reference,
                    name, link, text, image, caption (tabs and line breaks
                    inside as \t, \n, \r); first those of the GEDCOM file in
                    the Configure list's order, then the others
  show REF          the attributes of one entry
  set REF [--link FILE] [--text TEXT] [--image FILE] [--caption TEXT]
                    change the attributes of one entry; for individuals the
                    link is the biography page and the text the relationship
                    text, for families the link is the narrative page and the
                    text the imported text FILE. Files are stored relative to
                    their kind's folder; a file elsewhere asks whether its
                    folder becomes that folder. An empty value clears it.
  clear REF...      clear the attributes of the entries named
  clear --all       clear the attributes of every entry (asks first)
  purge             clear the entries that are not in the GEDCOM file
                    (asks first)
  export FILE       write the attributes of individuals and families to an
                    exchange file (comma-separated text a spreadsheet opens)
  import FILE       read an exchange file: its entries replace or add to
                    the attributes; a damaged file changes nothing
  help              this text

Options:
  -f, --families    work on the families' attributes (default: individuals)
  -g, --gedcom FILE compare with this GEDCOM file instead of the option
                    set's input file
  -y, --yes, -n, --no  answer every question in advance
  -h, --help        show this text (also after any command)

Changes are saved to the option set file at once; its .old backup is taken
first. Exit status: 0 done (or a question answered No), 1 a file could not
be read or written, or an import was refused, 2 bad command line, unknown
reference or an option set that does not load.
)";
}

int RunAttributesCommand(const std::vector<std::string>& args) {
  CommandLine line({{0, "link", OptionArgument::kRequired},
                    {0, "text", OptionArgument::kRequired},
                    {0, "image", OptionArgument::kRequired},
                    {0, "caption", OptionArgument::kRequired},
                    {'g', "gedcom", OptionArgument::kRequired},
                    {'f', "families"},
                    {0, "all"},
                    {'y', "yes"},
                    {'n', "no"},
                    {'h', "help"}});
  std::string error;
  if (!line.Parse(args, &error)) return BadUsage(error);
  const std::vector<std::string>& words = line.positional();
  if (line.Has("help") || (words.size() == 1 && words[0] == "help")) {
    std::fputs(AttributesUsage().c_str(), stdout);
    return kExitDone;
  }
  if (words.empty()) return BadUsage("name a command, for example list");
  if (line.Has("yes") && line.Has("no"))
    return BadUsage("--yes and --no exclude each other");
  const std::string& command = words[0];
  const size_t operands = words.size() - 1;

  // Each command with the number of words it takes after it (-1: one or
  // more) and its usage, for a precise error.
  struct Shape {
    const char* command;
    int operands;
    const char* usage;
  };
  static constexpr Shape kShapes[] = {
      {"list", 0, "list"},
      {"show", 1, "show REF"},
      {"set", 1, "set REF [--link FILE] [--text TEXT] [--image FILE] [--caption TEXT]"},
      {"clear", -1, "clear REF... | clear --all"},
      {"purge", 0, "purge"},
      {"export", 1, "export FILE"},
      {"import", 1, "import FILE"}};
  const Shape* shape = nullptr;
  for (const Shape& s : kShapes) {
    if (command == s.command) shape = &s;
  }
  if (shape == nullptr) return BadUsage("unknown command '" + command + "'");
  const bool fits = command == "clear" ? (line.Has("all") ? operands == 0 : operands >= 1)
                                       : operands == static_cast<size_t>(shape->operands);
  if (!fits) return BadUsage(std::string("usage: vellix attributes ") + shape->usage);
  if (line.Has("all") && command != "clear") return BadUsage("--all goes with clear");
  const bool values =
      line.Has("link") || line.Has("text") || line.Has("image") || line.Has("caption");
  if (values && command != "set") {
    return BadUsage("--link, --text, --image and --caption go with set");
  }

  std::optional<bool> answer;
  if (line.Has("yes")) answer = true;
  if (line.Has("no")) answer = false;
  TerminalPrompter prompter(answer, Verbosity::kNormal);
  CliSession session(prompter);
  COptions& loaded = session.option_set().options();
  if (loaded.m_nLoadError != 0) return kExitUsage;
  const std::optional<std::string> gedcom = line.Value("gedcom");
  const Context c{
      .options = loaded,
      .option_set_path = session.option_set().path(),
      .prompter = prompter,
      .settings = session.settings(),
      .owner =
          line.Has("families") ? AttributeOwner::kFamilies : AttributeOwner::kIndividuals,
      .gedcom = gedcom ? *gedcom : platform::NativePath(loaded.m_strGedcomFile),
      .gedcom_given = gedcom.has_value(),
      .sort = options::ReadConfigureSortSettings(session.settings()),
      .save = [&session] { return session.option_set().Save(); },
  };

  if (command == "list" && operands == 0) return List(c);
  if (command == "show" && operands == 1) return Show(c, words[1]);
  if (command == "set" && operands == 1) return Set(c, line, words[1]);
  if (command == "clear" && line.Has("all") && operands == 0) return Clear(c, {}, true);
  if (command == "clear" && !line.Has("all") && operands >= 1) {
    return Clear(c, {words.begin() + 1, words.end()}, false);
  }
  if (command == "purge" && operands == 0) return Purge(c);
  if ((command == "export" || command == "import") && operands == 1) {
    return Exchange(c, command, words[1]);
  }
  return BadUsage("unknown command '" + command + "'");
}

}  // namespace vellix::cli
