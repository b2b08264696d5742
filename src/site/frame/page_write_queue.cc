#include "site/frame/page_write_queue.h"

#include <pthread.h>
#include <signal.h>

#include <exception>
#include <system_error>
#include <utility>

#include "site/frame/page_file.h"

namespace vellix::site {

PageWriteQueue::PageWriteQueue(RunEnvironment& env, RunStatistics& statistics,
                               size_t max_bytes)
    : env_(env), statistics_(statistics), max_bytes_(max_bytes) {}

PageWriteQueue::~PageWriteQueue() {
  Finish();
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  work_.notify_one();
  if (thread_.joinable()) thread_.join();
}

void PageWriteQueue::Submit(const std::string& path, std::string page, FileGroup group,
                            std::string_view ref) {
  if (!thread_.joinable() && !thread_failed_) {
    // The writing thread starts with every signal blocked, so that Ctrl-C
    // and the terminal's resizing reach the thread that handles them and
    // never interrupt a write.
    sigset_t all;
    sigset_t previous;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, &previous);
    try {
      thread_ = std::thread(&PageWriteQueue::Run, this);
    } catch (const std::system_error&) {
      thread_failed_ = true;
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
  }
  if (thread_failed_) {
    WritePageFile(env_, statistics_, path, page, group, ref);
    return;
  }
  Job job{platform::NativePath(path), std::move(page), group, std::string(ref)};
  // The file belongs to this run's site even when writing it fails.
  statistics_.RecordSiteFile(job.native);
  {
    std::unique_lock lock(mutex_);
    room_.wait(lock, [&] { return pending_bytes_ <= max_bytes_; });
    pending_bytes_ += job.page.size();
    jobs_.push_back(std::move(job));
  }
  work_.notify_one();
  CountWritten();
}

void PageWriteQueue::Finish() {
  {
    std::unique_lock lock(mutex_);
    room_.wait(lock, [&] { return written_ == jobs_.size(); });
  }
  CountWritten();
}

void PageWriteQueue::CountWritten() {
  std::vector<Job> done;
  {
    std::lock_guard lock(mutex_);
    done.reserve(written_);
    for (; written_ > 0; --written_) {
      done.push_back(std::move(jobs_.front()));
      jobs_.pop_front();
    }
  }
  for (const Job& job : done)
    CountPageWrite(env_, statistics_, job.native, job.result, job.size, job.group,
                   job.ref);
}

void PageWriteQueue::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    work_.wait(lock, [&] { return stop_ || written_ < jobs_.size(); });
    if (written_ == jobs_.size()) return;  // stopping, nothing left
    // Jobs before and after this one may be added or counted meanwhile;
    // a deque keeps this element where it is, and only jobs before
    // `written_` are ever taken away.
    Job& job = jobs_[written_];
    lock.unlock();
    std::string cleaned;
    const std::string_view text = SiteFileText(job.page, &cleaned);
    platform::WriteResult result = platform::WriteResult::kFailed;
    try {
      result = env_.files().WriteFileIfChanged(job.native, text);
    } catch (const std::exception&) {
      result = platform::WriteResult::kFailed;
    }
    const size_t page_bytes = job.page.size();
    job.size = text.size();
    job.result = result;
    std::string().swap(job.page);  // the bytes are on the disk
    lock.lock();
    ++written_;
    pending_bytes_ -= page_bytes;
    room_.notify_all();
  }
}

}  // namespace vellix::site
