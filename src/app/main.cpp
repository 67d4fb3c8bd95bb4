#include <QApplication>
#include <QDir>
#include <QSettings>
#include <filesystem>
#include <memory>

#include "generator/GenerateProject.h"
#include "model/FieldStore.h"
#include "ui/AppIcon.h"
#include "ui/DragWindowSetting.h"
#include "ui/MainWindow.h"

namespace {

std::filesystem::path ToPath(const QString& text) {
  return std::filesystem::path(text.toStdU16String());
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tablesmith;
  using namespace tablesmith::ui;

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tablesmith"));
  QApplication::setApplicationVersion(QStringLiteral(TABLESMITH_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("tablesmith"));
  QApplication::setWindowIcon(AppIcon());

  // The settings file in the working folder is opened for the program's run
  // and closed at its end. The wizard keeps nothing in it: every start shows
  // the defaults, so the file is never written (nor created).
  auto settingsFile = std::make_unique<QSettings>(
      QDir::current().filePath(QStringLiteral("tablesmith.INI")), QSettings::IniFormat);

  // Window contents are not shown while dragging during the program's run.
  const auto dragSetting = SystemDragWindowSetting();
  DragWindowGuard dragGuard(*dragSetting);
  // A log-off or shutdown ends the event loop and then the process: restore
  // the setting while the program still can.
  QObject::connect(&app, &QCoreApplication::aboutToQuit, [&dragGuard] { dragGuard.Restore(); });

  int exitCode = 0;
  {
    const MainWindowOptions options{
        ToPath(QDir::current().absoluteFilePath(QString::fromLatin1(kDefaultStoreFile))),
        RunEnvironment{FindThemeFolder(CurrentExecutable())}};
    const std::unique_ptr<MainWindow> window = OpenMainWindow(options);
    if (window) {
      window->show();
      exitCode = QApplication::exec();
    } else {
      exitCode = 1;
    }
  }  // the Main window closes the field store as it goes

  settingsFile.reset();
  dragGuard.Restore();
  return exitCode;
}
