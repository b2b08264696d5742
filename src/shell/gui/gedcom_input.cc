#include "shell/gui/gedcom_input.h"

#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"
#include "platform/clock.h"
#include "platform/file_access.h"
#include "platform/file_system.h"
#include "platform/progress_view.h"
#include "platform/settings_store.h"
#include "run/run_environment.h"
#include "shell/gui/option_bindings.h"
#include "shell/gui/options_page.h"
#include "shell/gui/window_prompter.h"
#include "shell/gui/work_progress.h"

namespace vellix::gui {

const GedcomInputMessages kTabGedcomMessages = {
    "You have not yet specified a GEDCOM Input File.\n\nPlease click the \"Files\" tab "
    "and specify a GEDCOM file.",
    "%1\n\nThis GEDCOM file does not exist or is not accessible.  Ensure it is spelled "
    "correctly on the \"Files\" tab."};

const GedcomInputMessages kInfoGedcomMessages = {
    "You have not specified an input GEDCOM file.",
    "%1\n\nThis input GEDCOM file does not exist or is not accessible.\n\nVerify you "
    "have specified the file correctly."};

std::optional<std::string> CheckedGedcomFile(SheetContext& context, QWidget* parent,
                                             const GedcomInputMessages& messages) {
  const std::string& gedcom = context.options.m_strGedcomFile;
  if (gedcom.empty()) {
    context.desktop.Show(parent, BoxIcon::kStop, messages.none);
    return std::nullopt;
  }
  const std::string native = platform::NativePath(gedcom);
  if (!platform::FileExists(native)) {
    context.desktop.Show(parent, BoxIcon::kStop,
                         QString(messages.missing).arg(ToQt(native)));
    return std::nullopt;
  }
  return native;
}

bool ReadGedcomFile(SheetContext& context, const std::string& path, const QString& title,
                    QWidget* parent, const GedcomUse& use) {
  const COptions& options = context.options;
  WindowPrompter prompter(context.desktop, parent);
  platform::NullProgressView view;
  platform::SystemClock clock;
  platform::LocalFileAccess files;
  // No application folder: the reading writes no warnings.txt.
  RunEnvironment env(prompter, view, clock, files, context.settings, std::string());
  RecordStore store;
  GedcomReader reader(store, env);
  ReaderSettings settings;
  settings.medical_tag = options.m_strMedicalTag;
  settings.process_nonstandard_tags = options.m_bNonstandardTags;
  settings.support = platform::ReadSupportFlags(context.settings);
  reader.SetSettings(settings);
  WorkProgress progress(title, parent);
  if (!reader.Open(path)) return false;
  const bool read = reader.ReadPass(true, &progress, nullptr);
  if (!read || progress.IsCancelled()) {
    reader.Close(true);
    return false;
  }
  use(reader, store, progress);
  reader.Close(true);
  return !progress.IsCancelled();
}

}  // namespace vellix::gui
