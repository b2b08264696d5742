#include "fuzz/fuzz_environment.h"

#include <stdlib.h>

#include <filesystem>

namespace vellix::fuzz {
namespace {

std::string MakeFolder() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "vellix-fuzz-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) abort();
  return pattern + "/";
}

}  // namespace

FuzzEnvironment& FuzzEnvironment::Get() {
  static FuzzEnvironment environment(MakeFolder());
  return environment;
}

FuzzEnvironment::FuzzEnvironment(std::string folder)
    : settings(folder + "settings.ini"),
      env(prompter, progress_view, clock, files, settings, folder),
      folder_(std::move(folder)) {}

FuzzEnvironment::~FuzzEnvironment() {
  std::error_code error;
  std::filesystem::remove_all(folder_, error);
}

std::string FuzzEnvironment::FreshFolder(const std::string& name) {
  const std::string path = folder_ + name + "/";
  std::error_code error;
  std::filesystem::remove_all(path, error);
  std::filesystem::create_directories(path, error);
  return path;
}

}  // namespace vellix::fuzz
