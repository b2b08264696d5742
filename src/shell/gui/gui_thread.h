// Running a piece of work on the window's thread from a run's worker thread.
#pragma once

#include <functional>

class QObject;

namespace vellix::gui {

/// Runs `work` on the thread `context` lives on and returns when it is
/// done; on that thread itself it runs at once. The window's thread must be
/// running its event loop (it is, while a run works on its own thread).
void RunOnThreadOf(QObject* context, const std::function<void()>& work);

/// Hands `work` to the thread `context` lives on and returns at once; the
/// work is dropped when `context` is gone by then.
void PostToThreadOf(QObject* context, std::function<void()> work);

}  // namespace vellix::gui
