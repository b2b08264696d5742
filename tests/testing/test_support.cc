#include "testing/test_support.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace vellix::testing {

TempDir::TempDir(Storage storage) {
  std::filesystem::path base = std::filesystem::temp_directory_path();
  std::error_code ec;
  if (storage == Storage::kMemoryWhenAvailable &&
      std::filesystem::is_directory("/dev/shm", ec) && access("/dev/shm", W_OK) == 0) {
    base = "/dev/shm";
  }
  std::string pattern = (base / "vellix-test-XXXXXX").string();
  char* made = mkdtemp(pattern.data());
  path_ = made ? std::string(made) + "/" : std::string("/tmp/");
}

TempDir::~TempDir() {
  std::error_code ec;
  if (path_ != "/tmp/") std::filesystem::remove_all(path_, ec);
}

std::string TempDir::Write(const std::string& name, const std::string& content) const {
  std::string full = path_ + name;
  std::filesystem::create_directories(std::filesystem::path(full).parent_path());
  std::ofstream out(full, std::ios::binary);
  out << content;
  return full;
}

ScopedHome::ScopedHome() {
  const char* old = getenv("VELLIX_HOME");
  if (old) {
    had_previous_ = true;
    previous_ = old;
  }
  setenv("VELLIX_HOME", dir_.path().c_str(), 1);
}

ScopedHome::~ScopedHome() {
  if (had_previous_) {
    setenv("VELLIX_HOME", previous_.c_str(), 1);
  } else {
    unsetenv("VELLIX_HOME");
  }
}

void RecordingPrompter::Show(platform::MessageIcon icon, const std::string& text) {
  messages_.push_back({icon, text, false});
}

bool RecordingPrompter::Ask(platform::MessageIcon icon, const std::string& text,
                            bool default_yes) {
  messages_.push_back({icon, text, true});
  if (answers_.empty()) return default_yes;
  bool answer = answers_.front();
  answers_.erase(answers_.begin());
  return answer;
}

std::vector<std::string> RecordingPrompter::Texts() const {
  std::vector<std::string> texts;
  for (const Message& m : messages_) texts.push_back(m.text);
  return texts;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in.good()) << "cannot read " << path;
  std::ostringstream data;
  data << in.rdbuf();
  return data.str();
}

std::map<std::string, std::string> FilesBelow(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    files[std::filesystem::relative(entry.path(), folder).string()] =
        ReadFile(entry.path().string());
  }
  return files;
}

std::string DataFile(const std::string& name) {
  return std::string(VELLIX_TEST_DATA_DIR) + "/" + name;
}

}  // namespace vellix::testing
