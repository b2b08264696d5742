// Pages written to the disk on a thread of their own.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/file_system.h"
#include "run/run_environment.h"
#include "run/run_statistics.h"

namespace vellix::site {

/// Writes pages through a second thread, so that the kernel's work of
/// creating and filling files (most of a large run's time on a real disk)
/// overlaps the building of the next pages. Pages reach the disk in the
/// order they were handed over, so a path given twice ends with the later
/// page, as with WritePageFile. What WritePageFile does after a write (the
/// counts, the unchanged count, warning 5 for a page that could not be
/// written) is done on the calling thread, in the same page order, when a
/// later Submit finds the page written, or at Finish. The site's list of
/// files takes each page at Submit. Memory stays bounded: Submit waits while
/// the pages not yet written hold more than `max_bytes`.
///
/// Only the writing thread touches the file system for the queued pages;
/// the environment's file access must allow one writing thread beside the
/// caller's (the local one makes plain system calls).
class PageWriteQueue {
 public:
  static constexpr size_t kDefaultMaxBytes = size_t{4} << 20;

  PageWriteQueue(RunEnvironment& env, RunStatistics& statistics,
                 size_t max_bytes = kDefaultMaxBytes);
  /// Finishes: no page handed over is lost.
  ~PageWriteQueue();
  PageWriteQueue(const PageWriteQueue&) = delete;
  PageWriteQueue& operator=(const PageWriteQueue&) = delete;

  /// Hands over one page for `path` (stored or native form), counted under
  /// `group`; `ref` names its family or individual in a warning. Writes it
  /// at once, as WritePageFile does, when no thread can be started.
  void Submit(const std::string& path, std::string page, FileGroup group,
              std::string_view ref = {});
  /// Waits until every page handed over is written and has been counted.
  void Finish();

 private:
  struct Job {
    std::string native;
    std::string page;
    FileGroup group;
    std::string ref;
    platform::WriteResult result = platform::WriteResult::kFailed;
    size_t size = 0;  // bytes written (after the text is made valid UTF-8)
  };

  void Run();
  /// Counts the written jobs at the front of the queue and drops them.
  void CountWritten();

  RunEnvironment& env_;
  RunStatistics& statistics_;
  const size_t max_bytes_;

  std::mutex mutex_;
  std::condition_variable work_;  // a job was added, or stop_
  std::condition_variable room_;  // a job was written
  // Jobs in hand-over order; the first `written_` are on the disk.
  std::deque<Job> jobs_;
  size_t written_ = 0;
  size_t pending_bytes_ = 0;  // page bytes of the jobs not yet written
  bool stop_ = false;
  std::thread thread_;
  bool thread_failed_ = false;
};

}  // namespace vellix::site
