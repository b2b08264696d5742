// Loading and saving the current option set file, its .old backup, and the
// current option set of the process.
#include <cstdio>
#include <filesystem>
#include <memory>

#include "options/current_option_set.h"
#include "options/option_layout.h"
#include "options/options.h"
#include "platform/file_system.h"
#include "platform/prompter.h"
#include "platform/replace_file.h"
#include "platform/settings_store.h"

namespace vellix {
namespace {

using platform::MessageIcon;

std::string Format(const char* format, const std::string& path) {
  const int size = std::snprintf(nullptr, 0, format, path.c_str());
  std::string text(static_cast<size_t>(size), '\0');
  std::snprintf(text.data(), text.size() + 1, format, path.c_str());
  return text;
}

constexpr char kWrongMagic[] =
    "%s\n\nThis file is not a valid options set.\n"
    "Ensure you have specified the correct options set file.";
constexpr char kCannotCreate[] =
    "Error loading %s\n\nThis file is not accessible and was not loaded.\n"
    "Ensure you have specified the correct options set file.";
constexpr char kCreated[] =
    "Program options have been created and assigned default values.\n"
    "Please review or change these settings to suit your needs.\n\n";
constexpr char kNewerVersion[] =
    "%s\n\nThis options set was created with a newer version of VELLIX.\n\n"
    "If you save now, some options may be reset to their default values.\n"
    "You should click \"No\" and run the newer VELLIX program\n"
    "to avoid losing the settings made with that newer version.\n\n"
    "Do you want to overwrite this options set with an older version?";
constexpr char kCannotSave[] =
    "Error saving %s\n\nThis file is not accessible and was not saved.\n"
    "Ensure you have specified the correct options set file.";
constexpr char kSaveCurrent[] = "%s\n\nDo you want to save your current option settings?";
constexpr char kSaved[] = "Your current settings were saved.";
constexpr char kAlreadyExists[] =
    "%s\n\nThis file already exists.\n"
    "Choose another name for the new options set.";
constexpr char kDoesNotExist[] =
    "%s\n\nThis file does not exist.\nPlease check the file name and try again.";

constexpr char kDamaged[] =
    "the option set %s is damaged; it was kept as %s and defaults are used";
constexpr char kBackupSection[] = "Backups";
constexpr int kMostNumberedNames = 1000;

std::string Format2(const char* format, const std::string& first,
                    const std::string& second) {
  std::string text(format);
  for (const std::string* value : {&first, &second}) {
    const size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, *value);
  }
  return text;
}

// The file access of the load or save: the caller's, or the local disk.
class FilesOf {
 public:
  explicit FilesOf(const OptionFileContext& file)
      : files_(file.files != nullptr ? *file.files : local_) {}
  platform::FileAccess* operator->() { return &files_; }

 private:
  platform::LocalFileAccess local_;
  platform::FileAccess& files_;
};

// What the bytes of a file are, as far as loading goes.
enum class ImageKind {
  kEmpty,     // a new file, nothing in it yet
  kForeign,   // no option set: wrong magic, or too short to tell
  kDamaged,   // an option set cut short or broken after its header
  kComplete,  // reads to its end
};

// Classifies an option set file image. A file shorter than the header is an
// option set only when the part of the magic text it holds is right; one of
// four bytes or less shows no magic at all and is not taken for one.
ImageKind Classify(const std::string& data) {
  if (data.empty()) return ImageKind::kEmpty;
  constexpr size_t kVersionSize = 4;
  const size_t magic_length = std::char_traits<char>::length(options::kMagic);
  if (data.size() <= kVersionSize) return ImageKind::kForeign;
  const std::string_view present =
      std::string_view(data).substr(kVersionSize, magic_length);
  if (present != std::string_view(options::kMagic).substr(0, present.size())) {
    return ImageKind::kForeign;
  }
  COptions probe;
  if (!probe.ReadFrom(data)) return ImageKind::kDamaged;
  return probe.m_nLoadError == 1 ? ImageKind::kForeign : ImageKind::kComplete;
}

// The backup's name for number `n`: the file name without its extension,
// "-n" from the second on, then ".old", in the backup folder.
std::string BackupPath(const OptionFileContext& file, int n) {
  std::string name = platform::FileNameOf(file.path);
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  if (n > 1) name += "-" + std::to_string(n);
  return platform::WithTrailingSlash(file.backup_folder) + name + ".old";
}

// Where the backup of `file` goes: the first numbered name that is free or
// already holds a backup of this very file. Without a record of the backups
// the plain name is used.
std::string BackupTarget(const OptionFileContext& file, FilesOf& files) {
  if (file.backups == nullptr) return BackupPath(file, 1);
  for (int n = 1; n <= kMostNumberedNames; ++n) {
    const std::string candidate = BackupPath(file, n);
    const std::string origin =
        file.backups->GetString(kBackupSection, platform::FileNameOf(candidate));
    if (origin == file.path || !files->FileExists(candidate)) return candidate;
  }
  return {};
}

// Copies the option set file to its backup. Only a file that loads as a
// complete option set is copied: an empty file (one just created for a new
// option set) or a damaged one would replace a good backup with something
// worse.
void MakeBackup(const OptionFileContext& file) {
  FilesOf files(file);
  std::string data;
  if (!files->ReadWholeFile(file.path, &data)) return;
  if (Classify(data) != ImageKind::kComplete) return;
  const std::string target = BackupTarget(file, files);
  if (target.empty() || !files->ReplaceFile(target, data)) return;
  if (file.backups != nullptr) {
    file.backups->SetString(kBackupSection, platform::FileNameOf(target), file.path);
  }
}

// Ends the link between `file` and its backups: what is saved to the file
// from now on is a new option set, and the backup of the old one (the
// user's last good settings) must not be replaced by a backup of it.
void ForgetBackups(const OptionFileContext& file, FilesOf& files) {
  if (file.backups == nullptr) return;
  for (int n = 1; n <= kMostNumberedNames; ++n) {
    const std::string candidate = BackupPath(file, n);
    const std::string name = platform::FileNameOf(candidate);
    if (file.backups->GetString(kBackupSection, name) == file.path) {
      file.backups->Remove(kBackupSection, name);
    }
    if (!files->FileExists(candidate)) break;
  }
}

// Moves a damaged option set aside to "FILE.damaged" (or "FILE.damaged-2"
// and so on, never over an earlier one). The kept name, or empty when the
// file could not be moved.
std::string KeepDamaged(const std::string& path) {
  for (int n = 1; n <= kMostNumberedNames; ++n) {
    std::string kept = path + ".damaged";
    if (n > 1) kept += "-" + std::to_string(n);
    if (platform::RenameWithoutReplacing(path, kept)) return kept;
    if (!platform::FileExists(kept)) return {};
  }
  return {};
}

std::string AbsolutePath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.lexically_normal().string();
}

}  // namespace

bool COptions::LoadOptions(const OptionFileContext& file) {
  m_nLoadError = 0;
  const std::string& path = file.path;
  platform::Prompter& prompter = file.prompter;
  FilesOf files(file);
  std::string kept_as;
  if (files->FileExists(path)) {
    std::string data;
    // A file that cannot be read is not rebuilt: it may hold anything.
    if (!files->ReadWholeFile(path, &data)) {
      m_nLoadError = 1;
      prompter.Show(MessageIcon::kStop, Format(kCannotCreate, path));
      return false;
    }
    m_bBackupDone = false;
    switch (Classify(data)) {
      case ImageKind::kComplete: {
        COptions loaded(*this);
        loaded.ReadFrom(data);
        *this = std::move(loaded);
        m_bBackupDone = false;
        extras = options::LoadExtras(*files.operator->(), path);
        return true;
      }
      case ImageKind::kForeign:
        // Never rebuilt: a file that exists and holds something else is the
        // user's, whatever name it has.
        m_nLoadError = 1;
        prompter.Show(MessageIcon::kStop, Format(kWrongMagic, path));
        return false;
      case ImageKind::kDamaged:
        kept_as = KeepDamaged(path);
        if (kept_as.empty()) {
          m_nLoadError = 1;
          prompter.Show(MessageIcon::kStop, Format(kCannotCreate, path));
          return false;
        }
        ForgetBackups(file, files);
        prompter.Show(MessageIcon::kStop, Format2(kDamaged, path, kept_as));
        break;
      case ImageKind::kEmpty:
        break;
    }
  } else {
    if (!files->ReplaceFile(path, "")) {
      prompter.Show(MessageIcon::kStop, Format(kCannotCreate, path));
      return false;
    }
    m_bBackupDone = false;
  }
  // A new or empty file, or one whose damaged content was moved aside:
  // rebuilt with the default option set.
  SetDefaults();
  m_nFileVersion = 0;
  extras = options::LoadExtras(*files.operator->(), path);
  // Only a set that reached its file was "created" (a failed save has shown
  // its own message).
  if (SaveOptions(file)) prompter.Show(MessageIcon::kInformation, kCreated);
  return true;
}

bool COptions::SaveOptions(const OptionFileContext& file) {
  const std::string& path = file.path;
  platform::Prompter& prompter = file.prompter;
  // A set whose file was refused (another kind of file, unreadable) holds
  // nothing of that file and must never be written over it; its load said
  // why.
  if (m_nLoadError == 1) return false;
  if (m_nFileVersion > m_nVersion &&
      !prompter.Ask(MessageIcon::kQuestion, Format(kNewerVersion, path), false)) {
    return false;
  }
  if (!m_bBackupDone) {
    m_bBackupDone = true;
    MakeBackup(file);
  }
  const int32_t file_version = m_nFileVersion;
  const int32_t load_error = m_nLoadError;
  const std::string image = WriteToString();
  FilesOf files(file);
  if (!files->ReplaceFile(path, image)) {
    m_nFileVersion = file_version;
    m_nLoadError = load_error;
    prompter.Show(MessageIcon::kStop, Format(kCannotSave, path));
    return false;
  }
  if (!options::SaveExtras(*files.operator->(), path, extras)) {
    prompter.Show(MessageIcon::kStop, Format(kCannotSave, options::ExtrasPathFor(path)));
    return false;
  }
  return true;
}

CurrentOptionSet::CurrentOptionSet(platform::Prompter& prompter,
                                   platform::SettingsStore& settings,
                                   std::string app_folder)
    : prompter_(prompter),
      settings_(settings),
      app_folder_(platform::WithTrailingSlash(app_folder)) {}

CurrentOptionSet::~CurrentOptionSet() = default;

std::string CurrentOptionSet::path() const {
  if (!run_override_.empty()) return run_override_;
  return platform::CurrentOptionSetPath(settings_, app_folder_);
}

OptionFileContext CurrentOptionSet::file() const {
  return {path(), app_folder_, prompter_, nullptr, &settings_};
}

COptions& CurrentOptionSet::options() {
  if (!options_) {
    options_ = std::make_unique<COptions>();
    options_->LoadOptions(file());
  }
  return *options_;
}

bool CurrentOptionSet::Save() { return options().SaveOptions(file()); }

bool CurrentOptionSet::UseFileForThisRun(const std::string& path) {
  if (path.empty()) {
    run_override_.clear();
    return !options_ || options_->LoadOptions(file());
  }
  const std::string full = AbsolutePath(path);
  if (!platform::FileExists(full)) {
    prompter_.Show(MessageIcon::kStop, Format(kDoesNotExist, full));
    return false;
  }
  run_override_ = full;
  if (!options_) return options().m_nLoadError == 0;
  return options_->LoadOptions(file());
}

bool CurrentOptionSet::Switch(const std::string& path, bool create_new) {
  platform::Prompter& prompter = prompter_;
  const std::string full = AbsolutePath(path);
  if (create_new && platform::FileExists(full)) {
    prompter.Show(MessageIcon::kStop, Format(kAlreadyExists, full));
    return false;
  }
  // Create the new file before switching, so a path that cannot be written
  // leaves the current set as it is (the empty file is filled by the load).
  if (create_new && !platform::ReplaceFileContents(full, "")) {
    prompter.Show(MessageIcon::kStop, Format(kCannotCreate, full));
    return false;
  }
  if (!create_new) {
    std::string data;
    if (!platform::FileExists(full) || !platform::ReadWholeFile(full, &data)) {
      prompter.Show(MessageIcon::kStop, Format(kDoesNotExist, full));
      return false;
    }
    // A file of another kind would be refused only after the switch, leaving
    // the setting on it: refuse it first.
    if (Classify(data) == ImageKind::kForeign) {
      prompter.Show(MessageIcon::kStop, Format(kWrongMagic, full));
      return false;
    }
  }
  // A set this program has not loaded holds no unsaved settings (the command
  // line switches without reading the current set), and a set that never
  // loaded (wrong magic) holds nothing of the user's: saving it would
  // overwrite the file it failed to read. Only otherwise is saving offered.
  if (options_ && options_->m_nLoadError == 0 &&
      prompter.Ask(MessageIcon::kQuestion, Format(kSaveCurrent, this->path()), false) &&
      options_->SaveOptions(file())) {
    prompter.Show(MessageIcon::kInformation, kSaved);
  }
  if (!options_) options_ = std::make_unique<COptions>();
  COptions& current = *options_;
  run_override_.clear();
  current.ResetForNewFile();
  platform::SetCurrentOptionSetPath(settings_, full);
  return current.LoadOptions(file());
}

}  // namespace vellix
