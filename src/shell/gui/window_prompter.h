// The engine's messages and questions as message boxes.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include "platform/prompter.h"
#include "shell/gui/desktop.h"

namespace vellix::gui {

/// The message box icon for an engine message icon.
BoxIcon BoxIconOf(platform::MessageIcon icon);

/// The prompter the engine talks to in the desktop program: every message
/// and question becomes a message box over the parent window, shown on the
/// window's thread. Called from a run's worker thread, it waits there until
/// the box was answered, so the run goes on with the user's answer.
/// `desktop` must outlive it; it must be made on the window's thread.
class WindowPrompter : public platform::Prompter {
 public:
  explicit WindowPrompter(Desktop& desktop, QWidget* parent = nullptr);

  void set_parent(QWidget* parent) { parent_ = parent; }

  void Show(platform::MessageIcon icon, const std::string& text) override;
  bool Ask(platform::MessageIcon icon, const std::string& text,
           bool default_yes) override;

 private:
  Desktop& desktop_;
  QPointer<QWidget> parent_;
  QObject window_thread_;  // lives on the window's thread
};

}  // namespace vellix::gui
