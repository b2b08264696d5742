// Loading and saving the current option set file, its .old backup, and the
// current option set of the process.
#include <cstdio>
#include <filesystem>
#include <memory>

#include "options/options.h"
#include "platform/app_paths.h"
#include "platform/file_system.h"
#include "platform/prompter.h"
#include "platform/settings_store.h"

namespace vellix {
namespace {

using platform::MessageIcon;

std::unique_ptr<COptions>& CurrentSlot() {
  static std::unique_ptr<COptions> current;
  return current;
}

// The file chosen for this process only (vellix generate --options FILE).
std::string& RunOverridePath() {
  static std::string path;
  return path;
}

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

// The backup's name: the file name without its extension, then ".old".
std::string BackupPath(const std::string& path) {
  std::string name = platform::FileNameOf(path);
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return platform::ApplicationFolder() + name + ".old";
}

// Copies the option set file to its backup. An empty file (one just created
// for a new option set) holds nothing worth keeping and would only replace
// an older backup of the same name, so it is not copied.
void MakeBackup(const std::string& path) {
  std::string data;
  if (!platform::ReadWholeFile(path, &data) || data.empty()) return;
  platform::WriteWholeFile(BackupPath(path), data);
}

std::string AbsolutePath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.lexically_normal().string();
}

}  // namespace

std::string CurrentOptionsPath() {
  if (!RunOverridePath().empty()) return RunOverridePath();
  return platform::CurrentOptionSetPath(platform::SettingsStore::Application());
}

bool COptions::LoadOptions() {
  m_nLoadError = 0;
  const std::string path = CurrentOptionsPath();
  platform::Prompter& prompter = platform::UserPrompter();
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
  if (SaveOptions()) prompter.Show(MessageIcon::kInformation, kCreated);
  return true;
}

bool COptions::SaveOptions() {
  const std::string path = CurrentOptionsPath();
  platform::Prompter& prompter = platform::UserPrompter();
  if (m_nFileVersion > m_nVersion &&
      !prompter.Ask(MessageIcon::kQuestion, Format(kNewerVersion, path), false)) {
    return false;
  }
  if (!m_bBackupDone) {
    m_bBackupDone = true;
    MakeBackup(path);
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

COptions* GetCurrentOptions() {
  std::unique_ptr<COptions>& current = CurrentSlot();
  if (!current) {
    current = std::make_unique<COptions>();
    current->LoadOptions();
  }
  return current.get();
}

void DestroyCurrentOptions() {
  std::unique_ptr<COptions>& current = CurrentSlot();
  if (!current) return;
  current->m_indivAttributes.RemoveAll();
  current->m_familyAttributes.RemoveAll();
  current->m_factLabels.clear();
  current.reset();
}

bool UseOptionsFileForThisRun(const std::string& path) {
  if (path.empty()) {
    RunOverridePath().clear();
    return !CurrentSlot() || CurrentSlot()->LoadOptions();
  }
  const std::string full = AbsolutePath(path);
  if (!platform::FileExists(full)) {
    platform::UserPrompter().Show(MessageIcon::kStop, Format(kDoesNotExist, full));
    return false;
  }
  RunOverridePath() = full;
  std::unique_ptr<COptions>& current = CurrentSlot();
  if (!current) return GetCurrentOptions()->m_nLoadError == 0;
  return current->LoadOptions();
}

bool SwitchOptionSetFile(const std::string& path, bool create_new) {
  platform::Prompter& prompter = platform::UserPrompter();
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
  COptions* current = GetCurrentOptions();
  // A set that never loaded (wrong magic) holds nothing of the user's, and
  // saving it would overwrite the file it failed to read.
  if (current->m_nLoadError == 0 &&
      prompter.Ask(MessageIcon::kQuestion, Format(kSaveCurrent, CurrentOptionsPath()),
                   false) &&
      current->SaveOptions()) {
    prompter.Show(MessageIcon::kInformation, kSaved);
  }
  RunOverridePath().clear();
  current->ResetForNewFile();
  platform::SetCurrentOptionSetPath(platform::SettingsStore::Application(), full);
  return current->LoadOptions();
}

}  // namespace vellix
