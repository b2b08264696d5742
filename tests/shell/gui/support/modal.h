// Dealing with a modal window from inside a test.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace vellix::gui::testing {

/// Waits (from the event loop of the modal window about to open) for the
/// next modal window and hands it to `act`, which must close it. The timer
/// goes when `act` ran or after `timeout_ms`; then any modal window still
/// open is rejected, so a test that expected no dialog cannot hang.
inline void WhenModalOpens(std::function<void(QWidget*)> act, int timeout_ms = 5000) {
  auto* timer = new QTimer();
  auto* waited = new int(0);
  QObject::connect(timer, &QTimer::timeout, [timer, waited, act, timeout_ms] {
    QWidget* modal = QApplication::activeModalWidget();
    *waited += 10;
    if (modal != nullptr) {
      timer->stop();
      act(modal);
    } else if (*waited < timeout_ms) {
      return;
    }
    timer->stop();
    timer->deleteLater();
    delete waited;
  });
  timer->start(10);
}

}  // namespace vellix::gui::testing
