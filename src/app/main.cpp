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
#include "ui/Platform.h"

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

  int exitCode = 0;
  {
    const MainWindowOptions options{
        ToPath(QDir::current().absoluteFilePath(QString::fromLatin1(kDefaultStoreFile))),
        RunEnvironment{FindThemeFolder(CurrentExecutable())}};
    std::unique_ptr<MainWindow> window;
    try {
      window = std::make_unique<MainWindow>(options);
    } catch (const FieldStoreError& error) {
      MessageBox::critical(nullptr, QStringLiteral("Tablesmith"),
                           QString::fromStdString(error.what()) +
                               QStringLiteral("\n\nMove the file away or repair it, then start "
                                              "Tablesmith again."));
      exitCode = 1;
    }
    if (window) {
      window->show();
      exitCode = QApplication::exec();
    }
  }  // the Main window closes the field store as it goes

  settingsFile.reset();
  dragGuard.Restore();
  return exitCode;
}
