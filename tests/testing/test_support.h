// Helpers shared by all test programs.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/prompter.h"

namespace vellix::testing {

/// A fresh temporary folder, removed with everything in it when destroyed.
/// path() ends with a slash.
class TempDir {
 public:
  /// Where the folder is made.
  enum class Storage {
    kDisk,                 // the temporary folder of the system
    kMemoryWhenAvailable,  // /dev/shm when there is one (for tests that
                           // write thousands of files), else the disk
  };
  explicit TempDir(Storage storage = Storage::kDisk);
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  /// path() + name.
  std::string File(const std::string& name) const { return path_ + name; }
  /// Writes `content` to path() + name and returns the full path.
  std::string Write(const std::string& name, const std::string& content) const;

 private:
  std::string path_;
};

/// Points VELLIX_HOME at a fresh temporary folder for the lifetime of the
/// object (so the application folder and settings.ini are the test's own),
/// then restores the previous value.
class ScopedHome {
 public:
  ScopedHome();
  ~ScopedHome();
  const std::string& path() const { return dir_.path(); }

 private:
  TempDir dir_;
  std::string previous_;
  bool had_previous_ = false;
};

/// A prompter that records every message and answers questions from a
/// queue (then with the default button).
class RecordingPrompter : public platform::Prompter {
 public:
  struct Message {
    platform::MessageIcon icon;
    std::string text;
    bool question;
  };

  void Show(platform::MessageIcon icon, const std::string& text) override;
  bool Ask(platform::MessageIcon icon, const std::string& text,
           bool default_yes) override;

  /// Forgets the messages seen so far.
  void Clear() { messages_.clear(); }
  /// Answers for the next questions, in order.
  void QueueAnswers(std::vector<bool> answers) { answers_ = std::move(answers); }
  const std::vector<Message>& messages() const { return messages_; }
  /// The texts only, in order.
  std::vector<std::string> Texts() const;

 private:
  std::vector<Message> messages_;
  std::vector<bool> answers_;
};

/// Reads a whole file (test failure when unreadable).
std::string ReadFile(const std::string& path);

/// Every regular file below `folder`, by its path relative to the folder,
/// with its content (for comparing two generated sites).
std::map<std::string, std::string> FilesBelow(const std::string& folder);

/// The path of a fixture under tests/data.
std::string DataFile(const std::string& name);

}  // namespace vellix::testing
