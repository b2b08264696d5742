// Loading and saving the current option set file, its .old backup, and the
// current option set of the process.
#include <cstdio>
#include <filesystem>
#include <memory>

#include "options/current_option_set.h"
#include "options/options.h"
#include "platform/file_system.h"
#include "platform/prompter.h"
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

// The backup's name: the file name without its extension, then ".old", in
// the backup folder.
std::string BackupPath(const OptionFileContext& file) {
  std::string name = platform::FileNameOf(file.path);
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return platform::WithTrailingSlash(file.backup_folder) + name + ".old";
}

// Copies the option set file to its backup. An empty file (one just created
// for a new option set) holds nothing worth keeping and would only replace
// an older backup of the same name, so it is not copied.
void MakeBackup(const OptionFileContext& file) {
  std::string data;
  if (!platform::ReadWholeFile(file.path, &data) || data.empty()) return;
  platform::WriteWholeFile(BackupPath(file), data);
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
  if (platform::FileExists(path)) {
    std::string data;
    const bool read = platform::ReadWholeFile(path, &data);
    COptions loaded(*this);
    const bool complete = read && loaded.ReadFrom(data);
    m_bBackupDone = false;
    if (complete && loaded.m_nLoadError == 1) {
      m_nLoadError = 1;
      prompter.Show(MessageIcon::kStop, Format(kWrongMagic, path));
      return false;
    }
    if (complete) {
      *this = std::move(loaded);
      m_bBackupDone = false;
      return true;
    }
  } else {
    if (!platform::WriteWholeFile(path, "")) {
      prompter.Show(MessageIcon::kStop, Format(kCannotCreate, path));
      return false;
    }
    m_bBackupDone = false;
  }
  // A new, short or damaged file: rebuilt with the default option set (the
  // first save keeps a damaged file as the backup).
  SetDefaults();
  m_nFileVersion = 0;
  // Only a set that reached its file was "created" (a failed save has shown
  // its own message).
  if (SaveOptions(file)) prompter.Show(MessageIcon::kInformation, kCreated);
  return true;
}

bool COptions::SaveOptions(const OptionFileContext& file) {
  const std::string& path = file.path;
  platform::Prompter& prompter = file.prompter;
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
  if (!platform::WriteWholeFile(path, image)) {
    m_nFileVersion = file_version;
    m_nLoadError = load_error;
    prompter.Show(MessageIcon::kStop, Format(kCannotSave, path));
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
  return {path(), app_folder_, prompter_};
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
  if (create_new && !platform::WriteWholeFile(full, "")) {
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
    COptions probe;
    if (probe.ReadFrom(data) && probe.m_nLoadError == 1) {
      prompter.Show(MessageIcon::kStop, Format(kWrongMagic, full));
      return false;
    }
  }
  COptions& current = options();
  // A set that never loaded (wrong magic) holds nothing of the user's, and
  // saving it would overwrite the file it failed to read.
  if (current.m_nLoadError == 0 &&
      prompter.Ask(MessageIcon::kQuestion, Format(kSaveCurrent, this->path()), false) &&
      current.SaveOptions(file())) {
    prompter.Show(MessageIcon::kInformation, kSaved);
  }
  run_override_.clear();
  current.ResetForNewFile();
  platform::SetCurrentOptionSetPath(settings_, full);
  return current.LoadOptions(file());
}

}  // namespace vellix
