#include "engine/generator.h"

#include <cstdio>
#include <string>

#include "engine/progress_window.h"
#include "engine/site_manifest.h"
#include "options/option_values.h"
#include "options/options.h"
#include "options/options_bridge.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/prompter.h"
#include "platform/settings_store.h"
#include "run/warning_log.h"
#include "text/paths.h"

namespace vellix {
namespace {

using platform::MessageIcon;

constexpr const char kNoGedcomFile[] =
    "You have not specified a GEDCOM Input File.\n\nPlease click \"Options\" and "
    "specify a file.";
constexpr const char kGedcomInaccessible[] =
    "%s\n\nThis GEDCOM input file does not exist or is not accessible.\n\nClick "
    "\"Options\" to verify the file name is correct.";
constexpr const char kNoDestFolder[] =
    "You have not specified a Destination Folder.\n\nPlease click \"Options\" and "
    "specify a folder.";
constexpr const char kDestInaccessible[] =
    "%s\n\nThe destination folder path does not exist or is not accessible.\n\nClick "
    "\"Options\" to verify the folder name is correct.";

constexpr const char kCorrectOption[] = "Click \"Options\" to correct it.";

constexpr const char kComplete[] = "Web page generation complete.\n";
constexpr const char kCanceled[] = "\nWeb page generation CANCELED.";
constexpr const char kFailed[] = "\nWeb page generation FAILED.";
constexpr const char kClosingText[] = "Click \"View\" to see your results.";

// Fills the single "%s" of a message format with `value`.
std::string FillPath(const char* format, const std::string& value) {
  std::string text(format);
  size_t at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, value);
  return text;
}

// "The option "File Prefix" (strFilePrefix) holds "..\x", which ...".
std::string UnsafeSettingMessage(const options::UnsafeSetting& unsafe) {
  return "The option \"" + unsafe.caption + "\" (" + unsafe.key + ") holds \"" +
         unsafe.value + "\", which " + unsafe.problem + ".\n\n" + kCorrectOption;
}

// Clears the busy flag on every way out of a run.
class BusyGuard {
 public:
  explicit BusyGuard(bool& busy) : busy_(busy) { busy_ = true; }
  ~BusyGuard() { busy_ = false; }

 private:
  bool& busy_;
};

// Addresses, relative to the application folder (where the log pages live),
// of the pages that warnings about a family or individual link to.
WarningLog::LinkResolver PageLinkFromApplicationFolder(
    const COptions& options, const std::string& app_folder_path) {
  text::PageNameSettings names = PageNameSettingsFromOptions(options);
  const std::string app_folder = platform::StoredPath(app_folder_path);
  return [names, app_folder](const std::string& ref) {
    std::string folder = text::RelativePath(app_folder, names.dest_folder);
    std::string page = text::PageFileName(names, ref, text::PageLetter::kNone, false);
    return text::LocalFileUrl(folder + page);
  };
}

}  // namespace

Generator::Generator(RunEnvironment& env, std::unique_ptr<RunPhases> phases)
    : env_(env), reader_(store_, env), phases_(std::move(phases)) {
  if (!phases_) phases_ = std::make_unique<RunPhases>();
}

Generator::~Generator() = default;

bool Generator::CheckInputs(const COptions& options) {
  platform::Prompter& prompter = env_.prompter();
  platform::FileAccess& files = env_.files();
  if (options.m_strGedcomFile.empty()) {
    prompter.Show(MessageIcon::kStop, kNoGedcomFile);
    return false;
  }
  const std::string gedcom = platform::NativePath(options.m_strGedcomFile);
  platform::FileTimes times;
  // Only a regular file is read: a named pipe or a device would hold the
  // run forever.
  if (!files.GetFileTimes(gedcom, &times) || !files.IsRegularFile(gedcom)) {
    prompter.Show(MessageIcon::kStop, FillPath(kGedcomInaccessible, gedcom));
    return false;
  }
  if (options.m_strDestFolder.empty()) {
    prompter.Show(MessageIcon::kStop, kNoDestFolder);
    return false;
  }
  const std::string dest = platform::NativePath(options.m_strDestFolder);
  if (!files.FolderExists(dest)) {
    prompter.Show(MessageIcon::kNone, FillPath(kDestInaccessible, dest));
    return false;
  }
  // A file name or colour the options could not refuse (an option set from
  // elsewhere, an older version) must not place files outside the
  // destination or reach the style sheet.
  if (auto unsafe = options::FindUnsafeSetting(options)) {
    prompter.Show(MessageIcon::kStop, UnsafeSettingMessage(*unsafe));
    return false;
  }
  return true;
}

void Generator::RaiseConformanceWarnings(const COptions& options, bool strict) {
  if (strict) {
    if (options.HasFrameTargets()) env_.warnings().Add(WarningCode::kFrameTargetsIgnored);
    if (options.m_bCitations && options.m_bCitationsInFrame) {
      env_.warnings().Add(WarningCode::kCitationFrameRefused);
    }
  } else if (options.m_bMonoFont) {
    env_.warnings().Add(WarningCode::kMonoFontNeedsStrict);
  }
}

RunOutcome Generator::Generate(GenerateMode mode, COptions& options,
                               const std::string& options_path,
                               const GenerateSettings& run_settings) {
  RunOutcome outcome;
  if (busy_) return outcome;
  BusyGuard busy(busy_);

  if (!CheckInputs(options)) return outcome;
  const std::string gedcom = platform::NativePath(options.m_strGedcomFile);
  const std::string dest = platform::NativePath(options.m_strDestFolder);

  DiskSpaceGuard& guard = env_.disk_guard();
  guard.Reset();
  WarningLog& warnings = env_.warnings();
  warnings.Reset();
  // A run without warnings must not leave the previous run's list behind
  // (the log only creates the file at its first warning).
  if (!warnings.path().empty()) env_.files().WriteWholeFile(warnings.path(), "");
  warnings.SetDestFolder(options.m_strDestFolder);
  warnings.SetLinkResolver(PageLinkFromApplicationFolder(options, env_.app_folder()));

  ReaderSettings settings;
  settings.medical_tag = options.m_strMedicalTag;
  settings.process_nonstandard_tags = options.m_bNonstandardTags;
  settings.support = platform::ReadSupportFlags(env_.settings());
  reader_.SetSettings(settings);
  reader_.SetCacheBudget(run_settings.record_cache_bytes);
  if (!reader_.Open(gedcom)) return outcome;
  outcome.started = true;

  statistics_.Clear();
  status_text_ = "\nGenerating web pages...";
  std::string closing_text = kClosingText;

  ProgressWindow progress(env_.progress_view(), guard, warnings);
  RunFlags flags;
  const platform::Clock& clock = env_.clock();
  if (mode == GenerateMode::kCopyMultimedia) {
    flags.copyMultimedia = true;
    media_stamps_.media = clock.NowNanos();
  } else if (mode == GenerateMode::kSkipMultimedia) {
    flags.skipMultimedia = true;
  }
  progress.SetTitle(std::string(ModeTitle(mode)), gedcom, dest);

  const int64_t start_seconds = clock.NowSeconds();
  RunContext ctx{env_,
                 options,
                 reader_,
                 store_,
                 statistics_,
                 progress,
                 dialects_,
                 flags,
                 static_cast<int>(mode),
                 media_stamps_,
                 last_media_sizes_,
                 options_path};

  const int dialect_code = phases_->SelectDialect(ctx);
  ctx.flags.strictConformance = options.IsStrictDtd();
  RaiseConformanceWarnings(options, ctx.flags.strictConformance);

  const int passes_before = reader_.readCount();
  int read_count = 0;
  const bool success = reader_.ReadPass(true, &progress, &read_count);
  // A pass that read the file gives the media time stamp.
  if (read_count > passes_before) media_stamps_.media = reader_.passStartTime();
  ctx.media_stamps = media_stamps_;
  if (success) {
    store_.ClearMarks();
    if (!progress.IsCancelled()) {
      media_stamps_.generation = clock.NowNanos();
      ctx.media_stamps = media_stamps_;
      phases_->WriteStyleSheet(ctx, mode == GenerateMode::kBibliography);
      if (mode == GenerateMode::kBibliography || options.m_bCitations ||
          options.m_bBiblioPages) {
        phases_->CollectSources(ctx);
      }
    }
    Dispatch(mode, ctx, dialect_code);
    if (mode == GenerateMode::kFamilies) closing_text.clear();
  }

  last_media_sizes_ = {options.m_nThumbSize, options.m_nSlideSize,
                       options.m_nIndivPortraitWidth, options.m_nFamilyPortraitSize};

  statistics_.familyRecords = store_.familyCount();
  statistics_.individualRecords = store_.individualCount();

  phases_->FinishPages(ctx);
  const int64_t elapsed = clock.NowSeconds() - start_seconds;
  const bool cancelled = progress.IsCancelled();
  const int32_t not_written = warnings.FilesNotWritten();

  // Only a run that wrote a whole site knows which earlier files it
  // replaced; any other run, and one whose pages did not all reach the
  // disk, adds its files to the manifest and leaves the rest of the site
  // alone.
  const bool whole_site = mode == GenerateMode::kAll ||
                          mode == GenerateMode::kCopyMultimedia ||
                          mode == GenerateMode::kSkipMultimedia;
  StaleFiles stale = StaleFiles::kPartOfSite;
  if (success && !cancelled && whole_site && not_written == 0) {
    stale = run_settings.keep_stale_files ? StaleFiles::kKeep : StaleFiles::kRemove;
  }
  UpdateSiteManifest(env_, dest, statistics_, stale);
  if (success && !cancelled && not_written == 0) {
    status_text_ = kComplete + closing_text;
  } else if (cancelled) {
    status_text_ = kCanceled;
    warnings.Add(WarningCode::kCanceled);
    reader_.RequireReread();
  } else if (!success) {
    status_text_ = kFailed;
  } else {
    // The pages were made but did not all reach the disk: never "complete".
    status_text_ = std::string(kFailed) + "\n" + std::to_string(not_written) +
                   (not_written == 1 ? " file" : " files") +
                   " could not be written; the warnings name them.";
  }
  outcome.files_not_written = not_written;
  outcome.success = success;
  outcome.cancelled = cancelled;
  outcome.status_line = status_text_;
  outcome.elapsed_seconds = elapsed;
  outcome.warnings = warnings.GetTotal();
  outcome.living_published = statistics_.livingPublished;
  outcome.stale_files_removed = statistics_.staleFilesRemoved;

  WriteLogs(ctx, success, cancelled, start_seconds, elapsed);

  phases_->DiscardRunData();
  reader_.Close(!success);
  if (elapsed > 30) env_.progress_view().Beep();
  progress.Close();
  warnings.Reset();
  return outcome;
}

void Generator::Dispatch(GenerateMode mode, RunContext& ctx, int dialect_code) {
  platform::Progress& progress = ctx.progress;
  const bool evaluate = dialect_code == 1;
  switch (mode) {
    case GenerateMode::kAll:
    case GenerateMode::kCopyMultimedia:
    case GenerateMode::kSkipMultimedia:
    case GenerateMode::kSample:
      if (progress.IsCancelled()) return;
      phases_->SelectFamilies(ctx, mode == GenerateMode::kSample);
      if (evaluate && !progress.IsCancelled()) WriteFamilyPages(ctx, true);
      if (!progress.IsCancelled()) WriteFamilyPages(ctx, false);
      if (!progress.IsCancelled()) WriteIndexPages(ctx, true);
      if (!progress.IsCancelled()) WriteSourcePages(ctx, false);
      if (!progress.IsCancelled()) phases_->WriteSiteExtras(ctx);
      return;
    case GenerateMode::kFamilies:
      if (progress.IsCancelled()) return;
      phases_->SelectFamilies(ctx, false);
      if (evaluate && !progress.IsCancelled()) WriteFamilyPages(ctx, true);
      if (!progress.IsCancelled()) WriteFamilyPages(ctx, false);
      if (!progress.IsCancelled()) WriteIndexPages(ctx, false);
      return;
    case GenerateMode::kIndex:
      if (progress.IsCancelled()) return;
      phases_->SelectFamilies(ctx, false);
      if (!progress.IsCancelled()) WriteIndexPages(ctx, true);
      return;
    case GenerateMode::kBibliography:
      if (!progress.IsCancelled()) WriteSourcePages(ctx, true);
      return;
  }
}

void Generator::WriteFamilyPages(RunContext& ctx, bool evaluate) {
  const bool whole = WriteFamilyPageFiles(ctx, evaluate);
  // Pages go to the disk on a thread of their own; they are all there and
  // counted before anything else happens, whole run or cancelled.
  phases_->FinishFamilyPages(ctx);
  if (evaluate && whole) phases_->FinishEvaluation(ctx);
}

bool Generator::WriteFamilyPageFiles(RunContext& ctx, bool evaluate) {
  platform::Progress& progress = ctx.progress;
  const int32_t selected = ctx.statistics.familiesSelected;
  char phase[96];
  std::snprintf(phase, sizeof phase, "Generating web pages for %d families...", selected);
  progress.SetPhase(
      evaluate ? std::string("Evaluating source citations...") : std::string(phase), 0,
      selected, true);
  int32_t countdown = selected;

  while (countdown > 0) {
    GedcomRecord* entry = store_.Next(RecordKind::kFamily);
    if (entry == nullptr) break;
    if (progress.IsCancelled()) {
      store_.ResetWalk();
      return false;
    }
    if ((entry->flags & kMarkSelected) == 0) continue;
    progress.Step(0);
    GedcomRecord* family = nullptr;
    reader_.LoadRecord(RecordKind::kFamily, entry->key, true, &family);
    if (family != nullptr) {
      phases_->WriteFamilyPage(ctx, *entry, *family, evaluate);
      if (!evaluate) ++ctx.statistics.familiesWritten;
    }
    --countdown;
  }
  if (countdown <= 0) store_.ResetWalk();

  // Individuals outside every family get pages of their own.
  while (countdown > 0) {
    GedcomRecord* entry = store_.Next(RecordKind::kIndividual);
    if (entry == nullptr) break;
    if (progress.IsCancelled()) {
      store_.ResetWalk();
      return false;
    }
    if ((entry->flags & kMarkSelected) == 0 || (entry->flags & kMarkInFamily) != 0) {
      continue;
    }
    progress.Step(0);
    GedcomRecord* person = nullptr;
    reader_.LoadRecord(RecordKind::kIndividual, entry->key, true, &person);
    if (person != nullptr) {
      phases_->WriteLonerPage(ctx, *entry, *person, evaluate);
      if (!evaluate) {
        ++ctx.statistics.familiesWritten;
        ++ctx.statistics.lonersWritten;
      }
    }
    --countdown;
  }
  if (countdown <= 0) store_.ResetWalk();
  return true;
}

void Generator::WriteIndexPages(RunContext& ctx, bool write_pages) {
  ctx.statistics.indexEntries = phases_->WriteIndex(ctx, write_pages);
}

void Generator::WriteSourcePages(RunContext& ctx, bool standalone) {
  const COptions& options = ctx.options;
  if (standalone || options.m_bBiblioPages) {
    phases_->WriteBibliography(ctx, standalone);
    if (!ctx.progress.IsCancelled() && options.m_bRepositoryPages) {
      phases_->WriteRepositories(ctx);
    }
  }
}

void Generator::WriteLogs(RunContext& ctx, bool success, bool cancelled,
                          int64_t start_seconds, int64_t elapsed_seconds) {
  platform::Progress& progress = ctx.progress;
  progress.SetPhase("Creating log files...", 0, 3, false);
  phases_->WriteSummaryLog(ctx, success, cancelled, start_seconds, elapsed_seconds);
  progress.Step(0);
  phases_->WriteIndividualLog(ctx, start_seconds);
  progress.Step(0);
  phases_->WriteFamilyLog(ctx, start_seconds);
  progress.Step(0);
}

}  // namespace vellix
