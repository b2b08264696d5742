// A desktop for tests: records what the windows said and answers for the user.
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <deque>
#include <optional>
#include <vector>

#include "shell/gui/desktop.h"

namespace vellix::gui::testing {

/// Records every message, question, chooser request and opened address, and
/// answers from queues: questions with the queued answers (then with the
/// default button), choosers with the queued choices (then as cancelled).
class FakeDesktop : public Desktop {
 public:
  struct Message {
    BoxIcon icon;
    QString text;
    bool question;
    bool on_window_thread;  // shown on the application's (window's) thread
  };
  struct Chooser {
    QString kind;  // "open", "save", "folder" or "color"
    QString title;
    QString filter;
    QString start;
  };

  void Show(QWidget* parent, BoxIcon icon, const QString& text) override;
  bool Ask(QWidget* parent, BoxIcon icon, const QString& text, bool default_yes) override;
  std::optional<QString> OpenFile(QWidget* parent, const FileRequest& request) override;
  std::optional<QString> SaveFile(QWidget* parent, const FileRequest& request) override;
  std::optional<QString> Folder(QWidget* parent, const QString& prompt,
                                const QString& start) override;
  std::optional<QColor> Color(QWidget* parent, const QString& title,
                              const QColor& initial,
                              std::array<uint32_t, 16>* custom) override;
  bool OpenUrl(const QUrl& url) override;

  void QueueAnswers(std::initializer_list<bool> answers) { answers_.assign(answers); }
  void QueuePaths(std::initializer_list<QString> paths) { paths_.assign(paths); }
  /// The next colour chooser picks `color` and sets custom colour `index`
  /// to `custom` (as a user editing the chooser's custom colours would).
  void QueueColor(QColor color, int index = -1, uint32_t custom = 0);
  void set_open_url_result(bool result) { open_url_result_ = result; }

  const std::vector<Message>& messages() const { return messages_; }
  QStringList Texts() const;
  const std::vector<Chooser>& choosers() const { return choosers_; }
  const std::vector<QUrl>& opened() const { return opened_; }
  /// The initial colour of the last colour chooser.
  QColor last_initial_color() const { return last_initial_; }
  void Clear();

 private:
  std::optional<QString> NextPath();

  std::vector<Message> messages_;
  std::vector<Chooser> choosers_;
  std::vector<QUrl> opened_;
  std::deque<bool> answers_;
  std::deque<QString> paths_;
  struct ColorAnswer {
    QColor color;
    int index;
    uint32_t custom;
  };
  std::deque<ColorAnswer> colors_;
  QColor last_initial_;
  bool open_url_result_ = true;
};

}  // namespace vellix::gui::testing
