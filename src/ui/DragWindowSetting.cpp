#include "ui/DragWindowSetting.h"

#include <csignal>
#include <cstdlib>
#include <exception>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tablesmith::ui {
namespace {

#ifdef _WIN32
class WindowsDragWindowSetting final : public DragWindowSetting {
 public:
  bool IsOn() const override {
    BOOL on = FALSE;
    SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &on, 0);
    return on != FALSE;
  }
  void Set(bool on) override {
    SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, on ? TRUE : FALSE, nullptr,
                          SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
  }
};
#else
// Other window systems have no such user setting: nothing to read or switch.
class NoDragWindowSetting final : public DragWindowSetting {
 public:
  bool IsOn() const override { return false; }
  void Set(bool) override {}
};
#endif

using SignalHandler = void (*)(int);

std::atomic<DragWindowGuard*> activeGuard{nullptr};
SignalHandler previousInterrupt = SIG_DFL;
SignalHandler previousTerminateSignal = SIG_DFL;
std::terminate_handler previousTerminate = nullptr;

// Installs `handler` for `signal` unless the signal was being ignored (a
// program started in the background keeps ignoring Ctrl+C).
SignalHandler Install(int signal, SignalHandler handler) {
  const SignalHandler previous = std::signal(signal, handler);
  if (previous == SIG_IGN) std::signal(signal, SIG_IGN);
  return previous == SIG_ERR ? SIG_DFL : previous;
}

}  // namespace

std::unique_ptr<DragWindowSetting> SystemDragWindowSetting() {
#ifdef _WIN32
  return std::make_unique<WindowsDragWindowSetting>();
#else
  return std::make_unique<NoDragWindowSetting>();
#endif
}

DragWindowGuard::DragWindowGuard(DragWindowSetting& setting) : setting_(setting) {
  if (!setting_.IsOn()) return;
  // The handlers go in first and the guard counts as having switched the
  // setting off before it does, so no moment exists in which an ending
  // program would leave the setting off.
  activeGuard = this;
  previousInterrupt = Install(SIGINT, &DragWindowGuard::OnSignal);
  previousTerminateSignal = Install(SIGTERM, &DragWindowGuard::OnSignal);
  previousTerminate = std::set_terminate(&DragWindowGuard::OnTerminate);
  switchedOff_ = true;
  setting_.Set(false);
}

DragWindowGuard::~DragWindowGuard() {
  Restore();
  if (activeGuard == this) {
    std::signal(SIGINT, previousInterrupt);
    std::signal(SIGTERM, previousTerminateSignal);
    std::set_terminate(previousTerminate);
    activeGuard = nullptr;
  }
}

void DragWindowGuard::Restore() {
  if (!switchedOff_ || restored_.exchange(true)) return;
  setting_.Set(true);
}

void DragWindowGuard::OnSignal(int signal) {
  if (DragWindowGuard* guard = activeGuard.load()) guard->Restore();
  // End the program the way the signal would have without us.
  std::signal(signal, signal == SIGINT ? previousInterrupt : previousTerminateSignal);
  std::raise(signal);
}

void DragWindowGuard::OnTerminate() {
  if (DragWindowGuard* guard = activeGuard.load()) guard->Restore();
  if (previousTerminate) previousTerminate();
  std::abort();
}

}  // namespace tablesmith::ui
