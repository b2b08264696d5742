#include "support/fake_desktop.h"

#include <QCoreApplication>
#include <QThread>

namespace vellix::gui::testing {
namespace {

bool OnWindowThread() {
  return QThread::currentThread() == QCoreApplication::instance()->thread();
}

}  // namespace

void FakeDesktop::Show(QWidget*, BoxIcon icon, const QString& text) {
  messages_.push_back({icon, text, false, OnWindowThread()});
}

bool FakeDesktop::Ask(QWidget*, BoxIcon icon, const QString& text, bool default_yes) {
  messages_.push_back({icon, text, true, OnWindowThread()});
  if (answers_.empty()) return default_yes;
  const bool answer = answers_.front();
  answers_.pop_front();
  return answer;
}

std::optional<QString> FakeDesktop::NextPath() {
  if (paths_.empty()) return std::nullopt;
  QString path = paths_.front();
  paths_.pop_front();
  return path;
}

std::optional<QString> FakeDesktop::OpenFile(QWidget*, const FileRequest& request) {
  choosers_.push_back({"open", request.title, request.filter, request.start});
  return NextPath();
}

std::optional<QString> FakeDesktop::SaveFile(QWidget*, const FileRequest& request) {
  choosers_.push_back({"save", request.title, request.filter, request.start});
  return NextPath();
}

std::optional<QString> FakeDesktop::Folder(QWidget*, const QString& prompt,
                                           const QString& start) {
  choosers_.push_back({"folder", prompt, QString(), start});
  return NextPath();
}

void FakeDesktop::QueueColor(QColor color, int index, uint32_t custom) {
  colors_.push_back({color, index, custom});
}

std::optional<QColor> FakeDesktop::Color(QWidget*, const QString& title,
                                         const QColor& initial,
                                         std::array<uint32_t, 16>* custom) {
  choosers_.push_back({"color", title, QString(), QString()});
  last_initial_ = initial;
  if (colors_.empty()) return std::nullopt;
  const ColorAnswer answer = colors_.front();
  colors_.pop_front();
  if (answer.index >= 0) (*custom)[answer.index] = answer.custom;
  return answer.color;
}

bool FakeDesktop::OpenUrl(const QUrl& url) {
  opened_.push_back(url);
  return open_url_result_;
}

QStringList FakeDesktop::Texts() const {
  QStringList texts;
  for (const Message& message : messages_) texts << message.text;
  return texts;
}

void FakeDesktop::Clear() {
  messages_.clear();
  choosers_.clear();
  opened_.clear();
}

}  // namespace vellix::gui::testing
