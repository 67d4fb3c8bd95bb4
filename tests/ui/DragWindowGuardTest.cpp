#include <QtTest>
#include <string>
#include <vector>

#include "ui/DragWindowSetting.h"

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <stdexcept>
#endif

using namespace tablesmith::ui;

namespace {

// Remembers every write; optionally also sends it down a pipe, so that a
// parent process can see what a dying child wrote.
class FakeSetting : public DragWindowSetting {
 public:
  explicit FakeSetting(bool on, int pipe = -1) : on_(on), pipe_(pipe) {}
  bool IsOn() const override { return on_; }
  void Set(bool on) override {
    on_ = on;
    writes.push_back(on);
#ifndef _WIN32
    if (pipe_ >= 0) {
      const char c = on ? '1' : '0';
      [[maybe_unused]] auto written = ::write(pipe_, &c, 1);
    }
#endif
  }
  std::vector<bool> writes;

 private:
  bool on_;
  int pipe_;
};

#ifndef _WIN32
[[noreturn]] void Throw() { throw std::runtime_error("nobody catches this"); }

// An exception that leaves a noexcept function goes straight to
// std::terminate, as one that escapes main does; the test framework's own
// catch never sees it.
void ThrowOutOfNoexcept() noexcept { Throw(); }
#endif

}  // namespace

class DragWindowGuardTest : public QObject {
  Q_OBJECT

 private slots:
  void switchedOffWhileRunningAndOnAgainAfter() {
    FakeSetting setting(true);
    {
      DragWindowGuard guard(setting);
      QVERIFY(!setting.IsOn());
      guard.Restore();
      QVERIFY(setting.IsOn());
    }
    QCOMPARE(setting.writes, (std::vector<bool>{false, true}));
  }

  void settingThatWasOffIsLeftAlone() {
    FakeSetting setting(false);
    { DragWindowGuard guard(setting); }
    QVERIFY(setting.writes.empty());
  }

#ifndef _WIN32
  void restoredWhenTheProgramIsEndedAbruptly_data() {
    QTest::addColumn<int>("how");
    QTest::addColumn<int>("endingSignal");
    QTest::newRow("SIGTERM") << 0 << SIGTERM;
    QTest::newRow("SIGINT") << 1 << SIGINT;
    QTest::newRow("uncaught exception") << 2 << SIGABRT;
  }

  void restoredWhenTheProgramIsEndedAbruptly() {
    QFETCH(int, how);
    QFETCH(int, endingSignal);
    int fds[2];
    QCOMPARE(::pipe(fds), 0);
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
      ::close(fds[0]);
      // The child ends the way a program without the test framework's crash
      // handlers would.
      for (int signal : {SIGTERM, SIGINT, SIGABRT}) std::signal(signal, SIG_DFL);
      FakeSetting setting(true, fds[1]);
      DragWindowGuard guard(setting);
      if (how == 0) std::raise(SIGTERM);
      if (how == 1) std::raise(SIGINT);
      if (how == 2) ThrowOutOfNoexcept();
      ::_exit(0);
    }
    ::close(fds[1]);
    std::string written;
    char c;
    while (::read(fds[0], &c, 1) == 1) written += c;
    ::close(fds[0]);
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFSIGNALED(status));
    QCOMPARE(WTERMSIG(status), endingSignal);
    QCOMPARE(written, std::string("01"));  // off at start, on again at the end
  }
#endif
};

QTEST_APPLESS_MAIN(DragWindowGuardTest)
#include "DragWindowGuardTest.moc"
