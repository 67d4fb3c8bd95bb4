#pragma once

#include <atomic>
#include <memory>

namespace tablesmith::ui {

// The window system's user setting "show window contents while dragging".
class DragWindowSetting {
 public:
  virtual ~DragWindowSetting() = default;
  virtual bool IsOn() const = 0;
  // Writes the setting to the user's profile and tells every window.
  virtual void Set(bool on) = 0;
};

// The setting of the system the program runs on. Only Windows has it; on
// other systems the returned object reports it off and changes nothing.
std::unique_ptr<DragWindowSetting> SystemDragWindowSetting();

// Switches the setting off while the program runs, when it was on, and
// switches it on again when the guard ends. The setting is also restored when
// the program is ended by SIGINT or SIGTERM or by an uncaught exception, so
// the user is never left with it switched off. One guard at a time.
class DragWindowGuard {
 public:
  explicit DragWindowGuard(DragWindowSetting& setting);
  ~DragWindowGuard();
  DragWindowGuard(const DragWindowGuard&) = delete;
  DragWindowGuard& operator=(const DragWindowGuard&) = delete;

  // Switches the setting back on if the guard switched it off; does nothing
  // the second time.
  void Restore();

  bool SwitchedOff() const { return switchedOff_; }

 private:
  static void OnSignal(int signal);
  [[noreturn]] static void OnTerminate();

  DragWindowSetting& setting_;
  bool switchedOff_ = false;
  std::atomic<bool> restored_{false};
};

}  // namespace tablesmith::ui
