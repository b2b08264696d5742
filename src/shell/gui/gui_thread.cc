#include "shell/gui/gui_thread.h"

#include <QMetaObject>
#include <QObject>
#include <QThread>

namespace vellix::gui {

void RunOnThreadOf(QObject* context, const std::function<void()>& work) {
  if (QThread::currentThread() == context->thread()) {
    work();
    return;
  }
  QMetaObject::invokeMethod(context, work, Qt::BlockingQueuedConnection);
}

void PostToThreadOf(QObject* context, std::function<void()> work) {
  QMetaObject::invokeMethod(context, std::move(work), Qt::QueuedConnection);
}

}  // namespace vellix::gui
