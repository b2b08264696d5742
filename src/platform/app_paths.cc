#include "platform/app_paths.h"

#include <cstdlib>

#include "platform/file_system.h"

#ifndef VELLIX_RESOURCE_DIR
#define VELLIX_RESOURCE_DIR "/usr/local/share/vellix"
#endif
#ifndef VELLIX_SOURCE_RESOURCE_DIR
#define VELLIX_SOURCE_RESOURCE_DIR ""
#endif
#ifndef VELLIX_VERSION_TEXT
#define VELLIX_VERSION_TEXT "1.8.1"
#endif

namespace vellix::platform {
namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

std::string HomeFolder() {
  std::string home = Env("HOME");
  return home.empty() ? std::string("/tmp") : home;
}

std::string EnsureCreated(std::string folder) {
  folder = WithTrailingSlash(folder);
  CreateFolders(folder);
  return folder;
}

}  // namespace

std::string ApplicationFolder() {
  std::string home = Env("VELLIX_HOME");
  if (!home.empty()) return EnsureCreated(home);
  std::string data = Env("XDG_DATA_HOME");
  if (data.empty()) data = HomeFolder() + "/.local/share";
  return EnsureCreated(data + "/vellix");
}

std::string ConfigFolder() {
  std::string home = Env("VELLIX_HOME");
  if (!home.empty()) return EnsureCreated(home);
  std::string config = Env("XDG_CONFIG_HOME");
  if (config.empty()) config = HomeFolder() + "/.config";
  return EnsureCreated(config + "/vellix");
}

std::string FindResource(std::string_view name, const std::string& app_folder) {
  const std::string file(name);
  for (const std::string& folder :
       {app_folder.empty() ? std::string() : WithTrailingSlash(app_folder),
        WithTrailingSlash(VELLIX_RESOURCE_DIR),
        std::string(VELLIX_SOURCE_RESOURCE_DIR).empty()
            ? std::string()
            : WithTrailingSlash(VELLIX_SOURCE_RESOURCE_DIR)}) {
    if (folder.empty()) continue;
    std::string candidate = folder + file;
    if (FileExists(candidate)) return candidate;
  }
  return std::string();
}

std::string_view ProductVersion() { return VELLIX_VERSION_TEXT; }

}  // namespace vellix::platform
